// The numbers of date entry: the leading number of a text, the time field, the plus/minus days.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orlun {

// The value of the number at the front of a text: an optional sign, digits, an optional decimal
// point with a fraction, an optional exponent ("e" or "E", optional sign, digits). Anything after
// it is ignored; a text that does not begin with such a number has the value 0 ("" "." "-" "e5").
// Always finite: a number beyond the double range gives +-DBL_MAX, one too small for it 0, so a
// huge entry ends as an out-of-range moment instead of an infinity or a NaN. The decimal point is
// always ".", whatever the process locale says.
double LeadingNumberValue(std::string_view text);

// Reads the time field as minutes after midnight, 0..1439; none when it is not a time. Every "."
// in the field becomes ":" first and the field keeps that change ('9.30' becomes '9:30'). Blanks
// are ignored; the first ":" must follow one or two characters of hours; hours and minutes are the
// leading numbers before and after it, rounded to whole numbers ('9:5' is 09:05), and must lie in
// 0..23 and 0..59.
std::optional<int> ParseTimeOfDay(std::string& timeField);

// A plus/minus amount as typed (already trimmed): not empty, "-" and "+" only as the first
// character, nothing but "0123456789-+,.". '1,000.5' and '+3' are amounts; '3-' and '2 days' not.
bool IsValidPlusMinus(std::string_view trimmed);

// The days of a plus/minus amount: the leading number once every "+" and "," is removed
// ('1,000.5' is 1000.5, '+2' is 2, '-1.5' is -1.5). Always finite.
double PlusMinusAmount(std::string_view text);

} // namespace orlun

#include "WholeDate.h"

#include <string_view>

#include "calendar/core/CalendarRows.h"

namespace orlun::cli {

namespace {

// Commas (thousands separators) and blanks are the reader's to remove anywhere, and so are "/",
// "." and ":", which it refuses with codes of their own.
std::string WithoutSeparators(const std::string& text)
{
    std::string out;
    for (const char c : text)
        if (c != ',' && c != ' ') out += c;
    return out;
}

// The date part before the code that ends the text, as the reader finds the code (the first row
// whose code occurs); false when the code does not end it, which the reader refuses itself.
bool SplitAtCode(const std::string& work, std::string& datePart, std::string& code)
{
    for (const CalendarDesignation& d : kCalendarDesignations) {
        const std::string_view name = d.primary;
        const size_t at = work.find(name);
        if (at == std::string::npos) continue;
        if (at + name.size() != work.size()) return false;
        datePart = work.substr(0, at);
        code = name;
        return true;
    }
    return false;
}

bool IsWesternDatePart(const std::string& datePart)
{
    return datePart.find_first_not_of("0123456789-/.:") == std::string::npos;
}

// The digits from `at` on; at moves past them.
size_t Digits(std::string_view text, size_t& at)
{
    const size_t from = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
    return at - from;
}

// A number throughout: a sign, digits with a decimal point, an exponent. A ":" is left to the
// reader, which refuses a time in the date with its own code.
bool IsDayCount(std::string_view text)
{
    if (text.find(':') != std::string_view::npos) return true;
    size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    size_t digits = Digits(text, at);
    if (at < text.size() && text[at] == '.') digits += Digits(text, ++at);
    if (digits == 0) return false;
    if (at < text.size() && text[at] == 'E') {
        if (++at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
        if (Digits(text, at) == 0) return false;
    }
    return at == text.size();
}

} // namespace

DateEntryError StrayTextError(const std::string& dateField)
{
    std::string datePart, code;
    if (!SplitAtCode(WithoutSeparators(dateField), datePart, code)) return DateEntryError::None;
    if (code == "CE") return IsWesternDatePart(datePart) ? DateEntryError::None : DateEntryError::InvalidCE;
    if (code == "JC") return IsWesternDatePart(datePart) ? DateEntryError::None : DateEntryError::InvalidJC;
    if (code == "ARC") return IsWesternDatePart(datePart) ? DateEntryError::None : DateEntryError::InvalidARC;
    if (code == "AJD" || code == "CJDC" || code == "CJDL")
        return IsDayCount(datePart) ? DateEntryError::None : DateEntryError::InvalidDayCount;
    return DateEntryError::None;
}

ConvertResult ConvertWholeEntry(const DateEntry& entry, bool plus, Moment currentAJD, const CalendarSettings& settings,
                                const CalendarQuestion& ask)
{
    ConvertResult r = ConvertEntry(entry, plus, currentAJD, settings, ask);
    if (!r.parsed || r.outcome == ConvertOutcome::EntryError) return r;
    if (const DateEntryError stray = StrayTextError(r.parse.fields.date); stray != DateEntryError::None) {
        r.outcome = ConvertOutcome::EntryError;
        r.errorCode = stray;
    }
    return r;
}

} // namespace orlun::cli

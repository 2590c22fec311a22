// The native-script fields that the records of months, terms, phases and the month's days gain
// when the user asks for a native language (--lang). For English every table and record stays as
// it is.
#pragma once

#include <initializer_list>

#include "calendar/native/Language.h"
#include "output/Output.h"

namespace orlun::cli {

// The fields of each kind of record, in the group "native".
inline constexpr std::initializer_list<const char*> kNativeMonthFields = {"month", "size"};
inline constexpr std::initializer_list<const char*> kNativeTermFields = {"term"};
inline constexpr std::initializer_list<const char*> kNativePhaseFields = {"phase"};
inline constexpr std::initializer_list<const char*> kNativeCellFields = {"day", "note"};

// The table with the native fields after its own; the table itself for English.
Table WithNativeFields(Table table, Language language, std::initializer_list<const char*> fields);

// Each adds its kind's native fields to the record; nothing for English.
// 闰二月 and 小 for a leap second month of 29 days.
void AddNativeMonth(Record& record, Language language, int month, bool leap, int length);
// The program's term number 1..24 (1 = 冬至).
void AddNativeTerm(Record& record, Language language, int term);
// The phase code 0..3 (0 = 朔).
void AddNativePhase(Record& record, Language language, int phase);

} // namespace orlun::cli

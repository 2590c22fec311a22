// orlun-cli days: one record per day of a range of Common Era dates, at the reference meridian.
#include <string>

#include "CliArgs.h"
#include "CliEvents.h"
#include "Commands.h"
#include "calendar/core/Limits.h"
#include "calendar/western/DatePr2.h"
#include "days/DayArgument.h"
#include "days/DayRecords.h"

namespace orlun::cli {

namespace {

// The day of a CE date "YYYY-MM-DD" (a "CE" after it allowed) in the program's range; a UsageError
// otherwise.
DayNumber DayOfArgument(const std::string& what, const std::string& text)
{
    const DayArgument reading = ReadDayArgument(text);
    const std::string wanted = what + " must be a Common Era date such as 2025-01-31, not ";
    if (reading.status == DayArgumentStatus::OtherCalendar)
        throw UsageError{wanted + "the " + reading.calendar + " date \"" + text + "\""};
    if (reading.status != DayArgumentStatus::Date) throw UsageError{wanted + "\"" + text + "\""};
    if (reading.day.value() < kMinJDN || reading.day.value() > kMaxJDN)
        throw UsageError{what + " " + text + " lies outside the dates " + DateText(GregorianDate(DayNumber(kMinJDN))) +
                         " to " + DateText(GregorianDate(DayNumber(kMaxJDN)))};
    return reading.day;
}

} // namespace

int RunDays(const Options& options, Output& out)
{
    if (options.Positionals().size() != 2) throw UsageError{"days needs FROM and TO"};
    const DayNumber from = DayOfArgument("FROM", options.Positionals()[0]);
    const DayNumber to = DayOfArgument("TO", options.Positionals()[1]);
    if (from.value() > to.value()) throw UsageError{"FROM must not be later than TO"};
    const Language language = LanguageOf(options);
    DayRecordMaker maker(SettingsFromOptions(options), NativeOf(language));
    out.Begin(DaysTable(NativeOf(language)));
    for (int32_t d = from.value(); d <= to.value(); ++d) out.Write(maker.Of(DayNumber(d)));
    return 0;
}

} // namespace orlun::cli

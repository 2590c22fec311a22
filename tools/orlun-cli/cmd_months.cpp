// orlun-cli months: the lunar months of the lunar years whose new year falls in a run of CE years,
// in the form of the reference month tables.
#include <string>

#include "CliArgs.h"
#include "CliEvents.h"
#include "Commands.h"
#include "NativeRecords.h"
#include "calendar/western/DatePr2.h"
#include "calendar/core/Limits.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/core/ChineseYears.h"

namespace orlun::cli {

namespace {

// The CE year of the new year, the month's number, 1 for a leap month, its first day and length.
const Table kMonthsTable{"months", {{"year"}, {"month"}, {"leap"}, {"start"}, {"days"}}};

Record MonthRecord(int y, const LunarMonth& m, Language language)
{
    Record record{{int64_t{y}, int64_t{m.number}, int64_t{m.leap ? 1 : 0}, DateText(GregorianDate(DayNumber(m.start))),
                   int64_t{m.length}}};
    AddNativeMonth(record, language, m.number, m.leap, m.length);
    return record;
}

// Writes the months of the lunar year whose month 1 day 1 falls in CE year y; false when the
// year could not be built.
bool WriteLunarYear(int y, const CalendarSettings& settings, Language language, Output& out)
{
    const LunarYearMonths year = LunarYearMonthsOf(y, settings);
    if (!year.ok()) return false;
    for (const LunarMonth& m : year.months) out.Write(MonthRecord(y, m, language));
    return true;
}

} // namespace

int RunMonths(const Options& options, Output& out)
{
    if (options.Positionals().size() != 2) throw UsageError{"months needs FIRST and LAST"};
    const auto first = ParseInteger(options.Positionals()[0], kMinYear, kMaxYear - 1);
    const auto last = ParseInteger(options.Positionals()[1], kMinYear, kMaxYear - 1);
    if (!first || !last) throw UsageError{"FIRST and LAST must be years from -3000 to 2999"};
    if (*first > *last) throw UsageError{"FIRST must not be greater than LAST"};
    CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    out.Begin(WithNativeFields(kMonthsTable, language, kNativeMonthFields));
    for (int64_t y = *first; y <= *last; ++y) {
        if (!WriteLunarYear(static_cast<int>(y), settings, language, out)) {
            out.Message("orlun-cli: the lunar year of " + std::to_string(y) + " could not be built");
            return 1;
        }
    }
    return 0;
}

} // namespace orlun::cli

// orlun-cli months: the lunar months of the lunar years whose new year falls in a run of CE years,
// in the form of the reference month tables.
#include <cstdio>

#include "CliArgs.h"
#include "Commands.h"
#include "calendar/western/DatePr2.h"
#include "calendar/core/Limits.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/core/ChineseYears.h"

namespace orlun::cli {

namespace {

// Prints the months of the lunar year whose month 1 day 1 falls in CE year y; false when the
// year could not be built.
bool PrintLunarYear(int y, const CalendarSettings& settings)
{
    const LunarYearMonths year = LunarYearMonthsOf(y, settings);
    if (!year.ok()) return false;
    for (const LunarMonth& m : year.months)
        std::printf("%d\t%d\t%d\t%s\t%d\n", y, m.number, m.leap ? 1 : 0,
                    DateText(GregorianDate(DayNumber(m.start))).c_str(), m.length);
    return true;
}

} // namespace

int RunMonths(const std::vector<std::string>& args)
{
    const Options options(args, {"country", "epoch"});
    if (options.Positionals().size() != 2) throw UsageError{"months needs FIRST and LAST"};
    const auto first = ParseInteger(options.Positionals()[0], kMinYear, kMaxYear - 1);
    const auto last = ParseInteger(options.Positionals()[1], kMinYear, kMaxYear - 1);
    if (!first || !last) throw UsageError{"FIRST and LAST must be years from -3000 to 2999"};
    if (*first > *last) throw UsageError{"FIRST must not be greater than LAST"};
    CalendarSettings settings = SettingsFromOptions(options);
    for (int64_t y = *first; y <= *last; ++y) {
        if (!PrintLunarYear(static_cast<int>(y), settings)) {
            std::fprintf(stderr, "orlun-cli: the lunar year of %lld could not be built\n",
                         static_cast<long long>(y));
            return 1;
        }
    }
    return 0;
}

} // namespace orlun::cli

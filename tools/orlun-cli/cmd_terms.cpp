// orlun-cli terms: the 79 solar terms of the table of one solar year.
#include <cstdio>

#include "CliArgs.h"
#include "Commands.h"
#include "calendar/western/DatePr2.h"
#include "calendar/core/Limits.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/astro/SolarTerms.h"
#include "calendar/core/TimeScales.h"

namespace orlun::cli {

int RunTerms(const std::vector<std::string>& args)
{
    const Options options(args, {"country", "method"});
    if (options.Positionals().size() != 1) throw UsageError{"terms needs YEAR"};
    const auto year = ParseInteger(options.Positionals()[0], kMinYear, kMaxYear);
    if (!year)
        throw UsageError{"YEAR must be a whole year from -3000 to 3000"};
    CalendarSettings settings = SettingsFromOptions(options);

    // Midsummer lies inside solar year YEAR, which ends with the December solstice of YEAR.
    const SolarTermTable table =
        BuildSolarTerms(Meridian(settings.refLongitude).NoonOf(GregorianJDN(static_cast<int32_t>(*year), 7, 1)), settings.method);
    if (!IsValid(table)) {
        std::fprintf(stderr, "orlun-cli: no solar-term table for %lld\n", static_cast<long long>(*year));
        return 1;
    }
    for (int i = 0; i < kTermTableSize; ++i) {
        const WesternDate day = GregorianDate(DayNumber(table.TermDay[i]));
        std::printf("%d\t%s\t%.4f\t%s %s\n", i, SolarTermCodeOfIndex(i).c_str(), table.TermMoment[i],
                    DateText(day).c_str(), TimeText(FractionOf(table.TermMoment[i])).c_str());
    }
    return 0;
}

} // namespace orlun::cli

// orlun-cli phases: the instants of the principal phases of a run of lunations.
#include <cmath>
#include <cstdio>
#include <utility>

#include "CliArgs.h"
#include "CliEvents.h"
#include "Commands.h"
#include "NativeRecords.h"
#include "calendar/western/DatePr2.h"
#include "calendar/core/Limits.h"
#include "calendar/astro/syzyg.h"

namespace orlun::cli {

namespace {

// "YYYY-MM-DD" and "HH:MM:SS" of a UT instant, rounded to the second (Gregorian).
std::pair<std::string, std::string> UTDateAndTime(double ut)
{
    double dayStart = std::floor(ut + 0.5);
    long seconds = std::lround((ut + 0.5 - dayStart) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        dayStart += 1;
    }
    const WesternDate rec = GregorianDate(DayNumber(static_cast<int32_t>(dayStart)));
    char time[48];
    std::snprintf(time, sizeof time, "%02ld:%02ld:%02ld", seconds / 3600, (seconds / 60) % 60,
                  seconds % 60);
    return {DateText(rec), time};
}

// The instants in dynamical and universal time, and the UT date and time the text form shows.
const Table kPhasesTable{"phases",
                         {{"lunation"}, {"phase"}, {"td"}, {"ut"}, {"date"}, {"time", TextGap::Space}}};

Record PhaseRecord(int32_t lunation, int phase, Language language)
{
    const double td = GetPhaseTimeTD(lunation, phase).jde();
    const double ut = GetPhaseTimeUT(lunation, phase).ajd();
    auto [date, time] = UTDateAndTime(ut);
    Record record{{int64_t{lunation}, int64_t{phase}, Decimal{td, 6}, Decimal{ut, 6}, std::move(date), std::move(time)}};
    AddNativePhase(record, language, phase);
    return record;
}

} // namespace

int RunPhases(const Options& options, Output& out)
{
    if (options.Positionals().size() != 2) throw UsageError{"phases needs FIRST and LAST"};
    const auto first = ParseInteger(options.Positionals()[0], kMinLunation, kMaxLunation);
    const auto last = ParseInteger(options.Positionals()[1], kMinLunation, kMaxLunation);
    if (!first || !last)
        throw UsageError{"FIRST and LAST must be whole lunation numbers from " +
                         std::to_string(kMinLunation) + " to " + std::to_string(kMaxLunation)};
    if (*first > *last) throw UsageError{"FIRST must not be greater than LAST"};

    const Language language = LanguageOf(options);
    out.Begin(WithNativeFields(kPhasesTable, language, kNativePhaseFields));
    for (int64_t n = *first; n <= *last; ++n) {
        for (int phase = 0; phase < 4; ++phase) out.Write(PhaseRecord(static_cast<int32_t>(n), phase, language));
    }
    return 0;
}

} // namespace orlun::cli

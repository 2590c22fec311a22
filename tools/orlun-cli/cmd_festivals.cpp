// orlun-cli festivals: the traditional festivals of a country in one or more lunar years, as text
// or as iCalendar for another calendar program.
#include "CliEvents.h"
#include "Commands.h"
#include "calendar/core/Limits.h"
#include "calendar/entry/DateEntryMessages.h"
#include "calendar/festivals/FestivalDates.h"

namespace orlun::cli {

namespace {
constexpr int kMaxFestivalYears = 1000;
} // namespace

int RunFestivals(const Options& options, Output& out)
{
    if (options.Positionals().size() != 1) throw UsageError{"festivals needs the year: festivals YEAR"};
    const auto year = ParseInteger(options.Positionals()[0], kMinYear, kMaxYear);
    if (!year) throw UsageError{"the year must be a whole number from -3000 to 3000"};
    int years = 1;
    if (const auto text = YearsText(options)) {
        const auto n = ParseInteger(*text, 1, kMaxFestivalYears);
        if (!n) throw UsageError{"--years must be a whole number from 1 to " + std::to_string(kMaxFestivalYears)};
        years = static_cast<int>(*n);
    }
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    const EventFormat format = EventFormatOf(options);

    std::vector<LunarEvent> events;
    bool stopped = false;
    for (int k = 0; k < years && !stopped; ++k) {
        const FestivalYear festivals = FestivalsOfLunarYear(static_cast<int>(*year) + k, settings);
        stopped = !festivals.whole();
        const auto more = FestivalEvents(festivals, language, settings);
        events.insert(events.end(), more.begin(), more.end());
    }
    const int written = Emit(EventsIn(format, events, language), out);
    if (written != 0) return written;
    if (!stopped) return 0;
    out.Message(DateRangeMessage(*year < 0 ? RangeCheck::TooEarly : RangeCheck::TooLate));
    return 1;
}

} // namespace orlun::cli

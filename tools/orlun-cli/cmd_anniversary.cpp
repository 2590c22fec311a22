// orlun-cli anniversary: the Common Era days of a lunar date in a run of lunar years — a lunar
// birthday or a death anniversary — as text or as iCalendar for another calendar program.
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "calendar/core/Limits.h"
#include "calendar/entry/DateEntryMessages.h"
#include "calendar/festivals/Anniversary.h"
#include "calendar/festivals/AnniversaryStart.h"
#include "calendar/festivals/LunarDay.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

namespace {

// "12-30" and "4*-15" repeat from the present lunar year; a whole date (any calendar, as Convert
// reads it) from the lunar year after its own.
AnniversaryStart StartOf(const std::string& text, const CalendarSettings& settings)
{
    const int presentYear = LunarDayOfMoment(CurrentAJDate(SystemClock()), settings).lunarYear;
    if (const auto start = StartOfMonthDay(text, presentYear)) return *start;
    // A month-day whose month or day no lunar month has is said to be that, not read as a date.
    if (const auto fields = ParseLunarDayFields(text)) {
        if (fields->month < 1 || fields->month > 12)
            throw UsageError{"the lunar month of \"" + text + "\" must be from 1 to 12"};
        throw UsageError{"the lunar day of \"" + text + "\" must be from 1 to 30"};
    }
    return StartOfRememberedDate(MomentOfDateText(text, "the date", settings), settings);
}

} // namespace

int RunAnniversary(const Options& options, Output& out)
{
    if (options.Positionals().size() != 1)
        throw UsageError{"anniversary needs one date: a lunar month-day (\"12-30\", \"4*-15\") or a typed date"};
    CalendarSettings settings = SettingsFromOptions(options);
    auto [day, firstYear] = StartOf(options.Positionals()[0], settings);
    if (const auto text = options.Get("from")) {
        const auto year = ParseInteger(*text, kMinYear, kMaxYear);
        if (!year) throw UsageError{"--from must be a whole number from -3000 to 3000"};
        firstYear = static_cast<int>(*year);
    }
    int years = kDefaultAnniversaryYears;
    if (const auto text = YearsText(options)) {
        const auto n = ParseInteger(*text, 1, kMaxAnniversaryYears);
        if (!n) throw UsageError{"--years must be a whole number from 1 to " + std::to_string(kMaxAnniversaryYears)};
        years = static_cast<int>(*n);
    }
    const Language language = LanguageOf(options);
    const EventFormat format = EventFormatOf(options);
    const std::string title = options.Get("title").value_or(std::string(kDefaultAnniversaryTitle));

    const Anniversaries found = AnniversariesOf(day, firstYear, years, settings);
    const auto events = AnniversaryEvents(found, day, title, language, settings);
    const int written = Emit(EventsIn(format, events, language), out);
    if (written != 0) return written;
    if (!found.reachedRangeEnd) return 0;
    out.Message(DateRangeMessage(firstYear < 0 ? RangeCheck::TooEarly : RangeCheck::TooLate));
    return 1;
}

} // namespace orlun::cli

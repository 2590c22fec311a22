// orlun-cli anniversary: the Common Era days of a lunar date in a run of lunar years — a lunar
// birthday or a death anniversary — as text or as iCalendar for another calendar program.
#include <cstdio>

#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/entry/DateEntryMessages.h"
#include "calendar/festivals/Anniversary.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

namespace {

constexpr int kMaxAnniversaryYears = 1000;
constexpr int kDefaultYears = 10;
constexpr const char* kDefaultTitle = "Lunar anniversary";

struct RememberedDay {
    LunarDay day;
    int lunarYear = 0; // the CE year in which its lunar year begins
};

RememberedDay LunarDayOfMoment(double ajd, const CalendarSettings& settings)
{
    CHSDate chs;
    chs.valid = kCHSNotWanted;
    CHLDate chl;
    CJDateToChDates(AJDToCJDC(ajd, settings.refLongitude), settings.epoch, settings.refLongitude, chs, chl);
    return {{chl.month, chl.leap != 0, chl.day}, static_cast<int>(YearOfCyclePos(chl.cycle, chl.position, settings.epoch))};
}

// "12-30" and "4*-15" repeat from the present lunar year; a whole date (any calendar, as Convert
// reads it) from the lunar year after its own.
std::pair<LunarDay, int> DayAndFirstYear(const std::string& text, const CalendarSettings& settings)
{
    if (const auto day = ParseLunarDay(text))
        return {*day, LunarDayOfMoment(CurrentAJDate(SystemClock()).ajd(), settings).lunarYear};
    const RememberedDay remembered = LunarDayOfMoment(MomentOfDateText(text, "the date", settings), settings);
    return {remembered.day, remembered.lunarYear + 1};
}

} // namespace

int RunAnniversary(const std::vector<std::string>& args)
{
    const Options options(args, {"years", "from", "title", "country", "epoch", "lang", "format", "output"});
    if (options.Positionals().size() != 1)
        throw UsageError{"anniversary needs one date: a lunar month-day (\"12-30\", \"4*-15\") or a typed date"};
    CalendarSettings settings = SettingsFromOptions(options);
    auto [day, firstYear] = DayAndFirstYear(options.Positionals()[0], settings);
    if (const auto text = options.Get("from")) {
        const auto year = ParseInteger(*text, kMinYear, kMaxYear);
        if (!year) throw UsageError{"--from must be a whole number from -3000 to 3000"};
        firstYear = static_cast<int>(*year);
    }
    int years = kDefaultYears;
    if (const auto text = options.Get("years")) {
        const auto n = ParseInteger(*text, 1, kMaxAnniversaryYears);
        if (!n) throw UsageError{"--years must be a whole number from 1 to " + std::to_string(kMaxAnniversaryYears)};
        years = static_cast<int>(*n);
    }
    const Language language = LanguageOf(options);
    const EventFormat format = EventFormatOf(options);
    const std::string title = options.Get("title").value_or(kDefaultTitle);

    const Anniversaries found = AnniversariesOf(day, firstYear, years, settings);
    const auto events = AnniversaryEvents(found, day, title, language, settings);
    const int written =
        Emit(format == EventFormat::ICalendar ? EventCalendar(events) : EventLines(events, language), options);
    if (written != 0) return written;
    if (!found.reachedRangeEnd) return 0;
    std::fprintf(stderr, "%s\n", DateRangeMessage(firstYear < 0 ? RangeCheck::TooEarly : RangeCheck::TooLate).c_str());
    return 1;
}

} // namespace orlun::cli

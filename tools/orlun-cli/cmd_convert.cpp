// orlun-cli convert: a typed date, as the Convert panel reads it, shown in every calendar.
#include <cstdio>

#include "CliArgs.h"
#include "CliMoment.h"
#include "Commands.h"
#include "calendar/western/Clock.h"
#include "calendar/entry/Convert.h"
#include "calendar/presentation/DisplayModel.h"

namespace orlun::cli {

namespace {

struct ConvertRequest {
    DateEntry entry;
    bool plus = true;
    bool yes = false; // the answer to "Is this a ... Calendar date?"
    CalendarSettings settings;
};

// --zone GMT or LOCAL: the time-zone list's two entries.
int ZoneIndexOf(const Options& options)
{
    const auto zone = options.Get("zone");
    if (!zone) return -1;
    if (*zone == "GMT") return 0;
    if (*zone == "LOCAL") return 1;
    throw UsageError{"--zone must be GMT or LOCAL"};
}

// --yes is a switch; every other option takes a value.
ConvertRequest ReadRequest(std::vector<std::string> args)
{
    ConvertRequest request;
    request.yes = TakeSwitch(args, "yes");
    const Options options(args, {"time", "zone", "plus", "minus", "country", "epoch", "method",
                                 "calendar"});
    if (options.Positionals().size() != 1) throw UsageError{"convert needs one DATE TEXT"};
    request.settings = SettingsFromOptions(options);
    DateEntry& entry = request.entry;
    entry.date = options.Positionals()[0];
    entry.time = options.Get("time").value_or("");
    entry.zoneIndex = ZoneIndexOf(options);
    if (options.Get("plus") && options.Get("minus")) throw UsageError{"give --plus or --minus, not both"};
    request.plus = !options.Get("minus").has_value();
    entry.plusMinus = options.Get("plus").value_or(options.Get("minus").value_or(""));
    if (auto calendar = options.Get("calendar")) {
        entry.currentCalendar = GetCalendar(*calendar);
        if (entry.currentCalendar < 0) throw UsageError{"--calendar must be a designation such as CHL or CE"};
    }
    return request;
}

// The present moment stands for the window's current moment; an empty date field with
// plus/minus days takes the date its current calendar's line shows.
void ShowCurrentMoment(DateEntry& entry, double now, const CalendarSettings& settings)
{
    const auto row = static_cast<CalendarRow>(entry.currentCalendar);
    entry.currentDisplayed =
        EntryFromDisplayedValue(row, BuildDisplayTexts(now, settings).LineOfCalendar(row).value);
}

// The message of a refusal or of unchanged dates on stderr; false when nothing is to be shown.
bool ReportOutcome(const ConvertResult& r, Country country)
{
    switch (r.outcome) {
    case ConvertOutcome::EntryError:
        std::fprintf(stderr, "error %d: %s\n", static_cast<int>(r.errorCode),
                     WithLineFeeds(DateEntryErrorMessage(r.errorCode, country)).c_str());
        return false;
    case ConvertOutcome::OutOfRange:
        std::fprintf(stderr, "%s\n", DateRangeMessage(r.range).c_str());
        return false;
    case ConvertOutcome::Unchanged:
    case ConvertOutcome::SameMinute:
        std::fprintf(stderr, "%s\n", kConvertUnchangedMessage);
        return true;
    case ConvertOutcome::Converted:
        return true;
    }
    return false;
}

void PrintLines(double ajd, const CalendarSettings& settings)
{
    const DisplayTexts texts = BuildDisplayTexts(ajd, settings);
    for (const DisplayLine* line : texts.Lines())
        std::printf("%s\t%s\n", line->caption.c_str(), line->value.c_str());
}

} // namespace

int RunConvert(const std::vector<std::string>& rawArgs)
{
    ConvertRequest request = ReadRequest(rawArgs);
    const double now = CurrentAJDate(SystemClock()).ajd();
    ShowCurrentMoment(request.entry, now, request.settings);
    const auto ask = [yes = request.yes](const std::string& question) {
        std::fprintf(stderr, "%s %s\n", question.c_str(), yes ? "Yes" : "No");
        return yes;
    };
    const ConvertResult r = ConvertEntry(request.entry, request.plus, now, request.settings, ask);
    if (!ReportOutcome(r, request.settings.country)) return 1;
    PrintLines(r.ajd, request.settings);
    return 0;
}

} // namespace orlun::cli

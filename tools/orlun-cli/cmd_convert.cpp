// orlun-cli convert: a typed date, as the Convert panel reads it, shown in every calendar.
#include <string>

#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "DisplayRecords.h"
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
    Language language = Language::English;
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
                                 "calendar", "lang"});
    if (options.Positionals().size() != 1) throw UsageError{"convert needs one DATE TEXT"};
    request.settings = SettingsFromOptions(options);
    request.language = LanguageOf(options);
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
bool ReportOutcome(const ConvertResult& r, Country country, Output& out)
{
    switch (r.outcome) {
    case ConvertOutcome::EntryError:
        out.Message("error " + std::to_string(static_cast<int>(r.errorCode)) + ": " +
                    WithLineFeeds(DateEntryErrorMessage(r.errorCode, country)));
        return false;
    case ConvertOutcome::OutOfRange:
        out.Message(DateRangeMessage(r.range));
        return false;
    case ConvertOutcome::Unchanged:
    case ConvertOutcome::SameMinute:
        out.Message(kConvertUnchangedMessage);
        return true;
    case ConvertOutcome::Converted:
        return true;
    }
    return false;
}

} // namespace

int RunConvert(const std::vector<std::string>& rawArgs, Output& out)
{
    ConvertRequest request = ReadRequest(rawArgs);
    const double now = CurrentAJDate(SystemClock()).ajd();
    ShowCurrentMoment(request.entry, now, request.settings);
    const auto ask = [yes = request.yes, &out](const std::string& question) {
        out.Message(question + (yes ? " Yes" : " No"));
        return yes;
    };
    const ConvertResult r = ConvertEntry(request.entry, request.plus, now, request.settings, ask);
    if (!ReportOutcome(r, request.settings.country, out)) return 1;
    WriteDisplayLines(BuildDisplayTexts(r.ajd, request.settings), out, request.language);
    return 0;
}

} // namespace orlun::cli

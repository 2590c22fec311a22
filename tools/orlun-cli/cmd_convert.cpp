// orlun-cli convert: a typed date, as the Convert panel reads it, shown in every calendar.
#include <cstdio>

#include "CliArgs.h"
#include "Commands.h"
#include "calendar/western/Clock.h"
#include "calendar/entry/Convert.h"
#include "calendar/presentation/DisplayModel.h"

namespace orlun::cli {

namespace {

// Message texts end their lines with CR LF, as the window shows them; a terminal wants LF.
std::string ForTerminal(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

} // namespace

int RunConvert(const std::vector<std::string>& rawArgs)
{
    // --yes is a switch; every other option takes a value.
    std::vector<std::string> args;
    bool yes = false;
    for (const std::string& a : rawArgs) {
        if (a == "--yes") yes = true;
        else args.push_back(a);
    }
    const Options options(args, {"time", "zone", "plus", "minus", "country", "epoch", "method",
                                 "calendar"});
    if (options.Positionals().size() != 1) throw UsageError{"convert needs one DATE TEXT"};
    CalendarSettings settings = SettingsFromOptions(options);

    DateEntry entry;
    entry.date = options.Positionals()[0];
    entry.time = options.Get("time").value_or("");
    if (auto zone = options.Get("zone")) {
        if (*zone == "GMT") entry.zoneIndex = 0;
        else if (*zone == "LOCAL") entry.zoneIndex = 1;
        else throw UsageError{"--zone must be GMT or LOCAL"};
    }
    if (options.Get("plus") && options.Get("minus")) throw UsageError{"give --plus or --minus, not both"};
    const bool plus = !options.Get("minus").has_value();
    entry.plusMinus = options.Get("plus").value_or(options.Get("minus").value_or(""));
    if (auto calendar = options.Get("calendar")) {
        entry.currentCalendar = GetCalendar(*calendar);
        if (entry.currentCalendar < 0) throw UsageError{"--calendar must be a designation such as CHL or CE"};
    }

    // The present moment stands for the window's current moment.
    const double now = CurrentAJDate(SystemClock());
    entry.currentDisplayed = EntryFromDisplayedValue(
        static_cast<CalendarRow>(entry.currentCalendar),
        BuildDisplayTexts(now, settings)
            .LineOfCalendar(static_cast<CalendarRow>(entry.currentCalendar))
            .value);

    const auto ask = [yes](const std::string& question) {
        std::fprintf(stderr, "%s %s\n", question.c_str(), yes ? "Yes" : "No");
        return yes;
    };
    const ConvertResult r = ConvertEntry(entry, plus, now, settings, ask);
    switch (r.outcome) {
    case ConvertOutcome::EntryError:
        std::fprintf(stderr, "error %d: %s\n", r.errorCode,
                     ForTerminal(DateEntryErrorMessage(r.errorCode, settings.country)).c_str());
        return 1;
    case ConvertOutcome::OutOfRange:
        std::fprintf(stderr, "%s\n", DateRangeMessage(r.range).c_str());
        return 1;
    case ConvertOutcome::Unchanged:
        std::fprintf(stderr, "%s\n", kConvertUnchangedMessage);
        break;
    case ConvertOutcome::Converted:
        break;
    }
    const double ajd = r.outcome == ConvertOutcome::Unchanged ? now : r.ajd;
    const DisplayTexts texts = BuildDisplayTexts(ajd, settings);
    for (const DisplayLine* line : texts.Lines())
        std::printf("%s\t%s\n", line->caption.c_str(), line->value.c_str());
    return 0;
}

} // namespace orlun::cli

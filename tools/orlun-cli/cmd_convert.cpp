// orlun-cli convert: a typed date, as the Convert panel reads it, shown in every calendar.
#include <algorithm>
#include <string>

#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "WholeDate.h"
#include "DisplayRecords.h"
#include "calendar/western/Clock.h"
#include "calendar/entry/Convert.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/core/CalendarRows.h"
#include "names/NameMatch.h"

namespace orlun::cli {

namespace {

struct ConvertRequest {
    DateEntry entry;
    bool plus = true;
    bool yes = false; // the answer to "Is this a ... Calendar date?"
    CalendarSettings settings;
    Language language = Language::English;
};

// --zone GMT or LOCAL in any case: the time-zone list's two entries.
int ZoneIndexOf(const Options& options)
{
    const auto zone = options.Get("zone");
    if (!zone) return -1;
    if (const auto index = FindName(*zone, std::vector<std::string>{"GMT", "LOCAL"})) return static_cast<int>(*index);
    throw UsageError{"--zone must be GMT or LOCAL"};
}

// --calendar CODE in any case: the row of a designation such as CHL or ARCGMT.
int CalendarOf(const std::string& code)
{
    std::vector<std::string> codes;
    for (const CalendarDesignation& d : kCalendarDesignations)
        for (const std::string name : {d.primary, d.alternative})
            if (std::find(codes.begin(), codes.end(), name) == codes.end()) codes.push_back(name);
    if (const auto index = FindName(code, codes)) return GetCalendar(codes[*index]);
    throw UsageError{"--calendar must be one of " + NameList(codes) + ", not \"" + code + "\""};
}

// The typed date: the argument, --date, or --ajd X as "X AJD"; one of them.
std::string DateTextOf(const Options& options)
{
    std::vector<std::string> given = options.Positionals();
    if (const auto date = options.Get("date")) given.push_back(*date);
    if (const auto ajd = options.Get("ajd")) given.push_back(*ajd + " AJD");
    if (given.size() != 1) throw UsageError{"convert needs one DATE TEXT (or --date TEXT or --ajd X)"};
    return given.front();
}

ConvertRequest ReadRequest(const Options& options)
{
    ConvertRequest request;
    request.yes = options.Has("yes");
    request.settings = SettingsFromOptions(options);
    request.language = LanguageOf(options);
    DateEntry& entry = request.entry;
    entry.date = DateTextOf(options);
    entry.time = options.Get("time").value_or("");
    entry.zoneIndex = ZoneIndexOf(options);
    if (options.Get("plus") && options.Get("minus")) throw UsageError{"give --plus or --minus, not both"};
    request.plus = !options.Get("minus").has_value();
    entry.plusMinus = options.Get("plus").value_or(options.Get("minus").value_or(""));
    if (auto calendar = options.Get("calendar")) entry.currentCalendar = CalendarOf(*calendar);
    return request;
}

// The present moment stands for the window's current moment; an empty date field with
// plus/minus days takes the date its current calendar's line shows.
void ShowCurrentMoment(DateEntry& entry, Moment now, const CalendarSettings& settings)
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

int RunConvert(const Options& options, Output& out)
{
    ConvertRequest request = ReadRequest(options);
    const Moment now = CurrentAJDate(SystemClock());
    ShowCurrentMoment(request.entry, now, request.settings);
    const auto ask = [yes = request.yes, &out](const std::string& question) {
        out.Message(question + (yes ? " Yes" : " No"));
        return yes;
    };
    const ConvertResult r = ConvertWholeEntry(request.entry, request.plus, now, request.settings, ask);
    if (!ReportOutcome(r, request.settings.country, out)) return 1;
    WriteDisplayLines(BuildDisplayTexts(r.ajd, request.settings), out, request.language);
    return 0;
}

} // namespace orlun::cli

// orlun-cli move: the Move panel's steps from a moment, each followed by the display line of the
// calendar that is then current.
#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "CliMoveUnits.h"
#include "Commands.h"
#include "DisplayRecords.h"
#include "calendar/entry/DateEntry.h"
#include "calendar/navigation/MoveLimits.h"
#include "calendar/navigation/MoveOptions.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

namespace {

constexpr int64_t kMaxSteps = 100000;

struct Start {
    Moment ajd;
    int calendar = kRowAJD;
};

// The message as "TITLE: TEXT"; a message without a title of its own bears the program's.
int Refuse(const Refusal& refusal, Output& out)
{
    out.Refusal(refusal.title, refusal.text);
    return 1;
}

// The Move panel's list texts in the country's zone, then the one unit of the command line's own.
std::vector<std::string> UnitNames(std::string_view zoneCode)
{
    std::vector<std::string> names;
    for (const MoveUnitRow& row : MoveUnitRows()) names.push_back(MoveUnitText(row.unit, zoneCode));
    names.emplace_back(kOneDayUnit);
    return names;
}

void WriteLine(Moment ajd, int calendar, const CalendarSettings& settings, Language language, Output& out)
{
    const DisplayTexts texts = BuildDisplayTexts(ajd, settings);
    WriteDisplayLine(texts, texts.LineOfCalendar(static_cast<CalendarRow>(calendar)), language, out);
}

// The starting moment: --ajd, --date read as the date field reads it, which keeps its calendar,
// or the present moment.
std::optional<Start> StartOf(const Options& options, const CalendarSettings& settings, Output& out)
{
    const MomentArgument given = ReadMomentArgument(options, {});
    if (given.ajd) return Start{*given.ajd, kRowAJD};
    if (!given.date) return Start{CurrentAJDate(SystemClock()), kRowAJD};
    DateEntry entry;
    entry.date = *given.date;
    const ParseResult parsed = ParseDate(entry, settings, CalendarQuestion());
    const Outcome<Moment> start = StartingMoment(parsed, settings.country);
    if (!start.ok()) {
        Refuse(start.refusal(), out);
        return std::nullopt;
    }
    return Start{start.value(), parsed.fields.currentCalendar};
}

} // namespace

int RunMove(const Options& options, Output& out)
{
    MoveInputs inputs;
    inputs.forward = !options.Has("previous");
    inputs.keep30 = options.Has("keep-30th");
    inputs.keepLeap = options.Has("keep-leap");
    if (options.Positionals().size() != 1) throw UsageError{"move needs one UNIT"};
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    const std::span<const MoveUnitRow> rows = MoveUnitRows();
    const size_t chosen = ChoiceNamed("unit", options.Positionals()[0], UnitNames(settings.zoneCode));
    const bool oneDay = chosen == rows.size();
    if (!oneDay) inputs.unit = rows[chosen].unit;
    int64_t steps = 1;
    if (auto text = options.Get("steps")) {
        const auto n = ParseInteger(*text, 1, kMaxSteps);
        if (!n) throw UsageError{"--steps must be a whole number from 1 to 100000"};
        steps = *n;
    }

    const std::optional<Start> start = StartOf(options, settings, out);
    if (!start) return 1;
    Moment ajd = start->ajd;
    int calendar = start->calendar;
    out.Begin(DisplayLinesTable(language));
    for (int64_t i = 0; i < steps; ++i) {
        const MomentOutcome r =
            oneDay ? OneDayStep(ajd, inputs.forward) : MoveStep(ajd, inputs, settings);
        if (!r.ok()) return Refuse(r.refusal(), out);
        ajd = r->moment;
        if (r->calendar) calendar = *r->calendar;
        WriteLine(ajd, calendar, settings, language, out);
        if (steps > 1) {
            if (const auto exceeded = RangeExceeded(ajd)) return Refuse(*exceeded, out);
        }
    }
    return 0;
}

} // namespace orlun::cli

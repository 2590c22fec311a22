// orlun-cli selftest: the Chinese dates of 1000 random pairs, or of one typed date, to a day
// number and back; exit 1 when a date came back as another date or the typed date was refused.
// It takes --lang as every command does, and its report stays English in every language.
#include <chrono>

#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "WholeDate.h"
#include "TextBlocks.h"
#include "calendar/core/TimeScales.h"
#include "calendar/entry/Convert.h"
#include "calendar/tables/SelfTest.h"

namespace orlun::cli {

namespace {

// One typed date, as the data window tests it: a date it cannot read gives its error code as the
// result and date entry's message, one beyond the range the window's refusal.
int RunSingleTest(const std::string& date, const CalendarSettings& settings, Output& out)
{
    DateEntry entry;
    entry.date = date;
    // No question can be answered here: a date without its designation is refused.
    const ConvertResult r = ConvertWholeEntry(entry, true, Moment(-1.0), settings, {});
    if (r.outcome == ConvertOutcome::OutOfRange) {
        out.Refusal(kDateRangeTitle, DateRangeMessage(r.range));
        return 1;
    }
    if (r.outcome == ConvertOutcome::EntryError) {
        // The report keeps the data window's line; the reason is said as date entry says it.
        WriteTextBlock("selftest", WithLineFeeds(SelfTestEntryErrorText(r.errorCode)), out);
        out.Refusal(DateEntryErrorTitle(r.errorCode), WithLineFeeds(DateEntryErrorMessage(r.errorCode, settings.country)));
        return 1;
    }
    bool failed = false;
    const std::string text = CheckMoment(AJDToCJDC(r.ajd, settings.meridian), settings, failed) + "\r\n";
    WriteTextBlock("selftest", WithLineFeeds(text), out);
    return failed ? 1 : 0;
}

} // namespace

int RunSelfTest(const Options& options, Output& out)
{
    if (!options.Positionals().empty()) throw UsageError{"selftest takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    LanguageOf(options); // checked only: the report has no native texts
    if (const auto date = options.Get("date")) {
        if (options.Get("seed")) throw UsageError{"give --date or --seed, not both"};
        return RunSingleTest(*date, settings, out);
    }
    uint32_t seed = static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (auto s = options.Get("seed")) {
        const auto value = ParseInteger(*s, 0, UINT32_MAX);
        if (!value) throw UsageError{"--seed must be a whole number from 0 to 4294967295"};
        seed = static_cast<uint32_t>(*value);
    }
    RandomSelfTest test(seed, settings);
    std::string text = kSelfTestHeading;
    while (!test.Finished()) text += test.NextPair();
    text += "\r\n";
    WriteTextBlock("selftest", WithLineFeeds(text), out);
    return 0;
}

} // namespace orlun::cli

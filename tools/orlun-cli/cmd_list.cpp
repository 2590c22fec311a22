// orlun-cli list: lunar new years and anniversaries, lunar month starts and leap months, or the
// lunar dates of Julian and Common Era new years, as the data window lists them from a moment.
#include <memory>
#include <vector>

#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "TextBlocks.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/tables/DataMode.h"
#include "calendar/tables/EuroNewYearList.h"
#include "calendar/tables/LunarNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "names/NameMatch.h"

namespace orlun::cli {

namespace {

struct ListKind {
    const char* name;
    DataMode mode;
};

// The list kinds by name, in the order the usage gives them.
constexpr ListKind kKinds[] = {
    {"newyears", DataMode::LunarNewYears}, {"months", DataMode::MonthStarts}, {"jcce", DataMode::EuroNewYears}};

DataMode ModeOfName(const std::string& name)
{
    if (const auto index = FindName(name, ListKindNames())) return kKinds[*index].mode;
    throw UsageError{"list needs newyears, months or jcce, not \"" + name + "\""};
}

} // namespace

std::vector<std::string> ListKindNames()
{
    std::vector<std::string> names;
    for (const ListKind& kind : kKinds) names.emplace_back(kind.name);
    return names;
}

int RunList(const Options& options, Output& out)
{
    const bool leapOnly = options.Has("leap-only");
    const bool omitInvalid = options.Has("omit-invalid");
    const bool julian = options.Has("jc");
    if (options.Positionals().size() != 1) throw UsageError{"list needs one of newyears, months, jcce"};
    const DataMode mode = ModeOfName(options.Positionals()[0]);
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    int years = DefaultYears(mode, leapOnly);
    if (auto text = YearsText(options)) {
        const auto value = ParseInteger(*text, 1, kMaxListYears);
        if (!value) throw UsageError{"--years must be a whole number from 1 to " + std::to_string(kMaxListYears)};
        years = static_cast<int>(*value);
    }
    const Moment ajd = ReadMoment(options, settings);
    const DisplayTexts shown = BuildDisplayTexts(ajd, settings);

    std::unique_ptr<YearList> list;
    if (mode == DataMode::LunarNewYears)
        list = std::make_unique<LunarNewYearList>(shown.chineseLunar.value, years, omitInvalid, julian, settings, language);
    else if (mode == DataMode::MonthStarts)
        list = std::make_unique<MonthStartList>(LeadingYear(shown.commonEra.value), years, leapOnly, julian, settings, language);
    else
        list = std::make_unique<EuroNewYearList>(EuroYearOfMoment(ajd, julian), years, julian, settings, language);

    // A list that stops before the years asked for gives what it reached on standard output and
    // the reason on standard error, whatever its kind.
    const std::string text = WholeList(*list);
    const bool reachedAYear = text.size() > list->Heading().size();
    if (reachedAYear || list->Message().empty()) WriteTextBlock("list", WithLineFeeds(text), out);
    if (list->Message().empty()) return 0;
    out.Message(list->Message());
    return 1;
}

} // namespace orlun::cli

#include "CommandTable.h"

#include "CliEvents.h"
#include "CliFormat.h"
#include "CliMoveUnits.h"
#include "output/OutputFormats.h"
#include "Commands.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/CountryProfile.h"
#include "calendar/core/Limits.h"
#include "calendar/native/Language.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/MultipleSearch.h"
#include "calendar/search/SearchTargets.h"
#include "names/NameMatch.h"

namespace orlun::cli {

namespace {

using OptionList = std::vector<OptionSpec>;

std::vector<std::string> LanguageTags()
{
    std::vector<std::string> tags;
    for (const Language language : kLanguages) tags.emplace_back(TagOf(language));
    return tags;
}

// The options every command takes.
OptionList CommonOptions(bool ownFormat)
{
    OptionList o;
    o.push_back({"country", "C", "the country, which sets the reference meridian (China unless given)", CountryNames()});
    o.push_back({"epoch", "E", "the epoch of the cycles (-2696 unless given)", EpochNames()});
    o.push_back({"method", "M", "the solar terms of the true or the mean sun (true unless given)", MethodNames()});
    o.push_back({"lang", "L", "the language of the dates' native texts (en unless given)", LanguageTags()});
    if (ownFormat)
        o.push_back({"format", "F", "the output's form (text unless given)", EventFormatNames()});
    else
        o.push_back({"format", "F", "the output's form (text unless given)", FormatNames()});
    o.push_back({"output", "FILE",
                 "write to FILE instead of standard output, only when the command succeeds (\"-\": standard "
                 "output; a device or FIFO is written in place)"});
    return o;
}

// --ajd and --date: the moment; the present one when neither is given.
OptionList MomentOptions()
{
    return {{"ajd", "X", "the moment as an astronomical Julian date"},
            {"date", "TEXT", "the moment as a typed date (\"2013-02-10 CE\"); the present moment without either"}};
}

OptionSpec PreviousSwitch(const std::string& what)
{
    return {"previous", "", "the previous " + what + " instead of the next", {}, {"back"}};
}

// --years N and its other spelling --within "N years".
OptionList YearsOptions(const std::string& what)
{
    return {{"years", "N", what}, {"within", "\"N years\"", "the same as --years N"}};
}

std::vector<std::string> WithinChoices()
{
    std::vector<std::string> choices;
    for (const char* text : kWithinTexts) choices.emplace_back(std::string(text).substr(std::string("within ").size()));
    return choices;
}

// "CCT (China), ICT (Vietnam) or JST (Japan)".
std::string ZoneCodes()
{
    std::vector<std::string> zones;
    for (const CountryProfile& profile : CountryProfiles())
        zones.push_back(std::string(profile.zoneCode) + " (" + std::string(profile.name) + ")");
    return NameList(zones);
}

std::string UnitList()
{
    std::vector<std::string> names;
    for (const MoveUnitRow& row : MoveUnitRows()) names.push_back(MoveUnitText(row.unit, CountryZoneCode(DefaultCountry())));
    names.emplace_back(kOneDayUnit);
    return NameList(names) + " (the ARC units name the country's zone: " + ZoneCodes() + ")";
}

std::string TargetList()
{
    std::vector<std::string> names;
    for (const SearchTargetRow& row : SearchTargetRows())
        if (row.kind != TargetKind::OwnWindow) names.emplace_back(row.text);
    return NameList(names);
}

std::string ElementAnimalHelp()
{
    const std::vector<std::string> elements(kElementNames.begin(), kElementNames.end());
    const auto animals = AnimalNames(DefaultCountry());
    return "element-animal (wood-rat, wood- or -rat): " + NameList(elements) + "; " +
           NameList({animals.begin(), animals.end()});
}

// The command's own options, then the common ones.
CommandSpec Command(CommandSpec spec, bool moment, OptionList own)
{
    OptionList all = moment ? MomentOptions() : OptionList{};
    all.insert(all.end(), own.begin(), own.end());
    const OptionList common = CommonOptions(spec.ownFormat);
    all.insert(all.end(), common.begin(), common.end());
    spec.options = std::move(all);
    return spec;
}

std::string YearRange() { return std::to_string(kMinYear) + " to " + std::to_string(kMaxYear); }

// The tables of a run of years or lunations, and of a range of days.
void AddTableCommands(std::vector<CommandSpec>& c)
{
    c.push_back(Command({"phases", "the dark moons, quarters and full moons of a run of lunations", "FIRST LAST",
                         {"FIRST LAST  lunation numbers (0 begins on 2000-01-06); instants in universal time"},
                         RunPhases},
                        false, {}));
    c.push_back(Command({"terms", "the solar-term table of a solar year", "YEAR", {"YEAR  a year, " + YearRange()},
                         RunTerms},
                        false, {}));
    c.push_back(Command({"months", "the lunar months and leap months of a run of years", "FIRST LAST",
                         {"FIRST LAST  the CE years of the lunar years' new years"}, RunMonths},
                        false, {}));
}

// The main window's panels: a moment's lines, Convert, Move, Search, the multiple search.
void AddPanelCommands(std::vector<CommandSpec>& c)
{
    c.push_back(Command({"convert", "a typed date, read as the Convert panel reads it, in every calendar",
                         "\"DATE TEXT\"", {"DATE TEXT  a date such as \"2013-02-10 CE\" or \"79-30-01-01 CHL\""},
                         RunConvert},
                        false,
                        {{"date", "TEXT", "the date, instead of the argument"},
                         {"ajd", "X", "the date as an astronomical Julian date"},
                         {"time", "HH:MM", "the time of day"},
                         {"zone", "Z", "the zone of the time", {"GMT", "LOCAL"}},
                         {"plus", "DAYS", "days to add"},
                         {"minus", "DAYS", "days to take away"},
                         {"calendar", "CODE", "the calendar of a date without a designation (CHL, CE, ARCGMT ...)"},
                         {"yes", "", "answer yes when asked whether the date is of that calendar"}}));
    c.push_back(Command({"move", "steps of a unit of the Move panel's list from a moment", "UNIT",
                         {"UNIT  " + UnitList()}, RunMove},
                        true,
                        {PreviousSwitch("step"),
                         {"steps", "N", "the number of steps (1 unless given)"},
                         {"keep-30th", "", "keep the 30th day of a lunar month"},
                         {"keep-leap", "", "keep a leap month"}}));
    c.push_back(Command({"search", "the next or previous event of the Search panel's list from a moment", "TARGET",
                         {"TARGET  " + TargetList()}, RunSearch},
                        true,
                        {PreviousSwitch("event"),
                         {"element", "NAME", "the element of an element-animal target"},
                         {"animal", "NAME", "the animal of an element-animal target"}}));
    c.push_back(Command({"multiple", "the next or previous day of given elements and animals of day, month and year",
                         "", {}, RunMultiple},
                        true,
                        {{"day", "E-A", ElementAnimalHelp()},
                         {"month", "E-A", "the same for the month"},
                         {"year", "E-A", "the same for the year"},
                         {"within", "\"N years\"", "how far to search (100 years unless given)", WithinChoices()},
                         {"years", "N", "the same as --within \"N years\""},
                         PreviousSwitch("day"),
                         {"from-today", "", "from the present day"}}));
}

// The data window's texts and the calendar window's month.
void AddWindowCommands(std::vector<CommandSpec>& c)
{
    const OptionSpec julian{"jc", "", "dates in the Julian calendar instead of the Common Era"};
    c.push_back(Command({"yeardata", "the dark moons and solar terms of three sui, as the data window shows them", "",
                         {}, RunYearData},
                        true,
                        {{"no-major", "", "without the major solar terms"},
                         {"no-minor", "", "without the minor solar terms"},
                         {"names", "", "with the terms' names"},
                         julian}));
    OptionList list = YearsOptions("the number of years");
    list.insert(list.end(), {{"leap-only", "", "leap months only"},
                             {"omit-invalid", "", "without the years in which the date does not occur"},
                             julian});
    const std::string kinds = NameChoices(ListKindNames());
    c.push_back(Command({"list", "lunar new years, month starts, or Julian and Common Era new years, from a moment",
                         kinds, {kinds + "  lunar new years, month starts and leap months, or JC and CE new years"},
                         RunList},
                        true, list));
    c.push_back(Command({"selftest", "the self-test of the Chinese date conversions", "", {}, RunSelfTest}, false,
                        {{"date", "TEXT", "test one typed date instead of 1000 random ones"},
                         {"seed", "S", "the seed of the random dates, 0 to 4294967295"}}));
    c.push_back(Command({"calendar", "a lunar month as text or as a PNG image", "", {}, RunCalendar}, true,
                        {{"text", "", "the month as text"},
                         {"png", "FILE",
                          "the month as an image in FILE: PNG, or BMP or JPEG by the name's .bmp, .jpg or .jpeg "
                          "(\".png\" added to a name without one; \"-\": PNG on standard output)"},
                         {"arc", "", "with the ARC dates"}}));
}

// Festivals and anniversaries, as text, CSV, JSON or iCalendar, on standard output or in a file.
void AddEventCommands(std::vector<CommandSpec>& c)
{
    OptionList festivals = YearsOptions("the number of lunar years (1 unless given)");
    c.push_back(Command({"festivals", "the traditional festivals of a lunar year as text, CSV, JSON or iCalendar",
                         "YEAR", {"YEAR  the lunar year, " + YearRange()}, RunFestivals, true},
                        false, festivals));
    OptionList anniversary = YearsOptions("the number of lunar years (10 unless given)");
    anniversary.insert(anniversary.end(), {{"from", "YEAR", "the first lunar year"},
                                           {"title", "T", "the events' title"}});
    c.push_back(Command({"anniversary", "the days a lunar date comes back in a run of lunar years", "DATE",
                         {"DATE  a lunar month-day (\"12-30\", \"4*-15\") or a typed date"}, RunAnniversary, true},
                        false, anniversary));
}

std::vector<CommandSpec> BuildCommands()
{
    std::vector<CommandSpec> c;
    c.push_back(Command({"lines", "every display line of the main window for one moment", "", {}, RunLines},
                        true, {}));
    AddTableCommands(c);
    AddPanelCommands(c);
    AddWindowCommands(c);
    AddEventCommands(c);
    c.push_back(Command({"days", "one record per day of a range of Common Era dates", "FROM TO",
                         {"FROM TO  Common Era dates such as 2025-01-31"}, RunDays},
                        false, {}));
    return c;
}

} // namespace

std::span<const CommandSpec> Commands()
{
    static const std::vector<CommandSpec> commands = BuildCommands();
    return commands;
}

const CommandSpec* CommandNamed(const std::string& name)
{
    for (const CommandSpec& command : Commands())
        if (command.name == name) return &command;
    return nullptr;
}

} // namespace orlun::cli

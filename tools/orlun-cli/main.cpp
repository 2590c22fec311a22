// orlun-cli: the calendar calculator's display lines and tables on the command line.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CliArgs.h"
#include "CliFormat.h"
#include "Commands.h"
#include "engine/engine_status.h"
#include "output/OutputFormats.h"

namespace {

// COUNTRIES stands for the country names, from the country table; FORMATS for the output formats.
const char* kUsageForm =
    "usage:\n"
    "  orlun-cli lines [--ajd X] [--country COUNTRIES]\n"
    "  orlun-cli phases FIRST LAST\n"
    "  orlun-cli terms YEAR [--country COUNTRIES] [--method true|mean]\n"
    "  orlun-cli months FIRST LAST [--country COUNTRIES] [--epoch -2696|-2636]\n"
    "  orlun-cli convert \"DATE TEXT\" [--time HH:MM] [--zone GMT|LOCAL] [--plus DAYS | --minus DAYS]\n"
    "        [--country C] [--epoch E] [--method true|mean] [--calendar CODE] [--yes]\n"
    "  orlun-cli move UNIT (--ajd X | --date \"DATE TEXT\") [--back] [--steps N] [--keep-30th]\n"
    "        [--keep-leap] [--country C] [--epoch E] [--method true|mean]\n"
    "  orlun-cli yeardata (--ajd X | --date \"TEXT\") [--no-major] [--no-minor] [--names] [--jc]\n"
    "        [--country C] [--epoch E] [--method M]\n"
    "  orlun-cli list newyears|months|jcce (--ajd X | --date \"TEXT\") [--years N] [--leap-only]\n"
    "        [--omit-invalid] [--jc] [--country C] [--epoch E] [--method M]\n"
    "  orlun-cli selftest [--date \"TEXT\"] [--seed S] [--country C] [--epoch E] [--method M]\n"
    "  orlun-cli calendar (--ajd X | --date \"TEXT\") [--country C] [--epoch E] [--arc]\n"
    "        [--text] [--png FILE]       (--text, --png or both)\n"
    "  orlun-cli search TARGET (--ajd X | --date \"TEXT\") [--previous] [--element NAME]\n"
    "        [--animal NAME] [--country C] [--epoch E] [--method M]\n"
    "  orlun-cli multiple [--day E-A] [--month E-A] [--year E-A] [--within \"100 years\"]\n"
    "        [--previous] [--from-today] (--ajd X | --date \"TEXT\") [--country C] [--epoch E]\n"
    "        [--method M]\n"
    "  orlun-cli festivals YEAR [--years N] [--country C] [--lang L] [--format text|csv|json|ics]\n"
    "        [--output FILE]\n"
    "  orlun-cli anniversary \"MONTH-DAY\" | \"DATE TEXT\" [--from YEAR] [--years N] [--title T]\n"
    "        [--country C] [--epoch E] [--lang L] [--format text|csv|json|ics] [--output FILE]\n"
    "  orlun-cli days FROM TO [--country C] [--epoch E] [--method M]\n"
    "  orlun-cli --help | --version\n"
    "Every command but festivals and anniversary takes --format FORMATS (text unless given).\n";

void ReplaceAll(std::string& text, const std::string& marker, const std::string& names)
{
    for (size_t at = 0; (at = text.find(marker, at)) != std::string::npos; at += names.size())
        text.replace(at, marker.size(), names);
}

// The usage with the countries and the formats filled in from their tables, so that a new row
// names itself.
std::string UsageText()
{
    std::string text = kUsageForm;
    ReplaceAll(text, "COUNTRIES", orlun::CountryNameList("|", "|"));
    ReplaceAll(text, "FORMATS", orlun::cli::FormatChoices());
    return text;
}

int Usage(const std::string& message)
{
    if (!message.empty()) std::fprintf(stderr, "orlun-cli: %s\n", message.c_str());
    std::fputs(UsageText().c_str(), stderr);
    return 2;
}

// The command's runner, or nullptr for a name that is none.
using Runner = int (*)(const std::vector<std::string>&, orlun::cli::Output&);

struct CommandEntry {
    const char* name;
    Runner run;
    bool ownFormat; // reads its own --format (with ics), writing its files itself
};

const CommandEntry kCommands[] = {
    {"lines", orlun::cli::RunLines, false},       {"phases", orlun::cli::RunPhases, false},
    {"terms", orlun::cli::RunTerms, false},       {"months", orlun::cli::RunMonths, false},
    {"convert", orlun::cli::RunConvert, false},   {"move", orlun::cli::RunMove, false},
    {"yeardata", orlun::cli::RunYearData, false}, {"list", orlun::cli::RunList, false},
    {"selftest", orlun::cli::RunSelfTest, false}, {"calendar", orlun::cli::RunCalendar, false},
    {"search", orlun::cli::RunSearch, false},     {"multiple", orlun::cli::RunMultiple, false},
    {"days", orlun::cli::RunDays, false},         {"festivals", orlun::cli::RunFestivals, true},
    {"anniversary", orlun::cli::RunAnniversary, true},
};

const CommandEntry* CommandNamed(const std::string& name)
{
    for (const CommandEntry& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace orlun::cli;
    if (argc < 2) return Usage("");
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "--version") {
        Output out(stdout, stderr, WriterOfFormat(kTextFormat));
        if (command == "--version") out.Line(std::string("orlun-cli ") + ORLUN_VERSION);
        else out.Text(UsageText());
        return out.ExitCode(0);
    }
    const CommandEntry* entry = CommandNamed(command);
    if (!entry) return Usage("unknown command \"" + command + "\"");
    std::vector<std::string> args(argv + 2, argv + argc);
    std::string format = kTextFormat;
    try {
        if (!entry->ownFormat) format = TakeFormat(args);
    } catch (const UsageError& e) {
        return Usage(e.message);
    }
    Output out(stdout, stderr, WriterOfFormat(format));
    try {
        const EngineStatus engine = CheckEphemeris();
        if (!engine.ok) {
            out.Message("orlun-cli: " + engine.message);
            return out.ExitCode(1);
        }
        return out.ExitCode(entry->run(args, out));
    } catch (const UsageError& e) {
        return out.ExitCode(Usage(e.message));
    } catch (const std::exception& e) {
        out.Message(std::string("orlun-cli: ") + e.what());
        return out.ExitCode(1);
    }
}

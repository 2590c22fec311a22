// The completion generator reads the usage lines of orlun-cli's help and of each command's help:
// which options take a value, the choices the usage spells out, and a command's first-argument
// choices; the options' descriptions below a usage are not read.
#include <gtest/gtest.h>

#include "tools/complgen/HelpTable.h"

using orlun::complgen::CommandHelp;
using orlun::complgen::ParseHelp;

namespace {

const char* kHelp =
    "usage: orlun-cli COMMAND [ARGUMENTS] [OPTIONS] | --help | --version\n"
    "Commands:\n"
    "  months                  the lunar months\n"
    "usage: orlun-cli months FIRST LAST [--country Vietnam|China|Japan] [--epoch -2696|-2636]\n"
    "The lunar months.\n"
    "usage: orlun-cli list newyears|months|jcce [--ajd X] [--date \"TEXT\"] [--years N] [--leap-only]\n"
    "        [--omit-invalid] [--jc] [--country C]\n"
    "Options:\n"
    "  --within \"N years\"      the same as --years N, which is\n"
    "                          not --bogus\n"
    "usage: orlun-cli anniversary \"MONTH-DAY\" | \"DATE TEXT\" [--png FILE] [--country C]\n";

std::string ValueOf(const CommandHelp& command, const std::string& option)
{
    for (const auto& o : command.options)
        if (o.name == option) return o.value;
    return "(absent)";
}

} // namespace

TEST(CompletionHelp, CommandsInHelpOrder)
{
    const auto commands = ParseHelp(kHelp);
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].name, ""); // the program's line, with --help and --version
    EXPECT_EQ(ValueOf(commands[0], "--help"), "");
    EXPECT_EQ(ValueOf(commands[0], "--version"), "");
    EXPECT_EQ(commands[1].name, "months");
    EXPECT_EQ(commands[3].name, "anniversary");
}

TEST(CompletionHelp, OptionValues)
{
    const auto commands = ParseHelp(kHelp);
    const struct {
        size_t command;
        const char* option;
        const char* value;
    } cases[] = {
        {1, "--country", "Vietnam|China|Japan"},
        {1, "--epoch", "-2696|-2636"}, // a negative number is a value, not an option
        {2, "--ajd", "X"},
        {2, "--date", "\"TEXT\""},
        {2, "--leap-only", ""},
        {2, "--omit-invalid", ""}, // continuation line
        {2, "--country", "C"},
        {2, "--bogus", "(absent)"}, // an option's description is not its usage
        {3, "--png", "FILE"},
        {3, "--day", "(absent)"}, // "MONTH-DAY" is no option
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf(commands[c.command], c.option), c.value) << c.command << " " << c.option;
    EXPECT_EQ(commands[2].options.size(), 7u);
}

TEST(CompletionHelp, FirstArgumentChoices)
{
    const auto commands = ParseHelp(kHelp);
    EXPECT_EQ(commands[2].firstChoices, (std::vector<std::string>{"newyears", "months", "jcce"}));
    EXPECT_TRUE(commands[1].firstChoices.empty());
    EXPECT_TRUE(commands[3].firstChoices.empty()); // "MONTH-DAY" | "DATE TEXT" are placeholders
}

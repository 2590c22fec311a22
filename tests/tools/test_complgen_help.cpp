// The completion generator reads orlun-cli's usage lines: which options take a value, the choices
// the help spells out, and a command's first-argument choices.
#include <gtest/gtest.h>

#include "tools/complgen/HelpTable.h"

using orlun::complgen::CommandHelp;
using orlun::complgen::ParseHelp;

namespace {

const char* kHelp =
    "usage:\n"
    "  orlun-cli months FIRST LAST [--country Vietnam|China|Japan] [--epoch -2696|-2636]\n"
    "  orlun-cli list newyears|months|jcce (--ajd X | --date \"TEXT\") [--years N] [--leap-only]\n"
    "        [--omit-invalid] [--jc] [--country C]\n"
    "  orlun-cli anniversary \"MONTH-DAY\" | \"DATE TEXT\" [--png FILE] [--country C]\n"
    "  orlun-cli --help | --version\n";

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
    EXPECT_EQ(commands[0].name, "months");
    EXPECT_EQ(commands[2].name, "anniversary");
    EXPECT_EQ(commands[3].name, ""); // the line of --help and --version
    EXPECT_EQ(ValueOf(commands[3], "--help"), "");
    EXPECT_EQ(ValueOf(commands[3], "--version"), "");
}

TEST(CompletionHelp, OptionValues)
{
    const auto commands = ParseHelp(kHelp);
    const struct {
        size_t command;
        const char* option;
        const char* value;
    } cases[] = {
        {0, "--country", "Vietnam|China|Japan"},
        {0, "--epoch", "-2696|-2636"}, // a negative number is a value, not an option
        {1, "--ajd", "X"},
        {1, "--date", "\"TEXT\""},
        {1, "--leap-only", ""},
        {1, "--omit-invalid", ""}, // continuation line
        {1, "--country", "C"},
        {2, "--png", "FILE"},
        {2, "--day", "(absent)"}, // "MONTH-DAY" is no option
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf(commands[c.command], c.option), c.value) << c.command << " " << c.option;
    EXPECT_EQ(commands[1].options.size(), 7u);
}

TEST(CompletionHelp, FirstArgumentChoices)
{
    const auto commands = ParseHelp(kHelp);
    EXPECT_EQ(commands[1].firstChoices, (std::vector<std::string>{"newyears", "months", "jcce"}));
    EXPECT_TRUE(commands[0].firstChoices.empty());
    EXPECT_TRUE(commands[2].firstChoices.empty()); // "MONTH-DAY" | "DATE TEXT" are placeholders
}

// orlun-cli's reading of a command line: negative numbers and values that begin with a hyphen,
// older spellings under the usual name, another command's name as an argument, and usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"

namespace orlun::cli {
namespace {

std::vector<CommandSpec> TestCommands()
{
    CommandSpec command("months", "", "FIRST LAST", {}, nullptr);
    command.options = {{"epoch", "E", "", {"-2696", "-2636"}}, {"month", "E-A", ""},
                       {"previous", "", "", {}, {"back"}}};
    return {command, CommandSpec("list", "", "KIND", {}, nullptr)};
}

CommandLine Read(std::vector<const char*> words)
{
    static const std::vector<CommandSpec> commands = TestCommands();
    words.insert(words.begin(), "orlun-cli");
    return ReadCommandLine(static_cast<int>(words.size()), words.data(), commands);
}

TEST(CommandLine, ReadsArgumentsOptionsAndSwitches)
{
    const CommandLine line = Read({"months", "-3000", "-2999", "--epoch", "-2636", "--month", "-tiger", "--back"});
    EXPECT_EQ(line.request, Request::Run);
    EXPECT_EQ(line.options.Positionals(), (std::vector<std::string>{"-3000", "-2999"}));
    EXPECT_EQ(line.options.Get("epoch"), "-2636");
    EXPECT_EQ(line.options.Get("month"), "-tiger");
    EXPECT_TRUE(line.options.Has("previous")); // --back is --previous
    EXPECT_EQ(Read({"list", "months"}).options.Positionals(), std::vector<std::string>{"months"});
    EXPECT_EQ(Read({"months", "--help"}).request, Request::Help);
    EXPECT_EQ(Read({"--version"}).request, Request::Version);
    // UTF-8 of every length passes as it is.
    EXPECT_EQ(Read({"months", "1", "2", "--month", "kim-tý ☯ 𝄞"}).options.Get("month"), "kim-tý ☯ 𝄞");
}

TEST(CommandLine, RefusesWhatItCannotRead)
{
    const struct {
        std::vector<const char*> words;
        const char* message;
    } cases[] = {
        {{"mnths"}, "unknown command \"mnths\""},
        {{"months", "1", "2", "--colour", "red"}, "unknown option --colour"},
        {{"months", "--epoch"}, "option --epoch needs a value: -2696|-2636"},
        {{"months", "--epoch", "-2636", "--epoch", "-2696"}, "option --epoch given twice"},
        {{}, ""},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        // Bytes that are no UTF-8, named by the option or the argument that carried them.
        {{"months", "1", "2", "--month", "wood-\xe7\x8c"}, "--month must be valid UTF-8 text"},
        {{"months", "1", "2", "--back", "--epoch", "\xff"}, "--epoch must be valid UTF-8 text"},
        {{"months", "1", "2\xc0\xaf"}, "LAST must be valid UTF-8 text"},
        {{"months", "\xed\xa0\x80", "2"}, "FIRST must be valid UTF-8 text"},
        {{"months", "1", "2", "3\x80"}, "argument 3 must be valid UTF-8 text"},
        {{"list", "months\xf8"}, "KIND must be valid UTF-8 text"},
    };
    for (const auto& c : cases) {
        try {
            Read(c.words);
            ADD_FAILURE() << c.message;
        } catch (const UsageError& e) {
            EXPECT_EQ(e.message, c.message);
        }
    }
}

} // namespace
} // namespace orlun::cli

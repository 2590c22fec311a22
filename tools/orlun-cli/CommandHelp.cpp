#include "CommandHelp.h"

#include <algorithm>

#include "names/NameMatch.h"

namespace orlun::cli {

namespace {

constexpr size_t kLineWidth = 100;
constexpr size_t kHelpColumn = 26; // where an option's description begins
constexpr const char* kContinuation = "        ";
constexpr const char* kProgram = "orlun-cli";

bool HasSpace(const std::string& text) { return text.find(' ') != std::string::npos; }

// The choices as "a|b|c" when each is one word, else the option's placeholder.
std::string ValueInUsage(const OptionSpec& option)
{
    if (option.choices.empty() || std::any_of(option.choices.begin(), option.choices.end(), HasSpace))
        return option.value;
    return NameChoices(option.choices);
}

// Words joined by spaces, wrapped before kLineWidth; later lines begin with kContinuation.
std::string Wrapped(const std::vector<std::string>& words)
{
    std::string text, line;
    for (const std::string& word : words) {
        if (!line.empty() && line.size() + 1 + word.size() > kLineWidth) {
            text += line + "\n";
            line = kContinuation;
        }
        if (!line.empty() && line != kContinuation) line += ' ';
        line += word;
    }
    return text + line + "\n";
}

// The description's words in lines that end before kLineWidth, each after kHelpColumn spaces but
// the first, which follows the name.
std::string IndentedLines(const std::string& description)
{
    const std::string indent(kHelpColumn, ' ');
    std::string text, line;
    size_t at = 0;
    while (at < description.size()) {
        size_t end = description.find(' ', at);
        if (end == std::string::npos) end = description.size();
        const std::string word = description.substr(at, end - at);
        if (!line.empty() && kHelpColumn + line.size() + 1 + word.size() > kLineWidth) {
            text += line + "\n" + indent;
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
        at = end + 1;
    }
    return text + line + "\n";
}

// "  NAME" padded to the description's column, or on a line of its own when it is longer.
std::string Entry(const std::string& name, const std::string& description)
{
    std::string line = "  " + name;
    if (line.size() + 2 > kHelpColumn) return line + "\n" + std::string(kHelpColumn, ' ') + IndentedLines(description);
    return line + std::string(kHelpColumn - line.size(), ' ') + IndentedLines(description);
}

// "a, b or c".
std::string OneOf(const std::vector<std::string>& names)
{
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

std::string OptionEntry(const OptionSpec& option)
{
    std::string names = "--" + option.name;
    for (const std::string& alias : option.aliases) names += ", --" + alias;
    if (!option.Switch()) names += " " + option.value;
    std::string description = option.help;
    if (!option.choices.empty()) description += "; " + option.value + " is " + OneOf(option.choices);
    return Entry(names, description);
}

std::string Capitalized(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string ProgramUsageLine()
{
    return std::string("usage: ") + kProgram + " COMMAND [ARGUMENTS] [OPTIONS] | --help | --version\n";
}

} // namespace

std::string ProgramHelp()
{
    std::string text = ProgramUsageLine();
    text += "The calendar calculator's display lines, tables and searches on the command line.\n\nCommands:\n";
    for (const CommandSpec& command : Commands()) text += Entry(command.name, command.summary);
    text += "\nOptions:\n";
    text += Entry("-h, --help", std::string("this list; ") + kProgram + " COMMAND --help shows a command's options");
    text += Entry("--version", "the program's version");
    return text;
}

std::string CommandUsage(const CommandSpec& command)
{
    std::vector<std::string> words = {"usage:", kProgram, command.name};
    if (!command.arguments.empty()) words.push_back(command.arguments);
    for (const OptionSpec& option : command.options)
        words.push_back(option.Switch() ? "[--" + option.name + "]"
                                        : "[--" + option.name + " " + ValueInUsage(option) + "]");
    return Wrapped(words);
}

std::string CommandHelp(const CommandSpec& command)
{
    std::string text = CommandUsage(command) + Capitalized(command.summary) + ".\n";
    if (!command.argumentHelp.empty()) {
        text += "\nArguments:\n";
        for (const std::string& line : command.argumentHelp) {
            const size_t gap = line.find("  ");
            text += Entry(line.substr(0, gap), line.substr(gap + 2));
        }
    }
    text += "\nOptions:\n";
    for (const OptionSpec& option : command.options) text += OptionEntry(option);
    text += Entry("-h, --help", "this help");
    return text;
}

} // namespace orlun::cli

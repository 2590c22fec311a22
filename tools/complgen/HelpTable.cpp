#include "HelpTable.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace orlun::complgen {

namespace {

constexpr std::string_view kCommandLine = "usage: orlun-cli ";
constexpr std::string_view kContinuation = "        ";

bool IsOptionChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// The placeholder after an option ("--png FILE" -> "FILE"); empty when the option stands alone
// ("[--arc]", "--help | --version"); a negative number is a value ("--epoch -2696|-2636").
std::string ValueAfter(const std::string& text, size_t end)
{
    if (end + 1 >= text.size() || text[end] != ' ') return "";
    const char next = text[end + 1];
    const bool negativeNumber = next == '-' && end + 2 < text.size() && std::isdigit(static_cast<unsigned char>(text[end + 2]));
    if (next == '|' || next == '[' || next == '(' || (next == '-' && !negativeNumber)) return "";
    const size_t stop = text.find_first_of(" ])", end + 1);
    return text.substr(end + 1, stop == std::string::npos ? std::string::npos : stop - end - 1);
}

void AddOptions(const std::string& text, CommandHelp& command)
{
    for (size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
        if (at > 0 && IsOptionChar(text[at - 1])) continue; // inside a word such as "MONTH-DAY"
        size_t end = at + 2;
        while (end < text.size() && IsOptionChar(text[end])) ++end;
        OptionHelp option{text.substr(at, end - at), ValueAfter(text, end)};
        const bool known = std::any_of(command.options.begin(), command.options.end(),
                                       [&](const OptionHelp& o) { return o.name == option.name; });
        if (!known && option.name.size() > 2) command.options.push_back(option);
    }
}

CommandHelp CommandOf(const std::string& line)
{
    std::istringstream words(line.substr(kCommandLine.size()));
    CommandHelp command;
    std::string first, second;
    words >> first >> second;
    // "COMMAND" and "--help" begin the program's own line.
    if (!first.empty() && first[0] >= 'a' && first[0] <= 'z') command.name = first;
    if (!command.name.empty() && second.find('|') != std::string::npos && second[0] != '"' &&
        second[0] != '(')
        command.firstChoices = SplitChoices(second);
    return command;
}

} // namespace

std::vector<std::string> SplitChoices(const std::string& value)
{
    std::vector<std::string> items;
    std::istringstream parts(value);
    for (std::string item; std::getline(parts, item, '|');) items.push_back(item);
    return items;
}

std::vector<CommandHelp> ParseHelp(const std::string& text)
{
    std::vector<CommandHelp> commands;
    std::istringstream lines(text);
    bool inUsage = false; // continuation lines follow the usage line directly
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(kCommandLine, 0) == 0) {
            commands.push_back(CommandOf(line));
            AddOptions(line.substr(kCommandLine.size() + commands.back().name.size()), commands.back());
            inUsage = true;
        } else if (inUsage && line.rfind(kContinuation, 0) == 0) {
            AddOptions(line, commands.back());
        } else {
            inUsage = false;
        }
    }
    return commands;
}

} // namespace orlun::complgen

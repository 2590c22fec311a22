#include "ShellData.h"

#include <map>
#include <set>

#include "NameTables.h"

namespace orlun::complgen {

namespace {

constexpr const char* kFileValue = "FILE";

std::string Quoted(const std::string& text)
{
    std::string out = "'";
    for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : " ") + item;
    return out;
}

std::string CaseItem(const std::string& key, const std::vector<std::string>& values)
{
    std::string line = "    ";
    line += Quoted(key) + ") printf '%s\\n'";
    for (const auto& value : values) {
        line += ' ';
        line += Quoted(value);
    }
    return line + " ;;\n";
}

// "COMMAND --option" -> the choices its usage spells out (--format's differ between commands), then
// the keys from the name tables.
std::map<std::string, std::vector<std::string>> ValueTable(const std::vector<CommandHelp>& commands)
{
    std::map<std::string, std::vector<std::string>> table;
    for (const auto& command : commands) {
        for (const auto& option : command.options)
            if (option.value.find('|') != std::string::npos)
                table[command.name + " " + option.name] = SplitChoices(option.value);
        if (!command.firstChoices.empty()) table[command.name] = command.firstChoices;
    }
    for (const CountryProfile& country : CountryProfiles())
        table["move:" + std::string(country.name)] = MoveUnitNames(country.country);
    table["search"] = SearchTargetNames();
    return table;
}

std::string OptionsFunction(const std::vector<CommandHelp>& commands)
{
    std::string out = "_orlun_cli_options() {\n  case $1 in\n";
    for (const auto& command : commands) {
        std::vector<std::string> names;
        for (const auto& option : command.options) names.push_back(option.name);
        out += "    ";
        out += Quoted(command.name) + ") printf '%s\\n' " + Quoted(Joined(names)) + " ;;\n";
    }
    return out + "  esac\n}\n";
}

std::string ValuesFunction(const std::vector<CommandHelp>& commands)
{
    std::string out = "_orlun_cli_values() {\n  case $1 in\n";
    for (const auto& [key, values] : ValueTable(commands)) out += CaseItem(key, values);
    return out + "  esac\n}\n";
}

} // namespace

std::string ShellData(const std::vector<CommandHelp>& commands)
{
    std::vector<std::string> names;
    std::set<std::string> valueOptions, fileOptions;
    for (const auto& command : commands) {
        if (!command.name.empty()) names.push_back(command.name);
        for (const auto& option : command.options) {
            if (!option.value.empty()) valueOptions.insert(option.name);
            if (option.value == kFileValue) fileOptions.insert(option.name);
        }
    }
    return "_orlun_cli_commands=" + Quoted(Joined(names)) + "\n" +
           "_orlun_cli_value_options=" + Quoted(Joined({valueOptions.begin(), valueOptions.end()})) + "\n" +
           "_orlun_cli_file_options=" + Quoted(Joined({fileOptions.begin(), fileOptions.end()})) + "\n" +
           OptionsFunction(commands) + ValuesFunction(commands);
}

} // namespace orlun::complgen

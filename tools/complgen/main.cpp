// orlun-complgen: writes the bash and zsh completion of orlun-cli from its --help text and the
// calendar's name tables, so that the completion cannot drift from the program, and the manual
// page's section of those names.
// Usage: orlun-complgen HELP-FILE MAN-SECTION TEMPLATE OUTPUT [TEMPLATE OUTPUT]...
// Each template's line "@DATA@" is replaced by the data block (ShellData).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "HelpTable.h"
#include "ManSection.h"
#include "ShellData.h"
#include "io/CheckedWrite.h"

namespace {

constexpr const char* kDataLine = "@DATA@";

bool ReadFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return static_cast<bool>(in);
}

// Written by the checked write, readable by all (the files are installed for every user).
bool WriteText(const std::string& path, const std::string& text)
{
    if (const auto failure = orlun::io::ReplaceFileContents(path, text, orlun::io::Permissions::Public)) {
        std::fprintf(stderr, "orlun-complgen: %s\n", orlun::io::Describe(*failure).c_str());
        return false;
    }
    return true;
}

// The template with its data line replaced.
bool WriteScript(const std::string& templatePath, const std::string& outputPath, const std::string& data)
{
    std::string text;
    if (!ReadFile(templatePath, text)) return false;
    const size_t at = text.find(kDataLine);
    if (at == std::string::npos) return false;
    text.replace(at, std::string(kDataLine).size(), data);
    return WriteText(outputPath, text);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5 || argc % 2 != 1) {
        std::fputs("usage: orlun-complgen HELP-FILE MAN-SECTION TEMPLATE OUTPUT [TEMPLATE OUTPUT]...\n", stderr);
        return 2;
    }
    std::string help;
    const auto commands = orlun::complgen::ParseHelp(ReadFile(argv[1], help) ? help : "");
    if (commands.size() < 2) {
        std::fprintf(stderr, "orlun-complgen: no commands in %s\n", argv[1]);
        return 1;
    }
    const std::string data = orlun::complgen::ShellData(commands);
    if (!WriteText(argv[2], orlun::complgen::ManSection())) return 3;
    for (int i = 3; i + 1 < argc; i += 2) {
        if (!WriteScript(argv[i], argv[i + 1], data)) {
            std::fprintf(stderr, "orlun-complgen: cannot write %s from %s\n", argv[i + 1], argv[i]);
            return 3;
        }
    }
    return 0;
}

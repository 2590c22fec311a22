// orlun-complgen: writes the bash and zsh completion of orlun-cli from its --help text and the
// calendar's name tables, so that the completion cannot drift from the program.
// Usage: orlun-complgen HELP-FILE TEMPLATE OUTPUT [TEMPLATE OUTPUT]...
// Each template's line "@DATA@" is replaced by the data block (ShellData).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "HelpTable.h"
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

// The template with its data line replaced, written by the checked write (public: the scripts
// are installed for every user).
bool WriteScript(const std::string& templatePath, const std::string& outputPath, const std::string& data)
{
    std::string text;
    if (!ReadFile(templatePath, text)) return false;
    const size_t at = text.find(kDataLine);
    if (at == std::string::npos) return false;
    text.replace(at, std::string(kDataLine).size(), data);
    if (const auto failure = orlun::io::ReplaceFileContents(outputPath, text, orlun::io::Permissions::Public)) {
        std::fprintf(stderr, "orlun-complgen: %s\n", orlun::io::Describe(*failure).c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fputs("usage: orlun-complgen HELP-FILE TEMPLATE OUTPUT [TEMPLATE OUTPUT]...\n", stderr);
        return 2;
    }
    std::string help;
    const auto commands = orlun::complgen::ParseHelp(ReadFile(argv[1], help) ? help : "");
    if (commands.size() < 2) {
        std::fprintf(stderr, "orlun-complgen: no commands in %s\n", argv[1]);
        return 1;
    }
    const std::string data = orlun::complgen::ShellData(commands);
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!WriteScript(argv[i], argv[i + 1], data)) {
            std::fprintf(stderr, "orlun-complgen: cannot write %s from %s\n", argv[i + 1], argv[i]);
            return 3;
        }
    }
    return 0;
}

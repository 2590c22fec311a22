#include "CppByteSource.h"

#include <cstdio>

namespace orlun::skygen {

namespace {

constexpr size_t kBytesPerLine = 96;

// Printable characters stand for themselves; everything else, and the three characters that
// would need care (quote, backslash, question mark), as a three-digit octal escape, which never
// runs into the next character.
void AppendByte(std::string& out, unsigned char b)
{
    if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\' && b != '?') {
        out.push_back(static_cast<char>(b));
        return;
    }
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\%03o", b);
    out += escape;
}

} // namespace

std::string CppByteSource(std::string_view bytes, const std::string& function, const std::string& comment)
{
    std::string out = "// " + comment + "\n#include <string_view>\n\nnamespace orlun {\n\nnamespace {\nconstexpr char kBytes[] =\n";
    out.reserve(out.size() + bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); i += kBytesPerLine) {
        out += '"';
        for (size_t j = i; j < bytes.size() && j < i + kBytesPerLine; ++j)
            AppendByte(out, static_cast<unsigned char>(bytes[j]));
        out += "\"\n";
    }
    if (bytes.empty())
        out += "\"\"\n";
    out += ";\n} // namespace\n\nstd::string_view " + function + "() { return {kBytes, sizeof kBytes - 1}; }\n\n} // namespace orlun\n";
    return out;
}

} // namespace orlun::skygen

#include "TextBlocks.h"

namespace orlun::cli {

Table TextBlockTable(const std::string& name) { return {name, {{"line"}}}; }

void WriteTextBlock(const std::string& name, std::string_view text, Output& out)
{
    if (out.IsText()) {
        out.Text(text);
        return;
    }
    out.Begin(TextBlockTable(name));
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.Write({{std::string(line)}});
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

} // namespace orlun::cli

// A command whose text form is a block of text (a table drawn with spaces, a report): the block
// as it is in the text form, and in the other formats one record per line of it.
#pragma once

#include <string>
#include <string_view>

#include "output/Output.h"

namespace orlun::cli {

// The table of such a command: its name and one field, "line".
Table TextBlockTable(const std::string& name);

// The block on standard output in the text form; otherwise a record per line (without its line
// end), an empty last line left out.
void WriteTextBlock(const std::string& name, std::string_view text, Output& out);

} // namespace orlun::cli

// The output formats of the command line by name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "RecordWriter.h"

namespace orlun::cli {

inline constexpr const char* kTextFormat = "text";

// The writer of a format, or nullptr for a name that is none.
std::unique_ptr<RecordWriter> WriterOfFormat(const std::string& name);

// One whole table in the format, as a file holds it; nothing for a name that is no format.
std::string WholeTable(const std::string& format, const Table& table, const std::vector<Record>& records);

// The names of the formats, in the order a usage text lists them.
std::vector<std::string> FormatNames();

} // namespace orlun::cli

#include "OutputFormats.h"

namespace orlun::cli {

// Each writer's file defines its maker; a new format is its file and one line of kFormats.
std::unique_ptr<RecordWriter> MakeTextWriter();
std::unique_ptr<RecordWriter> MakeTsvWriter();
std::unique_ptr<RecordWriter> MakeCsvWriter();
std::unique_ptr<RecordWriter> MakeJsonWriter();

namespace {

struct FormatEntry {
    const char* name;
    std::unique_ptr<RecordWriter> (*make)();
};

const FormatEntry kFormats[] = {
    {kTextFormat, MakeTextWriter},
    {"tsv", MakeTsvWriter},
    {"csv", MakeCsvWriter},
    {"json", MakeJsonWriter},
};

} // namespace

std::unique_ptr<RecordWriter> WriterOfFormat(const std::string& name)
{
    for (const FormatEntry& format : kFormats)
        if (name == format.name) return format.make();
    return nullptr;
}

std::string WholeTable(const std::string& format, const Table& table, const std::vector<Record>& records)
{
    const std::unique_ptr<RecordWriter> writer = WriterOfFormat(format);
    if (!writer) return {};
    std::string bytes = writer->Begin(table);
    for (const Record& record : records) bytes += writer->Row(record);
    return bytes + writer->End();
}

std::vector<std::string> FormatNames()
{
    std::vector<std::string> names;
    for (const FormatEntry& format : kFormats) names.emplace_back(format.name);
    return names;
}

} // namespace orlun::cli

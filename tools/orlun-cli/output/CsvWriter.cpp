// CSV (RFC 4180): a header row of the column names, then one row per record, lines ending with
// CR LF; a field holding a comma, a quote or a line break is quoted, its quotes doubled.
#include "RecordWriter.h"

namespace orlun::cli {

namespace {

std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

class CsvWriter final : public RecordWriter {
public:
    std::string Begin(const Table& table) override
    {
        std::string header;
        for (const Column& column : table.columns) header.append(header.empty() ? "" : ",").append(CsvField(HeaderName(column)));
        return header + "\r\n";
    }

    std::string Row(const Record& record) override
    {
        std::string row;
        for (size_t i = 0; i < record.values.size(); ++i) {
            if (i > 0) row += ',';
            row += CsvField(FieldText(record.values[i]));
        }
        // A lone empty field is quoted: an empty line would be read as no record at all.
        if (row.empty() && !record.values.empty()) row = "\"\"";
        return row + "\r\n";
    }
};

} // namespace

std::unique_ptr<RecordWriter> MakeCsvWriter() { return std::make_unique<CsvWriter>(); }

} // namespace orlun::cli

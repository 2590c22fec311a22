// TSV: a header row of the column names, then one line per record, fields separated by tabs.
// A tab, a line break or a backslash inside a field is written as \t, \n, \r or \\, so that
// every line keeps the header's number of fields.
#include "RecordWriter.h"

namespace orlun::cli {

namespace {

std::string TsvField(const std::string& text)
{
    if (text.find_first_of("\t\r\n\\") == std::string::npos) return text;
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        case '\\': escaped += "\\\\"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

class TsvWriter final : public RecordWriter {
public:
    std::string Begin(const Table& table) override
    {
        std::string header;
        for (const Column& column : table.columns) header.append(header.empty() ? "" : "\t").append(TsvField(HeaderName(column)));
        return header + "\n";
    }

    std::string Row(const Record& record) override
    {
        std::string row;
        for (size_t i = 0; i < record.values.size(); ++i) {
            if (i > 0) row += '\t';
            row += TsvField(FieldText(record.values[i]));
        }
        return row + "\n";
    }
};

} // namespace

std::unique_ptr<RecordWriter> MakeTsvWriter() { return std::make_unique<TsvWriter>(); }

} // namespace orlun::cli

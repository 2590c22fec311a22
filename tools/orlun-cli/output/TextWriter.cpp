// The text format: no header, one line per record, its values as the text form shows them,
// separated by a tab or a space as each column says; a column not in the text form left out.
#include "RecordWriter.h"

namespace orlun::cli {

namespace {

class TextWriter final : public RecordWriter {
public:
    std::string Begin(const Table& table) override
    {
        table_ = table;
        return {};
    }

    std::string Row(const Record& record) override
    {
        std::string line;
        bool first = true;
        for (size_t i = 0; i < record.values.size(); ++i) {
            if (i < table_.columns.size() && !table_.columns[i].inText) continue;
            if (!first) line += GapBefore(i) == TextGap::Space ? ' ' : '\t';
            line += FieldText(record.values[i]);
            first = false;
        }
        return line + "\n";
    }

    bool IsText() const override { return true; }

private:
    TextGap GapBefore(size_t column) const
    {
        return column < table_.columns.size() ? table_.columns[column].gap : TextGap::Tab;
    }

    Table table_;
};

} // namespace

std::unique_ptr<RecordWriter> MakeTextWriter() { return std::make_unique<TextWriter>(); }

} // namespace orlun::cli

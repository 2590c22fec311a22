// JSON: one document, an object holding each table as a list of objects under the table's name;
// whole numbers and real numbers as numbers, texts as strings, the fields of a column group as
// one object under its name. Written as the records come, so that a long range never waits for
// its end nor holds its records: the bytes are those of the whole document indented by two.
#include <nlohmann/json.hpp>
#include <utility>

#include "RecordWriter.h"

namespace orlun::cli {

namespace {

using Json = nlohmann::ordered_json;

// Two spaces a level: a list stands one level deep, a record object two (document, list).
constexpr int kIndent = 2;
constexpr std::string_view kListIndent = "\n  ";
constexpr std::string_view kRecordIndent = "    ";

Json JsonValue(const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<int64_t>(&value)) return *number;
    return std::get<Decimal>(value).value;
}

// A record's object as it stands in the document: its inner lines indented to the record's
// depth. A string's line break is written "\n", so every raw line feed is the layout's.
std::string IndentedRecord(const Json& object)
{
    const std::string text = object.dump(kIndent);
    std::string indented(kRecordIndent);
    indented.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        indented += c;
        if (c == '\n') indented += kRecordIndent;
    }
    return indented;
}

class JsonWriter final : public RecordWriter {
public:
    std::string Begin(const Table& table) override
    {
        std::string text = begun_ ? CloseList().append(",") : std::string("{");
        table_ = table;
        begun_ = true;
        rows_ = 0;
        return WholeLines(text.append(kListIndent).append(Json(table.name).dump()).append(": ["));
    }

    std::string Row(const Record& record) override
    {
        Json object = Json::object();
        for (size_t i = 0; i < record.values.size() && i < table_.columns.size(); ++i) {
            const Column& column = table_.columns[i];
            Json& holder = column.group.empty() ? object : object[column.group];
            holder[column.name] = JsonValue(record.values[i]);
        }
        return WholeLines((rows_++ == 0 ? "\n" : ",\n") + IndentedRecord(object));
    }

    // Nothing when no table was begun: a command that showed nothing writes no document.
    std::string End() override { return begun_ ? std::exchange(line_, {}) + CloseList() + "\n}\n" : std::string(); }

private:
    // "]" right after "[" for a list without records, as the whole document's dump writes it.
    std::string CloseList() const { return rows_ == 0 ? std::string("]") : std::string(kListIndent) + "]"; }

    // The bytes up to the last line feed, after the line left unfinished before; the rest waits
    // for what follows it ("," after a record, "]" after "["), so that what is written ends with
    // a whole line when a message comes in between.
    std::string WholeLines(std::string text)
    {
        text.insert(0, std::exchange(line_, {}));
        const size_t end = text.rfind('\n') + 1;
        line_ = text.substr(end);
        text.resize(end);
        return text;
    }

    Table table_;
    bool begun_ = false;
    size_t rows_ = 0;
    std::string line_; // the unfinished last line, not yet written
};

} // namespace

std::unique_ptr<RecordWriter> MakeJsonWriter() { return std::make_unique<JsonWriter>(); }

} // namespace orlun::cli

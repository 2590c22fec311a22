// JSON: one document, an object holding each table as a list of objects under the table's name;
// whole numbers and real numbers as numbers, texts as strings, the fields of a column group as
// one object under its name. Written whole at the end.
#include <nlohmann/json.hpp>

#include "RecordWriter.h"

namespace orlun::cli {

namespace {

using Json = nlohmann::ordered_json;

Json JsonValue(const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<int64_t>(&value)) return *number;
    return std::get<Decimal>(value).value;
}

class JsonWriter final : public RecordWriter {
public:
    std::string Begin(const Table& table) override
    {
        table_ = table;
        document_[table.name] = Json::array();
        return {};
    }

    std::string Row(const Record& record) override
    {
        Json object = Json::object();
        for (size_t i = 0; i < record.values.size() && i < table_.columns.size(); ++i) {
            const Column& column = table_.columns[i];
            Json& holder = column.group.empty() ? object : object[column.group];
            holder[column.name] = JsonValue(record.values[i]);
        }
        document_[table_.name].push_back(std::move(object));
        return {};
    }

    // Nothing when no table was begun: a command that showed nothing writes no document.
    std::string End() override { return document_.empty() ? std::string() : document_.dump(2) + "\n"; }

private:
    Table table_;
    Json document_ = Json::object();
};

} // namespace

std::unique_ptr<RecordWriter> MakeJsonWriter() { return std::make_unique<JsonWriter>(); }

} // namespace orlun::cli

// The records of a command's table-like output: a table names its columns once, each record holds
// one typed value per column, so that every output format writes the same records its own way.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace orlun::cli {

// A real number and the decimals its text form shows ("%.4f" is places 4).
struct Decimal {
    double value = 0;
    int places = 0;
};

using FieldValue = std::variant<std::string, int64_t, Decimal>;

// What separates a field from the one before it in the text form.
enum class TextGap { Tab, Space };

struct Column {
    std::string name; // lower case with underscores, the same in every format
    TextGap gap = TextGap::Tab;
    // A group of fields ("native") is one object in JSON; CSV and TSV name its columns
    // "native_month"; empty for a field of the record itself.
    std::string group = {};
    // False for a field that the text form leaves out because a line of its own shows it.
    bool inText = true;
};

// The column's name in a header row: "month", or "native_month" for a field of a group.
std::string HeaderName(const Column& column);

// The name of a list of records ("months", "events") and the names of its fields.
struct Table {
    std::string name;
    std::vector<Column> columns;
};

// One value for each column of its table, in the same order.
struct Record {
    std::vector<FieldValue> values;
};

// The value as the text form shows it.
std::string FieldText(const FieldValue& value);

} // namespace orlun::cli

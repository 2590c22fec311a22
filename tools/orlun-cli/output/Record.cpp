#include "Record.h"

#include <cstdio>

namespace orlun::cli {

namespace {

std::string DecimalText(const Decimal& d)
{
    // Large enough for any double in fixed notation with the decimals of a record.
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", d.places, d.value);
    return text;
}

} // namespace

std::string HeaderName(const Column& column)
{
    return column.group.empty() ? column.name : column.group + "_" + column.name;
}

std::string FieldText(const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<int64_t>(&value)) return std::to_string(*number);
    return DecimalText(std::get<Decimal>(value));
}

} // namespace orlun::cli

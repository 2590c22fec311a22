#include "NativeDayFields.h"

#include <utility>

namespace orlun::cli {

const std::vector<Column>& NativeDayColumns()
{
    static const std::vector<Column> columns = [] {
        std::vector<Column> list;
        for (const char* name : {"lunar_date", "year", "month", "day", "day_name", "term", "rokuyo", "line"})
            list.push_back({name, TextGap::Tab, kNativeGroup});
        return list;
    }();
    return columns;
}

Table WithNativeDayColumns(Table table, std::optional<NativeLanguage> language)
{
    if (!language) return table;
    const std::vector<Column>& native = NativeDayColumns();
    table.columns.insert(table.columns.end(), native.begin(), native.end());
    return table;
}

void AppendNativeDay(Record& record, const NativeDayTexts& day)
{
    for (const std::string* text :
         {&day.lunarDate, &day.year, &day.month, &day.day, &day.dayName, &day.term, &day.rokuyo, &day.line})
        record.values.emplace_back(*text);
}

} // namespace orlun::cli

// One day's texts in a native script as fields of a record: the group "native" that the records of
// a moment or a day gain when the user asks for a native language.
#pragma once

#include <optional>
#include <vector>

#include "calendar/native/Language.h"
#include "calendar/presentation/NativeDayTexts.h"
#include "output/Record.h"

namespace orlun::cli {

// The name of the group of native fields: an object in JSON, the prefix "native_" in CSV and TSV.
inline constexpr const char* kNativeGroup = "native";

// lunar_date, year, month, day, day_name, term, rokuyo, line, in the group "native".
const std::vector<Column>& NativeDayColumns();

// The table with the native day columns after its own; the table itself for English.
Table WithNativeDayColumns(Table table, std::optional<NativeLanguage> language);

// Adds the day's native texts to the record, in the order of NativeDayColumns.
void AppendNativeDay(Record& record, const NativeDayTexts& day);

} // namespace orlun::cli

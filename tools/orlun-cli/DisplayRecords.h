// The main window's display lines as records: the caption and the value of each. With a native
// language, the line of the moment's native texts follows the Chinese dates, and every record
// gains the moment's native fields (days/NativeDayFields.h), which the text form leaves to that line.
#pragma once

#include "calendar/native/Language.h"
#include "calendar/presentation/DisplayModel.h"
#include "output/Output.h"

namespace orlun::cli {

extern const Table kDisplayLinesTable;

// kDisplayLinesTable, with the native day fields for a native language.
Table DisplayLinesTable(Language language);

Record DisplayLineRecord(const DisplayLine& line);

// The records of one display line of the moment's texts: the line's own, and for a native
// language the line of its native texts after it, both with the native fields.
void WriteDisplayLine(const DisplayTexts& texts, const DisplayLine& line, Language language, Output& out);

// Every display line of the moment's texts as one table, in the window's order; for a native
// language the native line under the Chinese dates.
void WriteDisplayLines(const DisplayTexts& texts, Output& out, Language language = Language::English);

} // namespace orlun::cli

// The main window's display lines as records: the caption and the value of each.
#pragma once

#include "calendar/presentation/DisplayModel.h"
#include "output/Output.h"

namespace orlun::cli {

extern const Table kDisplayLinesTable;

Record DisplayLineRecord(const DisplayLine& line);

// Every display line of the moment's texts as one table, in the window's order.
void WriteDisplayLines(const DisplayTexts& texts, Output& out);

} // namespace orlun::cli

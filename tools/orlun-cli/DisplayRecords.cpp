#include "DisplayRecords.h"

namespace orlun::cli {

const Table kDisplayLinesTable{"lines", {{"caption"}, {"value"}}};

Record DisplayLineRecord(const DisplayLine& line) { return {{line.caption, line.value}}; }

void WriteDisplayLines(const DisplayTexts& texts, Output& out)
{
    out.Begin(kDisplayLinesTable);
    for (const DisplayLine* line : texts.Lines()) out.Write(DisplayLineRecord(*line));
}

} // namespace orlun::cli

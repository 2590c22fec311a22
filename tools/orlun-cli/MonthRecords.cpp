#include "MonthRecords.h"

#include "calendar/monthview/MonthGrid.h"
#include "calendar/western/DatePr2.h"
#include "days/DayRecords.h"

namespace orlun::cli {

const Table kMonthCellsTable{"calendar", {{"row"}, {"day"}, {"ce"}, {"ce_text"}, {"arc"}}};

void WriteMonthCells(const MonthView& view, Output& out)
{
    out.Begin(kMonthCellsTable);
    for (const MonthViewCell& c : view.cells)
        out.Write({{int64_t{CellRow(c.cell)}, int64_t{c.day}, IsoDateText(GregorianDate(DayNumber(c.jdn))), c.ceText,
                    c.arcText}});
}

} // namespace orlun::cli

#include "MonthRecords.h"

#include "calendar/monthview/MonthGrid.h"
#include "calendar/western/DatePr2.h"
#include "days/DayRecords.h"

namespace orlun::cli {

const Table kMonthCellsTable{"calendar", {{"row"}, {"day"}, {"ce"}, {"ce_text"}, {"arc"}}};

void WriteMonthCells(const MonthView& view, const std::optional<NativeMonth>& native, Output& out)
{
    out.Begin(native ? WithNativeFields(kMonthCellsTable, kNativeCellFields) : kMonthCellsTable);
    for (const MonthViewCell& c : view.cells) {
        Record record{{int64_t{CellRow(c.cell)}, int64_t{c.day}, IsoDateText(GregorianDate(DayNumber(c.jdn))), c.ceText,
                       c.arcText}};
        if (native) {
            record.values.emplace_back(NativeCellDay(*native, c.day));
            record.values.emplace_back(NativeCellRokuyo(*native, c.day));
        }
        out.Write(record);
    }
}

} // namespace orlun::cli

#include "MonthRecords.h"

#include "NativeRecords.h"
#include "calendar/monthview/MonthGrid.h"
#include "calendar/western/DatePr2.h"
#include "days/DayRecords.h"

namespace orlun::cli {

const Table kMonthCellsTable{"calendar", {{"row"}, {"day"}, {"ce"}, {"ce_text"}, {"arc"}}};

std::string CellDayLabel(const MonthView& view, const MonthViewCell& cell)
{
    // English numbers the day without the grid's padding ("7 ").
    if (!NativeOf(view.language)) return std::to_string(cell.day);
    return cell.noteText.empty() ? cell.dayText : cell.dayText + " " + cell.noteText;
}

void WriteMonthCells(const MonthView& view, Output& out)
{
    const bool native = NativeOf(view.language).has_value();
    out.Begin(WithNativeFields(kMonthCellsTable, view.language, kNativeCellFields));
    for (const MonthViewCell& c : view.cells) {
        Record record{{int64_t{CellRow(c.cell)}, int64_t{c.day}, IsoDateText(GregorianDate(DayNumber(c.jdn))), c.ceText,
                       c.arcText}};
        if (native) {
            record.values.emplace_back(c.dayText);
            record.values.emplace_back(c.noteText);
        }
        out.Write(record);
    }
}

} // namespace orlun::cli

// The Moon pictures of the month's cells: day1.gif .. day32.gif from the picture folder, picture
// i + 1 for cell i. Cells 7 and 23 never show a day and get none.
#pragma once

#include <QPixmap>
#include <QString>
#include <array>

#include "calendar/monthview/MonthGrid.h"

namespace orlun::draw {

class DayPictures {
public:
    // Reads the picture of every cell that can show a day; on failure names the file that could
    // not be read in `failed` and returns false (the pictures read so far stay).
    bool Load(const QString& folder, QString& failed);
    // The picture of a cell; a null pixmap when it has none.
    const QPixmap& Of(int cell) const;

private:
    std::array<QPixmap, kGridCells> pictures_{};
};

} // namespace orlun::draw

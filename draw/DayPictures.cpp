#include "draw/DayPictures.h"

namespace orlun::draw {

bool DayPictures::Load(const QString& folder, QString& failed)
{
    for (int i = 0; i < kGridCells; ++i) {
        if (!CellVisible(i, 30)) continue; // cells 7 and 23 never show a day
        const QString path = folder + QString("day%1.gif").arg(PictureNumberOfCell(i));
        const QPixmap picture(path);
        if (picture.isNull()) {
            failed = path;
            return false;
        }
        pictures_[i] = picture;
    }
    return true;
}

const QPixmap& DayPictures::Of(int cell) const
{
    static const QPixmap none;
    return cell >= 0 && cell < kGridCells ? pictures_[cell] : none;
}

} // namespace orlun::draw

// The pictures the main window shows: the Moon, masked to its lit shape, and the stem and branch
// characters. They are read from the "images" folder beside the program.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "draw/PictureFolder.h"

namespace orlun::app {

// The picture folder, shared with orlun-cli.
using draw::PictureFolder;

// The Moon picture of illumination w (0..1) for the country's picture suffix ("", "_vn", "_jp"),
// its background painted in the colour. A null image when the picture file cannot be read.
QImage MoonImage(const QString& folder, const QString& suffix, double w, bool waxing,
                 const QColor& background);

// The picture of stem 1..10 or branch 1..12; a null pixmap when it cannot be read.
QPixmap StemPicture(const QString& folder, int stem);
QPixmap BranchPicture(const QString& folder, int branch);

} // namespace orlun::app

// Saving a drawn calendar month as a PNG file: the picture is written as a BMP file beside the
// chosen name and converted by the image-conversion library, as the window and orlun-cli do.
#pragma once

#include <QImage>
#include <QString>

namespace orlun::app {

enum class MonthImageOutcome {
    Png,     // the PNG file has been written; the BMP file is gone
    BmpOnly, // the conversion failed; the picture stays in the BMP file
    Failed,  // not even the BMP file could be written
};

struct MonthImageResult {
    MonthImageOutcome outcome = MonthImageOutcome::Failed;
    QString path;   // the PNG file, or the BMP file that holds the picture
    QString reason; // the conversion's message when it failed
};

// The name with ".png" added when it does not end in it (any case).
QString WithPngSuffix(const QString& path);
// The PNG path with its last three characters replaced by "bmp".
QString BmpPathOf(const QString& pngPath);

// Writes the picture to pngPath (which must end in ".png"). A file that already has the BMP name
// is never overwritten: the picture then goes through a new file name beside it.
MonthImageResult SaveMonthImage(const QImage& picture, const QString& pngPath);

} // namespace orlun::app

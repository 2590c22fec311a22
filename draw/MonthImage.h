// Saving a drawn calendar month as a PNG file: the picture is written as a BMP file beside the
// chosen name and converted by the image-conversion library, as the window and orlun-cli do.
// Every file goes through the checked write; a file the user already has is never removed.
#pragma once

#include <QImage>
#include <QString>

namespace orlun::draw {

enum class MonthImageOutcome {
    Png,     // the PNG file has been written; the BMP file is gone
    BmpOnly, // the conversion failed; the picture stays in the BMP file, which reads back whole
    Failed,  // nothing was saved
};

struct MonthImageResult {
    MonthImageOutcome outcome = MonthImageOutcome::Failed;
    QString path;   // the PNG file, or the BMP file that holds the picture
    QString reason; // when not Png: which file or folder could not be written and the system's reason, as a sentence
};

// The name with ".png" added when it does not end in it (any case).
QString WithPngSuffix(const QString& path);
// The PNG path with its last three characters replaced by "bmp".
QString BmpPathOf(const QString& pngPath);

// Writes the picture to pngPath (which must end in ".png"). A file that already has the BMP name
// is never overwritten: the picture then goes through a new file name beside it.
MonthImageResult SaveMonthImage(const QImage& picture, const QString& pngPath);

// The user's message for a failed save: the window's text and a line saying what went wrong.
QString SaveFailureText(const MonthImageResult& result);
// The user's message for a save that fell back to the BMP file, with the reason.
QString BmpFallbackText(const MonthImageResult& result);

} // namespace orlun::draw

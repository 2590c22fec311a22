// Saving a drawn calendar month as a PNG file (or BMP or JPEG, by the name's extension): the picture
// is written as a BMP step to a temporary file beside the chosen name and converted by the
// image-conversion library, as the window and orlun-cli do. Every file goes through the checked
// write; a file the user already has is never removed.
#pragma once

#include <QImage>
#include <QString>

namespace orlun::draw {

enum class MonthImageOutcome {
    Png,     // the image file has been written; the BMP step is gone
    BmpOnly, // the conversion failed; the picture is kept in the BMP file beside, which reads back whole
    Failed,  // nothing was saved
};

struct MonthImageResult {
    MonthImageOutcome outcome = MonthImageOutcome::Failed;
    QString path;   // the PNG file, or the BMP file that holds the picture
    QString reason; // when not Png: which file or folder could not be written and the system's reason, as a sentence
};

// The name with ".png" added when it does not end in it (any case).
QString WithPngSuffix(const QString& path);
// The image's path with its extension (or, without one, with ".bmp" added) made "bmp".
QString BmpPathOf(const QString& imagePath);

// Writes the picture to imagePath, in the format its extension names (PNG unless .bmp, .jpg or
// .jpeg). When the conversion fails the picture is kept as the BMP file beside (BmpPathOf); a file
// that already has that name is never overwritten: a new name beside it is taken instead.
MonthImageResult SaveMonthImage(const QImage& picture, const QString& imagePath);

// The user's message for a failed save: the window's text and a line saying what went wrong.
QString SaveFailureText(const MonthImageResult& result);
// The user's message for a save that fell back to the BMP file, with the reason.
QString BmpFallbackText(const MonthImageResult& result);

} // namespace orlun::draw

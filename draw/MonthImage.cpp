#include "draw/MonthImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <cstdio>
#include <string_view>
#include <variant>

#include "engine/imgconv.h"
#include "io/OutputFile.h"

namespace orlun::draw {

QString WithPngSuffix(const QString& path)
{
    return path.endsWith(".png", Qt::CaseInsensitive) ? path : path + ".png";
}

QString BmpPathOf(const QString& imagePath)
{
    // The extension of the name alone, never a dot of a folder.
    const qsizetype slash = imagePath.lastIndexOf('/');
    const qsizetype dot = imagePath.lastIndexOf('.');
    return (dot > slash + 1 ? imagePath.left(dot) : imagePath) + ".bmp";
}

namespace {

// The BMP file to write: the PNG's name with "bmp", or a fresh name when that file exists (the
// fresh file is made empty at once, so that no one else takes the name; it is ours to remove).
struct BmpTarget {
    QString path;
    bool reserved = false;
    QString error; // why no name could be had
};

BmpTarget FreeBmpPath(const QString& pngPath)
{
    const QString bmp = BmpPathOf(pngPath);
    if (!QFileInfo::exists(bmp) && !QFileInfo(bmp).isSymLink()) return {bmp, false, {}};
    QTemporaryFile file(bmp.chopped(4) + "-XXXXXX.bmp");
    file.setAutoRemove(false);
    if (!file.open())
        return {{}, false, "The folder " + QFileInfo(bmp).absolutePath() + " does not take a new file (" +
                                file.errorString() + ")"};
    return {file.fileName(), true, {}};
}

std::string_view View(const QByteArray& bytes) { return {bytes.constData(), static_cast<size_t>(bytes.size())}; }

// The picture as BMP bytes in a temporary file beside the image (io/TemporaryFiles names it, so that
// a crashed save is cleared by the next write there): its name, or why not.
struct BmpStep {
    QString path;
    QString error;
};

BmpStep WriteBmp(const QImage& picture, const QString& imagePath)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "BMP"))
        return {{}, "The picture could not be encoded as BMP"};
    // Named, in a failure, as the BMP file beside the image, which is what the step stands for.
    const auto written = io::WriteTemporaryBeside(QFile::encodeName(BmpPathOf(imagePath)).toStdString(), View(bytes));
    if (const auto* failure = std::get_if<io::WriteFailure>(&written))
        return {{}, QString::fromLocal8Bit(io::Describe(*failure).c_str())};
    return {QFile::decodeName(std::get<std::string>(written).c_str()), {}};
}

// The BMP is offered to the user only when it reads back as the picture's size.
bool ReadsBack(const QString& bmp, const QSize& size)
{
    QImageReader reader(bmp, "BMP");
    const QImage image = reader.read();
    return !image.isNull() && image.size() == size;
}

} // namespace

namespace {

// After a failed conversion the picture is kept as the BMP file beside the image, if it reads back.
MonthImageResult KeepBmp(const QString& temporary, const QImage& picture, const QString& imagePath,
                         const QString& conversion)
{
    if (!ReadsBack(temporary, picture.size())) {
        QFile::remove(temporary); // written by us moments ago, and unusable
        return {MonthImageOutcome::Failed, imagePath, conversion};
    }
    const BmpTarget bmp = FreeBmpPath(imagePath);
    if (bmp.path.isEmpty() || ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(bmp.path).constData()) != 0) {
        QFile::remove(temporary);
        if (bmp.reserved) QFile::remove(bmp.path); // the empty file we made; never the user's
        return {MonthImageOutcome::Failed, imagePath, conversion};
    }
    return {MonthImageOutcome::BmpOnly, bmp.path, conversion};
}

} // namespace

MonthImageResult SaveMonthImage(const QImage& picture, const QString& imagePath)
{
    if (picture.isNull()) return {MonthImageOutcome::Failed, imagePath, "Nothing was drawn"};
    const BmpStep bmp = WriteBmp(picture, imagePath);
    if (bmp.path.isEmpty()) return {MonthImageOutcome::Failed, imagePath, bmp.error};
    char message[kImgconvMessageSize] = {};
    convert_graphics_file_3(QFile::encodeName(bmp.path).constData(), QFile::encodeName(imagePath).constData(),
                            message);
    const QString conversion = QString::fromLocal8Bit(message);
    if (conversion != kImgconvNoError) return KeepBmp(bmp.path, picture, imagePath, conversion);
    QFile::remove(bmp.path);
    return {MonthImageOutcome::Png, imagePath, {}};
}

QString SaveFailureText(const MonthImageResult& result)
{
    return "Error when attempting to save image.  Please try again.\n" + result.reason + "\nNothing was saved.";
}

QString BmpFallbackText(const MonthImageResult& result)
{
    return "Save error.  The image has been saved instead in the BMP file\n" + result.path + "\n" + result.reason;
}

} // namespace orlun::draw

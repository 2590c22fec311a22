#include "draw/MonthImage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <string_view>

#include "engine/imgconv.h"
#include "io/CheckedWrite.h"

namespace orlun::draw {

QString WithPngSuffix(const QString& path)
{
    return path.endsWith(".png", Qt::CaseInsensitive) ? path : path + ".png";
}

QString BmpPathOf(const QString& pngPath) { return pngPath.left(pngPath.size() - 3) + "bmp"; }

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

// The picture as BMP bytes in memory, written through the checked write.
std::optional<QString> WriteBmp(const QImage& picture, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "BMP"))
        return QString("The picture could not be encoded as BMP");
    if (const auto failure = io::ReplaceFileContents(QFile::encodeName(path).toStdString(), View(bytes)))
        return QString::fromLocal8Bit(io::Describe(*failure).c_str());
    return std::nullopt;
}

// The BMP is offered to the user only when it reads back as the picture's size.
bool ReadsBack(const QString& bmp, const QSize& size)
{
    QImageReader reader(bmp, "BMP");
    const QImage image = reader.read();
    return !image.isNull() && image.size() == size;
}

} // namespace

MonthImageResult SaveMonthImage(const QImage& picture, const QString& pngPath)
{
    if (picture.isNull()) return {MonthImageOutcome::Failed, pngPath, "Nothing was drawn"};
    const BmpTarget bmp = FreeBmpPath(pngPath);
    if (bmp.path.isEmpty()) return {MonthImageOutcome::Failed, pngPath, bmp.error};
    if (const auto reason = WriteBmp(picture, bmp.path)) {
        if (bmp.reserved) QFile::remove(bmp.path); // the empty file we made; never the user's
        return {MonthImageOutcome::Failed, bmp.path, *reason};
    }
    char message[kImgconvMessageSize] = {};
    convert_graphics_file_3(QFile::encodeName(bmp.path).constData(), QFile::encodeName(pngPath).constData(),
                            message);
    const QString conversion = QString::fromLocal8Bit(message);
    if (conversion == kImgconvNoError) {
        QFile::remove(bmp.path);
        return {MonthImageOutcome::Png, pngPath, {}};
    }
    if (ReadsBack(bmp.path, picture.size())) return {MonthImageOutcome::BmpOnly, bmp.path, conversion};
    QFile::remove(bmp.path); // written by us moments ago, and unusable
    return {MonthImageOutcome::Failed, pngPath, conversion};
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

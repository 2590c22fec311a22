#include "app/month/MonthImage.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "engine/imgconv.h"

namespace orlun::app {

QString WithPngSuffix(const QString& path)
{
    return path.endsWith(".png", Qt::CaseInsensitive) ? path : path + ".png";
}

QString BmpPathOf(const QString& pngPath) { return pngPath.left(pngPath.size() - 3) + "bmp"; }

namespace {

// The BMP file to write: the PNG's name with "bmp", or a fresh name when that file exists.
QString FreeBmpPath(const QString& pngPath)
{
    const QString bmp = BmpPathOf(pngPath);
    if (!QFileInfo::exists(bmp)) return bmp;
    QTemporaryFile file(BmpPathOf(pngPath).chopped(4) + "-XXXXXX.bmp");
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

} // namespace

MonthImageResult SaveMonthImage(const QImage& picture, const QString& pngPath)
{
    MonthImageResult result;
    const QString bmp = FreeBmpPath(pngPath);
    if (picture.isNull() || bmp.isEmpty() || !picture.save(bmp, "BMP")) {
        if (!bmp.isEmpty()) QFile::remove(bmp); // a new file of ours, perhaps half written
        result.path = bmp.isEmpty() ? BmpPathOf(pngPath) : bmp;
        return result;
    }
    char message[kImgconvMessageSize] = {};
    convert_graphics_file_3(QFile::encodeName(bmp).constData(), QFile::encodeName(pngPath).constData(),
                            message);
    if (QString::fromLocal8Bit(message) == kImgconvNoError) {
        QFile::remove(bmp);
        return {MonthImageOutcome::Png, pngPath, {}};
    }
    QFile::remove(pngPath); // whatever the conversion left; a failure to delete is ignored
    return {MonthImageOutcome::BmpOnly, bmp, QString::fromLocal8Bit(message)};
}

} // namespace orlun::app

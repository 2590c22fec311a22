#include "app/main/Pictures.h"

#include "calendar/astro/MoonPicture.h"

namespace orlun::app {

namespace {

QString Numbered(const char* stem, int n)
{
    return QString("%1%2.png").arg(QLatin1String(stem)).arg(n, 2, 10, QChar('0'));
}

} // namespace

QImage MoonImage(const QString& folder, const QString& suffix, double w, bool waxing,
                 const QColor& background)
{
    const QString stem = QString::fromStdString(MoonPictureStem(w, waxing));
    QImage loaded(folder + stem + suffix + ".bmp");
    if (loaded.isNull()) return {};
    const QImage rgb = loaded.convertToFormat(QImage::Format_RGB32);

    RgbPicture picture;
    picture.width = rgb.width();
    picture.height = rgb.height();
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[static_cast<size_t>(y) * picture.width + x] = rgb.pixel(x, y) & 0xFFFFFF;

    PaintMoonPicture(picture, w, waxing, background.rgb() & 0xFFFFFF);

    QImage out(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) out.setPixel(x, y, 0xFF000000u | picture.At(x, y));
    return out;
}

QPixmap StemPicture(const QString& folder, int stem) { return QPixmap(folder + Numbered("stem", stem)); }

QPixmap BranchPicture(const QString& folder, int branch)
{
    return QPixmap(folder + Numbered("branch", branch));
}

} // namespace orlun::app

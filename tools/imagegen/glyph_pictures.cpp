#include "glyph_pictures.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <vector>

namespace imagegen {

namespace {

// Families of the Debian package fonts-noto-cjk, in order of preference.
constexpr std::array kFamilies{"Noto Sans CJK SC", "Noto Serif CJK SC", "Noto Sans CJK TC",
                               "Noto Sans CJK JP"};

// Pixel size of the font; the ink of a CJK character fills about 90 % of it.
constexpr int kPixelSize = 32;
// The ink box is scaled down if it would come closer than this to an edge.
constexpr double kMargin = 3.0;

bool holdsAll(const QRawFont& font) {
    for (const QChar ch : kStems + kBranches)
        if (!font.supportsCharacter(ch)) return false;
    return true;
}

// Blurs the alpha of `image` with three passes of a 3 x 3 box, which is
// close enough to a Gaussian of about one pixel.
QImage softened(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const int w = out.width(), h = out.height();
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<int> alpha(static_cast<std::size_t>(w * h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) alpha[static_cast<std::size_t>(y * w + x)] = qAlpha(out.pixel(x, y));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int xx = std::clamp(x + dx, 0, w - 1), yy = std::clamp(y + dy, 0, h - 1);
                        sum += alpha[static_cast<std::size_t>(yy * w + xx)];
                    }
                const QRgb c = out.pixel(x, y);
                out.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), sum / 9));
            }
        }
    }
    return out;
}

}  // namespace

std::optional<QRawFont> findStemBranchFont() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kFamilies) {
        if (!installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) continue;
        QFont font(QString::fromLatin1(family));
        font.setPixelSize(kPixelSize);
        font.setWeight(QFont::Bold);
        font.setStyleStrategy(QFont::NoFontMerging);
        QRawFont raw = QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese);
        // A fallback engine could hold the glyphs under another name; only
        // the family asked for is accepted, so the look does not drift.
        if (raw.isValid() && raw.familyName().compare(QString::fromLatin1(family), Qt::CaseInsensitive) == 0 &&
            holdsAll(raw))
            return raw;
    }
    return std::nullopt;
}

QImage drawStemBranch(const QRawFont& font, QChar ch) {
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(ch));
    QPainterPath path = font.pathForGlyph(glyphs.value(0));

    // Centre the ink, not the advance box: the characters differ a lot in
    // how much of the em square they use.
    const QRectF ink = path.boundingRect();
    const double room = kGlyphSize - 2.0 * kMargin;
    const double scale = std::min({1.0, room / ink.width(), room / ink.height()});
    QTransform place;
    place.translate(kGlyphSize / 2.0, kGlyphSize / 2.0);
    place.scale(scale, scale);
    place.translate(-ink.center().x(), -ink.center().y());
    path = place.map(path);

    QImage shadow(kGlyphSize, kGlyphSize, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0), 1.6));
        p.setBrush(QColor(0, 0, 0));
        p.translate(1.0, 1.2);
        p.drawPath(path);
    }
    shadow = softened(shadow);

    QImage image(kGlyphSize, kGlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.85);
    p.drawImage(0, 0, shadow);
    p.setOpacity(1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(path);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace imagegen

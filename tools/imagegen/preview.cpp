#include "preview.h"

#include <QPainter>

#include <algorithm>

#include "countries.h"
#include "glyph_pictures.h"
#include "moon_pictures.h"

namespace imagegen {

namespace {

constexpr int kGap = 6;
// Glyph pictures overlap a little on the sheet: their margins are empty.
constexpr int kGlyphPitch = kGlyphSize - 4;

QImage withKeyReplaced(const QImage& image, const QColor& colour) {
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (out.pixel(x, y) == kDarkMoonKey.rgb()) out.setPixel(x, y, colour.rgb());
    return out;
}

}  // namespace

QImage contactSheet(const std::vector<NamedPicture>& moons, const std::vector<NamedPicture>& glyphs, int scale) {
    constexpr int kMoonsPerCountry = 4;
    constexpr int kGlyphsPerRow = 12;
    const int width = std::max(kGap + kMoonsPerCountry * (kMoonSize + kGap), 2 * kGap + kGlyphsPerRow * kGlyphPitch);
    const int glyphRows = (static_cast<int>(glyphs.size()) + kGlyphsPerRow - 1) / kGlyphsPerRow;
    const int band = kGap + kMoonSize + kGap + glyphRows * kGlyphPitch + kGap;
    QImage sheet(width, band * static_cast<int>(kCountries.size()), QImage::Format_RGB32);

    QPainter p(&sheet);
    for (std::size_t c = 0; c < kCountries.size(); ++c) {
        const QColor colour = kCountries[c].colour;
        const int top = static_cast<int>(c) * band;
        p.fillRect(0, top, width, band, colour);
        for (int m = 0; m < kMoonsPerCountry; ++m) {
            const QImage& moon = moons[c * kMoonsPerCountry + static_cast<std::size_t>(m)].image;
            p.drawImage(kGap + m * (kMoonSize + kGap), top + kGap, withKeyReplaced(moon, colour));
        }
        for (std::size_t g = 0; g < glyphs.size(); ++g) {
            const int row = static_cast<int>(g) / kGlyphsPerRow, col = static_cast<int>(g) % kGlyphsPerRow;
            p.drawImage(kGap + col * kGlyphPitch, top + 2 * kGap + kMoonSize + row * kGlyphPitch,
                        glyphs[g].image);
        }
    }
    p.end();
    return sheet.scaled(sheet.width() * scale, sheet.height() * scale, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

}  // namespace imagegen

#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <vector>

namespace imagegen {

namespace {

constexpr int kTransparentIndex = 0;
constexpr int kPaletteSize = 256;

// The most frequent colours, each the mean of the pixels that share its 4-bit-per-channel
// bucket; a grey Moon needs far fewer than 255.
std::vector<QRgb> choosePalette(const QImage& image) {
    struct Bucket {
        long r = 0, g = 0, b = 0, n = 0;
    };
    std::map<int, Bucket> buckets;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 128) continue;
            Bucket& b = buckets[(qRed(c) >> 4) << 8 | (qGreen(c) >> 4) << 4 | (qBlue(c) >> 4)];
            b.r += qRed(c), b.g += qGreen(c), b.b += qBlue(c), ++b.n;
        }
    std::vector<Bucket> sorted;
    for (const auto& [key, b] : buckets) sorted.push_back(b);
    std::stable_sort(sorted.begin(), sorted.end(), [](const Bucket& a, const Bucket& b) { return a.n > b.n; });
    std::vector<QRgb> palette;
    for (const Bucket& b : sorted) {
        if (static_cast<int>(palette.size()) == kPaletteSize - 1) break;
        palette.push_back(qRgb(static_cast<int>(b.r / b.n), static_cast<int>(b.g / b.n), static_cast<int>(b.b / b.n)));
    }
    return palette;
}

GifByteType nearest(const std::vector<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                   db = qBlue(c) - qBlue(palette[i]);
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) bestDistance = d, best = i;
    }
    return static_cast<GifByteType>(best + 1);  // index 0 is the transparent colour
}

// giflib's output callback: appends to the QByteArray behind UserData.
int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

}  // namespace

std::optional<QByteArray> encodeGif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const std::vector<QRgb> palette = choosePalette(image);

    std::vector<GifColorType> colours(kPaletteSize, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i + 1] = GifColorType{static_cast<GifByteType>(qRed(palette[i])),
                                      static_cast<GifByteType>(qGreen(palette[i])),
                                      static_cast<GifByteType>(qBlue(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(kPaletteSize, colours.data());
    if (!map) return std::nullopt;

    // Encoded in memory; the file is written by the checked write, like every other file.
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return std::nullopt;
    }
    EGifSetGifVersion(gif, true);  // GIF89a, for the transparent colour
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK;
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, kTransparentIndex};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    std::vector<GifByteType> line(static_cast<size_t>(image.width()));
    for (int y = 0; ok && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            line[static_cast<size_t>(x)] = qAlpha(c) < 128 ? kTransparentIndex : nearest(palette, c);
        }
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok) return std::nullopt;
    return bytes;
}

}  // namespace imagegen

#include "calendar/astro/MoonPicture.h"

#include <cmath>

namespace orlun {

namespace {

// The disc and its terminator: pixel (x, y) lies outside the disc when
// (x - cx)^2 + (cy - y)^2 > r^2, and beyond the terminator ellipse of half-width r*q when
// (r^2 - (cy - y)^2) q^2 <= (x - cx)^2.
struct Disc {
    int cx;
    int cy;
    int r;
    double RowSquare(int y) const { return double(r) * r - double(cy - y) * (cy - y); }
};

void MaskOutsideDisc(RgbPicture& p, const Disc& d, uint32_t background)
{
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (double(x - d.cx) * (x - d.cx) + double(d.cy - y) * (d.cy - y) > double(d.r) * d.r)
                p.Set(x, y, background);
}

// Paints the columns from cx towards lastColumn (inclusive) where inside(x, y) holds.
template <class Inside>
void PaintColumns(RgbPicture& p, const Disc& d, int lastColumn, uint32_t background, Inside inside)
{
    const int step = lastColumn >= d.cx ? 1 : -1;
    for (int x = d.cx;; x += step) {
        for (int y = 0; y < p.height; ++y)
            if (inside(x, y)) p.Set(x, y, background);
        if (x == lastColumn) break;
    }
}

} // namespace

void RgbPicture::Set(int x, int y, uint32_t rgb)
{
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = rgb;
}

std::string MoonPictureStem(double w, bool waxing)
{
    if (w < 0.01) return "darkmoon";
    if (w > 0.49 && w < 0.51) return waxing ? "1stquarter" : "lastquarter";
    if (w > 0.99 || w >= 0.51) return "fullmoon";
    return waxing ? "1stquarter" : "lastquarter";
}

void PaintMoonPicture(RgbPicture& p, double w, bool waxing, uint32_t background)
{
    const int maxX = kMoonPictureSize;
    const int maxY = kMoonPictureSize;
    if (w < 0.01) {
        for (uint32_t& px : p.pixels)
            if (px == kDarkMoonKey) px = background;
        return;
    }
    if ((w > 0.49 && w < 0.51) || w > 0.99) return; // the pictures as they are
    const double q = std::fabs(2 * w - 1);
    const double q2 = q * q;
    if (w >= 0.51) {
        // Gibbous: the full disc, cut back on the dark side by the terminator ellipse.
        const Disc d{maxX / 2, maxY / 2 + 1, maxX / 2};
        MaskOutsideDisc(p, d, background);
        PaintColumns(p, d, waxing ? 0 : maxX, background, [&](int x, int y) {
            return d.RowSquare(y) * q2 <= double(x - d.cx) * (x - d.cx);
        });
        return;
    }
    // Crescent: the lit half of a quarter picture, its inner part inside the ellipse painted.
    const Disc d = waxing ? Disc{maxX / 2, maxY / 2 + 1, maxX / 2}
                          : Disc{maxX / 2 + 2, maxY / 2, maxX / 2 + 2};
    MaskOutsideDisc(p, d, background);
    PaintColumns(p, d, waxing ? maxX : 0, background, [&](int x, int y) {
        return d.RowSquare(y) * q2 > double(x - d.cx) * (x - d.cx);
    });
}

} // namespace orlun

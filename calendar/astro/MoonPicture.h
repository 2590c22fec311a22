// The picture of the Moon: which of the four pictures shows an illumination, and how its disc is
// masked to the lit shape. Works on plain 0xRRGGBB pixels so that it needs no window toolkit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orlun {

// A picture as rows of 0xRRGGBB pixels.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // row by row, width * height

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void Set(int x, int y, uint32_t rgb);   // ignores pixels outside the picture
};

// The picture box measures 89 by 89 pixels.
constexpr int kMoonPictureSize = 89;

// The key colour of the dark-moon pictures, repainted in the background colour: the colour value
// 200, that is red 200, green 0, blue 0.
constexpr uint32_t kDarkMoonKey = 0xC80000;

// The stem of the picture file for an illumination w (0..1): "darkmoon" below 0.01, "fullmoon"
// above 0.99 and for gibbous phases, "1stquarter" / "lastquarter" for quarters and crescents.
std::string MoonPictureStem(double w, bool waxing);

// Masks the loaded picture (of MoonPictureStem) to the lit shape of illumination w, painting the
// rest in the background colour (0xRRGGBB).
void PaintMoonPicture(RgbPicture& picture, double w, bool waxing, uint32_t background);

} // namespace orlun

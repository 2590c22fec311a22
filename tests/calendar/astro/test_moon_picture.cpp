// The Moon picture: which picture shows an illumination and how its disc is masked.
#include <gtest/gtest.h>

#include "calendar/astro/MoonPicture.h"

using namespace orlun;

namespace {

constexpr uint32_t kLit = 0xEEEEDD;
constexpr uint32_t kBackground = 0xC00000; // China
constexpr int kSize = kMoonPictureSize;

// A picture lit everywhere: what remains lit after masking is the shape of the mask.
RgbPicture Lit()
{
    RgbPicture p;
    p.width = p.height = kSize;
    p.pixels.assign(kSize * kSize, kLit);
    return p;
}

int LitInRow(const RgbPicture& p, int y, int x0, int x1)
{
    int n = 0;
    for (int x = x0; x <= x1; ++x) n += p.At(x, y) == kLit;
    return n;
}

} // namespace

TEST(MoonPicture, PictureChoice)
{
    EXPECT_EQ(MoonPictureStem(0.0, true), "darkmoon");
    EXPECT_EQ(MoonPictureStem(0.0099, false), "darkmoon");
    EXPECT_EQ(MoonPictureStem(0.01, true), "1stquarter");  // waxing crescent
    EXPECT_EQ(MoonPictureStem(0.01, false), "lastquarter"); // waning crescent
    EXPECT_EQ(MoonPictureStem(0.49, true), "1stquarter");
    EXPECT_EQ(MoonPictureStem(0.5, true), "1stquarter");
    EXPECT_EQ(MoonPictureStem(0.5, false), "lastquarter");
    EXPECT_EQ(MoonPictureStem(0.51, false), "fullmoon"); // gibbous
    EXPECT_EQ(MoonPictureStem(0.99, true), "fullmoon");
    EXPECT_EQ(MoonPictureStem(1.0, true), "fullmoon");
}

TEST(MoonPicture, DarkMoonRepaintsOnlyTheKeyColour)
{
    RgbPicture p;
    p.width = p.height = 2;
    p.pixels = {kDarkMoonKey, 0x282828, 0xC80001, kDarkMoonKey};
    PaintMoonPicture(p, 0.0, true, 0x008000);
    EXPECT_EQ(p.pixels, (std::vector<uint32_t>{0x008000, 0x282828, 0xC80001, 0x008000}));
}

TEST(MoonPicture, QuartersAndFullMoonAreShownAsTheyAre)
{
    for (double w : {0.495, 0.5, 0.505, 0.995, 1.0}) {
        RgbPicture p = Lit();
        PaintMoonPicture(p, w, true, kBackground);
        EXPECT_EQ(LitInRow(p, 44, 0, kSize - 1), kSize) << w;
    }
}

TEST(MoonPicture, WaxingCrescentKeepsARimOnTheRight)
{
    RgbPicture p = Lit();
    PaintMoonPicture(p, 0.2, true, kBackground); // q = 0.6
    // The corners lie outside the disc.
    EXPECT_EQ(p.At(0, 0), kBackground);
    EXPECT_EQ(p.At(kSize - 1, kSize - 1), kBackground);
    // Centre row (cy = 45): the inner 0.6 r of the right half is painted, the rim stays lit.
    // The left half is left as the quarter picture has it (lit here, dark in the real picture).
    EXPECT_EQ(p.At(44, 45), kBackground);
    EXPECT_EQ(p.At(44 + 26, 45), kBackground); // 26^2 < (0.6*44)^2 = 696.96
    EXPECT_EQ(p.At(44 + 27, 45), kLit);        // 27^2 = 729 > 696.96
    EXPECT_EQ(p.At(88, 45), kLit);             // on the limb: 44^2 = r^2, not outside
    EXPECT_EQ(p.At(10, 45), kLit);
}

TEST(MoonPicture, WaningGibbousCutsBackTheRightSide)
{
    RgbPicture p = Lit();
    PaintMoonPicture(p, 0.8, false, kBackground); // q = 0.6
    // Left half untouched inside the disc; on the right, beyond 0.6 r, painted.
    EXPECT_EQ(p.At(5, 45), kLit);
    EXPECT_EQ(p.At(44, 45), kLit);
    EXPECT_EQ(p.At(44 + 26, 45), kLit);
    EXPECT_EQ(p.At(44 + 27, 45), kBackground);
    // Top row of the disc (y = 1, cy - y = 44): r^2 - 44^2 = 0, so every column right of the
    // centre, the centre itself included, is painted.
    EXPECT_EQ(p.At(44, 1), kBackground);
    EXPECT_EQ(LitInRow(p, 1, 44, kSize - 1), 0);
}

TEST(MoonPicture, WaningCrescentUsesItsOwnCentre)
{
    RgbPicture p = Lit();
    PaintMoonPicture(p, 0.1, false, kBackground); // q = 0.8, centre (46, 44), r = 46
    // Centre row 44: columns 46 down to 0 painted where (46^2)(0.64) > (x-46)^2, i.e. |x-46| < 36.8.
    EXPECT_EQ(p.At(46, 44), kBackground);
    EXPECT_EQ(p.At(10, 44), kBackground); // |x-46| = 36
    EXPECT_EQ(p.At(9, 44), kLit);         // 37
    EXPECT_EQ(p.At(0, 44), kLit);         // on the limb
    // Right of the centre nothing is painted inside the disc.
    EXPECT_EQ(p.At(80, 44), kLit);
}

// The calendar month window's day pictures: 32 real GIF files of 48 x 48 pixels, each a disc
// on a transparent background, their lit share following the lunar day of their cell.
#include <gtest/gtest.h>
#include <gif_lib.h>

#include <string>

#include "calendar/monthview/MonthGrid.h"

namespace {

struct Decoded {
    int width = 0, height = 0, transparent = 0, bright = 0;
    bool ok = false;
};

Decoded DecodeGif(const std::string& path)
{
    Decoded d;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) return d;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
        const SavedImage& image = gif->SavedImages[0];
        GraphicsControlBlock control{};
        DGifSavedExtensionToGCB(gif, 0, &control);
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        d.width = gif->SWidth;
        d.height = gif->SHeight;
        for (int i = 0; i < d.width * d.height; ++i) {
            const int index = image.RasterBits[i];
            if (index == control.TransparentColor) ++d.transparent;
            else if (map->Colors[index].Red > 110) ++d.bright;
        }
        d.ok = true;
    }
    DGifCloseFile(gif, &error);
    return d;
}

std::string DayPicture(int n) { return std::string(ORLUN_IMAGES_DIR) + "/day" + std::to_string(n) + ".gif"; }

TEST(DayPictures, EveryFileIsAGifOfTheCellSizeWithATransparentCorner)
{
    for (int n = 1; n <= orlun::kGridCells; ++n) {
        const Decoded d = DecodeGif(DayPicture(n));
        ASSERT_TRUE(d.ok) << DayPicture(n);
        EXPECT_EQ(d.width, 48) << n;
        EXPECT_EQ(d.height, 48) << n;
        // The disc covers about pi/4 of the square; the rest shows the window.
        EXPECT_GT(d.transparent, 400) << n;
        EXPECT_LT(d.transparent, 650) << n;
    }
}

TEST(DayPictures, FullNearTheMiddleOfTheMonthAndDarkAtItsEnds)
{
    // Picture n belongs to cell n - 1: day 1 (cell 0), day 15 (cell 14), day 30 (cell 31).
    const int day1 = DecodeGif(DayPicture(1)).bright;
    const int day15 = DecodeGif(DayPicture(15)).bright;
    const int day30 = DecodeGif(DayPicture(32)).bright;
    EXPECT_GT(day15, 1200);
    EXPECT_LT(day1, 150);
    EXPECT_LT(day30, 150);
}

} // namespace

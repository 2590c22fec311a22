// The pictures drawn at build time, checked against what the main window
// does with them: it loads the Moon pictures by name and suffix, masks the
// lit ones with circles centred at (44, 45) radius 44 and (46, 44) radius 46,
// paints the unlit part in the country colour, and replaces the key colour
// (200, 0, 0) of the dark moon by the country colour. A picture that breaks
// one of these assumptions shows as a cut disc, a hole or a red fringe.
//
// The pictures are read straight from disk with a small BMP reader, so this
// test needs no GUI library. Without ORLUN_IMAGES_DIR it is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Rgb& c) {
        return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
    }
};

constexpr int kMoonSize = 89;
constexpr Rgb kKey{200, 0, 0};
// Where the disc is drawn; pixels well inside this radius belong to it.
constexpr double kDiscX = 44.0, kDiscY = 44.5;

struct Country {
    const char* suffix;
    Rgb colour;
};
constexpr std::array<Country, 3> kCountries{{
    {"", {192, 0, 0}},      // China
    {"_vn", {0, 128, 0}},   // Vietnam
    {"_jp", {64, 64, 224}}, // Japan
}};

struct Bitmap {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // row 0 is the top row
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

std::uint32_t le(const std::vector<unsigned char>& d, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + static_cast<std::size_t>(i)];
    return v;
}

std::vector<unsigned char> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads an uncompressed 24-bit Windows bitmap (bottom-up or top-down rows,
// each padded to four bytes). On failure `error` says why and the result is
// empty.
Bitmap readBmp24(const std::filesystem::path& path, std::string& error) {
    const std::vector<unsigned char> d = readFile(path);
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') {
        error = "not a BMP file";
        return {};
    }
    const std::uint32_t offset = le(d, 10, 4);
    const auto width = static_cast<std::int32_t>(le(d, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(le(d, 22, 4));
    const std::uint32_t bits = le(d, 28, 2), compression = le(d, 30, 4);
    if (bits != 24 || compression != 0) {
        error = "expected 24 bits per pixel, uncompressed; found " + std::to_string(bits) + " bits, compression " +
                std::to_string(compression);
        return {};
    }
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || offset + stride * static_cast<std::size_t>(height) > d.size()) {
        error = "truncated or empty pixel data";
        return {};
    }
    Bitmap bmp{width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
    for (int y = 0; y < height; ++y) {
        const int row = rawHeight < 0 ? y : height - 1 - y;
        const std::size_t base = offset + stride * static_cast<std::size_t>(row);
        for (int x = 0; x < width; ++x) {
            const std::size_t p = base + static_cast<std::size_t>(x) * 3;
            bmp.pixels[static_cast<std::size_t>(y * width + x)] = Rgb{d[p + 2], d[p + 1], d[p]};
        }
    }
    return bmp;
}

double discDistance(int x, int y) { return std::hypot(x - kDiscX, y - kDiscY); }

// Moonlight is grey to ivory; every country colour is strongly saturated.
bool neutral(const Rgb& c, int maxSpread) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) <= maxSpread;
}

class GeneratedImages : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef ORLUN_IMAGES_DIR
        dir_ = ORLUN_IMAGES_DIR;
#else
        GTEST_SKIP() << "ORLUN_IMAGES_DIR is not defined: the generated pictures cannot be found";
#endif
    }

    // Loads stem + suffix + ".bmp" and checks its format; fails the test on error.
    Bitmap moon(const std::string& stem, const char* suffix) {
        const std::filesystem::path path = dir_ / (stem + suffix + ".bmp");
        std::string error;
        Bitmap bmp = readBmp24(path, error);
        EXPECT_TRUE(error.empty()) << path << ": " << error;
        EXPECT_EQ(bmp.width, kMoonSize) << path;
        EXPECT_EQ(bmp.height, kMoonSize) << path;
        return bmp;
    }

    std::filesystem::path dir_;
};

TEST_F(GeneratedImages, MoonPicturesExistAs89By89TwentyFourBitBitmaps) {
    for (const Country& country : kCountries)
        for (const char* stem : {"darkmoon", "1stquarter", "fullmoon", "lastquarter"}) {
            SCOPED_TRACE(std::string(stem) + country.suffix);
            moon(stem, country.suffix);
        }
}

TEST_F(GeneratedImages, DarkMoonKeyColourOnlyAroundAGreyDisc) {
    for (const Country& country : kCountries) {
        const Bitmap bmp = moon("darkmoon", country.suffix);
        if (HasFailure()) return;
        const std::string name = std::string("darkmoon") + country.suffix;
        constexpr std::array<std::pair<int, int>, 4> kCorners{{{0, 0}, {88, 0}, {0, 88}, {88, 88}}};
        for (const auto& [x, y] : kCorners)
            EXPECT_EQ(bmp.at(x, y), kKey) << name << " corner (" << x << ", " << y << ") must be the key colour";

        int keyInside = 0, tinted = 0;
        for (int y = 0; y < kMoonSize; ++y)
            for (int x = 0; x < kMoonSize; ++x) {
                const Rgb c = bmp.at(x, y);
                // A key pixel inside the disc would become a hole in the window's colour.
                if (discDistance(x, y) <= 42.0 && c == kKey && ++keyInside <= 3)
                    ADD_FAILURE() << name << " pixel (" << x << ", " << y << ") inside the disc is the key colour";
                // Any blend of key and disc survives the key replacement as a red fringe.
                if (c != kKey && !neutral(c, 12) && ++tinted <= 3)
                    ADD_FAILURE() << name << " pixel (" << x << ", " << y << ") is " << c
                                  << ": expected the exact key colour or a neutral grey";
            }
        EXPECT_EQ(keyInside, 0) << name << ": key-coloured pixels inside the disc";
        EXPECT_EQ(tinted, 0) << name << ": tinted pixels that would show as a fringe";
        EXPECT_FALSE(bmp.at(44, 44) == kKey) << name << ": the centre must be disc";
    }
}

TEST_F(GeneratedImages, LitDiscsStayInsideTheWindowMasksOnTheCountryColour) {
    for (const Country& country : kCountries)
        for (const char* stem : {"1stquarter", "fullmoon", "lastquarter"}) {
            const Bitmap bmp = moon(stem, country.suffix);
            if (HasFailure()) return;
            const std::string name = std::string(stem) + country.suffix;
            int outside = 0;
            for (int y = 0; y < kMoonSize; ++y)
                for (int x = 0; x < kMoonSize; ++x) {
                    const bool inWaxingMask = (x - 44) * (x - 44) + (45 - y) * (45 - y) <= 44 * 44;
                    const bool inWaningMask = (x - 46) * (x - 46) + (44 - y) * (44 - y) <= 46 * 46;
                    if ((!inWaxingMask || !inWaningMask) && bmp.at(x, y) != country.colour && ++outside <= 3)
                        ADD_FAILURE() << name << " pixel (" << x << ", " << y << ") is " << bmp.at(x, y)
                                      << ", outside a mask circle: expected the country colour " << country.colour;
                }
            EXPECT_EQ(outside, 0) << name << ": disc pixels the window's masks would cut off";
        }
}

// Counts the disc pixels in columns [x0, x1] that are background and that are moonlit.
struct HalfCount {
    int background = 0, lit = 0, total = 0;
};

HalfCount countHalf(const Bitmap& bmp, const Rgb& background, int x0, int x1) {
    HalfCount n;
    for (int y = 0; y < kMoonSize; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (discDistance(x, y) > 42.0) continue;
            ++n.total;
            const Rgb c = bmp.at(x, y);
            if (c == background) ++n.background;
            else if (neutral(c, 48) && (c.r + c.g + c.b) / 3 >= 40) ++n.lit;
        }
    return n;
}

TEST_F(GeneratedImages, QuartersAreLitOnTheSunwardHalfOnly) {
    // The window paints every unlit part in the background colour, and the
    // crescents are cut out of the quarters, so the dark half must be plain
    // background right up to the centre column 44 and the lit half all moonlight.
    struct Case {
        const char* stem;
        int litFrom, litTo, darkFrom, darkTo;
    };
    constexpr Case kCases[] = {
        {"1stquarter", 44, 88, 0, 43},   // waxing: the Sun lights the right side
        {"lastquarter", 0, 44, 45, 88},  // waning: the left side
        {"fullmoon", 0, 88, 0, -1},
    };
    for (const Country& country : kCountries)
        for (const Case& c : kCases) {
            const Bitmap bmp = moon(c.stem, country.suffix);
            if (HasFailure()) return;
            const std::string name = std::string(c.stem) + country.suffix;
            const HalfCount lit = countHalf(bmp, country.colour, c.litFrom, c.litTo);
            EXPECT_EQ(lit.lit, lit.total) << name << " columns " << c.litFrom << "-" << c.litTo << ": " << lit.lit
                                          << " of " << lit.total << " disc pixels moonlit, expected all";
            if (c.darkTo < c.darkFrom) continue;
            const HalfCount dark = countHalf(bmp, country.colour, c.darkFrom, c.darkTo);
            EXPECT_EQ(dark.background, dark.total)
                << name << " columns " << c.darkFrom << "-" << c.darkTo << ": " << dark.background << " of "
                << dark.total << " disc pixels in the country colour " << country.colour << ", expected all";
        }
}

TEST_F(GeneratedImages, StemAndBranchPicturesAre40By40TransparentPngs) {
    constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i) names.push_back((i < 10 ? "stem0" : "stem") + std::to_string(i) + ".png");
    for (int i = 1; i <= 12; ++i) names.push_back((i < 10 ? "branch0" : "branch") + std::to_string(i) + ".png");
    for (const std::string& name : names) {
        const std::vector<unsigned char> d = readFile(dir_ / name);
        ASSERT_GE(d.size(), 33u) << name << ": missing or too short (" << d.size() << " bytes)";
        EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), d.begin()))
            << name << ": no PNG signature";
        // The first chunk is IHDR: big-endian width and height, then bit depth and colour type.
        const auto be = [&](std::size_t at) {
            return (std::uint32_t{d[at]} << 24) | (std::uint32_t{d[at + 1]} << 16) | (std::uint32_t{d[at + 2]} << 8) |
                   d[at + 3];
        };
        EXPECT_EQ(std::string(d.begin() + 12, d.begin() + 16), "IHDR") << name;
        EXPECT_EQ(be(16), 40u) << name << ": width";
        EXPECT_EQ(be(20), 40u) << name << ": height";
        // Colour type 6 is RGBA: the window's colour shows through around the character.
        EXPECT_EQ(d[25], 6) << name << ": colour type " << int{d[25]} << ", expected 6 (RGB with alpha)";
    }
}

}  // namespace

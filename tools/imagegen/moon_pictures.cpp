#include "moon_pictures.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "moon_surface.h"

namespace imagegen {

namespace {

// Fixed so that every build draws identical pictures.
constexpr std::uint32_t kSurfaceSeed = 0x4f726c75U;

// Samples per pixel along each axis; the disc edge and the small craters are
// averaged over these.
constexpr int kSamples = 4;

// The grey the dark disc's outermost pixels fade into: anything between the
// disc and the key colour would turn into a reddish fringe once the key is
// replaced.
constexpr Rgb kDarkEdge{0.11, 0.11, 0.12};

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Soft darkening towards the limb. The real full Moon is nearly flat, but a
// little falloff makes the small picture read as a sphere.
double limbDarkening(double z) { return 0.80 + 0.20 * std::pow(z, 0.5); }

// Brightness under a Sun shining along +x or -x: dim near the terminator,
// where the Sun is low, full towards the lit limb.
double sideLight(double mu0) { return 0.42 + 0.58 * std::pow(mu0, 0.5); }

bool litColumn(MoonPicture picture, int x) {
    switch (picture) {
    case MoonPicture::FirstQuarter: return x >= kTerminatorColumn;
    case MoonPicture::LastQuarter: return x <= kTerminatorColumn;
    case MoonPicture::FullMoon: return true;
    case MoonPicture::DarkMoon: return true;
    }
    return true;
}

// Colour of one surface sample of the disc, lighting included.
Rgb shade(const MoonSurface& surface, MoonPicture picture, const Vec3& p) {
    if (picture == MoonPicture::DarkMoon) {
        // Only earthshine: a dark grey with the maria faintly visible and a
        // slightly lighter rim so that the disc stands out from the window.
        const double mare = surface.mareCover(p);
        const double radial = std::sqrt(p.x * p.x + p.y * p.y);
        const double rim = smoothstep(0.84, 0.99, radial);
        const double level = 0.165 - 0.030 * mare + 0.075 * rim;
        return {level, level, level * 1.08};
    }
    const Rgb albedo = surface.albedo(p);
    double light = limbDarkening(p.z);
    if (picture != MoonPicture::FullMoon) {
        const double mu0 = std::abs(p.x);
        light *= sideLight(mu0);
        // Near the terminator the low Sun brings out the relief: slopes
        // facing it brighten, the others darken.
        const double toSun = picture == MoonPicture::FirstQuarter ? 1.0 : -1.0;
        constexpr double kStep = 0.02;
        const Vec3 ahead{p.x + toSun * kStep, p.y, p.z};
        const double slope = (surface.height(ahead) - surface.height(p)) / kStep;
        light *= 1.0 + 0.016 * slope * std::pow(1.0 - mu0, 3.0);
    }
    return {albedo[0] * light, albedo[1] * light, albedo[2] * light};
}

int channel(double v) { return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255); }

// One pixel of a disc before it is put on a background: the mean colour of
// the samples that hit the disc, and the share of samples that did.
struct DiscPixel {
    Rgb colour{0.0, 0.0, 0.0};
    double coverage = 0.0;
};

std::vector<DiscPixel> renderDisc(MoonPicture picture) {
    static const MoonSurface surface(kSurfaceSeed);
    std::vector<DiscPixel> disc(static_cast<std::size_t>(kMoonSize * kMoonSize));
    for (int y = 0; y < kMoonSize; ++y) {
        for (int x = 0; x < kMoonSize; ++x) {
            if (!litColumn(picture, x)) continue;
            Rgb sum{0.0, 0.0, 0.0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    // Pixel (x, y) spans x - 0.5 .. x + 0.5, as the window's masks assume.
                    const double px = x - 0.5 + (sx + 0.5) / kSamples;
                    const double py = y - 0.5 + (sy + 0.5) / kSamples;
                    const double u = (px - kDiscCentreX) / kDiscRadius;
                    const double v = (kDiscCentreY - py) / kDiscRadius;
                    const double rr = u * u + v * v;
                    if (rr > 1.0) continue;
                    const Rgb c = shade(surface, picture, Vec3{u, v, std::sqrt(1.0 - rr)});
                    for (int i = 0; i < 3; ++i) sum[i] += c[i];
                    ++covered;
                }
            }
            if (covered == 0) continue;
            DiscPixel& d = disc[static_cast<std::size_t>(y * kMoonSize + x)];
            for (int i = 0; i < 3; ++i) d.colour[i] = sum[i] / covered;
            d.coverage = static_cast<double>(covered) / (kSamples * kSamples);
        }
    }
    return disc;
}

// The disc does not depend on the background: draw each once and reuse it
// for the three countries.
const std::vector<DiscPixel>& discOf(MoonPicture picture) {
    static std::map<MoonPicture, std::vector<DiscPixel>> cache;
    auto it = cache.find(picture);
    if (it == cache.end()) it = cache.emplace(picture, renderDisc(picture)).first;
    return it->second;
}

}  // namespace

QString moonStem(MoonPicture picture) {
    switch (picture) {
    case MoonPicture::DarkMoon: return QStringLiteral("darkmoon");
    case MoonPicture::FirstQuarter: return QStringLiteral("1stquarter");
    case MoonPicture::FullMoon: return QStringLiteral("fullmoon");
    case MoonPicture::LastQuarter: return QStringLiteral("lastquarter");
    }
    return {};
}

QImage drawMoon(MoonPicture picture, const QColor& background) {
    const bool dark = picture == MoonPicture::DarkMoon;
    const QColor bg = dark ? kDarkMoonKey : background;
    const Rgb bgRgb{bg.redF(), bg.greenF(), bg.blueF()};
    const std::vector<DiscPixel>& disc = discOf(picture);

    QImage image(kMoonSize, kMoonSize, QImage::Format_RGB32);
    for (int y = 0; y < kMoonSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kMoonSize; ++x) {
            const DiscPixel& d = disc[static_cast<std::size_t>(y * kMoonSize + x)];
            line[x] = bg.rgb();
            if (d.coverage <= 0.0) continue;
            Rgb out{};
            if (dark) {
                // Hard edge against the key: a pixel is either key or disc.
                if (d.coverage < 0.4) continue;
                for (int i = 0; i < 3; ++i)
                    out[i] = d.colour[i] * d.coverage + kDarkEdge[i] * (1.0 - d.coverage);
            } else {
                for (int i = 0; i < 3; ++i) out[i] = d.colour[i] * d.coverage + bgRgb[i] * (1.0 - d.coverage);
            }
            // Grey disc pixels can never equal the key colour (200, 0, 0).
            line[x] = qRgb(channel(out[0]), channel(out[1]), channel(out[2]));
        }
    }
    return image;
}

}  // namespace imagegen

// Procedural near side of the Moon: the surface colour at a point of the
// unit sphere, before any lighting.
//
// View-fixed frame: x to the right (lunar east, towards Mare Crisium), y up
// (lunar north), z towards the observer; the sub-Earth point is (0, 0, 1).
// The maria sit roughly at their selenographic positions so the face is
// recognisable at 89 pixels; noise, a few craters and Tycho's rays add
// texture. Everything is fixed by one seed, so every build draws the same
// pixels.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "value_noise.h"

namespace imagegen {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Linear RGB, each channel in [0, 1] for the brightest highland.
using Rgb = std::array<double, 3>;

class MoonSurface {
public:
    explicit MoonSurface(std::uint32_t seed);

    // Albedo colour at unit vector p of the near side.
    Rgb albedo(const Vec3& p) const;

    // How much of a mare covers p: 0 highland, 1 mare floor.
    double mareCover(const Vec3& p) const;

    // Rough relief in [-1, 1] for shading under a low Sun; its scale is
    // that of small craters and hills.
    double height(const Vec3& p) const;

private:
    struct Spot {
        Vec3 centre;
        double radiusDeg;
        double strength;  // > 0 brightens, < 0 darkens
    };
    struct Ray {
        Vec3 dir;   // tangent at Tycho pointing along the ray
        Vec3 pole;  // pole of the ray's great circle
        double reachDeg;
    };

    double craterTerm(const Vec3& p) const;
    double rayTerm(const Vec3& p) const;

    ValueNoise noise_;
    std::array<Spot, 48> craters_{};
    std::vector<Spot> maria_;  // strength holds the patch weight
    Vec3 tycho_;
    std::vector<Ray> rays_;
};

// Unit vector of selenographic latitude and longitude (degrees).
Vec3 fromSelenographic(double latDeg, double lonDeg);

}  // namespace imagegen

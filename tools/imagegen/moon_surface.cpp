#include "moon_surface.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace imagegen {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalised(const Vec3& v) {
    const double n = std::sqrt(dot(v, v));
    return {v.x / n, v.y / n, v.z / n};
}

// Angle between two unit vectors, in degrees.
double angleDeg(const Vec3& a, const Vec3& b) {
    return std::acos(std::clamp(dot(a, b), -1.0, 1.0)) / kDeg;
}

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

struct Mare {
    double latDeg, lonDeg, radiusDeg, weight;
};

// Approximate centres and radii of the near-side maria. The large,
// irregular ones are built from several overlapping patches; patches that
// touch on the real Moon overlap here too, so the dark areas join up into
// the familiar face instead of separate spots.
constexpr Mare kMaria[] = {
    // Oceanus Procellarum, stretched north-south along the western limb.
    {40, -52, 11, 0.85}, {28, -58, 13, 0.95}, {15, -58, 14, 0.95},
    {2, -52, 12, 0.9}, {-8, -44, 8, 0.8}, {24, -44, 9, 0.85},
    // Mare Imbrium with Sinus Iridum on its north-western shore.
    {33, -17, 17, 1.0}, {43, -31, 6, 0.85},
    // Mare Frigoris, a thin band in the north.
    {58, -32, 4.5, 0.75}, {59, -14, 4.5, 0.8}, {58, 4, 4.5, 0.8}, {57, 22, 4.5, 0.7},
    // Serenitatis, Tranquillitatis (two patches) and Vaporum towards Imbrium.
    {28, 18, 11, 1.0}, {9, 31, 11, 1.0}, {3, 24, 7, 0.8}, {14, 4, 4.5, 0.75},
    // Mare Crisium near the eastern limb.
    {17, 59, 8, 1.0},
    // Fecunditatis and Nectaris.
    {-5, 51, 8, 0.85}, {-14, 52, 6, 0.75}, {-15, 35, 5.5, 0.85},
    // Insularum, Cognitum, Nubium and Humorum in the south-west.
    {7, -29, 7, 0.7}, {-10, -23, 6, 0.7}, {-21, -16, 10, 0.8}, {-24, -39, 6, 0.9},
};

struct NamedCrater {
    double latDeg, lonDeg, radiusDeg, strength;
};

// Craters a viewer looks for: bright young ones and two dark-floored ones.
constexpr NamedCrater kNamedCraters[] = {
    {-43.3, -11.2, 2.8, 0.60},   // Tycho
    {9.6, -20.1, 2.4, 0.40},     // Copernicus
    {8.1, -38.0, 1.5, 0.35},     // Kepler
    {23.7, -47.4, 1.3, 0.70},    // Aristarchus, the brightest spot
    {51.6, -9.4, 2.3, -0.35},    // Plato, dark floor
    {-5.2, -68.6, 3.5, -0.35},   // Grimaldi, dark floor
    {-9.0, 60.4, 1.1, 0.35},     // Langrenus
    {-57.0, 28.0, 2.0, 0.18},    // a southern highland crater
};

constexpr std::size_t kNamedCount = std::size(kNamedCraters);

// Tycho's rays: bearings from north through east, in degrees, and the
// reach of the longest.
constexpr double kTychoRayBearings[] = {5, 32, 61, 96, 140, 205, 238, 283, 318, 344};
constexpr double kTychoRayReachDeg = 55.0;

}  // namespace

Vec3 fromSelenographic(double latDeg, double lonDeg) {
    const double lat = latDeg * kDeg, lon = lonDeg * kDeg;
    return {std::cos(lat) * std::sin(lon), std::sin(lat), std::cos(lat) * std::cos(lon)};
}

MoonSurface::MoonSurface(std::uint32_t seed) : noise_(seed) {
    for (const auto& m : kMaria) maria_.push_back({fromSelenographic(m.latDeg, m.lonDeg), m.radiusDeg, m.weight});

    tycho_ = fromSelenographic(kNamedCraters[0].latDeg, kNamedCraters[0].lonDeg);
    // Local north and east at Tycho span the tangent plane of the rays.
    const Vec3 north = normalised(Vec3{-tycho_.x * tycho_.y, 1.0 - tycho_.y * tycho_.y, -tycho_.z * tycho_.y});
    const Vec3 east = cross(north, tycho_);
    for (std::size_t k = 0; k < std::size(kTychoRayBearings); ++k) {
        const double b = kTychoRayBearings[k] * kDeg;
        const Vec3 dir{north.x * std::cos(b) + east.x * std::sin(b), north.y * std::cos(b) + east.y * std::sin(b),
                       north.z * std::cos(b) + east.z * std::sin(b)};
        const double reach = kTychoRayReachDeg * (0.6 + 0.4 * noise_.lattice(static_cast<std::int32_t>(k), 9, 9));
        rays_.push_back({dir, cross(tycho_, dir), reach});
    }
    std::size_t n = 0;
    for (const auto& c : kNamedCraters)
        craters_[n++] = {fromSelenographic(c.latDeg, c.lonDeg), c.radiusDeg, c.strength};
    // The rest are small bright craters scattered over the disc; their places
    // come from the same hash as the noise, so they are fixed by the seed.
    for (std::int32_t i = 0; n < craters_.size(); ++i) {
        const double lat = std::asin(noise_.lattice(i, 101, 7) * 2.0 - 1.0) / kDeg;
        const double lon = noise_.lattice(i, 202, 7) * 160.0 - 80.0;
        const double radius = 0.9 + 1.4 * noise_.lattice(i, 303, 7);
        const double strength = 0.10 + 0.18 * noise_.lattice(i, 404, 7);
        craters_[n++] = {fromSelenographic(lat, lon), radius, strength};
    }
}

double MoonSurface::mareCover(const Vec3& p) const {
    // Each patch is a soft bell; they are joined as a union (not a sum) so
    // that neighbouring maria touch only where the real ones do, and the
    // bright mountain ranges between them stay. Noise in the distances and
    // in the threshold gives ragged shores.
    const double warp = noise_.fractal(p.x * 4.0, p.y * 4.0, p.z * 4.0, 3);
    double clear = 1.0;
    for (const Spot& m : maria_) {
        const double d = angleDeg(p, m.centre) * (1.0 + 0.3 * warp);
        clear *= 1.0 - m.strength * std::exp(-(d * d) / (m.radiusDeg * m.radiusDeg));
    }
    const double shore = noise_.fractal(p.x * 9.0 + 7.0, p.y * 9.0, p.z * 9.0, 3);
    return smoothstep(0.16, 0.54, 1.0 - clear + 0.12 * shore);
}

double MoonSurface::craterTerm(const Vec3& p) const {
    double sum = 0.0;
    for (std::size_t i = 0; i < craters_.size(); ++i) {
        const Spot& c = craters_[i];
        // Cheap rejection before the arc cosine: 0.96 is cos 16 degrees, beyond
        // four radii of the largest crater (Grimaldi, 3.5 degrees).
        if (dot(p, c.centre) < 0.96) continue;
        const double d = angleDeg(p, c.centre);
        if (d > 4.0 * c.radiusDeg) continue;
        if (c.strength < 0.0) {
            // Dark lava floor with a faint bright rim.
            sum += c.strength * (1.0 - smoothstep(0.6 * c.radiusDeg, c.radiusDeg, d));
            sum += 0.12 * std::exp(-std::pow((d - c.radiusDeg) / (0.35 * c.radiusDeg), 2));
        } else {
            // Bright crater with a halo of ejecta around it.
            sum += c.strength * std::exp(-std::pow(d / c.radiusDeg, 2));
            if (i < kNamedCount)
                sum += 0.35 * c.strength * std::exp(-std::pow(d / (2.5 * c.radiusDeg), 2));
        }
    }
    return sum;
}

double MoonSurface::rayTerm(const Vec3& p) const {
    const double d = angleDeg(p, tycho_);
    if (d > kTychoRayReachDeg) return 0.0;
    double sum = 0.0;
    for (const Ray& ray : rays_) {
        if (dot(p, ray.dir) <= 0.0) continue;
        // Angular distance of p from the ray's great circle.
        const double off = std::asin(std::clamp(dot(p, ray.pole), -1.0, 1.0)) / kDeg;
        // The rays start outside the crater's own halo and thin out with distance.
        const double fade = smoothstep(3.0, 8.0, d) * (1.0 - smoothstep(0.3 * ray.reachDeg, ray.reachDeg, d));
        const double width = 1.2 + 0.03 * d;
        sum += 0.13 * fade * std::exp(-std::pow(off / width, 2));
    }
    return std::min(sum, 0.2);
}

double MoonSurface::height(const Vec3& p) const {
    return noise_.fractal(p.x * 8.0 + 3.0, p.y * 8.0 - 5.0, p.z * 8.0, 2);
}

Rgb MoonSurface::albedo(const Vec3& p) const {
    // Warm ivory highlands, cooler grey-brown maria.
    constexpr Rgb kHighland{0.94, 0.91, 0.84};
    constexpr Rgb kMare{0.56, 0.55, 0.53};

    const double mare = mareCover(p);
    const double grain = noise_.fractal(p.x * 14.0, p.y * 14.0, p.z * 14.0, 4);
    const double broad = noise_.fractal(p.x * 3.0 + 40.0, p.y * 3.0, p.z * 3.0, 2);
    // The maria keep some texture of their own (lighter and darker flows).
    const double tone = 1.0 + grain * (0.05 + 0.04 * mare) + broad * (0.04 + 0.09 * mare);
    const double bright = craterTerm(p) + rayTerm(p) * (1.0 - 0.4 * mare);

    Rgb c{};
    for (int i = 0; i < 3; ++i) {
        const double base = kHighland[i] + (kMare[i] - kHighland[i]) * mare;
        c[i] = std::clamp(base * tone + bright * 0.35, 0.0, 1.1);
    }
    return c;
}

}  // namespace imagegen

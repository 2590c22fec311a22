#include "value_noise.h"

#include <cmath>

namespace imagegen {

namespace {

// Finaliser of a 32-bit integer hash (a murmur-style avalanche): every input
// bit flips about half of the output bits, so neighbouring lattice points
// get unrelated values.
std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double smooth(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double ValueNoise::lattice(std::int32_t i, std::int32_t j, std::int32_t k) const {
    std::uint32_t h = seed_;
    h = mix(h ^ static_cast<std::uint32_t>(i));
    h = mix(h ^ (static_cast<std::uint32_t>(j) * 0x9e3779b9U));
    h = mix(h ^ (static_cast<std::uint32_t>(k) * 0x85ebca6bU));
    return static_cast<double>(h >> 8) / static_cast<double>(1U << 24);
}

double ValueNoise::at(double x, double y, double z) const {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const auto i = static_cast<std::int32_t>(fx);
    const auto j = static_cast<std::int32_t>(fy);
    const auto k = static_cast<std::int32_t>(fz);
    const double tx = smooth(x - fx), ty = smooth(y - fy), tz = smooth(z - fz);

    const double c000 = lattice(i, j, k), c100 = lattice(i + 1, j, k);
    const double c010 = lattice(i, j + 1, k), c110 = lattice(i + 1, j + 1, k);
    const double c001 = lattice(i, j, k + 1), c101 = lattice(i + 1, j, k + 1);
    const double c011 = lattice(i, j + 1, k + 1), c111 = lattice(i + 1, j + 1, k + 1);

    const double x00 = lerp(c000, c100, tx), x10 = lerp(c010, c110, tx);
    const double x01 = lerp(c001, c101, tx), x11 = lerp(c011, c111, tx);
    const double v = lerp(lerp(x00, x10, ty), lerp(x01, x11, ty), tz);
    return v * 2.0 - 1.0;
}

double ValueNoise::fractal(double x, double y, double z, int octaves) const {
    double sum = 0.0, weight = 1.0, total = 0.0, scale = 1.0;
    for (int o = 0; o < octaves; ++o) {
        // Offset each octave so the lattice corners of the layers do not line up.
        const double shift = 17.31 * o;
        sum += weight * at(x * scale + shift, y * scale - shift, z * scale + 0.5 * shift);
        total += weight;
        weight *= 0.5;
        scale *= 2.0;
    }
    return total > 0.0 ? sum / total : 0.0;
}

}  // namespace imagegen

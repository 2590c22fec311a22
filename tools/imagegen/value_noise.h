// Deterministic 3-D value noise for the procedural Moon surface.
//
// The pictures are regenerated on every build, so the noise depends only on
// the seed and the point: no global random state, no platform-specific
// generator. Values are fractal sums of smoothly interpolated lattice hashes.
#pragma once

#include <cstdint>

namespace imagegen {

class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed_(seed) {}

    // Smooth noise at (x, y, z), range [-1, 1], features about one unit wide.
    double at(double x, double y, double z) const;

    // Sum of `octaves` layers, each twice the frequency and half the weight of
    // the one before; normalised back to [-1, 1].
    double fractal(double x, double y, double z, int octaves) const;

    // A hash of an integer triple mapped to [0, 1); also used to place craters.
    double lattice(std::int32_t i, std::int32_t j, std::int32_t k) const;

private:
    std::uint32_t seed_;
};

}  // namespace imagegen

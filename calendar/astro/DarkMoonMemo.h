// Remembered dark-moon instants of the lunations around the supported range.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calendar/core/Moment.h"

namespace orlun {

// GetPhaseTimeUT(n, 0) for the lunations near kMinLunation..kMaxLunation, each asked of the
// engine once. The engine is deterministic, so a remembered instant is the one it would give
// again. Bounded by the lunations it covers (well under a megabyte); other lunations are passed
// straight to the engine.
class DarkMoonMemo {
public:
    Moment UT(int32_t lunation);
    void Clear();
    size_t MemoryBytes() const;

private:
    std::vector<double> ut_; // NaN = not yet asked; allocated at the first use
};

} // namespace orlun

// The phase instants of the last few lunations asked for, remembered.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/core/Moment.h"

namespace orlun {

// GetPhaseTimeUT(n, k), each asked of the engine once while its lunation stays in the memo. The
// engine is deterministic, so a remembered instant is the one it would give again. Direct-mapped
// by lunation: kSlots lunations at most, so a run of days in order finds each lunation's phases
// here after their first day.
class MoonPhaseMemo {
public:
    Moment UT(int32_t lunation, int phase);

private:
    static constexpr int kPhases = 4;
    static constexpr int32_t kSlots = 8;
    struct Slot {
        int32_t lunation = 0;
        bool used = false;
        std::array<double, kPhases> ut{}; // NaN = not yet asked
    };
    std::array<Slot, kSlots> slots_;
};

} // namespace orlun

// The principal phases of the moon by the codes the astronomical engine, the searches and the
// name tables share: 0 dark moon, 1 first quarter, 2 full moon, 3 last quarter.
#pragma once

namespace orlun {

inline constexpr int kPhaseDark = 0;
inline constexpr int kPhaseFirstQuarter = 1;
inline constexpr int kPhaseFull = 2;
inline constexpr int kPhaseLastQuarter = 3;
inline constexpr int kPhasesPerLunation = 4;

} // namespace orlun

#include "calendar/astro/DarkMoonMemo.h"

#include <cmath>
#include <limits>

#include "calendar/astro/syzyg.h"
#include "calendar/core/Limits.h"

namespace orlun {

namespace {
// Year structures are built for moments up to ten years outside the supported days and reach
// some forty months beyond their moment.
constexpr int32_t kMarginLunations = 200;
constexpr int32_t kFirst = kMinLunation - kMarginLunations;
constexpr int32_t kLast = kMaxLunation + kMarginLunations;
} // namespace

Moment DarkMoonMemo::UT(int32_t lunation)
{
    if (lunation < kFirst || lunation > kLast)
        return GetPhaseTimeUT(lunation, 0);
    if (ut_.empty())
        ut_.assign(static_cast<size_t>(kLast - kFirst + 1), std::numeric_limits<double>::quiet_NaN());
    double& slot = ut_[static_cast<size_t>(lunation - kFirst)];
    if (std::isnan(slot))
        slot = GetPhaseTimeUT(lunation, 0).ajd();
    return Moment(slot);
}

void DarkMoonMemo::Clear() { std::vector<double>().swap(ut_); }

size_t DarkMoonMemo::MemoryBytes() const { return ut_.capacity() * sizeof(double); }

} // namespace orlun

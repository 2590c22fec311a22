// Day -> CHL -> day and day -> CHS -> day (true sun) over the whole supported range
// (-3000-01-01 to 3000-01-01 CE) every 97 days, under both epochs. The sweep is cut into
// shards, each its own test, so that they can run in parallel.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calendar/chinese/Orlun3.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

constexpr int32_t kStep = 97;
constexpr int kShards = 4;

// Every kStep-th day of the shard's part of kMinJDN..kMaxJDN at the meridian.
void SweepShard(int shard, int longitude, int32_t step)
{
    const int64_t steps = (int64_t{kMaxJDN} - kMinJDN) / step + 1;
    const int64_t first = steps * shard / kShards;
    const int64_t last = steps * (shard + 1) / kShards;
    int failures = 0;
    for (int64_t k = first; k < last && failures < 10; ++k) {
        const auto day = static_cast<int32_t>(kMinJDN + k * step);
        for (int epoch : {kEpochHuangdi, kEpochAlternative}) {
            CalendarSettings settings;
            settings.meridian = Meridian(longitude);
            settings.epoch = epoch;
            settings.method = TermMethod::TrueSun;

            const auto dates = CJDateToChDates(Meridian(longitude).NoonOf(DayNumber(day)), epoch);
            if (!dates || !dates->lunar || !dates->solar) {
                ADD_FAILURE() << "day " << day << " at " << longitude << " E, epoch " << epoch
                              << ": no CHL/CHS date (" << (dates ? Text(dates->lunar) : "no structure") << ")";
                ++failures;
                continue;
            }
            const ChineseLunarDate& chl = *dates->lunar;
            const ChineseSolarDate& chs = *dates->solar;

            const CHLDay lunar = ChLDateToJDN(chl, settings);
            if (!lunar.found() || lunar.day != DayNumber(day)) {
                ADD_FAILURE() << "day " << day << " at " << longitude << " E, epoch " << epoch << " -> " << Text(chl)
                              << " -> code " << static_cast<int>(lunar.result) << ", day " << lunar.day.value()
                              << "; expected code 0, day " << day;
                ++failures;
            }

            const std::optional<DayNumber> solar = ChSDateToJDN(chs, settings);
            if (solar != DayNumber(day)) {
                ADD_FAILURE() << "day " << day << " at " << longitude << " E, epoch " << epoch << " -> " << Text(chs)
                              << " -> valid " << solar.has_value() << ", day " << (solar ? solar->value() : 0)
                              << "; expected day " << day;
                ++failures;
            }
        }
    }
}

} // namespace

TEST(RoundTrips, China1) { SweepShard(0, 120, kStep); }
TEST(RoundTrips, China2) { SweepShard(1, 120, kStep); }
TEST(RoundTrips, China3) { SweepShard(2, 120, kStep); }
TEST(RoundTrips, China4) { SweepShard(3, 120, kStep); }

// Vietnam and Japan more coarsely: every 31st of the days above.
TEST(RoundTrips, VietnamAndJapan)
{
    for (int longitude : {105, 135})
        for (int shard = 0; shard < kShards; ++shard)
            SweepShard(shard, longitude, kStep * 31);
}

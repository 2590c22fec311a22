#include "calendar/chinese/ChineseYearStore.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calendar/astro/SolEq.h"
#include "calendar/chinese/CalendarCache.h"
#include "calendar/core/TimeScales.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr DayNumber kFirstDay(kMinJDN - kStructureMarginDays);
constexpr DayNumber kLastDay(kMaxJDN + kStructureMarginDays);
// Solar years of those days, with a year to spare at each end.
constexpr int32_t kFirstYear = kMinYear - 12;
constexpr int32_t kLastYear = kMaxYear + 12;
constexpr size_t kYears = static_cast<size_t>(kLastYear - kFirstYear + 1);

// Every record and mean-sun table of every kept year at every kept longitude, with the indexes.
constexpr size_t kWorstCaseBytes =
    ChineseYearStore::kMaxLongitudes * kYears *
    (sizeof(ChineseYearRecord) + sizeof(TermDays) + 2 * sizeof(void*) + sizeof(std::optional<DayNumber>));
static_assert(kWorstCaseBytes < 40u * 1024 * 1024, "the year records must stay well within 64 MB");

size_t IndexOf(int32_t year) { return static_cast<size_t>(year - kFirstYear); }
bool Kept(int32_t year) { return year >= kFirstYear && year <= kLastYear; }

} // namespace

ChineseYearStore::Longitude& ChineseYearStore::LongitudeOf(Meridian reference)
{
    ++uses_;
    for (Longitude& l : longitudes_) {
        if (l.reference == reference) {
            l.lastUse = uses_;
            return l;
        }
    }
    if (longitudes_.size() >= kMaxLongitudes) {
        const auto oldest = std::min_element(longitudes_.begin(), longitudes_.end(),
                                             [](const Longitude& a, const Longitude& b) { return a.lastUse < b.lastUse; });
        longitudes_.erase(oldest);
    }
    Longitude& l = longitudes_.emplace_back();
    l.reference = reference;
    l.lastUse = uses_;
    l.solsticeDay.assign(kYears, std::nullopt);
    l.years.resize(kYears);
    l.meanSun.resize(kYears);
    return l;
}

DayNumber ChineseYearStore::SolsticeDay(Longitude& l, int32_t year)
{
    std::optional<DayNumber>& day = l.solsticeDay[IndexOf(year)];
    if (!day)
        day = AJDToCJDC(sky_->QuarterUT(Quarter::DecemberSolstice, year), l.reference).day();
    return *day;
}

int32_t ChineseYearStore::SolarYear(Longitude& l, DayNumber day)
{
    if (day < kFirstDay || day > kLastDay)
        return kNoSolarYear;
    // As SolarYearOf: the Gregorian year y of the day, or y + 1 from the solstice's day on.
    const int32_t y = GregorianDate(day).year;
    if (!Kept(y) || !Kept(y + 1))
        return kNoSolarYear;
    return day < SolsticeDay(l, y) ? y : y + 1;
}

const ChineseYearRecord* ChineseYearStore::Find(DayNumber day, Meridian reference, CalendarCache& cache)
{
    Longitude& l = LongitudeOf(reference);
    const int32_t b = SolarYear(l, day);
    if (b == kNoSolarYear)
        return nullptr;
    std::unique_ptr<ChineseYearRecord>& slot = l.years[IndexOf(b)];
    if (!slot)
        slot = std::make_unique<ChineseYearRecord>(MakeYearRecord(BuildYearStructure(reference.MidnightOf(day), cache)));
    return slot.get();
}

const TermDays* ChineseYearStore::MeanSunTermDays(DayNumber day, Meridian reference)
{
    Longitude& l = LongitudeOf(reference);
    const int32_t b = SolarYear(l, day);
    if (b == kNoSolarYear)
        return nullptr;
    std::unique_ptr<TermDays>& slot = l.meanSun[IndexOf(b)];
    if (!slot) {
        const SolarTermTable t =
            BuildSolarTerms(reference.MidnightOf(day), TermMethod::MeanSun, *sky_);
        if (!IsValid(t))
            return nullptr;
        slot = std::make_unique<TermDays>(t.TermDay);
    }
    return slot.get();
}

size_t ChineseYearStore::MemoryBytes() const
{
    size_t bytes = longitudes_.capacity() * sizeof(Longitude);
    for (const Longitude& l : longitudes_) {
        bytes += l.solsticeDay.capacity() * sizeof(l.solsticeDay[0]);
        bytes += l.years.capacity() * sizeof(l.years[0]) + l.meanSun.capacity() * sizeof(l.meanSun[0]);
        for (const auto& r : l.years)
            bytes += r ? sizeof(ChineseYearRecord) : 0;
        for (const auto& t : l.meanSun)
            bytes += t ? sizeof(TermDays) : 0;
    }
    return bytes;
}

} // namespace orlun

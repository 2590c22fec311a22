// The solar-term tables of the Chinese conversions, with the true-sun tables remembered.
#include <array>
#include <cstddef>
#include <cstdint>

#include "calendar/chinese/Orlun3.h"
#include "calendar/astro/SolEq.h"

namespace orlun {

namespace {

// A true-sun table takes 13 crossing searches of the engine, and every conversion needs one;
// neighbouring conversions need the same few. The table depends only on the solar year of the
// moment and the longitude (its delta T is that of the solar year), so a remembered table is the
// one a new build would give. Direct-mapped by solar year; one memo per thread.
constexpr size_t kTermsMemoSize = 64;
struct TermsMemoEntry {
    int32_t solarYear = kNoSolarYear; // kNoSolarYear = empty
    int refLongitude = 0;
    SolarTermTable table;
};
thread_local std::array<TermsMemoEntry, kTermsMemoSize> termsMemo;

} // namespace

SolarTermTable SolarTermsOf(double cjdc, int method, int refLongitude)
{
    if (method == kMeanSunMethod)
        return BuildSolarTerms(cjdc, method, refLongitude);
    const int32_t b = SolarYearOf(cjdc, refLongitude);
    if (b == kNoSolarYear)
        return BuildSolarTerms(cjdc, method, refLongitude);
    TermsMemoEntry& entry = termsMemo[static_cast<size_t>(static_cast<uint32_t>(b)) % kTermsMemoSize];
    if (entry.solarYear != b || entry.refLongitude != refLongitude) {
        SolarTermTable table = BuildSolarTerms(cjdc, method, refLongitude);
        if (table.solarYear != b) // not expected; such a table is never remembered
            return table;
        entry.solarYear = b;
        entry.refLongitude = refLongitude;
        entry.table = table;
    }
    return entry.table;
}

} // namespace orlun

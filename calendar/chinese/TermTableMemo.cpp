#include "calendar/chinese/TermTableMemo.h"

namespace orlun {

SolarTermTable TermTableMemo::TrueSun(double cjdc, int refLongitude, const SkySource& sky)
{
    const int32_t b = SolarYearOf(cjdc, refLongitude, sky);
    if (b == kNoSolarYear)
        return BuildSolarTerms(cjdc, TermMethod::TrueSun, refLongitude, sky);
    Entry& entry = entries_[static_cast<size_t>(static_cast<uint32_t>(b)) % kSize];
    if (entry.solarYear != b || entry.refLongitude != refLongitude) {
        SolarTermTable table = BuildSolarTerms(cjdc, TermMethod::TrueSun, refLongitude, sky);
        if (table.solarYear != b) // not expected; such a table is never remembered
            return table;
        entry.solarYear = b;
        entry.refLongitude = refLongitude;
        entry.table = table;
    }
    return entry.table;
}

void TermTableMemo::Clear() { entries_.fill(Entry{}); }

} // namespace orlun

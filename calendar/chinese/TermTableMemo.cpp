#include "calendar/chinese/TermTableMemo.h"

namespace orlun {

SolarTermTable TermTableMemo::TrueSun(double cjdc, int refLongitude)
{
    const int32_t b = SolarYearOf(Meridian(refLongitude).At(cjdc));
    if (b == kNoSolarYear)
        return BuildSolarTerms(Meridian(refLongitude).At(cjdc), TermMethod::TrueSun);
    Entry& entry = entries_[static_cast<size_t>(static_cast<uint32_t>(b)) % kSize];
    if (entry.solarYear != b || entry.refLongitude != refLongitude) {
        SolarTermTable table = BuildSolarTerms(Meridian(refLongitude).At(cjdc), TermMethod::TrueSun);
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

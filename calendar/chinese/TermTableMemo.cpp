#include "calendar/chinese/TermTableMemo.h"

namespace orlun {

SolarTermTable TermTableMemo::TrueSun(LocalTime moment, const SkySource& sky)
{
    const int32_t b = SolarYearOf(moment, sky);
    if (b == kNoSolarYear)
        return BuildSolarTerms(moment, TermMethod::TrueSun, sky);
    Entry& entry = entries_[static_cast<size_t>(static_cast<uint32_t>(b)) % kSize];
    if (entry.solarYear != b || entry.reference != moment.meridian()) {
        SolarTermTable table = BuildSolarTerms(moment, TermMethod::TrueSun, sky);
        if (table.solarYear != b) // not expected; such a table is never remembered
            return table;
        entry.solarYear = b;
        entry.reference = moment.meridian();
        entry.table = table;
    }
    return entry.table;
}

void TermTableMemo::Clear() { entries_.fill(Entry{}); }

} // namespace orlun

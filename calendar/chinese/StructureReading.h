// Reading Chinese dates out of a built year structure: the conversions without the cache, and the
// reference the cached answers are checked against.
#pragma once

#include <cstdint>

#include "calendar/chinese/ChineseYearRecord.h"

namespace orlun {

// CJDateToChDates on a structure already built for the moment.
void ReadChineseDates(const YearStructure& ys, double cjdc, int epoch, CHSDate& chs, CHLDate& chl);

// The search of ChLDateToJDN in a structure built around the middle of the record's month of its
// Common Era year: same codes, fills valid and jdn.
CHLResult ReadCHLDay(const YearStructure& ys, CHLDate& rec);

// The CHS fields of day d0 from the term days of a solar-term table, the sui numbered from the
// Common Era year of its first entry. False when the day lies outside entries 0..72.
bool FillCHS(const TermDays& termDay, int32_t firstTermYear, int32_t d0, int epoch, CHSDate& chs);

} // namespace orlun

#include "calendar/festivals/AnniversaryStart.h"

#include "calendar/chinese/Orlun3.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

RememberedDay LunarDayOfMoment(double ajd, const CalendarSettings& settings)
{
    CHSDate chs;
    chs.valid = kCHSNotWanted;
    CHLDate chl;
    CJDateToChDates(AJDToCJDC(ajd, settings.refLongitude), settings.epoch, settings.refLongitude, chs, chl);
    return {{chl.month, chl.leap != 0, chl.day}, static_cast<int>(YearOfCyclePos(chl.cycle, chl.position, settings.epoch))};
}

std::optional<AnniversaryStart> StartOfMonthDay(std::string_view text, int presentYear)
{
    const auto day = ParseLunarDay(text);
    if (!day) return std::nullopt;
    return AnniversaryStart{*day, presentYear};
}

AnniversaryStart StartOfRememberedDate(double ajd, const CalendarSettings& settings)
{
    const RememberedDay remembered = LunarDayOfMoment(ajd, settings);
    return {remembered.day, remembered.lunarYear + 1};
}

} // namespace orlun

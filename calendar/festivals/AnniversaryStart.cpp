#include "calendar/festivals/AnniversaryStart.h"

#include "calendar/chinese/Orlun3.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

RememberedDay LunarDayOfMoment(Moment ajd, const CalendarSettings& settings)
{
    // A time without a lunar date gives the empty fields, as it always has.
    const std::optional<ChineseDatesOfDay> dates =
        CJDateToChDates(AJDToCJDC(ajd, settings.meridian), settings.epoch);
    const ChineseLunarDate chl = dates && dates->lunar ? *dates->lunar : ChineseLunarDate{};
    return {{chl.month.number, chl.month.leap, chl.day},
            static_cast<int>(YearOfCyclePos(chl.cycle, chl.position, settings.epoch))};
}

std::optional<AnniversaryStart> StartOfMonthDay(std::string_view text, int presentYear)
{
    const auto day = ParseLunarDay(text);
    if (!day) return std::nullopt;
    return AnniversaryStart{*day, presentYear};
}

AnniversaryStart StartOfRememberedDate(Moment ajd, const CalendarSettings& settings)
{
    const RememberedDay remembered = LunarDayOfMoment(ajd, settings);
    return {remembered.day, remembered.lunarYear + 1};
}

} // namespace orlun

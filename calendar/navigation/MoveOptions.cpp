#include "calendar/navigation/MoveOptions.h"

namespace orlun {

namespace {
constexpr int kLastDay = 30;
} // namespace

bool Keep30thApplies(const std::optional<ChineseLunarDate>& shown, MoveUnit unit, bool repeatedly)
{
    const bool lunarUnit = unit == MoveUnit::CHLMonth || unit == MoveUnit::CHLYear ||
                           unit == MoveUnit::CHLCycle;
    return repeatedly && lunarUnit && shown && shown->day == kLastDay;
}

bool KeepLeapApplies(const std::optional<ChineseLunarDate>& shown, MoveUnit unit, bool repeatedly)
{
    const bool yearUnit = unit == MoveUnit::CHLYear || unit == MoveUnit::CHLCycle;
    return repeatedly && yearUnit && shown && shown->month.leap;
}

int RefreshPeriodMilliseconds(std::string_view periodText)
{
    if (periodText == "0.5") return 500;
    if (periodText == "2") return 2000;
    if (periodText == "5") return 5000;
    return 1000;
}

std::optional<MoveUnit> MoveUnitFromText(std::string_view text, std::string_view zoneCode)
{
    for (int i = 0; i < kMoveUnitCount; ++i) {
        const auto unit = static_cast<MoveUnit>(i);
        if (MoveUnitText(unit, zoneCode) == text) return unit;
    }
    return std::nullopt;
}

} // namespace orlun

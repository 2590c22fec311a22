#include "calendar/navigation/MoveOptions.h"

namespace orlun {

namespace {
constexpr int kLastDay = 30;
} // namespace

bool Keep30thApplies(const std::optional<ChineseLunarDate>& shown, MoveUnit unit, bool repeatedly)
{
    const MoveUnitRow* row = FindMoveUnitRow(unit);
    return repeatedly && row && row->keep30th && shown && shown->day == kLastDay;
}

bool KeepLeapApplies(const std::optional<ChineseLunarDate>& shown, MoveUnit unit, bool repeatedly)
{
    const MoveUnitRow* row = FindMoveUnitRow(unit);
    return repeatedly && row && row->keepLeap && shown && shown->month.leap;
}

int RefreshPeriodMilliseconds(std::string_view periodText)
{
    if (periodText == "0.5") return 500;
    if (periodText == "2") return 2000;
    if (periodText == "5") return 5000;
    return 1000;
}

} // namespace orlun

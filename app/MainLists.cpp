#include "app/MainLists.h"

namespace orlun::app {

QStringList MoveStepItems(const QString& zoneCode)
{
    return {"minute",
            "hour",
            "day",
            "CE month",
            "CE year",
            "CE century",
            "CHL month",
            "CHL year",
            "60-year cycle (CHL)",
            "CHS solar term",
            "CHS year",
            "60-year cycle (CHS)",
            "60-day cycle",
            "80-year cycle (JC)",
            "ARC month (" + zoneCode + ")",
            "ARC year (" + zoneCode + ")"};
}

QStringList RefreshPeriodItems() { return {"0.5", "1", "2", "5"}; }

QStringList SearchTargetItems()
{
    return {"Full moon",
            "Dark moon",
            "Lunar quarter",
            "Lunar new year",
            "Winter solstice",
            "Vernal equinox",
            "Summer solstice",
            "Autumnal equinox",
            "Solstice or equinox",
            "Solar term",
            "Solar term + dark moon",
            "Solar term + full moon",
            "Winter solstice + dark moon",
            "Solstice/equinox + dark moon",
            "Solstice/equinox + full moon",
            "Element-animal day",
            "Element-animal month",
            "Element-animal year",
            "Triple coincidence day",
            "Same element-animal day and month",
            "Multiple element-animal day",
            "Intercalary month"};
}

QStringList EpochItems() { return {"-2696 = 2697 BC", "-2636 = 2637 BC"}; }

QStringList MethodItems() { return {"true sun", "mean sun"}; }

} // namespace orlun::app

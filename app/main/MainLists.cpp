#include "app/main/MainLists.h"

namespace orlun::app {

QStringList MoveStepItems(const QString& zoneCode)
{
    QStringList items;
    for (int i = 0; i < kMoveUnitCount; ++i)
        items << QString::fromStdString(MoveUnitText(static_cast<MoveUnit>(i), zoneCode.toStdString()));
    return items;
}

QStringList RefreshPeriodItems() { return {"0.5", "1", "2", "5"}; }

QStringList SearchTargetItems()
{
    QStringList items;
    for (const std::string_view text : kSearchTargetTexts)
        items << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return items;
}

QStringList EpochItems() { return {"-2696 = 2697 BC", "-2636 = 2637 BC"}; }

QStringList MethodItems() { return {"true sun", "mean sun"}; }

} // namespace orlun::app

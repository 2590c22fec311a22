#include "app/main/MainLists.h"

namespace orlun::app {

QStringList MoveStepItems(const QString& zoneCode)
{
    QStringList items;
    for (const MoveUnitRow& row : MoveUnitRows())
        items << QString::fromStdString(MoveUnitText(row.unit, zoneCode.toStdString()));
    return items;
}

QStringList RefreshPeriodItems() { return {"0.5", "1", "2", "5"}; }

QStringList SearchTargetItems()
{
    QStringList items;
    for (const SearchTargetRow& row : SearchTargetRows())
        items << QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()));
    return items;
}

QStringList EpochItems() { return {"-2696 = 2697 BC", "-2636 = 2637 BC"}; }

QStringList MethodItems() { return {"true sun", "mean sun"}; }

} // namespace orlun::app

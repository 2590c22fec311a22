#include "app/main/MainLists.h"

#include <QCoreApplication>

#include "app/platform/StdText.h"
#include "app/platform/TranslatedText.h"

namespace orlun::app {

QStringList MoveStepItems(const QString& zoneCode)
{
    QStringList items;
    for (const MoveUnitRow& row : MoveUnitRows()) items << MoveStepText(row.unit, zoneCode);
    return items;
}

// The zone code is a value: the text is translated with a placeholder in its place.
QString MoveStepText(MoveUnit unit, const QString& zoneCode)
{
    const MoveUnitRow* row = nullptr;
    for (const MoveUnitRow& r : MoveUnitRows())
        if (r.unit == unit) row = &r;
    if (row && row->namesZone) return TrText(MoveUnitText(unit, "%1")).arg(zoneCode);
    return TrText(MoveUnitText(unit, zoneCode.toStdString()));
}

QStringList RefreshPeriodItems() { return {"0.5", "1", "2", "5"}; }

QStringList SearchTargetItems()
{
    QStringList items;
    for (const SearchTargetRow& row : SearchTargetRows()) items << TrText(std::string(row.text));
    return items;
}

// The epochs in the order of their numbers in the state file: Huangdi's, then the later one.
QStringList EpochItems()
{
    return {QCoreApplication::translate("orlun::app::frmMain", "-2696 = 2697 BC"),
            QCoreApplication::translate("orlun::app::frmMain", "-2636 = 2637 BC")};
}

QStringList MethodItems()
{
    return {QCoreApplication::translate("orlun::app::frmMain", "true sun"),
            QCoreApplication::translate("orlun::app::frmMain", "mean sun")};
}

QString LunarCaptionText(Country country)
{
    return QCoreApplication::translate("orlun::app::frmMain", "%1 Lunar")
        .arg(TrText(CountryAdjective(country)));
}

QString SolarCaptionText(Country country)
{
    return QCoreApplication::translate("orlun::app::frmMain", "%1 Solar")
        .arg(TrText(CountryAdjective(country)));
}

QString YearNumberText(const std::string& text)
{
    const std::string word = "Year ";
    if (text.compare(0, word.size(), word) != 0) return Q(text);
    return QCoreApplication::translate("orlun::app::frmMain", "Year %1").arg(Q(text.substr(word.size())));
}

QString CjdcCaptionText(int refLongitude)
{
    return QCoreApplication::translate("orlun::app::frmMain", "Chronological JD %1\u00BA East")
        .arg(refLongitude);
}

} // namespace orlun::app

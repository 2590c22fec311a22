// The names a screen reader gives the main window's controls: a labelled field is named by its
// label (its buddy), a button or box by its caption, and what has neither by a name of its own.
// The value of a display line is named by its caption, the calendar it shows.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/platform/ControlNames.h"

namespace orlun::app {

void frmMain::NameControls()
{
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {lblEnterDate, txbDate}, {lblTime, txbTime},           {lblDays, txbPlusMinus},
        {lblElement, cboElement}, {lblAnimal, cboAnimal},      {lblLongitude, cboRefLong},
        {lblEpoch, cboEpoch},     {lblMethod, cboMethod},      {lblRefreshPeriod, cboRefreshPeriod},
    };
    for (const auto& [label, field] : buddies) LabelControl(*label, *field);
    NameControl(*cboTimeZone, tr("Time zone"));
    NameControl(*cboMoveStep, tr("Move step"));
    NameControl(*cboTarget, tr("Search target"));
    NameControl(*cboLongitude, tr("Reference longitude, degrees East"));
    NameControl(*txbCCT, tr("Zone code"));

    // The captions of these lines change with the country and the longitude; the name follows.
    for (LabelPair* line : {&lblCommonEraDate, &lblJulianCalendarDate, &lblChineseLunarDate,
                            &lblChineseSolarDate, &lblChronologicalJulianDateLondon,
                            &lblChronologicalJulianDateBeijing, &lblAstronomicalJulianDate,
                            &lblPhaseOfMoon, &lblAgeOfMoon, &lblDeltaT})
        (*line)[0]->setBuddy((*line)[1]);
    // The ARC lines share one caption, and the second line's caption is the ARC-CHL note.
    lblArchetypesCalendarGMT[1]->setAccessibleName(tr("Zodozizidu Zidevuze (GMT)"));
    lblArchetypesCalendarCCT[1]->setAccessibleName(tr("Zodozizidu Zidevuze (reference meridian)"));
    lblArchetypesCalendarCCT[0]->setAccessibleName(tr("Zodozizidu Zidevuze date compared with Chinese Lunar"));
    lblElementAnimalOfDay[1]->setAccessibleName(tr("Element-animal of the day"));
    LabelControl(*lblLanguage, *cboLanguage);
    lblNativeDate->setAccessibleName(tr("Lunar date in the chosen language"));
}

} // namespace orlun::app

// "Save state" and "Restore state": the working state of the main window in the file "orlun.usr",
// and the country in the settings store.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/platform/StateFile.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/frmMain.h"
#include "app/platform/StdText.h"
#include "app/search/frmMultiple_El_An.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/SearchTargets.h"

namespace orlun::app {

namespace {
const QString kSettingsKey = QStringLiteral("\\ORLUN");
const QString kCountrySetting = QStringLiteral("cboRefLong");
} // namespace

SavedState frmMain::CollectState() const
{
    SavedState s;
    s.currentAJD = Moment(dblCurrentAJDate);
    s.calendar = static_cast<CalendarRow>(intCalendar);
    s.forward = optMoveDirection[0]->isChecked();
    s.plus = optPlus->isChecked();
    s.next = optNext->isChecked();
    s.moveStep = MoveUnitAt(cboMoveStep->currentIndex()).value_or(kDefaultMoveUnit);
    s.target = SelectedTarget();
    s.refreshPeriod = cboRefreshPeriod->currentIndex();
    s.method = static_cast<TermMethod>(cboMethod->currentIndex());
    s.epoch = settings_.epoch;
    s.log = frmLogPreferences_->Values().ToArray();
    s.showARC = chkShowARC->isChecked();
    s.showCJDs = chkShowCJDs->isChecked();
    s.autoLog = chkAutoLog->isChecked();
    std::copy(ZoneCodes.begin(), ZoneCodes.end(), s.zoneCodes.begin());
    s.country = settings_.country;
    s.multiple = multipleElementAnimal_;
    return s;
}

void frmMain::cmdSaveState_Click()
{
    // The country goes to the settings store silently: its failure leaves the country to fall
    // back to China at the next start and does not make the saved state a failure.
    platform_.settings->Save(kSettingsKey, kCountrySetting, QString::number(cboRefLong->currentIndex()));
    QString error;
    if (!WriteStateFile(stateFilePath_, FormatSavedState(CollectState()), error)) {
        platform_.messages->Warning(this, tr("Save state"),
                                    tr("Error when attempting to save the state: %1").arg(error));
        CmdSaveStateEnabled(true);
        return;
    }
    CmdSaveStateEnabled(false);
    SetTheFocus();
}

// The whole file is read and checked before anything is applied: a damaged file changes nothing.
bool frmMain::RestoreState()
{
    const std::optional<std::string> text = ReadStateFile(stateFilePath_);
    if (!text) return false;
    const std::optional<SavedState> state = ParseSavedState(*text);
    if (!state) return false;
    bool withLog = true;
    if (blnStartupCompleted)
        withLog = platform_.messages->Question(this, tr("Restore state"),
                                               tr("Restore previous log configuration also?"));
    ApplyState(*state, withLog);
    return true;
}

void frmMain::ApplyState(const SavedState& s, bool withLogConfiguration)
{
    dblCurrentAJDate = s.currentAJD.ajd();
    intCalendar = s.calendar;
    optMoveDirection[s.forward ? 0 : 1]->setChecked(true);
    (s.plus ? optPlus : optMinus)->setChecked(true);
    (s.next ? optNext : optPrevious)->setChecked(true);
    cboMoveStep->setCurrentIndex(FindMoveUnitRow(s.moveStep)->stored);
    cboTarget->setCurrentIndex(FindSearchTargetRow(s.target)->stored);
    cboRefreshPeriod->setCurrentIndex(s.refreshPeriod);
    cboTimeZone->setCurrentIndex(-1);
    cboMethod->setCurrentIndex(static_cast<int>(s.method));
    settings_.method = s.method;
    chkRepeatedly->setChecked(false);
    chkKeep30th->setChecked(false);
    chkKeepLeap->setChecked(false);
    chkKeep30th->hide();
    chkKeepLeap->hide();
    cboEpoch->setCurrentIndex(s.epoch == kEpochHuangdi ? 0 : 1);
    settings_.epoch = s.epoch == kEpochHuangdi ? kEpochHuangdi : kEpochAlternative;
    if (withLogConfiguration) frmLogPreferences_->SetValues(LogPreferences::FromArray(s.log));
    chkShowARC->setChecked(s.showARC);
    chkShowCJDs->setChecked(s.showCJDs);
    chkAutoLog->setChecked(s.autoLog);
    std::copy(s.zoneCodes.begin(), s.zoneCodes.end(), ZoneCodes.begin());

    // The longitude follows the country in force; the saved country counts only without one.
    Country country = s.country;
    if (const std::optional<Country> inForce = CountryAt(cboRefLong->currentIndex())) country = *inForce;
    else cboRefLong->setCurrentIndex(static_cast<int>(country));
    const int longitudeIndex = CountryLongitude(country) - kMinRefLongitude;
    cboLongitude->setCurrentIndex(longitudeIndex);
    settings_.meridian = Meridian(kMinRefLongitude + longitudeIndex);
    settings_.zoneCode = ZoneCodes[longitudeIndex];
    txbCCT->setText(Q(settings_.zoneCode));
    cboTimeZone->setItemText(1, Q(settings_.zoneCode));
    multipleElementAnimal_ = s.multiple;
    if (frmMultiple_) frmMultiple_->SetCriteria(MultipleCriteria::FromIndexes(s.multiple));
    chkShowARC_Click();
    chkShowCJDs_Click();
}

void frmMain::cmdRestoreState_Click()
{
    if (!RestoreState()) {
        // Without a saved state there is nothing to restore; a file that is there but cannot be
        // read is said, since silence would read as success.
        if (QFileInfo::exists(stateFilePath_))
            platform_.messages->Warning(
                this, tr("Restore state"),
                tr("The saved state could not be read from the file %1\nNothing was changed.")
                    .arg(QDir::toNativeSeparators(stateFilePath_)));
        SetTheFocus();
        return;
    }
    DisplayDatesAndTimes();
    DisplayMoonData(CountryColour());
    DisplayDeltaT();
    HighlightCalendar();
    CmdSaveStateEnabled(false);
}

} // namespace orlun::app

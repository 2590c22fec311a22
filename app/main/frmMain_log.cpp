// The main window's log buttons and the automatic log entries.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/main/ClickableLabel.h"
#include "app/platform/StdText.h"
#include "app/platform/TextTable.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/main/frmMain.h"
#include "app/platform/TranslatedText.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/SearchTargets.h"

namespace orlun::app {

void frmMain::MakeLogWindows()
{
    frmLog_ = new frmLog(platform_, this);
    frmLogPreferences_ = new frmLogPreferences(this);
    connect(frmLog_, &frmLog::logHasTextChanged, this, [this] { ShowLogButtons(); });
    connect(frmLog_, &frmLog::closed, this, [this] { SetTheFocus(); });
    connect(frmLogPreferences_, &frmLogPreferences::closed, this, [this] {
        CmdSaveStateEnabled(true);
        SetTheFocus();
    });
}

namespace {

// The search target's list text in English, as the list shows it.
std::string EnglishTargetText(SearchTarget target, const ElementAnimalChoice& choice, Country country)
{
    if (IsElementAnimalTarget(target)) return ElementAnimalTargetText(target, choice, country);
    for (const SearchTargetRow& row : SearchTargetRows())
        if (row.target == target) return std::string(row.text);
    return {};
}

} // namespace

LogMoment frmMain::CurrentLogMoment() const
{
    LogMoment m = LogMomentOf(texts_, settings_);
    m.chlLine = lblChineseLunarDate[1]->text().toStdString();
    m.chsLine = lblChineseSolarDate[1]->text().toStdString();
    m.ceLine = lblCommonEraDate[1]->text().toStdString();
    m.jcLine = lblJulianCalendarDate[1]->text().toStdString();
    m.phaseLine = lblPhaseOfMoon[1]->text().toStdString();
    m.ageLine = lblAgeOfMoon[1]->text().toStdString();
    m.nativeLine = lblNativeDate->text().toStdString(); // "" in English
    // The log is written in English: the lists' English texts, whatever language they show.
    if (const std::optional<Country> country = CountryAt(cboRefLong->currentIndex()))
        m.countryName = CountryName(*country);
    m.longitude = Meridian(100 + cboLongitude->currentIndex());
    return m;
}

AutoLogContext frmMain::CurrentAutoLogContext() const
{
    AutoLogContext c;
    c.plusMinus = txbPlusMinus->text().toStdString();
    c.plus = optPlus->isChecked();
    c.forward = optMoveDirection[0]->isChecked();
    if (const std::optional<MoveUnit> unit = MoveUnitAt(cboMoveStep->currentIndex()))
        c.moveStep = MoveUnitText(*unit, settings_.zoneCode);
    c.next = optNext->isChecked();
    c.target = EnglishTargetText(SelectedTarget(), {cboElement->currentIndex(), cboAnimal->currentIndex()},
                                 settings_.country);
    c.multipleDescription = MultipleSearchDescription();
    return c;
}

void frmMain::AutoLog(AutoLogReason reason)
{
    if (!AutoLogWanted(chkAutoLog->isChecked(), reason,
                       reason == AutoLogReason::Search && MultipleSearchCancelled())) return;
    const LogEntryResult entry =
        BuildAutoLogEntry(reason, CurrentAutoLogContext(), CurrentLogMoment(),
                          frmLogPreferences_->Values(), ProgramTitle().toStdString(),
                          frmLog_->IsEmpty());
    frmLog_->AddToLog(Q(entry.text));
    if (!entry.error.empty()) LogEntryFailed(entry.error);
    ShowLogButtons();
}

void frmMain::LogEntryFailed(const std::string& error)
{
    platform_.messages->Warning(this, tr("Error"), TrText(error));
    blnRepeat = false;
    chkRepeatedly->setChecked(false);
}

void frmMain::cmdAddToLog_Click()
{
    const LogEntryResult entry =
        BuildLogEntry(CurrentLogMoment(), frmLogPreferences_->Values(),
                      ProgramTitle().toStdString(), frmLog_->IsEmpty());
    frmLog_->AddToLog(Q(entry.text));
    if (!entry.error.empty()) LogEntryFailed(entry.error);
    ShowLogButtons();
    if (frmLog_->IsEmpty()) return;
    if (frmLogPreferences_->Values().viewLogWhenAdd) {
        cmdViewLog_Click();
    } else if (cmdViewLog->isVisible()) {
        cmdViewLog->setFocus();
    }
}

void frmMain::cmdViewLog_Click()
{
    if (!frmLog_->View(*this)) SetTheFocus();
}

void frmMain::cmdClearLog_Click()
{
    frmLog_->ConfirmClear();
    ShowLogButtons();
    SetTheFocus();
}

void frmMain::cmdLogPreferences_Click() { frmLogPreferences_->ShowFor(*this); }

void frmMain::ShowLogButtons()
{
    const bool hasText = frmLog_ && !frmLog_->IsEmpty();
    cmdViewLog->setVisible(hasText);
    cmdClearLog->setVisible(hasText);
    cmdViewLog->setEnabled(!blnRepeat);
    cmdClearLog->setEnabled(!blnRepeat);
}

} // namespace orlun::app

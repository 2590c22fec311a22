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
    m.countryName = cboRefLong->currentText().toStdString();
    m.longitudeNumber = 100 + cboLongitude->currentIndex();
    return m;
}

AutoLogContext frmMain::CurrentAutoLogContext() const
{
    AutoLogContext c;
    c.plusMinus = txbPlusMinus->text().toStdString();
    c.plus = optPlus->isChecked();
    c.forward = optMoveDirection[0]->isChecked();
    c.moveStep = cboMoveStep->currentText().toStdString();
    c.next = optNext->isChecked();
    c.target = cboTarget->currentText().toStdString();
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
    platform_.messages->Warning(this, "Error", Q(error));
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

// The Move panel: one step or a paced run of steps in the chosen unit and direction, with Stop
// and Pause/Resume, and the "one day" button.
//
// A repeated move is a loop inside the Move action. Between steps it sleeps in the event loop
// until the Clock ticks or the user acts, so Stop, Pause/Resume and the refresh period work at
// once and nothing spins while it waits.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

#include "app/main/Foreground.h"
#include "app/main/RefusalBox.h"
#include "app/main/frmMain.h"
#include "app/platform/StdText.h"
#include "app/platform/TranslatedText.h"
#include "calendar/navigation/MoveLimits.h"
#include "calendar/navigation/MoveOptions.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"

namespace orlun::app {

namespace {

// A typed date closer than this to the current moment (about a minute) does not replace it.
constexpr double kSameMomentDays = 0.0007;

MoveUnit SelectedUnit(const QComboBox* steps)
{
    return MoveUnitAt(steps->currentIndex()).value_or(kDefaultMoveUnit);
}

} // namespace

void frmMain::ConnectMoveHandlers()
{
    // Showing and hiding these must not move the controls around them.
    for (QWidget* w : std::initializer_list<QWidget*>{
             fraStopPauseResume, chkKeep30th, chkKeepLeap, cmdDisplayYearData,
             cmdListLunarNewYears, cmdListLeapMonths, cmdListJulianCENewYears, cmdNow}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    const auto colourDirection = [this] {
        for (QRadioButton* option : optMoveDirection)
            SetForeground(option, option->isChecked() ? lngHighlight : lngDehighlight);
    };
    colourDirection();
    SetForeground(chkRepeatedly, lngDehighlight);
    connect(optMoveDirection[0], &QRadioButton::toggled, this, [this, colourDirection] {
        colourDirection();
        if (!isVisible()) return;
        CmdSaveStateEnabled(true);
        cmdMove->setFocus();
    });
    connect(cboMoveStep, &QComboBox::activated, this, [this] {
        if (!isVisible() || !blnStartupCompleted) return;
        UpdateKeepOptions();
        CmdSaveStateEnabled(true);
        cmdMove->setFocus();
    });
    connect(chkRepeatedly, &QCheckBox::toggled, this, [this](bool checked) {
        SetForeground(chkRepeatedly, checked ? lngHighlight : lngDehighlight);
        if (!isVisible()) return;
        UpdateKeepOptions();
        cmdMove->setFocus();
    });
    for (QCheckBox* keep : {chkKeep30th, chkKeepLeap})
        connect(keep, &QCheckBox::toggled, this, [this, keep](bool checked) {
            MoveOptionToggled(keep, checked);
        });
    connect(cboRefreshPeriod, &QComboBox::activated, this, [this] {
        if (!blnPaused || !blnStartupCompleted) return;
        Clock->setInterval(RefreshPeriodMilliseconds(cboRefreshPeriod->currentText().toStdString()));
        cmdPauseResume->setFocus();
    });
    connect(cmdMove, &QPushButton::clicked, this, &frmMain::cmdMove_Click);
    connect(cmdMoveOneDay, &QPushButton::clicked, this, &frmMain::cmdMoveOneDay_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmMain::cmdStop_Click);
    connect(cmdPauseResume, &QPushButton::clicked, this, &frmMain::cmdPauseResume_Click);
    connect(Clock, &QTimer::timeout, this, &frmMain::Clock_Timer);
    // Quitting ends a running move, so that its loop lets the program end.
    connect(this, &frmMain::quitRequested, this, &frmMain::cmdStop_Click);
}

void frmMain::MoveOptionToggled(QWidget* option, bool checked)
{
    SetForeground(option, checked ? lngHighlight : lngDehighlight);
    if (isVisible() && cmdMove->isEnabled()) cmdMove->setFocus();
}

void frmMain::UpdateKeepOptions()
{
    const auto unit = SelectedUnit(cboMoveStep);
    const bool repeatedly = chkRepeatedly->isChecked();
    chkKeepLeap->setVisible(KeepLeapApplies(texts_.chl, unit, repeatedly));
    SetForeground(chkKeepLeap, chkKeepLeap->isChecked() ? lngHighlight : lngDehighlight);
    RefreshKeep30th();
}

void frmMain::RefreshKeep30th()
{
    const auto unit = SelectedUnit(cboMoveStep);
    chkKeep30th->setVisible(Keep30thApplies(texts_.chl, unit, chkRepeatedly->isChecked()));
    SetForeground(chkKeep30th, chkKeep30th->isChecked() ? lngHighlight : lngDehighlight);
}

void frmMain::EnableMoveFunctions(bool enabled)
{
    if (!enabled) {
        enabledBeforeMove_.clear();
        // The frame's own controls, not the frame: Stop and Pause/Resume sit inside it. Reset
        // too: it would change the unit and the options of the move that is running.
        for (QWidget* w : std::initializer_list<QWidget*>{
                 cmdMove, cmdMoveOneDay, fraMoveDirection, cboMoveStep, chkRepeatedly,
                 chkKeep30th, chkKeepLeap, fraConvert, fraSearch, cmdAddToLog,
                 cmdLogPreferences, cmdViewLog, cmdClearLog, cmdHelp, cmdSaveState,
                 cmdRestoreState, cmdReset}) {
            enabledBeforeMove_.emplace_back(w, w->isEnabled());
            w->setEnabled(false);
        }
        return;
    }
    for (const auto& [w, wasEnabled] : enabledBeforeMove_) w->setEnabled(wasEnabled);
    enabledBeforeMove_.clear();
}

void frmMain::StartClock()
{
    Clock->stop();
    Clock->setInterval(RefreshPeriodMilliseconds(cboRefreshPeriod->currentText().toStdString()));
    Clock->start();
}

bool frmMain::ReadMoveStartDate()
{
    txbDate->setText(txbDate->text().trimmed());
    if (txbDate->text().isEmpty()) return true;
    const auto ask = [this](const std::string& question) {
        return platform_.messages->Question(this, kCalendarQuestionTitle, TrText(question));
    };
    const ParseResult r = ParseDate(CurrentEntry(), settings_, ask);
    ApplyEntryFields(r.fields);
    if (r.highlight) HighlightCalendar();
    const Outcome<Moment> start = StartingMoment(r, settings_.country);
    if (!start.ok()) {
        ShowRefusal(*platform_.messages, this, start.refusal());
        txbDate->setFocus(); // the refusal returns to the date field
        return false;
    }
    if (std::abs(start.value().ajd() - dblCurrentAJDate) >= kSameMomentDays) dblCurrentAJDate = start.value().ajd();
    return true;
}

void frmMain::cmdMove_Click()
{
    if (blnRepeat) return; // a move is already running
    if (!ReadMoveStartDate()) return;
    txbDate->clear();
    txbTime->clear();
    cboTimeZone->setCurrentIndex(-1);

    blnRepeat = chkRepeatedly->isChecked();
    if (blnRepeat) {
        EnableMoveFunctions(false);
        for (QWidget* w : std::initializer_list<QWidget*>{cmdDisplayYearData, cmdListLunarNewYears,
                                                         cmdListLeapMonths, cmdListJulianCENewYears,
                                                         cmdNow})
            w->hide();
        cboEpoch->setEnabled(false);
        cmdPauseResume->setText(tr("Pause"));
        cmdPauseResume->setEnabled(true);
        blnPaused = false;
        lblRefreshPeriod->setEnabled(false);
        cboRefreshPeriod->setEnabled(false);
        fraStopPauseResume->show();
        cmdStop->setFocus();
        StartClock();
    }
    blnStepDue = true;
    stopRequest_ = false;
    RunMoveLoop();
    EndMove();
}

void frmMain::RunMoveLoop()
{
    do {
        if (blnStepDue && !blnPaused) {
            blnStepDue = false;
            MakeMoveStep();
            if (stopRequest_) blnRepeat = false;
        }
        if (!blnRepeat) return;
        if (const auto exceeded = RangeExceeded(Moment(dblCurrentAJDate))) {
            cmdStop_Click();
            ShowRefusal(*platform_.messages, this, *exceeded);
            return;
        }
        platform_.events->WaitForEvents();
    } while (blnRepeat && !stopRequest_);
}

void frmMain::MakeMoveStep()
{
    MoveInputs in;
    in.unit = SelectedUnit(cboMoveStep);
    in.forward = optMoveDirection[0]->isChecked();
    in.keep30 = !chkKeep30th->isHidden() && chkKeep30th->isChecked();
    in.keepLeap = !chkKeepLeap->isHidden() && chkKeepLeap->isChecked();
    const MomentOutcome r = MoveStep(Moment(dblCurrentAJDate), in, settings_);
    if (r.ok()) {
        dblCurrentAJDate = r->moment.ajd();
        if (r->calendar) {
            intCalendar = *r->calendar;
            HighlightCalendar();
        }
        Recalculate(AutoLogReason::Move);
        return;
    }
    ShowRefusal(*platform_.messages, this, r.refusal());
    if (r.refusal().next == AfterRefusal::StopRequest) {
        Recalculate(AutoLogReason::Move); // once more, with the unchanged moment
        stopRequest_ = true;
    } else {
        blnRepeat = false;
    }
}

void frmMain::EndMove()
{
    blnRepeat = false;
    chkRepeatedly->setChecked(false);
    Clock->stop();
    if (!enabledBeforeMove_.empty()) EnableMoveFunctions(true);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdDisplayYearData, cmdListLunarNewYears,
                                                     cmdListLeapMonths, cmdListJulianCENewYears,
                                                     cmdNow})
        w->show();
    cboEpoch->setEnabled(true);
    // A refused step leaves Stop on show; only Stop is of use then.
    cmdPauseResume->setEnabled(false);
    ShowLogButtons();
    CmdSaveStateEnabled(true);
    cmdMove->setFocus();
}

void frmMain::cmdStop_Click()
{
    blnRepeat = false;
    blnPaused = false;
    fraStopPauseResume->hide();
}

void frmMain::cmdPauseResume_Click()
{
    if (!blnRepeat) return;
    if (!blnPaused) {
        cmdPauseResume->setText(tr("Resume"));
        blnPaused = true;
        lblRefreshPeriod->setEnabled(true);
        cboRefreshPeriod->setEnabled(true);
        Clock->stop();
        cmdPauseResume->setFocus();
    } else {
        cmdPauseResume->setText(tr("Pause"));
        blnPaused = false;
        lblRefreshPeriod->setEnabled(false);
        cboRefreshPeriod->setEnabled(false);
        StartClock();
        cmdStop->setFocus();
    }
}

void frmMain::Clock_Timer()
{
    // A tick that was on its way when Pause was pressed makes no step after Resume.
    if (blnRepeat && !blnPaused) blnStepDue = true;
}

void frmMain::cmdMoveOneDay_Click()
{
    if (blnRepeat) return;
    chkRepeatedly->setChecked(false);
    const MomentOutcome r = OneDayStep(Moment(dblCurrentAJDate), optMoveDirection[0]->isChecked());
    if (!r.ok()) {
        ShowRefusal(*platform_.messages, this, r.refusal());
        return;
    }
    dblCurrentAJDate = r->moment.ajd();
    Recalculate(AutoLogReason::OneDay);
    ShowLogButtons();
    CmdSaveStateEnabled(true);
    cmdMove->setFocus();
}

} // namespace orlun::app

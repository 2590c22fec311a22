// The main window: it owns the one moment the program is about (dblCurrentAJDate) and shows it
// at once in every calendar and day count. Every action that changes the moment writes
// dblCurrentAJDate and then redisplays through Recalculate or DisplayDatesAndTimes.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "app/main/MainControls.h"
#include "app/platform/Platform.h"
#include "app/shared/LanguageChoice.h"
#include "app/shared/MainState.h"
#include "calendar/core/CalendarRows.h"
#include "calendar/entry/Convert.h"
#include "calendar/entry/DateEntry.h"
#include "calendar/presentation/LogEntry.h"
#include "calendar/state/SavedState.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/Settings.h"
#include "calendar/core/SearchTarget.h"
#include "calendar/core/Outcome.h"

namespace orlun::app {

class frmData;
class frmCalendar;
class frmFestivals;
class frmHelp;
class frmLog;
class frmLogPreferences;
class frmMultiple_El_An;

class frmMain : public QWidget, private MainControls {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    // Start-up: lays out, fills the lists, takes the saved state or the present moment, shows.
    void Form_Load();

    // What the windows it opens read of it, taken at the moment they ask.
    MainState State() const;
    const CalendarSettings& Settings() const { return settings_; }
    int Epoch() const { return settings_.epoch; }
    void CmdSaveStateEnabled(bool enabled);
    void EnableDisableFunctions();

    // The windows it opens.
    frmLog* Log() const { return frmLog_; }
    frmLogPreferences* LogPreferencesWindow() const { return frmLogPreferences_; }
    frmData* DataWindow() const { return frmData_; }
    frmCalendar* CalendarWindow() const { return frmCalendar_; }
    frmHelp* HelpWindow() const { return frmHelp_; }
    frmFestivals* FestivalsWindow() const { return frmFestivals_; }
    // The multiple element-animal search window, made when first needed.
    frmMultiple_El_An* MultipleWindow();

    // The moment and the row of the calendar whose line is current.
    double dblCurrentAJDate = 0;
    int intCalendar = kRowCHL;
    bool blnRepeat = false; // a repeated move is running

public slots:
    // The handlers of a list's new choice, of Stop, of Test and of a tick of the repeated move.
    void cboRefLong_Click();
    void cboEpoch_Click();
    void cboMethod_Click();
    void cboTarget_Click();
    void cboElementAnimal_Click();
    void cmdStop_Click();
    void cmdTest_Click();
    void Clock_Timer();

signals:
    // Emitted by "Quit": the program ends.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdNow_Click();
    void cmdReset_Click();
    void cmdQuit_Click();
    void chkShowARC_Click();
    void chkShowCJDs_Click();
    void cboLongitude_Click();
    void cmdCompute_Click();
    void optPlusMinus_Click();
    void cmdClearDate_Click();
    void cmdAddToLog_Click();
    void cmdViewLog_Click();
    void cmdClearLog_Click();
    void cmdLogPreferences_Click();
    void cmdSaveState_Click();
    void cmdRestoreState_Click();
    // The Move panel (frmMain_move.cpp).
    void cmdMove_Click();
    void cmdMoveOneDay_Click();
    void cmdPauseResume_Click();
    void cmdDisplayYearData_Click();
    void cmdListLunarNewYears_Click();
    void cmdListLeapMonths_Click();
    void cmdListJulianCENewYears_Click();
    void cmdDisplayCalendar_Click();
    void cmdHelp_Click();
    void cmdFestivals_Click();
    // The Search panel (frmMain_search.cpp).
    void cmdSearch_Click();
    void optNextPrevious_Click();

private:
    // The full display cycle after a new moment; v is the automatic-log reason.
    void Recalculate(AutoLogReason v);
    void DisplayDatesAndTimes();
    void DisplayDeltaT();
    // The Moon lines and picture for the current moment, on the background colour.
    void DisplayMoonData(const QColor& background);
    void ShowNow();
    void HighlightCalendar();
    void SetTheFocus();
    // Performs the value click of the line of the current calendar.
    void CopyCurrentDate();
    QColor CountryColour() const;
    // The automatic log entry of an action (reasons 1 Now, 2 Convert, 3 Move, 4 Search, 5 One day).
    void AutoLog(AutoLogReason reason);
    // Reads the saved state and applies it; false, with nothing applied, when it cannot be read.
    bool RestoreState();
    // Shows the message of a date-entry error code.
    void DisplayDateEntryError(DateEntryError code);
    // Where the window stands, for the windows placed beside it.
    MainPlacement Placement() const;
    // Builds every control and the layout (frmMain_layout.cpp).
    void LayOut();
    // The window's place and size from and into the settings store (frmMain_placement.cpp);
    // false when none is kept or the kept one cannot be used.
    bool RestoreWindowPlacement();
    bool RestoreOlderPlacement();
    void SaveWindowPlacement();
    // Ctrl+Q, Ctrl+C, Enter and the names a screen reader gives the controls (frmMain_keys.cpp).
    void ConnectKeys();
    void NameControls();
    // Ctrl+C: the value of the focused display line, or else of the current calendar's line,
    // goes to the clipboard as a click on its caption puts it there.
    void CopyFocusedOrCurrentLine();
    // The usual size from the controls, within the screen's free area; the window moves in
    // from (100, 100) as far as its frame needs.
    void FitToScreen();
    // As a window follows its layout: when the page needs more room than the window has, the
    // window grows to it, within the screen.
    void FollowPage();
    void ResizeWithinScreen(const QSize& wanted);
    // The inside at least as large as the page needs, and the frame wholly on the screen.
    void KeepWholeOnScreen();
    // The same once the window manager has framed the window (it looks again a few times).
    void KeepWholeOnScreenOnceFramed(int looksLeft);
    bool FrameKnown() const;
    // The room the page needs to show whole, without scroll bars.
    QSize NeededSize() const;
    // The frame's title bar and borders around the inside (estimated until the window is framed).
    QMargins FrameMargins() const;
    // The steps of start-up, in their order.
    void Initialization();
    void InitializeVariables();
    void FillLists();
    void PrepareFirstDisplay();
    void ShowFirstMoment(bool restored);
    void ConnectHandlers();
    // Click on the caption (index 0) or the value (index 1) of the line of a calendar row.
    void LineClicked(CalendarRow row, int index);
    LabelPair& LineOfRow(CalendarRow row);
    void ApplyCountryColour();
    // The day's (index 1) or the year's (index 0) stem and branch pictures of a position.
    void ShowStemBranch(int index, int position);
    void ExchangeAnimalWordsInTargets();
    // The element and animal lists follow the date field (txbDate_Change).
    void DateFieldChanged();
    // A log entry that could not be written: the reason in a box titled "Error", and a repeated
    // move stops.
    void LogEntryFailed(const std::string& error);
    // Shows View log and Clear log exactly while the log holds text.
    void ShowLogButtons();
    // Creates the log and log-preferences windows (hidden) and connects them.
    void MakeLogWindows();
    // Creates the data window (hidden), connects its buttons and the self-test shortcut.
    void MakeDataWindow();
    // The moment as the log sees it: the display texts and the window's settings.
    LogMoment CurrentLogMoment() const;
    AutoLogContext CurrentAutoLogContext() const;
    // The saved state of the window, and applying a read one.
    SavedState CollectState() const;
    void ApplyState(const SavedState& state, bool withLogConfiguration);
    // The entry fields as the date parser reads them, and writing its result back.
    DateEntry CurrentEntry() const;
    void ApplyEntryFields(const DateEntry& fields);
    // Convert's two halves: the fields the parse wrote, then the new moment or the message.
    void WriteBackConvertFields(const ConvertResult& r);
    void ShowConvertResult(const ConvertResult& r);
    void SetLineVisible(LabelPair& line, bool visible);
    // The Move panel (frmMain_move.cpp).
    void ConnectMoveHandlers();
    // The enabling routine of a repeated move: false disables the panels and buttons a move
    // must not race with, true gives each back the state it had.
    void EnableMoveFunctions(bool enabled);
    bool ReadMoveStartDate();
    void RunMoveLoop();
    void MakeMoveStep();
    void EndMove();
    void UpdateKeepOptions();
    void RefreshKeep30th();
    void MoveOptionToggled(QWidget* option, bool checked);
    void StartClock();
    // The language choice and the native-script line (frmMain_language.cpp).
    void SetUpLanguage();
    void cboLanguage_Click();
    // The language the choice stands for under the system locale.
    Language CurrentLanguage() const;
    // The native line of the texts on show, or hidden in English.
    void ShowNativeDate();
    // The Search panel (frmMain_search.cpp).
    void ConnectSearchHandlers();
    void ColourSearchDirection();
    SearchTarget SelectedTarget() const;
    void RefreshElementAnimalTargets();
    void ShowSearching(const QString& text);
    // The found moment, if any, becomes current; the display is redone for the target.
    void FinishSearch(SearchTarget target, const std::optional<NewMoment>& found);
    void SearchInMultipleWindow(SearchTarget target);
    bool MultipleSearchCancelled() const;
    std::string MultipleSearchDescription() const;

    // The window's own state.
    bool blnInitializing = false;
    bool blnStartupCompleted = false;
    bool blnPaused = false;  // the running repeated move is paused
    bool blnStepDue = false; // the next step of a repeated move may be made (set by Clock)
    const QColor lngHighlight{255, 255, 255};
    const QColor lngDehighlight{200, 200, 200};
    QString strPicPath;     // the picture folder
    QString strMoonSuffix;  // "", "_vn" or "_jp": the country's Moon pictures
    bool blnChina = true;   // the country is China
    // Zone codes of the reference longitudes 100..145 E (part of the saved state).
    std::array<std::string, kZoneCodeCount> ZoneCodes = DefaultZoneCodes();

    Platform& platform_;
    CalendarSettings settings_;
    DisplayTexts texts_; // the texts last displayed
    LanguageChoice languageChoice_;
    Language windowLanguage_ = Language::English; // the windows' language, taken at start
    QString stateFilePath_;
    frmLog* frmLog_ = nullptr;
    frmLogPreferences* frmLogPreferences_ = nullptr;
    frmData* frmData_ = nullptr;
    // The calendar month and help windows (frmMain_views.cpp), made when first opened.
    void ConnectViews();
    void OpenHelp(const QString& section);
    frmCalendar* frmCalendar_ = nullptr;
    frmHelp* frmHelp_ = nullptr;
    frmFestivals* frmFestivals_ = nullptr; // frmMain_festivals.cpp, made when first opened
    // Element and animal list indexes of the three rows of the multiple element-animal search.
    std::array<int, 6> multipleElementAnimal_{5, 12, 5, 12, 5, 12};
    frmMultiple_El_An* frmMultiple_ = nullptr;
    bool quitting_ = false;
    bool stopRequest_ = false;
    std::vector<std::pair<QWidget*, bool>> enabledBeforeMove_;
};

} // namespace orlun::app

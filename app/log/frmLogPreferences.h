// The log preferences window: its 13 check boxes are the settings that decide what a log entry
// contains. The log reads them at every entry; the saved state stores them.
#pragma once

#include <QWidget>
#include <array>

#include "calendar/presentation/LogEntry.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace orlun::app {

class frmLogPreferences : public QWidget {
    Q_OBJECT
public:
    // With a parent the window still stands on its own, but goes with the parent.
    explicit frmLogPreferences(QWidget* parent = nullptr);

    LogPreferences Values() const;
    void SetValues(const LogPreferences& values);
    // The start-up configuration: CJDC, CJDL and AJD follow "Show chronological JDs".
    void SetDefaultLogConfiguration(bool showCJDs);

    // Shows the window with its bottom edge on the main window's and its right edge a little
    // inside the main window's; the focus goes to Close.
    void ShowFor(const QWidget& mainWindow);
    // "Close": hides the window; with nothing checked, ChL is checked so that entries show a date.
    void CloseWindow();
    // "Set all" / "Clear all": every check box of the window.
    void SetOrClearAll();

    QLabel* lblInclude = nullptr;
    QGroupBox* fraChinese = nullptr;
    QGroupBox* fraWestern = nullptr;
    QGroupBox* fraAstronomical = nullptr;
    QCheckBox* chkIncludeChL = nullptr;
    QCheckBox* chkIncludeChS = nullptr;
    QCheckBox* chkIncludeCJDC = nullptr;
    QCheckBox* chkEpochEtc = nullptr;
    QCheckBox* chkIncludeCE = nullptr;
    QCheckBox* chkIncludeJC = nullptr;
    QCheckBox* chkIncludeCJDL = nullptr;
    QCheckBox* chkIncludeAJD = nullptr;
    QCheckBox* chkIncludePhaseOfMoonAndIllumination = nullptr;
    QCheckBox* chkIncludeLunationAndAgeOfMoon = nullptr;
    QCheckBox* chkVerbose = nullptr;
    QCheckBox* chkIncludeGanzhi = nullptr;
    QCheckBox* chkViewLogWhenAdd = nullptr;
    QPushButton* cmdSetClear = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    // The window was closed: the main window enables "Save state" and takes the focus back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The 13 boxes in the saved-state order.
    std::array<QCheckBox*, kLogPreferenceCount> Boxes() const;
    // "Clear all" when every box is checked, "Set all" otherwise.
    void UpdateSetClearCaption();
    void LayOut();
};

} // namespace orlun::app

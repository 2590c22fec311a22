// The controls of the main window, each named as its objectName. The window holds them as a
// private base (Qt's multiple-inheritance form of a designed window): its own code names them
// directly, and no other window can reach them. frmMain_layout.cpp makes and places them.
#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTimer;
class QWidget;

namespace orlun::app {

class ClickableLabel;

// A display line: index 0 the caption, index 1 the value.
using LabelPair = std::array<ClickableLabel*, 2>;

struct MainControls {
    // Display lines.
    LabelPair lblCommonEraDate{};
    LabelPair lblJulianCalendarDate{};
    LabelPair lblChineseLunarDate{};
    LabelPair lblChineseSolarDate{};
    LabelPair lblArchetypesCalendarGMT{};
    LabelPair lblArchetypesCalendarCCT{};
    LabelPair lblChronologicalJulianDateLondon{};
    LabelPair lblChronologicalJulianDateBeijing{};
    LabelPair lblAstronomicalJulianDate{};
    LabelPair lblPhaseOfMoon{};
    LabelPair lblAgeOfMoon{};
    LabelPair lblDeltaT{};
    LabelPair lblElementAnimalOfDay{};
    QLabel* lblElementAnimalOfYear = nullptr;
    QLabel* lblElementAnimalOfMonth = nullptr;
    QLabel* lblYear = nullptr;
    std::array<QLabel*, 2> picStem{};   // 0 year, 1 day
    std::array<QLabel*, 2> picBranch{}; // 0 year, 1 day
    QLabel* picMoon = nullptr;
    // The Chinese lunar date in the chosen native language; hidden, taking no room, in English.
    ClickableLabel* lblNativeDate = nullptr;

    // Convert panel.
    QGroupBox* fraConvert = nullptr;
    QLabel* lblEnterDate = nullptr;
    QLineEdit* txbDate = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdClearDate = nullptr;
    QLineEdit* txbPlusMinus = nullptr;
    QLabel* lblDays = nullptr;
    QRadioButton* optPlus = nullptr;
    QRadioButton* optMinus = nullptr;
    QLabel* lblTime = nullptr;
    QLineEdit* txbTime = nullptr;
    QComboBox* cboTimeZone = nullptr;
    QLabel* lblElement = nullptr;
    QComboBox* cboElement = nullptr;
    QLabel* lblAnimal = nullptr;
    QComboBox* cboAnimal = nullptr;

    // Move panel.
    QGroupBox* fraMove = nullptr;
    QPushButton* cmdMove = nullptr;
    QPushButton* cmdMoveOneDay = nullptr;
    QGroupBox* fraMoveDirection = nullptr;
    std::array<QRadioButton*, 2> optMoveDirection{}; // 0 forward, 1 back
    QComboBox* cboMoveStep = nullptr;
    QCheckBox* chkRepeatedly = nullptr;
    QCheckBox* chkKeep30th = nullptr;
    QCheckBox* chkKeepLeap = nullptr;
    QGroupBox* fraStopPauseResume = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdPauseResume = nullptr;
    QLabel* lblRefreshPeriod = nullptr;
    QComboBox* cboRefreshPeriod = nullptr;
    QTimer* Clock = nullptr;

    // Search panel.
    QGroupBox* fraSearch = nullptr;
    QComboBox* cboTarget = nullptr;
    QRadioButton* optPrevious = nullptr;
    QRadioButton* optNext = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLabel* lblSearching = nullptr;

    // Settings.
    QComboBox* cboRefLong = nullptr;
    QLabel* lblLongitude = nullptr;
    QComboBox* cboLongitude = nullptr;
    QLabel* lblEast = nullptr;
    QLineEdit* txbCCT = nullptr;
    QLabel* lblEpoch = nullptr;
    QComboBox* cboEpoch = nullptr;
    QLabel* lblMethod = nullptr;
    QComboBox* cboMethod = nullptr;
    QCheckBox* chkShowARC = nullptr;
    QCheckBox* chkShowCJDs = nullptr;

    // The page of all controls, in a scroll area that lets the window fit a small screen.
    QScrollArea* scrMain = nullptr;
    QWidget* pgeMain = nullptr;

    // Buttons.
    QPushButton* cmdNow = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdAddToLog = nullptr;
    QPushButton* cmdViewLog = nullptr;
    QPushButton* cmdClearLog = nullptr;
    QPushButton* cmdLogPreferences = nullptr;
    QCheckBox* chkAutoLog = nullptr;
    QPushButton* cmdSaveState = nullptr;
    QPushButton* cmdRestoreState = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdQuit = nullptr;
    QPushButton* cmdDisplayYearData = nullptr;
    QPushButton* cmdListLunarNewYears = nullptr;
    QPushButton* cmdListLeapMonths = nullptr;
    QPushButton* cmdListJulianCENewYears = nullptr;
    QPushButton* cmdDisplayCalendar = nullptr;
    QPushButton* cmdTest = nullptr;
    QPushButton* cmdCompareSuns = nullptr;
    QPushButton* cmdFestivals = nullptr;

    // The language of the windows and of the native-script dates.
    QLabel* lblLanguage = nullptr;
    QComboBox* cboLanguage = nullptr;
    QLabel* lblLanguageNote = nullptr; // shown once the choice differs from the windows' language
};

} // namespace orlun::app

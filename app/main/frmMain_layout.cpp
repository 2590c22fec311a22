// The controls of the main window and where they sit. Every control carries its name as its
// objectName; the two labels of a display line are "<name>_0" (caption) and "<name>_1" (value).
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"

namespace orlun::app {

namespace {

template <class T>
T* Make(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_base_of_v<QGroupBox, T>) {
        w->setTitle(text);
    } else if constexpr (std::is_base_of_v<QLabel, T> || std::is_base_of_v<QAbstractButton, T> ||
                         std::is_base_of_v<QLineEdit, T>) {
        if (!text.isEmpty()) w->setText(text);
    }
    return w;
}

LabelPair MakePair(QWidget* parent, const char* name, const QString& caption)
{
    LabelPair pair{};
    for (int i = 0; i < 2; ++i) {
        pair[i] = new ClickableLabel(parent);
        pair[i]->setObjectName(QString::fromLatin1(name) + "_" + QString::number(i));
    }
    pair[0]->setText(caption);
    pair[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pair[0]->setTextFormat(Qt::PlainText);
    pair[1]->setTextFormat(Qt::PlainText);
    pair[1]->setMinimumWidth(380);
    QFont valueFont = pair[1]->font();
    valueFont.setPointSizeF(valueFont.pointSizeF() * 1.1);
    valueFont.setBold(true);
    pair[1]->setFont(valueFont);
    pair[0]->setCursor(Qt::PointingHandCursor);
    pair[1]->setCursor(Qt::PointingHandCursor);
    return pair;
}

QLabel* MakePicture(QWidget* parent, const char* name, int width, int height)
{
    auto* pic = Make<QLabel>(parent, name);
    pic->setFixedSize(width, height);
    pic->setAlignment(Qt::AlignCenter);
    return pic;
}

void AddPair(QGridLayout* grid, int row, const LabelPair& pair)
{
    grid->addWidget(pair[0], row, 0);
    grid->addWidget(pair[1], row, 1);
}

} // namespace

void frmMain::LayOut()
{
    // Display lines, in window order.
    lblChineseLunarDate = MakePair(this, "lblChineseLunarDate", "Chinese Lunar:");
    lblChineseSolarDate = MakePair(this, "lblChineseSolarDate", "Chinese Solar:");
    lblCommonEraDate = MakePair(this, "lblCommonEraDate", "Common Era (Gregorian):");
    lblJulianCalendarDate = MakePair(this, "lblJulianCalendarDate", "Julian Calendar:");
    lblArchetypesCalendarGMT = MakePair(this, "lblArchetypesCalendarGMT", "Zodozizidu Zidevuze:");
    lblArchetypesCalendarCCT = MakePair(this, "lblArchetypesCalendarCCT", "");
    lblChronologicalJulianDateLondon =
        MakePair(this, "lblChronologicalJulianDateLondon", "Chronological JD London:");
    lblChronologicalJulianDateBeijing = MakePair(this, "lblChronologicalJulianDateBeijing", "");
    lblAstronomicalJulianDate =
        MakePair(this, "lblAstronomicalJulianDate", "Astronomical Julian date:");
    lblElementAnimalOfDay = MakePair(this, "lblElementAnimalOfDay", "");
    lblPhaseOfMoon = MakePair(this, "lblPhaseOfMoon", "Phase of Moon, illumination:");
    lblAgeOfMoon = MakePair(this, "lblAgeOfMoon", "[Lunation] Age of Moon:");
    lblDeltaT = MakePair(this, "lblDeltaT", "Delta T:");
    lblElementAnimalOfYear = Make<QLabel>(this, "lblElementAnimalOfYear");
    lblElementAnimalOfMonth = Make<QLabel>(this, "lblElementAnimalOfMonth");
    lblYear = Make<QLabel>(this, "lblYear");
    lblYear->setAlignment(Qt::AlignCenter);

    auto* lines = new QGridLayout;
    lines->setHorizontalSpacing(12);
    lines->setVerticalSpacing(4);
    int row = 0;
    for (const LabelPair* pair : {&lblChineseLunarDate, &lblChineseSolarDate, &lblCommonEraDate,
                                  &lblJulianCalendarDate, &lblArchetypesCalendarGMT,
                                  &lblArchetypesCalendarCCT})
        AddPair(lines, row++, *pair);
    // The CJD lines and the year and month element-animal labels share one place.
    AddPair(lines, row, lblChronologicalJulianDateLondon);
    lines->addWidget(lblElementAnimalOfYear, row++, 0, 1, 2, Qt::AlignCenter);
    AddPair(lines, row, lblChronologicalJulianDateBeijing);
    lines->addWidget(lblElementAnimalOfMonth, row++, 0, 1, 2, Qt::AlignCenter);
    for (const LabelPair* pair : {&lblAstronomicalJulianDate, &lblElementAnimalOfDay,
                                  &lblPhaseOfMoon, &lblAgeOfMoon, &lblDeltaT})
        AddPair(lines, row++, *pair);
    lines->setColumnStretch(1, 1);

    // Pictures: the Moon, and the stem and branch of the year (0) and the day (1).
    picMoon = MakePicture(this, "picMoon", 89, 89);
    for (int i = 0; i < 2; ++i) {
        picStem[i] = MakePicture(this, i == 0 ? "picStem_0" : "picStem_1", 40, 40);
        picBranch[i] = MakePicture(this, i == 0 ? "picBranch_0" : "picBranch_1", 40, 40);
    }
    auto* pictures = new QGridLayout;
    pictures->addWidget(picMoon, 0, 0, 1, 2, Qt::AlignCenter);
    pictures->addWidget(lblYear, 1, 0, 1, 2);
    pictures->addWidget(picStem[0], 2, 0);
    pictures->addWidget(picBranch[0], 2, 1);
    pictures->addWidget(picStem[1], 3, 0);
    pictures->addWidget(picBranch[1], 3, 1);
    pictures->setRowStretch(4, 1);

    // Convert panel.
    fraConvert = Make<QGroupBox>(this, "fraConvert", "Convert");
    lblEnterDate = Make<QLabel>(fraConvert, "lblEnterDate", "Date:");
    txbDate = Make<QLineEdit>(fraConvert, "txbDate");
    cmdCompute = Make<QPushButton>(fraConvert, "cmdCompute", "Convert");
    cmdClearDate = Make<QPushButton>(fraConvert, "cmdClearDate", "Clear");
    txbPlusMinus = Make<QLineEdit>(fraConvert, "txbPlusMinus");
    lblDays = Make<QLabel>(fraConvert, "lblDays", "days");
    optPlus = Make<QRadioButton>(fraConvert, "optPlus", "plus");
    optMinus = Make<QRadioButton>(fraConvert, "optMinus", "minus");
    lblTime = Make<QLabel>(fraConvert, "lblTime", "Time:");
    txbTime = Make<QLineEdit>(fraConvert, "txbTime");
    cboTimeZone = Make<QComboBox>(fraConvert, "cboTimeZone");
    lblElement = Make<QLabel>(fraConvert, "lblElement", "element");
    cboElement = Make<QComboBox>(fraConvert, "cboElement");
    lblAnimal = Make<QLabel>(fraConvert, "lblAnimal", "animal");
    cboAnimal = Make<QComboBox>(fraConvert, "cboAnimal");
    txbDate->setMinimumWidth(220);
    txbPlusMinus->setMaximumWidth(90);
    txbTime->setMaximumWidth(70);
    {
        auto* g = new QGridLayout(fraConvert);
        g->addWidget(lblEnterDate, 0, 0);
        g->addWidget(txbDate, 0, 1, 1, 3);
        g->addWidget(cmdCompute, 0, 4);
        g->addWidget(cmdClearDate, 0, 5);
        auto* plusMinus = new QHBoxLayout;
        plusMinus->addWidget(optPlus);
        plusMinus->addWidget(optMinus);
        plusMinus->addWidget(txbPlusMinus);
        plusMinus->addWidget(lblDays);
        plusMinus->addStretch();
        g->addLayout(plusMinus, 1, 1, 1, 5);
        g->addWidget(lblTime, 2, 0);
        g->addWidget(txbTime, 2, 1);
        g->addWidget(cboTimeZone, 2, 2);
        auto* elementAnimal = new QHBoxLayout;
        elementAnimal->addWidget(lblElement);
        elementAnimal->addWidget(cboElement);
        elementAnimal->addWidget(lblAnimal);
        elementAnimal->addWidget(cboAnimal);
        elementAnimal->addStretch();
        g->addLayout(elementAnimal, 3, 0, 1, 6);
    }

    // Move panel.
    fraMove = Make<QGroupBox>(this, "fraMove", "Move");
    cmdMove = Make<QPushButton>(fraMove, "cmdMove", "Move");
    cmdMoveOneDay = Make<QPushButton>(fraMove, "cmdMoveOneDay", "one day");
    fraMoveDirection = Make<QGroupBox>(fraMove, "fraMoveDirection");
    optMoveDirection[0] = Make<QRadioButton>(fraMoveDirection, "optMoveDirection_0", "forward");
    optMoveDirection[1] = Make<QRadioButton>(fraMoveDirection, "optMoveDirection_1", "back");
    cboMoveStep = Make<QComboBox>(fraMove, "cboMoveStep");
    chkRepeatedly = Make<QCheckBox>(fraMove, "chkRepeatedly", "repeatedly");
    chkKeep30th = Make<QCheckBox>(fraMove, "chkKeep30th", "keep 30th");
    chkKeepLeap = Make<QCheckBox>(fraMove, "chkKeepLeap", "keep leap");
    fraStopPauseResume = Make<QGroupBox>(fraMove, "fraStopPauseResume");
    cmdStop = Make<QPushButton>(fraStopPauseResume, "cmdStop", "Stop");
    cmdPauseResume = Make<QPushButton>(fraStopPauseResume, "cmdPauseResume", "Pause");
    lblRefreshPeriod =
        Make<QLabel>(fraStopPauseResume, "lblRefreshPeriod", "Refresh period (in seconds):");
    cboRefreshPeriod = Make<QComboBox>(fraStopPauseResume, "cboRefreshPeriod");
    Clock = new QTimer(this);
    Clock->setObjectName("Clock");
    {
        auto* direction = new QHBoxLayout(fraMoveDirection);
        direction->setContentsMargins(4, 2, 4, 2);
        direction->addWidget(optMoveDirection[0]);
        direction->addWidget(optMoveDirection[1]);
        auto* stop = new QGridLayout(fraStopPauseResume);
        stop->addWidget(cmdStop, 0, 0);
        stop->addWidget(cmdPauseResume, 0, 1);
        stop->addWidget(lblRefreshPeriod, 1, 0);
        stop->addWidget(cboRefreshPeriod, 1, 1);
        auto* g = new QGridLayout(fraMove);
        g->addWidget(cmdMove, 0, 0);
        g->addWidget(fraMoveDirection, 0, 1);
        g->addWidget(cmdMoveOneDay, 0, 2);
        g->addWidget(cboMoveStep, 1, 0, 1, 2);
        g->addWidget(chkRepeatedly, 1, 2);
        g->addWidget(chkKeep30th, 2, 0);
        g->addWidget(chkKeepLeap, 2, 1);
        g->addWidget(fraStopPauseResume, 3, 0, 1, 3);
    }

    // Search panel.
    fraSearch = Make<QGroupBox>(this, "fraSearch", "Search");
    cmdSearch = Make<QPushButton>(fraSearch, "cmdSearch", "Search for");
    optPrevious = Make<QRadioButton>(fraSearch, "optPrevious", "previous");
    optNext = Make<QRadioButton>(fraSearch, "optNext", "next");
    cboTarget = Make<QComboBox>(fraSearch, "cboTarget");
    lblSearching = Make<QLabel>(fraSearch, "lblSearching");
    {
        auto* g = new QGridLayout(fraSearch);
        g->addWidget(cmdSearch, 0, 0);
        g->addWidget(optPrevious, 0, 1);
        g->addWidget(optNext, 0, 2);
        g->addWidget(cboTarget, 1, 0, 1, 3);
        g->addWidget(lblSearching, 2, 0, 1, 3);
        g->setRowStretch(3, 1);
    }

    // Settings: country, epoch, method, the display switches.
    cboRefLong = Make<QComboBox>(this, "cboRefLong");
    lblLongitude = Make<QLabel>(this, "lblLongitude", "Reference longitude:");
    cboLongitude = Make<QComboBox>(this, "cboLongitude");
    lblEast = Make<QLabel>(this, "lblEast", QString::fromUtf8("\u00BA East"));
    txbCCT = Make<QLineEdit>(this, "txbCCT");
    lblEpoch = Make<QLabel>(this, "lblEpoch", "Epoch:");
    cboEpoch = Make<QComboBox>(this, "cboEpoch");
    lblMethod = Make<QLabel>(this, "lblMethod", "Solar terms:");
    cboMethod = Make<QComboBox>(this, "cboMethod");
    chkShowARC = Make<QCheckBox>(this, "chkShowARC", "Show Zodozizidu Zidevuze");
    chkShowCJDs = Make<QCheckBox>(this, "chkShowCJDs", "Show chronological JDs");
    auto* settingsRow = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{lblLongitude, cboRefLong, cboLongitude, lblEast, txbCCT, lblEpoch,
                                                     cboEpoch, lblMethod, cboMethod, chkShowARC,
                                                     chkShowCJDs})
        settingsRow->addWidget(w);
    settingsRow->addStretch();

    // The list and window buttons.
    cmdDisplayYearData = Make<QPushButton>(this, "cmdDisplayYearData",
                                           "Dates/times/CJDs of dark moons && solar terms");
    cmdListLunarNewYears = Make<QPushButton>(this, "cmdListLunarNewYears",
                                             "List lunar new years && anniversaries");
    cmdListLeapMonths = Make<QPushButton>(this, "cmdListLeapMonths",
                                          "List lunar month starts && leap months");
    cmdListJulianCENewYears = Make<QPushButton>(this, "cmdListJulianCENewYears",
                                                "List Julian && Common Era new years");
    cmdDisplayCalendar =
        Make<QPushButton>(this, "cmdDisplayCalendar", "Show lunar calendar month");
    cmdTest = Make<QPushButton>(this, "cmdTest", "Test");
    cmdCompareSuns = Make<QPushButton>(this, "cmdCompareSuns", "Compare suns");
    auto* listButtons = new QGridLayout;
    listButtons->addWidget(cmdDisplayYearData, 0, 0);
    listButtons->addWidget(cmdListLunarNewYears, 0, 1);
    listButtons->addWidget(cmdDisplayCalendar, 0, 2);
    listButtons->addWidget(cmdListLeapMonths, 1, 0);
    listButtons->addWidget(cmdListJulianCENewYears, 1, 1);
    listButtons->addWidget(cmdTest, 1, 2);
    listButtons->addWidget(cmdCompareSuns, 1, 3);

    // The button column.
    cmdNow = Make<QPushButton>(this, "cmdNow", "Now");
    cmdReset = Make<QPushButton>(this, "cmdReset", "Reset");
    cmdAddToLog = Make<QPushButton>(this, "cmdAddToLog", "Add to log");
    cmdViewLog = Make<QPushButton>(this, "cmdViewLog", "View log");
    cmdClearLog = Make<QPushButton>(this, "cmdClearLog", "Clear log");
    cmdLogPreferences = Make<QPushButton>(this, "cmdLogPreferences", "Configure log");
    chkAutoLog = Make<QCheckBox>(this, "chkAutoLog", "Auto log");
    cmdSaveState = Make<QPushButton>(this, "cmdSaveState", "Save state");
    cmdRestoreState = Make<QPushButton>(this, "cmdRestoreState", "Restore state");
    cmdHelp = Make<QPushButton>(this, "cmdHelp", "Help");
    cmdQuit = Make<QPushButton>(this, "cmdQuit", "Quit");
    auto* buttons = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdNow, cmdReset, cmdAddToLog, cmdViewLog,
                                                     cmdClearLog, cmdLogPreferences, chkAutoLog,
                                                     cmdSaveState, cmdRestoreState, cmdHelp,
                                                     cmdQuit})
        buttons->addWidget(w);
    buttons->addStretch();

    // The whole window.
    auto* top = new QHBoxLayout;
    top->addLayout(lines, 1);
    top->addLayout(pictures);
    auto* panels = new QHBoxLayout;
    panels->addWidget(fraConvert, 3);
    panels->addWidget(fraMove, 2);
    panels->addWidget(fraSearch, 2);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(settingsRow);
    left->addLayout(panels);
    left->addLayout(listButtons);
    auto* window = new QHBoxLayout(this);
    window->addLayout(left, 1);
    window->addLayout(buttons);
}

} // namespace orlun::app

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
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/main/ClickableLabel.h"
#include "app/main/MainLists.h"
#include "app/main/frmMain.h"
#include "app/platform/TranslatedText.h"
#include "app/platform/StdText.h"
#include "calendar/arc/ArcChlNote.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/presentation/DisplayModel.h"

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

// A control that comes and goes keeps its place, so that nothing else moves under the pointer.
void KeepPlaceWhenHidden(QWidget* w)
{
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}


// Every text a caption can take: the design captions, the country's Chinese captions, the CJDC
// caption of any longitude, the day's pinyin names and the ARC notes.
QStringList AllCaptions()
{
    QStringList captions = {frmMain::tr("Common Era (Gregorian):"), frmMain::tr("Julian Calendar:"),
                            frmMain::tr("Zodozizidu Zidevuze:"), frmMain::tr("Chronological JD London:"),
                            frmMain::tr("Astronomical Julian date:"),
                            frmMain::tr("Phase of Moon, illumination:"),
                            frmMain::tr("[Lunation] Age of Moon:"), frmMain::tr("Delta T:")};
    for (const CountryProfile& p : CountryProfiles())
        captions << LunarCaptionText(p.country) << SolarCaptionText(p.country);
    for (int l = kMinRefLongitude; l <= kMaxRefLongitude; ++l) captions << CjdcCaptionText(l);
    for (int position = 1; position <= 60; ++position) captions << Q(StemBranchStr(position));
    for (const char* note : kArcChlNotes) captions << TrText(note);
    return captions;
}

// The display lines sit in even rows of one height, with the caption column as wide as the widest
// caption: a longer note or a line shown or hidden moves no other line.
void FixLineGeometry(const std::vector<LabelPair*>& pairs, const std::vector<QLabel*>& spanning)
{
    const QFontMetrics captionMetrics(pairs.front()->at(0)->font());
    const QFontMetrics valueMetrics(pairs.front()->at(1)->font());
    int captionWidth = 0;
    for (const QString& caption : AllCaptions())
        captionWidth = std::max(captionWidth, captionMetrics.horizontalAdvance(caption));
    const int rowHeight = std::max(captionMetrics.height(), valueMetrics.height()) + 4;
    for (LabelPair* pair : pairs) {
        (*pair)[0]->setFixedWidth(captionWidth + 8);
        for (ClickableLabel* label : *pair) {
            label->setFixedHeight(rowHeight);
            KeepPlaceWhenHidden(label);
        }
    }
    for (QLabel* label : spanning) {
        label->setFixedHeight(rowHeight);
        KeepPlaceWhenHidden(label);
    }
}

// The Chinese lunar date in a native script, under the Chinese dates in their value column. It is
// hidden in English (an empty row takes no room); its text may wrap and the row grows.
ClickableLabel* NativeDateLine(MainControls& w, QWidget* window)
{
    auto* line = w.lblNativeDate = new ClickableLabel(window);
    line->setObjectName("lblNativeDate");
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setFont(w.lblChineseLunarDate[1]->font());
    line->setCursor(Qt::PointingHandCursor);
    line->hide();
    return line;
}

QGridLayout* DisplayLines(MainControls& w, QWidget* window)
{
    w.lblChineseLunarDate = MakePair(window, "lblChineseLunarDate", frmMain::tr("Chinese Lunar:"));
    w.lblChineseSolarDate = MakePair(window, "lblChineseSolarDate", frmMain::tr("Chinese Solar:"));
    w.lblCommonEraDate = MakePair(window, "lblCommonEraDate", frmMain::tr("Common Era (Gregorian):"));
    w.lblJulianCalendarDate = MakePair(window, "lblJulianCalendarDate", frmMain::tr("Julian Calendar:"));
    w.lblArchetypesCalendarGMT = MakePair(window, "lblArchetypesCalendarGMT", frmMain::tr("Zodozizidu Zidevuze:"));
    w.lblArchetypesCalendarCCT = MakePair(window, "lblArchetypesCalendarCCT", "");
    w.lblChronologicalJulianDateLondon =
        MakePair(window, "lblChronologicalJulianDateLondon", frmMain::tr("Chronological JD London:"));
    w.lblChronologicalJulianDateBeijing = MakePair(window, "lblChronologicalJulianDateBeijing", "");
    w.lblAstronomicalJulianDate =
        MakePair(window, "lblAstronomicalJulianDate", frmMain::tr("Astronomical Julian date:"));
    w.lblElementAnimalOfDay = MakePair(window, "lblElementAnimalOfDay", "");
    w.lblPhaseOfMoon = MakePair(window, "lblPhaseOfMoon", frmMain::tr("Phase of Moon, illumination:"));
    w.lblAgeOfMoon = MakePair(window, "lblAgeOfMoon", frmMain::tr("[Lunation] Age of Moon:"));
    w.lblDeltaT = MakePair(window, "lblDeltaT", frmMain::tr("Delta T:"));
    w.lblElementAnimalOfYear = Make<QLabel>(window, "lblElementAnimalOfYear");
    w.lblElementAnimalOfMonth = Make<QLabel>(window, "lblElementAnimalOfMonth");

    auto* lines = new QGridLayout;
    lines->setHorizontalSpacing(12);
    lines->setVerticalSpacing(4);
    int row = 0;
    AddPair(lines, row++, w.lblChineseLunarDate);
    AddPair(lines, row++, w.lblChineseSolarDate);
    lines->addWidget(NativeDateLine(w, window), row++, 1);
    for (const LabelPair* pair : {&w.lblCommonEraDate, &w.lblJulianCalendarDate,
                                  &w.lblArchetypesCalendarGMT, &w.lblArchetypesCalendarCCT})
        AddPair(lines, row++, *pair);
    // The CJD lines and the year and month element-animal labels share one place.
    AddPair(lines, row, w.lblChronologicalJulianDateLondon);
    lines->addWidget(w.lblElementAnimalOfYear, row++, 0, 1, 2, Qt::AlignCenter);
    AddPair(lines, row, w.lblChronologicalJulianDateBeijing);
    lines->addWidget(w.lblElementAnimalOfMonth, row++, 0, 1, 2, Qt::AlignCenter);
    for (const LabelPair* pair : {&w.lblAstronomicalJulianDate, &w.lblElementAnimalOfDay,
                                  &w.lblPhaseOfMoon, &w.lblAgeOfMoon, &w.lblDeltaT})
        AddPair(lines, row++, *pair);
    lines->setColumnStretch(1, 1);
    lines->setRowStretch(row, 1);
    FixLineGeometry({&w.lblChineseLunarDate, &w.lblChineseSolarDate, &w.lblCommonEraDate,
                     &w.lblJulianCalendarDate, &w.lblArchetypesCalendarGMT,
                     &w.lblArchetypesCalendarCCT, &w.lblChronologicalJulianDateLondon,
                     &w.lblChronologicalJulianDateBeijing, &w.lblAstronomicalJulianDate,
                     &w.lblElementAnimalOfDay, &w.lblPhaseOfMoon, &w.lblAgeOfMoon, &w.lblDeltaT},
                    {w.lblElementAnimalOfYear, w.lblElementAnimalOfMonth});
    return lines;
}

// The Moon, and the stem and branch of the year (0) and the day (1).
QGridLayout* Pictures(MainControls& w, QWidget* window)
{
    w.picMoon = MakePicture(window, "picMoon", 89, 89);
    w.lblYear = Make<QLabel>(window, "lblYear");
    w.lblYear->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 2; ++i) {
        w.picStem[i] = MakePicture(window, i == 0 ? "picStem_0" : "picStem_1", 40, 40);
        w.picBranch[i] = MakePicture(window, i == 0 ? "picBranch_0" : "picBranch_1", 40, 40);
    }
    // They are shown for China only, and the Moon only once start-up is done.
    for (QWidget* picture : std::initializer_list<QWidget*>{w.picMoon, w.lblYear, w.picStem[0],
                                                           w.picBranch[0], w.picStem[1], w.picBranch[1]})
        KeepPlaceWhenHidden(picture);
    auto* pictures = new QGridLayout;
    pictures->addWidget(w.picMoon, 0, 0, 1, 2, Qt::AlignCenter);
    pictures->addWidget(w.lblYear, 1, 0, 1, 2);
    pictures->addWidget(w.picStem[0], 2, 0);
    pictures->addWidget(w.picBranch[0], 2, 1);
    pictures->addWidget(w.picStem[1], 3, 0);
    pictures->addWidget(w.picBranch[1], 3, 1);
    pictures->setRowStretch(4, 1);
    return pictures;
}

QGroupBox* ConvertPanel(MainControls& w, QWidget* window)
{
    QGroupBox* frame = w.fraConvert = Make<QGroupBox>(window, "fraConvert", frmMain::tr("Convert"));
    w.lblEnterDate = Make<QLabel>(frame, "lblEnterDate", frmMain::tr("Date:"));
    w.txbDate = Make<QLineEdit>(frame, "txbDate");
    w.cmdCompute = Make<QPushButton>(frame, "cmdCompute", frmMain::tr("Convert"));
    w.cmdClearDate = Make<QPushButton>(frame, "cmdClearDate", frmMain::tr("Clear"));
    w.txbPlusMinus = Make<QLineEdit>(frame, "txbPlusMinus");
    w.lblDays = Make<QLabel>(frame, "lblDays", frmMain::tr("days"));
    w.optPlus = Make<QRadioButton>(frame, "optPlus", frmMain::tr("plus"));
    w.optMinus = Make<QRadioButton>(frame, "optMinus", frmMain::tr("minus"));
    w.lblTime = Make<QLabel>(frame, "lblTime", frmMain::tr("Time:"));
    w.txbTime = Make<QLineEdit>(frame, "txbTime");
    w.cboTimeZone = Make<QComboBox>(frame, "cboTimeZone");
    w.lblElement = Make<QLabel>(frame, "lblElement", frmMain::tr("element"));
    w.cboElement = Make<QComboBox>(frame, "cboElement");
    w.lblAnimal = Make<QLabel>(frame, "lblAnimal", frmMain::tr("animal"));
    w.cboAnimal = Make<QComboBox>(frame, "cboAnimal");
    w.txbDate->setMinimumWidth(220);
    w.txbPlusMinus->setMaximumWidth(90);
    w.txbTime->setMaximumWidth(70);

    auto* g = new QGridLayout(frame);
    g->addWidget(w.lblEnterDate, 0, 0);
    g->addWidget(w.txbDate, 0, 1, 1, 3);
    g->addWidget(w.cmdCompute, 0, 4);
    g->addWidget(w.cmdClearDate, 0, 5);
    auto* plusMinus = new QHBoxLayout;
    plusMinus->addWidget(w.optPlus);
    plusMinus->addWidget(w.optMinus);
    plusMinus->addWidget(w.txbPlusMinus);
    plusMinus->addWidget(w.lblDays);
    plusMinus->addStretch();
    g->addLayout(plusMinus, 1, 1, 1, 5);
    g->addWidget(w.lblTime, 2, 0);
    g->addWidget(w.txbTime, 2, 1);
    g->addWidget(w.cboTimeZone, 2, 2);
    auto* elementAnimal = new QHBoxLayout;
    elementAnimal->addWidget(w.lblElement);
    elementAnimal->addWidget(w.cboElement);
    elementAnimal->addWidget(w.lblAnimal);
    elementAnimal->addWidget(w.cboAnimal);
    elementAnimal->addStretch();
    g->addLayout(elementAnimal, 3, 0, 1, 6);
    g->setRowStretch(4, 1);
    return frame;
}

QGroupBox* MovePanel(MainControls& w, QWidget* window)
{
    QGroupBox* frame = w.fraMove = Make<QGroupBox>(window, "fraMove", frmMain::tr("Move"));
    w.cmdMove = Make<QPushButton>(frame, "cmdMove", frmMain::tr("Move"));
    w.cmdMoveOneDay = Make<QPushButton>(frame, "cmdMoveOneDay", frmMain::tr("one day"));
    w.fraMoveDirection = Make<QGroupBox>(frame, "fraMoveDirection");
    w.optMoveDirection[0] = Make<QRadioButton>(w.fraMoveDirection, "optMoveDirection_0", frmMain::tr("forward"));
    w.optMoveDirection[1] = Make<QRadioButton>(w.fraMoveDirection, "optMoveDirection_1", frmMain::tr("back"));
    w.cboMoveStep = Make<QComboBox>(frame, "cboMoveStep");
    w.chkRepeatedly = Make<QCheckBox>(frame, "chkRepeatedly", frmMain::tr("repeatedly"));
    w.chkKeep30th = Make<QCheckBox>(frame, "chkKeep30th", frmMain::tr("keep 30th"));
    w.chkKeepLeap = Make<QCheckBox>(frame, "chkKeepLeap", frmMain::tr("keep leap"));
    w.fraStopPauseResume = Make<QGroupBox>(frame, "fraStopPauseResume");
    w.cmdStop = Make<QPushButton>(w.fraStopPauseResume, "cmdStop", frmMain::tr("Stop"));
    w.cmdPauseResume = Make<QPushButton>(w.fraStopPauseResume, "cmdPauseResume", frmMain::tr("Pause"));
    w.lblRefreshPeriod =
        Make<QLabel>(w.fraStopPauseResume, "lblRefreshPeriod", frmMain::tr("Refresh period (in seconds):"));
    w.cboRefreshPeriod = Make<QComboBox>(w.fraStopPauseResume, "cboRefreshPeriod");
    w.Clock = new QTimer(window);
    w.Clock->setObjectName("Clock");

    auto* direction = new QHBoxLayout(w.fraMoveDirection);
    direction->setContentsMargins(4, 2, 4, 2);
    direction->addWidget(w.optMoveDirection[0]);
    direction->addWidget(w.optMoveDirection[1]);
    auto* stop = new QGridLayout(w.fraStopPauseResume);
    stop->addWidget(w.cmdStop, 0, 0);
    stop->addWidget(w.cmdPauseResume, 0, 1);
    stop->addWidget(w.lblRefreshPeriod, 1, 0);
    stop->addWidget(w.cboRefreshPeriod, 1, 1);
    auto* g = new QGridLayout(frame);
    g->addWidget(w.cmdMove, 0, 0);
    g->addWidget(w.fraMoveDirection, 0, 1);
    g->addWidget(w.cmdMoveOneDay, 0, 2);
    g->addWidget(w.cboMoveStep, 1, 0, 1, 2);
    g->addWidget(w.chkRepeatedly, 1, 2);
    g->addWidget(w.chkKeep30th, 2, 0);
    g->addWidget(w.chkKeepLeap, 2, 1);
    g->addWidget(w.fraStopPauseResume, 3, 0, 1, 3);
    g->setRowStretch(4, 1);
    for (QWidget* comesAndGoes : std::initializer_list<QWidget*>{w.chkKeep30th, w.chkKeepLeap,
                                                                w.fraStopPauseResume})
        KeepPlaceWhenHidden(comesAndGoes);
    return frame;
}

QGroupBox* SearchPanel(MainControls& w, QWidget* window)
{
    QGroupBox* frame = w.fraSearch = Make<QGroupBox>(window, "fraSearch", frmMain::tr("Search"));
    w.cmdSearch = Make<QPushButton>(frame, "cmdSearch", frmMain::tr("Search for"));
    w.optPrevious = Make<QRadioButton>(frame, "optPrevious", frmMain::tr("previous"));
    w.optNext = Make<QRadioButton>(frame, "optNext", frmMain::tr("next"));
    w.cboTarget = Make<QComboBox>(frame, "cboTarget");
    w.lblSearching = Make<QLabel>(frame, "lblSearching");
    // "Searching ..." comes and goes; its line stays.
    w.lblSearching->setMinimumHeight(w.lblSearching->fontMetrics().height());
    auto* g = new QGridLayout(frame);
    g->addWidget(w.cmdSearch, 0, 0);
    g->addWidget(w.optPrevious, 0, 1);
    g->addWidget(w.optNext, 0, 2);
    g->addWidget(w.cboTarget, 1, 0, 1, 3);
    g->addWidget(w.lblSearching, 2, 0, 1, 3);
    g->setRowStretch(3, 1);
    return frame;
}

QHBoxLayout* Panels(MainControls& w, QWidget* window)
{
    auto* panels = new QHBoxLayout;
    panels->addWidget(ConvertPanel(w, window), 3);
    panels->addWidget(MovePanel(w, window), 2);
    panels->addWidget(SearchPanel(w, window), 2);
    return panels;
}

// Country, epoch, method and the display switches.
QHBoxLayout* SettingsRow(MainControls& w, QWidget* window)
{
    w.cboRefLong = Make<QComboBox>(window, "cboRefLong");
    w.lblLongitude = Make<QLabel>(window, "lblLongitude", frmMain::tr("Reference longitude:"));
    w.cboLongitude = Make<QComboBox>(window, "cboLongitude");
    w.lblEast = Make<QLabel>(window, "lblEast", frmMain::tr("\u00BA East"));
    w.txbCCT = Make<QLineEdit>(window, "txbCCT");
    w.lblEpoch = Make<QLabel>(window, "lblEpoch", frmMain::tr("Epoch:"));
    w.cboEpoch = Make<QComboBox>(window, "cboEpoch");
    w.lblMethod = Make<QLabel>(window, "lblMethod", frmMain::tr("Solar terms:"));
    w.cboMethod = Make<QComboBox>(window, "cboMethod");
    w.chkShowARC = Make<QCheckBox>(window, "chkShowARC", frmMain::tr("Show Zodozizidu Zidevuze"));
    w.chkShowCJDs = Make<QCheckBox>(window, "chkShowCJDs", frmMain::tr("Show chronological JDs"));
    auto* row = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{
             w.lblLongitude, w.cboRefLong, w.cboLongitude, w.lblEast, w.txbCCT, w.lblEpoch,
             w.cboEpoch, w.lblMethod, w.cboMethod, w.chkShowARC, w.chkShowCJDs})
        row->addWidget(control);
    row->addStretch();
    return row;
}

// The buttons of the data, month and test windows.
QGridLayout* ListButtons(MainControls& w, QWidget* window)
{
    w.cmdDisplayYearData = Make<QPushButton>(window, "cmdDisplayYearData",
                                             frmMain::tr("Dates/times/CJDs of dark moons && solar terms"));
    w.cmdListLunarNewYears = Make<QPushButton>(window, "cmdListLunarNewYears",
                                               frmMain::tr("List lunar new years && anniversaries"));
    w.cmdListLeapMonths = Make<QPushButton>(window, "cmdListLeapMonths",
                                            frmMain::tr("List lunar month starts && leap months"));
    w.cmdListJulianCENewYears = Make<QPushButton>(window, "cmdListJulianCENewYears",
                                                  frmMain::tr("List Julian && Common Era new years"));
    w.cmdDisplayCalendar = Make<QPushButton>(window, "cmdDisplayCalendar", frmMain::tr("Show lunar calendar month"));
    w.cmdTest = Make<QPushButton>(window, "cmdTest", frmMain::tr("Test"));
    w.cmdCompareSuns = Make<QPushButton>(window, "cmdCompareSuns", frmMain::tr("Compare suns"));
    w.cmdFestivals = Make<QPushButton>(window, "cmdFestivals", frmMain::tr("Festivals and anniversaries"));
    // A repeated move hides the list buttons for its duration.
    for (QWidget* button : std::initializer_list<QWidget*>{w.cmdDisplayYearData, w.cmdListLunarNewYears,
                                                          w.cmdListLeapMonths, w.cmdListJulianCENewYears})
        KeepPlaceWhenHidden(button);
    auto* grid = new QGridLayout;
    grid->addWidget(w.cmdDisplayYearData, 0, 0);
    grid->addWidget(w.cmdListLunarNewYears, 0, 1);
    grid->addWidget(w.cmdDisplayCalendar, 0, 2);
    grid->addWidget(w.cmdListLeapMonths, 1, 0);
    grid->addWidget(w.cmdListJulianCENewYears, 1, 1);
    grid->addWidget(w.cmdFestivals, 1, 2);
    // Test and Compare suns stay hidden: their columns take no room.
    grid->addWidget(w.cmdTest, 1, 3);
    grid->addWidget(w.cmdCompareSuns, 1, 4);
    return grid;
}

// The language under the buttons, where a longer note or a line shown under the Chinese dates
// moves nothing. The note shows once the choice differs from the language the windows speak.
QVBoxLayout* LanguageBox(MainControls& w, QWidget* window)
{
    w.lblLanguage = Make<QLabel>(window, "lblLanguage", frmMain::tr("Language:"));
    w.cboLanguage = Make<QComboBox>(window, "cboLanguage");
    w.lblLanguageNote =
        Make<QLabel>(window, "lblLanguageNote", frmMain::tr("Window texts change at the next start."));
    w.lblLanguageNote->setWordWrap(true);
    w.lblLanguageNote->hide();
    KeepPlaceWhenHidden(w.lblLanguageNote);
    auto* box = new QVBoxLayout;
    box->setContentsMargins(0, 8, 0, 0);
    box->addWidget(w.lblLanguage);
    box->addWidget(w.cboLanguage);
    box->addWidget(w.lblLanguageNote);
    return box;
}

QVBoxLayout* ButtonColumn(MainControls& w, QWidget* window)
{
    w.cmdNow = Make<QPushButton>(window, "cmdNow", frmMain::tr("Now"));
    w.cmdReset = Make<QPushButton>(window, "cmdReset", frmMain::tr("Reset"));
    w.cmdAddToLog = Make<QPushButton>(window, "cmdAddToLog", frmMain::tr("Add to log"));
    w.cmdViewLog = Make<QPushButton>(window, "cmdViewLog", frmMain::tr("View log"));
    w.cmdClearLog = Make<QPushButton>(window, "cmdClearLog", frmMain::tr("Clear log"));
    w.cmdLogPreferences = Make<QPushButton>(window, "cmdLogPreferences", frmMain::tr("Configure log"));
    w.chkAutoLog = Make<QCheckBox>(window, "chkAutoLog", frmMain::tr("Auto log"));
    w.cmdSaveState = Make<QPushButton>(window, "cmdSaveState", frmMain::tr("Save state"));
    w.cmdRestoreState = Make<QPushButton>(window, "cmdRestoreState", frmMain::tr("Restore state"));
    w.cmdHelp = Make<QPushButton>(window, "cmdHelp", frmMain::tr("Help"));
    w.cmdQuit = Make<QPushButton>(window, "cmdQuit", frmMain::tr("Quit"));
    // The log buttons show only while the log holds text, "Now" hides during a repeated move.
    for (QWidget* button : std::initializer_list<QWidget*>{w.cmdViewLog, w.cmdClearLog, w.cmdNow})
        KeepPlaceWhenHidden(button);
    auto* column = new QVBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{
             w.cmdNow, w.cmdReset, w.cmdAddToLog, w.cmdViewLog, w.cmdClearLog, w.cmdLogPreferences,
             w.chkAutoLog, w.cmdSaveState, w.cmdRestoreState, w.cmdHelp, w.cmdQuit})
        column->addWidget(control);
    column->addLayout(LanguageBox(w, window));
    column->addStretch();
    return column;
}

} // namespace

void frmMain::LayOut()
{
    auto* top = new QHBoxLayout;
    top->addLayout(DisplayLines(*this, this), 1);
    top->addLayout(Pictures(*this, this));
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(SettingsRow(*this, this));
    left->addLayout(Panels(*this, this));
    left->addLayout(ListButtons(*this, this));

    // The controls sit on one page in a scroll area without a frame. At the window's usual size
    // the page fills it with the margins of a window, so nothing of the area shows; on a screen
    // too small for that size the window still fits, and the page scrolls.
    scrMain = new QScrollArea(this);
    scrMain->setObjectName("scrMain");
    scrMain->setFrameShape(QFrame::NoFrame);
    scrMain->setFocusPolicy(Qt::NoFocus); // the page's controls take the focus, not the page
    scrMain->horizontalScrollBar()->setAccessibleName(tr("Scroll the window left or right"));
    scrMain->verticalScrollBar()->setAccessibleName(tr("Scroll the window up or down"));
    scrMain->setWidgetResizable(true);
    // The page joins the area (setWidget) only once the lists are filled: a list measures its
    // items when it is first measured.
    pgeMain = new QWidget(scrMain->viewport());
    pgeMain->setObjectName("pgeMain");
    pgeMain->installEventFilter(this);
    auto* window = new QHBoxLayout(pgeMain);
    window->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this),
                               style()->pixelMetric(QStyle::PM_LayoutTopMargin, nullptr, this),
                               style()->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, this),
                               style()->pixelMetric(QStyle::PM_LayoutBottomMargin, nullptr, this));
    window->addLayout(left, 1);
    window->addLayout(ButtonColumn(*this, this));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scrMain);
}

} // namespace orlun::app

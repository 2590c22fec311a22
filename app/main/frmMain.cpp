#include "app/main/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>

#include "app/main/ClickableLabel.h"
#include "app/main/Foreground.h"
#include "app/main/MainLists.h"
#include "app/main/PictureNames.h"
#include "app/main/Pictures.h"
#include "app/platform/AccessibleComboBox.h"
#include "app/platform/StateFile.h"
#include "app/log/frmLog.h"
#include "app/log/frmLogPreferences.h"
#include "app/platform/StdText.h"
#include "app/platform/TabOrder.h"
#include "app/platform/TextTable.h"
#include "app/platform/TranslatedText.h"
#include "calendar/entry/DateCopy.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/astro/syzyg.h"

namespace orlun::app {

namespace {

const QString kSettingsKey = QStringLiteral("\\ORLUN");
const QString kCountrySetting = QStringLiteral("cboRefLong");
constexpr int kEmptyElement = kNoElementItem;
constexpr int kEmptyAnimal = kNoAnimalItem;
// How often the start looks for the frame the window manager gives the window.
constexpr int kFrameLooksAtStart = 100;


} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    setObjectName("frmMain");
    // Before any list exists: a list's interface, once made, lasts as long as the list.
    InstallAccessibleComboBoxes();
}

// ---------------------------------------------------------------------------------------------
// Start-up

void frmMain::Form_Load()
{
    blnStartupCompleted = false;
    LayOut();
    setWindowTitle(ProgramTitle());
    Initialization();
    picMoon->hide();
    scrMain->setWidget(pgeMain);
    TabInLayoutOrder(*this); // the page's controls row by row
    FitToScreen();
    // Where the user left it, when it was kept and fits a screen; placed before it shows.
    const bool placed = RestoreWindowPlacement();
    if (placed) KeepWholeOnScreen();
    show();
    if (placed) KeepWholeOnScreenOnceFramed(kFrameLooksAtStart);
    else FitToScreen(); // again with the frame the window got
    PrepareFirstDisplay();
    const bool restored = RestoreState();
    if (!restored) cmdReset_Click();
    ShowFirstMoment(restored);
    blnStartupCompleted = true;
    picMoon->show();
    cboRefLong_Click();
}

// Empty values, hidden pictures, the defaults and the lists, the start-up look.
void frmMain::Initialization()
{
    for (LabelPair* line : {&lblCommonEraDate, &lblJulianCalendarDate, &lblChineseLunarDate,
                            &lblChineseSolarDate, &lblArchetypesCalendarGMT,
                            &lblArchetypesCalendarCCT, &lblChronologicalJulianDateLondon,
                            &lblChronologicalJulianDateBeijing, &lblAstronomicalJulianDate,
                            &lblPhaseOfMoon, &lblAgeOfMoon, &lblDeltaT, &lblElementAnimalOfDay})
        (*line)[1]->clear();
    for (int i = 0; i < 2; ++i) {
        picStem[i]->hide();
        picBranch[i]->hide();
    }
    InitializeVariables();
    frmLogPreferences_->SetDefaultLogConfiguration(chkShowCJDs->isChecked());
    FillLists();
    SetUpLanguage();
    move(100, 100);
    for (QWidget* hidden : std::initializer_list<QWidget*>{cmdTest, cmdCompareSuns, cboLongitude, lblEast,
                                                          txbCCT, chkKeep30th, chkKeepLeap,
                                                          fraStopPauseResume})
        hidden->hide();
    lblSearching->clear();
    lblLongitude->setText(tr("Reference longitude:"));
    ApplyCountryColour();
    ConnectHandlers();
    ConnectMoveHandlers();
    ConnectSearchHandlers();
    ConnectKeys(); // after the fields' own Enter handlers
    optPlusMinus_Click();
}

void frmMain::InitializeVariables()
{
    strPicPath = PictureFolder();
    stateFilePath_ = StateFilePath(*platform_.appData);
    MakeLogWindows();
    MakeDataWindow();
    optNext->setChecked(true);
    optPlus->setChecked(true);
    optMoveDirection[0]->setChecked(true);
    chkRepeatedly->setChecked(false);
    settings_.zoneCode = std::string(kDefaultCountryRow.zoneCode);
}

// The window is on show but displays nothing yet: the display routines stay idle.
void frmMain::PrepareFirstDisplay()
{
    blnInitializing = true;
    intCalendar = kRowCHL;
    cmdClearLog->hide();
    EnableDisableFunctions();
    CmdSaveStateEnabled(true);
    repaint();
}

// The restored moment, or the present one, on display; the CHL line is current.
void frmMain::ShowFirstMoment(bool restored)
{
    Clock->stop();
    DisplayDatesAndTimes();
    DisplayDeltaT();
    SetTheFocus();
    chkShowARC_Click();
    blnInitializing = false;

    if (restored) {
        DisplayDatesAndTimes();
        DisplayDeltaT();
        CmdSaveStateEnabled(false);
    } else {
        ShowNow();
    }

    intCalendar = kRowCHL;
    HighlightCalendar();
    SetTheFocus();
}

void frmMain::FillLists()
{
    const QSignalBlocker blockEpoch(cboEpoch), blockMethod(cboMethod), blockCountry(cboRefLong),
        blockLongitude(cboLongitude);
    cboEpoch->addItems(EpochItems());
    cboEpoch->setCurrentIndex(0);
    cboMethod->addItems(MethodItems());
    cboMethod->setCurrentIndex(0);
    cboMoveStep->addItems(MoveStepItems(Q(settings_.zoneCode)));
    cboRefreshPeriod->addItems(RefreshPeriodItems());
    cboTarget->addItems(SearchTargetItems());
    for (int e = 0; e < kElementCount; ++e) cboElement->addItem(TrText(ElementName(e)));
    cboElement->addItem("");
    for (const std::string& name : AnimalNames(settings_.country)) cboAnimal->addItem(TrText(name));
    cboAnimal->addItem("");
    // The empty items mean "any element" and "any animal"; they are chosen at start-up.
    cboElement->setCurrentIndex(kEmptyElement);
    cboAnimal->setCurrentIndex(kEmptyAnimal);
    cboTimeZone->addItems({"GMT", Q(settings_.zoneCode)});
    cboTimeZone->setCurrentIndex(-1);
    for (int l = kMinRefLongitude; l <= kMaxRefLongitude; ++l) cboLongitude->addItem(QString::number(l));
    for (const CountryProfile& p : CountryProfiles()) cboRefLong->addItem(TrText(std::string(p.name)));

    // The stored country counts only when it is exactly a country's list index ("0", "1" ...).
    Country country = DefaultCountry();
    if (auto stored = platform_.settings->Restore(kSettingsKey, kCountrySetting)) {
        for (const CountryProfile& p : CountryProfiles())
            if (*stored == QString::number(static_cast<int>(p.country))) country = p.country;
    }
    cboRefLong->setCurrentIndex(static_cast<int>(country));
    settings_.country = country;
}

void frmMain::ConnectHandlers()
{
    ConnectViews();
    connect(cmdNow, &QPushButton::clicked, this, &frmMain::cmdNow_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmMain::cmdReset_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(chkShowARC, &QCheckBox::clicked, this, &frmMain::chkShowARC_Click);
    connect(chkShowCJDs, &QCheckBox::clicked, this, &frmMain::chkShowCJDs_Click);
    connect(cboRefLong, &QComboBox::activated, this, &frmMain::cboRefLong_Click);
    connect(cboLongitude, &QComboBox::activated, this, &frmMain::cboLongitude_Click);
    connect(cboEpoch, &QComboBox::activated, this, &frmMain::cboEpoch_Click);
    connect(cboMethod, &QComboBox::activated, this, &frmMain::cboMethod_Click);
    connect(cmdClearDate, &QPushButton::clicked, this, &frmMain::cmdClearDate_Click);
    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    // Enter converts when there is a date to convert.
    connect(txbDate, &QLineEdit::returnPressed, this, [this] {
        if (!txbDate->text().isEmpty()) cmdCompute_Click();
    });
    connect(txbPlusMinus, &QLineEdit::returnPressed, this, [this] {
        if (!txbPlusMinus->text().isEmpty() && !txbDate->text().isEmpty()) cmdCompute_Click();
    });
    connect(txbDate, &QLineEdit::textChanged, this, &frmMain::DateFieldChanged);
    for (QRadioButton* option : {optPlus, optMinus})
        connect(option, &QRadioButton::toggled, this, &frmMain::optPlusMinus_Click);
    connect(cmdAddToLog, &QPushButton::clicked, this, &frmMain::cmdAddToLog_Click);
    connect(cmdViewLog, &QPushButton::clicked, this, &frmMain::cmdViewLog_Click);
    connect(cmdClearLog, &QPushButton::clicked, this, &frmMain::cmdClearLog_Click);
    connect(cmdLogPreferences, &QPushButton::clicked, this, &frmMain::cmdLogPreferences_Click);
    connect(chkAutoLog, &QCheckBox::clicked, this, [this] {
        if (!blnInitializing) CmdSaveStateEnabled(true);
        SetTheFocus();
    });
    connect(cmdSaveState, &QPushButton::clicked, this, &frmMain::cmdSaveState_Click);
    connect(cmdRestoreState, &QPushButton::clicked, this, &frmMain::cmdRestoreState_Click);
    connect(cboTimeZone, &QComboBox::activated, this, [this] { SetTheFocus(); });

    const std::pair<LabelPair*, CalendarRow> dateLines[] = {
        {&lblCommonEraDate, kRowCE},
        {&lblJulianCalendarDate, kRowJC},
        {&lblChineseLunarDate, kRowCHL},
        {&lblChineseSolarDate, kRowCHS},
        {&lblArchetypesCalendarGMT, kRowARCGMT},
        {&lblArchetypesCalendarCCT, kRowARCCCT},
        {&lblChronologicalJulianDateBeijing, kRowCJDC},
        {&lblChronologicalJulianDateLondon, kRowCJDL},
        {&lblAstronomicalJulianDate, kRowAJD},
    };
    for (const auto& [line, row] : dateLines) {
        for (int index = 0; index < 2; ++index) {
            const CalendarRow r = row;
            connect((*line)[index], &ClickableLabel::clicked, this,
                    [this, r, index] { LineClicked(r, index); });
        }
    }
    // A click on either label of the Moon lines copies the value, and only that.
    for (LabelPair* line : {&lblPhaseOfMoon, &lblAgeOfMoon}) {
        ClickableLabel* value = (*line)[1];
        for (ClickableLabel* label : *line)
            connect(label, &ClickableLabel::clicked, this,
                    [this, value] { platform_.clipboard->SetText(value->text()); });
    }
}

// Controls whose actions come with later parts of the program stay disabled until they exist.
void frmMain::EnableDisableFunctions()
{
    for (QWidget* w : std::initializer_list<QWidget*>{txbPlusMinus, txbTime, cboTimeZone,
                                                     cmdMoveOneDay, cmdAddToLog,
                                                     cmdLogPreferences, chkAutoLog})
        w->setEnabled(true);
    if (cmdMove->isVisible() && cmdMove->isEnabled()) cmdMove->setFocus();
}

// ---------------------------------------------------------------------------------------------
// The display cycle

void frmMain::ShowNow()
{
    txbDate->clear();
    txbTime->clear();
    cboTimeZone->setCurrentIndex(-1);
    cboElement->setCurrentIndex(kEmptyElement);
    cboAnimal->setCurrentIndex(kEmptyAnimal);
    dblCurrentAJDate = CurrentAJDate(*platform_.clock).ajd();
    Recalculate(AutoLogReason::Now);
}

void frmMain::Recalculate(AutoLogReason v)
{
    DisplayDatesAndTimes();
    DisplayMoonData(CountryColour());
    DisplayDeltaT();
    AutoLog(v);
    CmdSaveStateEnabled(true);
}

void frmMain::DisplayDatesAndTimes()
{
    if (blnInitializing) return;
    texts_ = BuildDisplayTexts(Moment(dblCurrentAJDate), settings_);
    const DisplayTexts& texts = texts_;
    const std::pair<LabelPair*, const DisplayLine*> lines[] = {
        {&lblChineseLunarDate, &texts.chineseLunar},
        {&lblChineseSolarDate, &texts.chineseSolar},
        {&lblAstronomicalJulianDate, &texts.astronomicalJD},
        {&lblChronologicalJulianDateLondon, &texts.cjdLondon},
        {&lblCommonEraDate, &texts.commonEra},
        {&lblJulianCalendarDate, &texts.julianCalendar},
        {&lblArchetypesCalendarGMT, &texts.arcGMT},
        {&lblArchetypesCalendarCCT, &texts.arcReference},
        {&lblChronologicalJulianDateBeijing, &texts.cjdReference},
    };
    for (const auto& [pair, line] : lines) {
        (*pair)[1]->setText(Q(line->value));
        (*pair)[1]->setToolTip(Q(line->toolTip));
    }
    lblChronologicalJulianDateBeijing[0]->setText(CjdcCaptionText(settings_.meridian.degreesEast()));
    ShowNativeDate();

    // The year: its stem and branch, its number, and its and the month's names unless the CJD
    // lines take their place.
    ShowStemBranch(0, texts.yearPosition);
    lblYear->setText(YearNumberText(texts.yearNumber.value));
    if (!chkShowCJDs->isChecked()) {
        lblElementAnimalOfYear->setText(Q(texts.elementAnimalOfYear.value));
        lblElementAnimalOfMonth->setText(Q(texts.elementAnimalOfMonth.value));
        lblElementAnimalOfYear->show();
        lblElementAnimalOfMonth->show();
    }

    // The note comparing the ARC date with the CHL date.
    lblArchetypesCalendarCCT[0]->setText(TrText(texts.arcReference.caption));
    SetForeground(lblArchetypesCalendarCCT[0], lngDehighlight);

    // The day: its stem and branch pictures and its names.
    ShowStemBranch(1, texts.dayPosition);
    lblElementAnimalOfDay[0]->setText(Q(texts.elementAnimalOfDay.caption));
    lblElementAnimalOfDay[1]->setText(Q(texts.elementAnimalOfDay.value));
    if (!blnRepeat) RefreshKeep30th();
    SetTheFocus();
}

void frmMain::ShowStemBranch(int index, int position)
{
    picStem[index]->setPixmap(StemPicture(strPicPath, StemOfPosition(position)));
    picBranch[index]->setPixmap(BranchPicture(strPicPath, BranchOfPosition(position)));
    const CycleOf of = index == 0 ? CycleOf::Year : CycleOf::Day;
    NameCyclePicture(*picStem[index], CyclePart::Stem, of, StemOfPosition(position), windowLanguage_);
    NameCyclePicture(*picBranch[index], CyclePart::Branch, of, BranchOfPosition(position), windowLanguage_);
}

void frmMain::DisplayMoonData(const QColor& background)
{
    if (blnInitializing) return;
    if (texts_.ajd != Moment(dblCurrentAJDate) || texts_.moon.ageText.empty())
        texts_ = BuildDisplayTexts(Moment(dblCurrentAJDate), settings_);
    const MoonData& moon = texts_.moon;
    lblAgeOfMoon[1]->setText(Q(moon.ageText));
    if (!moon.ok) {
        platform_.messages->Warning(this, tr("Error"), TrText(moon.error));
        return;
    }
    lblPhaseOfMoon[1]->setText(Q(moon.phaseText));
    QPalette p = picMoon->palette();
    p.setColor(QPalette::Window, background);
    picMoon->setPalette(p);
    picMoon->setAutoFillBackground(true);
    picMoon->setPixmap(QPixmap::fromImage(
        MoonImage(strPicPath, strMoonSuffix, moon.illumination, moon.waxing, background)));
    NameMoonPicture(*picMoon, moon.illumination, moon.waxing);
}

void frmMain::DisplayDeltaT()
{
    if (blnInitializing) return;
    lblDeltaT[1]->setText(Q(DeltaTText(GetDeltaT(Moment(dblCurrentAJDate)))));
}

LabelPair& frmMain::LineOfRow(CalendarRow row)
{
    switch (row) {
    case kRowCE: return lblCommonEraDate;
    case kRowJC: return lblJulianCalendarDate;
    case kRowCHL: return lblChineseLunarDate;
    case kRowCHS: return lblChineseSolarDate;
    case kRowAJD: return lblAstronomicalJulianDate;
    case kRowCJDC: return lblChronologicalJulianDateBeijing;
    case kRowCJDL: return lblChronologicalJulianDateLondon;
    case kRowARCGMT: return lblArchetypesCalendarGMT;
    case kRowARCCCT: return lblArchetypesCalendarCCT;
    }
    return lblChineseLunarDate;
}

void frmMain::HighlightCalendar()
{
    // The ARC caption stands for both ARC rows; the CJDL caption is never recoloured.
    const bool arc = intCalendar == kRowARCGMT || intCalendar == kRowARCCCT;
    SetForeground(lblArchetypesCalendarGMT[0], arc ? lngHighlight : lngDehighlight);
    for (CalendarRow row : {kRowCE, kRowJC, kRowCHL, kRowCHS, kRowCJDC, kRowAJD})
        SetForeground(LineOfRow(row)[0], intCalendar == row ? lngHighlight : lngDehighlight);
}

void frmMain::SetTheFocus()
{
    if (!isVisible()) return;
    if (txbDate->isEnabled() && !txbDate->text().isEmpty()) {
        txbDate->setFocus();
        txbDate->setCursorPosition(txbDate->text().size());
    } else if (cmdNow->isEnabled() && cmdNow->isVisible()) {
        cmdNow->setFocus();
    }
    ShowLogButtons();
}

void frmMain::CmdSaveStateEnabled(bool enabled)
{
    cmdSaveState->setVisible(true);
    cmdSaveState->setEnabled(enabled && !blnRepeat);
    cmdRestoreState->setVisible(cmdSaveState->isVisible());
    cmdRestoreState->setEnabled(cmdSaveState->isEnabled());
}

QColor frmMain::CountryColour() const
{
    const Rgb c = orlun::CountryColour(settings_.country);
    return {c.red, c.green, c.blue};
}

void frmMain::ApplyCountryColour()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, CountryColour());
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    for (QWidget* w : {static_cast<QWidget*>(picStem[0]), static_cast<QWidget*>(picStem[1]),
                       static_cast<QWidget*>(picBranch[0]), static_cast<QWidget*>(picBranch[1]),
                       static_cast<QWidget*>(lblElementAnimalOfDay[0]),
                       static_cast<QWidget*>(lblElementAnimalOfDay[1])}) {
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
    HighlightCalendar();
}

// ---------------------------------------------------------------------------------------------
// Clicks on the display lines

void frmMain::LineClicked(CalendarRow row, int index)
{
    const QString value = LineOfRow(row)[1]->text();
    if (value.isEmpty()) return; // nothing is displayed on that line yet
    platform_.clipboard->SetText(value);
    intCalendar = row;
    if (index == 1) {
        const EntryFields f = EntryFromDisplayedValue(row, value.toStdString());
        txbDate->setText(Q(f.date));
        txbTime->setText(Q(f.time));
        cboTimeZone->setCurrentIndex(f.zoneIndex);
        if (f.clearElementAnimal) {
            cboElement->setCurrentIndex(kEmptyElement);
            cboAnimal->setCurrentIndex(kEmptyAnimal);
        } else {
            // The first element and animal named in the text (the year's) are chosen.
            for (int e = 0; e < kElementCount; ++e) {
                if (value.contains(Q(ElementName(e)), Qt::CaseInsensitive)) {
                    cboElement->setCurrentIndex(e);
                    break;
                }
            }
            for (int a = 0; a < kAnimalCount; ++a) {
                if (value.contains(Q(AnimalName(a, settings_.country)), Qt::CaseInsensitive)) {
                    cboAnimal->setCurrentIndex(a);
                    break;
                }
            }
        }
    }
    HighlightCalendar();
    SetTheFocus();
}

void frmMain::CopyCurrentDate()
{
    if (intCalendar >= 0 && intCalendar < kCalendarRowCount)
        LineClicked(static_cast<CalendarRow>(intCalendar), 1);
}

// ---------------------------------------------------------------------------------------------
// Buttons and switches

void frmMain::cmdNow_Click() { ShowNow(); }

void frmMain::optPlusMinus_Click()
{
    // The chosen direction is drawn in the highlight colour, the other dimmed.
    SetForeground(optPlus, optPlus->isChecked() ? lngHighlight : lngDehighlight);
    SetForeground(optMinus, optMinus->isChecked() ? lngHighlight : lngDehighlight);
    if (isVisible()) SetTheFocus();
}

void frmMain::cmdReset_Click()
{
    intCalendar = kRowCHL;
    HighlightCalendar();
    chkShowARC->setChecked(true);
    chkShowCJDs->setChecked(false);
    chkAutoLog->setChecked(false);
    optNext->setChecked(true);
    optPlus->setChecked(true);
    optMoveDirection[0]->setChecked(true);
    chkRepeatedly->setChecked(false);
    optPlusMinus_Click();
    cboMoveStep->setCurrentIndex(FindMoveUnitRow(kDefaultMoveUnit)->stored);
    cboRefreshPeriod->setCurrentIndex(kRefreshPeriodOneSecond);
    cboTarget->setCurrentIndex(FindSearchTargetRow(kDefaultSearchTarget)->stored);
    txbDate->clear();
    txbTime->clear();
    chkShowARC_Click();
    chkShowCJDs_Click();
    CmdSaveStateEnabled(true);
}

void frmMain::SetLineVisible(LabelPair& line, bool visible)
{
    line[0]->setVisible(visible);
    line[1]->setVisible(visible);
}

void frmMain::chkShowARC_Click()
{
    const bool show = chkShowARC->isChecked();
    SetLineVisible(lblArchetypesCalendarGMT, show);
    SetLineVisible(lblArchetypesCalendarCCT, show);
    if (!blnInitializing) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void frmMain::chkShowCJDs_Click()
{
    const bool show = chkShowCJDs->isChecked();
    SetLineVisible(lblChronologicalJulianDateLondon, show);
    SetLineVisible(lblChronologicalJulianDateBeijing, show);
    lblElementAnimalOfYear->setVisible(!show);
    lblElementAnimalOfMonth->setVisible(!show);
    if (!show && !blnInitializing) {
        // The names are those of the current moment's CHL date.
        const DisplayTexts texts = BuildDisplayTexts(Moment(dblCurrentAJDate), settings_);
        lblElementAnimalOfYear->setText(Q(texts.elementAnimalOfYear.value));
        lblElementAnimalOfMonth->setText(Q(texts.elementAnimalOfMonth.value));
    }
    lblChronologicalJulianDateBeijing[0]->setText(CjdcCaptionText(settings_.meridian.degreesEast()));
    if (!blnInitializing) CmdSaveStateEnabled(true);
    SetTheFocus();
}

void frmMain::cboRefLong_Click()
{
    if (!blnStartupCompleted) return;
    const std::optional<Country> chosen = CountryAt(cboRefLong->currentIndex());
    if (!chosen) return;
    const Country country = *chosen;
    settings_.country = country;

    // The longitude follows the country; as with any list, choosing the item already chosen
    // runs no handler (so a restored state stays unchanged at start-up).
    const int longitudeIndex = CountryLongitude(country) - kMinRefLongitude;
    if (cboLongitude->currentIndex() != longitudeIndex) {
        cboLongitude->setCurrentIndex(longitudeIndex);
        cboLongitude_Click();
    } else {
        settings_.meridian = Meridian(kMinRefLongitude + longitudeIndex);
        settings_.zoneCode = ZoneCodes[longitudeIndex];
    }
    strMoonSuffix = Q(CountryPictureSuffix(country));
    for (const MoveUnitRow& row : MoveUnitRows())
        if (row.namesZone) cboMoveStep->setItemText(row.stored, MoveStepText(row.unit, Q(settings_.zoneCode)));

    blnChina = ProfileOf(country).chineseYearForms;
    lblChineseSolarDate[0]->setText(SolarCaptionText(country));
    lblChineseLunarDate[0]->setText(LunarCaptionText(country));
    lblYear->setVisible(blnChina);
    for (int i = 0; i < 2; ++i) {
        picStem[i]->setVisible(blnChina);
        picBranch[i]->setVisible(blnChina);
    }
    lblElementAnimalOfDay[0]->setVisible(blnChina);

    // The country's names of the animals (Vietnam's cat, goat and pig, Japan's boar ...).
    for (int a = 0; a < kAnimalCount; ++a) cboAnimal->setItemText(a, TrText(AnimalName(a, country)));
    ExchangeAnimalWordsInTargets();

    DisplayDatesAndTimes();
    ApplyCountryColour();
    DisplayMoonData(CountryColour());
}

// The element-animal targets name the chosen animal; another country's name for it (cat or rabbit,
// goat or sheep, pig or boar) becomes this country's.
void frmMain::ExchangeAnimalWordsInTargets()
{
    for (const SearchTargetRow& row : SearchTargetRows()) {
        if (row.kind != TargetKind::ElementAnimal || row.stored >= cboTarget->count()) continue;
        QString text = cboTarget->itemText(row.stored);
        for (int a = 0; a < kAnimalCount; ++a) {
            const QString ours = TrText(AnimalName(a, settings_.country));
            for (const CountryProfile& other : CountryProfiles()) {
                const QString theirs = TrText(AnimalName(a, other.country));
                if (theirs != ours) text.replace(theirs, ours);
            }
        }
        cboTarget->setItemText(row.stored, text);
    }
}

void frmMain::cboLongitude_Click()
{
    const int index = cboLongitude->currentIndex();
    if (index < 0 || index >= kZoneCodeCount) return;
    settings_.meridian = Meridian(kMinRefLongitude + index);
    settings_.zoneCode = ZoneCodes[index];
    txbCCT->setText(Q(settings_.zoneCode));
    cboTimeZone->setItemText(1, Q(settings_.zoneCode));
    cboTimeZone->setCurrentIndex(-1);
    // A date typed for the old meridian is not converted with the new one.
    txbDate->clear();
    txbTime->clear();
    if (!blnStartupCompleted) return;
    DisplayDatesAndTimes();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void frmMain::cboEpoch_Click()
{
    // By the item's place, not its text, which may be translated.
    settings_.epoch = cboEpoch->currentIndex() == 0 ? kEpochHuangdi : kEpochAlternative;
    if (!blnStartupCompleted) return;
    DisplayDatesAndTimes();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void frmMain::cboMethod_Click()
{
    settings_.method = cboMethod->currentIndex() == 1 ? TermMethod::MeanSun : TermMethod::TrueSun;
    if (!blnStartupCompleted) return;
    DisplayDatesAndTimes();
    CmdSaveStateEnabled(true);
    SetTheFocus();
}

void frmMain::cmdQuit_Click()
{
    if (quitting_) return;
    quitting_ = true;
    platform_.settings->Save(kSettingsKey, kCountrySetting,
                             QString::number(cboRefLong->currentIndex()));
    SaveWindowPlacement();
    emit quitRequested();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (frmLog_ && frmLog_->isVisible()) frmLog_->hide();
    cmdQuit_Click();
    event->accept();
}

} // namespace orlun::app

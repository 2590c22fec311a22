// The lists and the self-test of the data window: built a year (or a pair) at a time, with the
// window's events let run in between so that Stop and Close work while the text grows.
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <memory>

#include "app/data/frmData.h"
#include "app/platform/TranslatedText.h"
#include "calendar/core/TimeScales.h"
#include "calendar/entry/Convert.h"
#include "calendar/tables/EuroNewYearList.h"
#include "calendar/tables/LunarNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "calendar/tables/SelfTest.h"

namespace orlun::app {

namespace {

constexpr int kPairsBetweenEvents = 20;

// Lists longer than these relabel Close as Stop while they run.
constexpr int kLongNewYearList = 30;
constexpr int kLongMonthList = 10;

// While a long list runs, the years label leaves a gap before what it says next.
QString BusyYearsCaption() { return QCoreApplication::translate("orlun::app::frmData", "years") + "     "; }

QString CaptionOf(DataMode mode)
{
    switch (mode) {
    case DataMode::LunarNewYears: return TrText(kLunarNewYearsCaption);
    case DataMode::MonthStarts: return TrText(kMonthStartsCaption);
    default: return TrText(kEuroNewYearsCaption);
    }
}

} // namespace

int frmData::YearsForMode()
{
    const int mode = static_cast<int>(intWindow);
    if (!txbNumYears->text().isEmpty()) {
        const std::string cleaned = CleanYearsText(txbNumYears->text().toStdString());
        txbNumYears->setText(QString::fromStdString(cleaned));
        rememberedYears_[mode] = YearsValue(cleaned);
    }
    if (rememberedYears_[mode] <= 0)
        rememberedYears_[mode] = DefaultYears(intWindow, chkLeapMonthsOnly->isChecked());
    txbNumYears->setText(QString::number(rememberedYears_[mode]));
    return std::min(rememberedYears_[mode], kMaxListYears);
}

void frmData::cmdList_Click()
{
    if (running_) return;
    if (intWindow == DataMode::YearData || intWindow == DataMode::SelfTest) intWindow = DataMode::LunarNewYears;
    const int years = YearsForMode();
    SetWindowSize();
    ShowControlsOf(intWindow);
    SetText("");
    cmdCopyToClipboard->setText(CopyAllCaption());
    cmdClose->setText(CloseCaption());
    blnStop = false;
    setWindowTitle(CaptionOf(intWindow));
    ShowInFront();

    const MainState state = mainState_();
    const CalendarSettings& settings = state.settings;
    const bool julian = Julian();
    ShowLanguage(state.language);
    if (intWindow == DataMode::LunarNewYears) {
        LunarNewYearList list(state.texts.chineseLunar.value, years,
                              chkOmitInvalidDates->isChecked(), julian, settings, state.language);
        if (!list.Message().empty()) {
            platform_.messages->Warning(this, QString(), TrText(list.Message()));
            return;
        }
        RunList(list, years > kLongNewYearList ? BusyYearsCaption() : QString(), years > kLongNewYearList);
        ReportEarlyEnd(list);
    } else if (intWindow == DataMode::MonthStarts) {
        MonthStartList list(LeadingYear(state.texts.commonEra.value), years,
                            chkLeapMonthsOnly->isChecked(), julian, settings, state.language);
        const bool long_ = years > kLongMonthList;
        if (long_) chkLeapMonthsOnly->hide();
        RunList(list, long_ ? BusyYearsCaption() + tr("Calculating ...") : QString(), long_);
        chkLeapMonthsOnly->show();
        ReportEarlyEnd(list);
    } else {
        EuroNewYearList list(EuroYearOfMoment(Moment(state.moment), julian), years, julian, settings, state.language);
        RunList(list, QString(), false);
        ReportEarlyEnd(list);
    }
}

void frmData::ReportEarlyEnd(const YearList& list)
{
    if (!list.Message().empty())
        platform_.messages->Warning(this, windowTitle(), TrText(list.Message()));
}

void frmData::RunList(YearList& list, const QString& busyCaption, bool closeStops)
{
    running_ = true;
    cmdList->setEnabled(false);
    if (!busyCaption.isEmpty()) lblYears->setText(busyCaption);
    if (closeStops) cmdClose->setText(tr("Stop"));
    txbText->viewport()->setCursor(Qt::BusyCursor);
    prgList->setRange(0, list.Total());
    prgList->setValue(0);
    prgList->show();
    AppendText(list.Heading());
    // The Western new years have no stop of their own; they end at their number or a full text.
    const bool stoppable = intWindow != DataMode::EuroNewYears;
    for (bool more = true; more;) {
        std::string year;
        more = list.Next(year);
        AppendText(year);
        prgList->setValue(list.Done());
        platform_.events->ProcessEvents();
        if (stoppable && blnStop) break;
    }
    prgList->hide();
    txbText->viewport()->unsetCursor();
    lblYears->setText(tr("years"));
    cmdClose->setText(CloseCaption());
    cmdList->setEnabled(true);
    running_ = false;
    if (isVisible()) cmdClose->setFocus();
}

void frmData::DoTest()
{
    if (running_) return;
    ShowControlsOf(DataMode::SelfTest);
    intWindow = DataMode::SelfTest;
    SetWindowSize();
    setWindowTitle(tr("Second test"));
    blnStop = false;
    ShowInFront();
    const QString start = txbStart->text().trimmed();
    if (start.isEmpty()) RunRandomTest();
    else RunSingleTest(start);
}

void frmData::RunRandomTest()
{
    const Clock& clock = *platform_.clock;
    const uint32_t seed = static_cast<uint32_t>(std::hash<std::string>{}(clock.DateText() + " " + clock.TimeText()));
    RandomSelfTest test(seed, mainState_().settings);
    running_ = true;
    SetText(kSelfTestHeading);
    txbText->viewport()->setCursor(Qt::BusyCursor);
    prgList->setRange(0, kSelfTestPairs);
    prgList->show();
    while (!test.Finished()) {
        if (test.Done() % kPairsBetweenEvents == 0) {
            prgList->setValue(test.Done());
            platform_.events->ProcessEvents();
            if (blnStop) break;
        }
        AppendText(test.NextPair());
    }
    prgList->hide();
    txbText->viewport()->unsetCursor();
    txbText->moveCursor(QTextCursor::End);
    txbText->verticalScrollBar()->setValue(0); // the heading in view; the caret stays at the end
    running_ = false;
}

void frmData::RunSingleTest(const QString& date)
{
    DateEntry entry;
    entry.date = date.toStdString();
    const MainState state = mainState_();
    entry.currentCalendar = state.calendar;
    const ConvertResult r = ConvertEntry(entry, true, Moment(-1.0), state.settings, [this](const std::string& q) {
        return platform_.messages->Question(this, QString(), TrText(q));
    });
    if (r.outcome == ConvertOutcome::EntryError) {
        AppendText(SelfTestEntryErrorText(r.errorCode));
        return;
    }
    if (r.outcome == ConvertOutcome::OutOfRange) {
        platform_.messages->Warning(this, TrText(kDateRangeTitle), TrText(DateRangeMessage(r.range)));
        return;
    }
    bool failed = false;
    AppendText(CheckMoment(AJDToCJDC(r.ajd, state.settings.meridian), state.settings, failed));
    if (failed) blnStop = true;
}

} // namespace orlun::app

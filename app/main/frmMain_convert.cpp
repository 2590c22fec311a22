// The Convert panel: a typed date, plus or minus days, becomes the current moment.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/main/ClickableLabel.h"
#include "app/main/RefusalBox.h"
#include "app/main/frmMain.h"
#include "app/platform/StdText.h"
#include "app/platform/TranslatedText.h"
#include "calendar/core/SearchTarget.h"
#include "calendar/search/EventSearch.h"
#include "calendar/entry/Convert.h"

namespace orlun::app {

DateEntry frmMain::CurrentEntry() const
{
    DateEntry e;
    e.date = txbDate->text().toStdString();
    e.time = txbTime->text().toStdString();
    e.zoneIndex = cboTimeZone->currentIndex();
    e.element = cboElement->currentIndex();
    e.animal = cboAnimal->currentIndex();
    e.plusMinus = txbPlusMinus->text().toStdString();
    e.currentCalendar = intCalendar;
    if (intCalendar >= 0 && intCalendar < kCalendarRowCount) {
        const CalendarRow row = static_cast<CalendarRow>(intCalendar);
        LabelPair& line = const_cast<frmMain*>(this)->LineOfRow(row);
        e.currentDisplayed = EntryFromDisplayedValue(row, line[1]->text().toStdString());
    }
    return e;
}

void frmMain::ApplyEntryFields(const DateEntry& fields)
{
    if (txbDate->text().toStdString() != fields.date) txbDate->setText(Q(fields.date));
    if (fields.element != cboElement->currentIndex()) cboElement->setCurrentIndex(fields.element);
    if (fields.animal != cboAnimal->currentIndex()) cboAnimal->setCurrentIndex(fields.animal);
    txbTime->setText(Q(fields.time));
    cboTimeZone->setCurrentIndex(fields.zoneIndex);
    intCalendar = fields.currentCalendar;
}

void frmMain::DisplayDateEntryError(DateEntryError code)
{
    ShowRefusal(*platform_.messages, this, DateEntryRefusal(code, settings_.country));
}

void frmMain::cmdCompute_Click()
{
    const DateEntry entry = CurrentEntry();
    const auto ask = [this](const std::string& question) {
        return platform_.messages->Question(this, TrText(kCalendarQuestionTitle), TrText(question));
    };
    const ConvertResult r =
        ConvertEntry(entry, optPlus->isChecked(), Moment(dblCurrentAJDate), settings_, ask);
    WriteBackConvertFields(r);
    ShowConvertResult(r);
    // Every refusal, and the unchanged dates, leave the user where the date is typed.
    SetTheFocus();
}

void frmMain::WriteBackConvertFields(const ConvertResult& r)
{
    txbPlusMinus->setText(Q(r.plusMinus));
    if (!r.parsed) return;
    if (r.parse.copiedDisplayedDate) {
        // The displayed date of the current calendar was taken, as a click on it takes it.
        platform_.clipboard->SetText(LineOfRow(static_cast<CalendarRow>(intCalendar))[1]->text());
    }
    ApplyEntryFields(r.parse.fields);
    if (r.parse.highlight) HighlightCalendar();
}

void frmMain::ShowConvertResult(const ConvertResult& r)
{
    switch (r.outcome) {
    case ConvertOutcome::EntryError:
        DisplayDateEntryError(r.errorCode);
        return;
    case ConvertOutcome::OutOfRange:
        platform_.messages->Warning(this, TrText(kDateRangeTitle), TrText(DateRangeMessage(r.range)));
        return;
    case ConvertOutcome::Unchanged:
        platform_.messages->Warning(this, TrText(kConvertTitle), TrText(kConvertUnchangedMessage));
        return;
    case ConvertOutcome::SameMinute:
        // The display is refreshed to the entered moment; nothing else follows.
        dblCurrentAJDate = r.ajd.ajd();
        DisplayDatesAndTimes();
        platform_.messages->Warning(this, TrText(kConvertTitle), TrText(kConvertUnchangedMessage));
        return;
    case ConvertOutcome::Converted:
        dblCurrentAJDate = r.ajd.ajd();
        DisplayDatesAndTimes();
        DisplayMoonData(CountryColour());
        DisplayDeltaT();
        AutoLog(AutoLogReason::Convert);
        CmdSaveStateEnabled(true);
        return;
    }
}

void frmMain::cmdClearDate_Click()
{
    txbDate->clear();
    txbTime->clear();
    cboTimeZone->setCurrentIndex(-1);
    SetTheFocus();
}

void frmMain::DateFieldChanged()
{
    for (QWidget* w : std::initializer_list<QWidget*>{cboElement, cboAnimal, lblElement, lblAnimal})
        w->setEnabled(true);
    // A CHL date with "?" for its position takes its year from the two lists, and the
    // element-animal search targets read them too: only then do they keep their choice.
    const QString text = txbDate->text();
    const bool questionMarkCHL = text.contains("-?-") && text.contains("chl", Qt::CaseInsensitive);
    if (!questionMarkCHL && !IsElementAnimalTarget(SelectedTarget())) {
        cboElement->setCurrentIndex(kNoElementItem);
        cboAnimal->setCurrentIndex(kNoAnimalItem);
    }
}

} // namespace orlun::app

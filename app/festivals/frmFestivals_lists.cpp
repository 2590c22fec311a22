// The days the window lists: the festivals of a lunar year, or the anniversaries of a lunar date
// typed ("12-30", "4*-15", any date as the main window's date field reads it) or taken from the
// main window's moment.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/festivals/frmFestivals.h"
#include "app/platform/StdText.h"
#include "app/platform/TranslatedText.h"
#include "calendar/core/Limits.h"
#include "calendar/core/WholeNumber.h"
#include "calendar/entry/Convert.h"
#include "calendar/festivals/Anniversary.h"
#include "calendar/festivals/AnniversaryStart.h"
#include "calendar/festivals/EventText.h"
#include "calendar/festivals/FestivalDates.h"

namespace orlun::app {

namespace {

constexpr const char* kLunarDateHint =
    QT_TRANSLATE_NOOP("orlun::app::frmFestivals",
                      "Type a lunar month and day, such as 12-30, or 4*-15 in a leap month, or a date as in the "
                      "main window's date field.");

constexpr int kColumnGap = 12; // pixels between the columns

QString RangeNote(int year) { return TrText(DateRangeMessage(year < 0 ? RangeCheck::TooEarly : RangeCheck::TooLate)); }

} // namespace

void frmFestivals::ShowMomentsYear()
{
    const FestivalsContext context = Context();
    ListFestivals(LunarDayOfMoment(Moment(context.moment), context.settings).lunarYear);
}

std::optional<int> frmFestivals::TypedYear()
{
    const auto year = ParseWholeNumber(txbYear->text().trimmed().toStdString(), kMinYear, kMaxYear);
    if (!year) {
        Warn(tr("The lunar year must be a whole number from -3000 to 3000."));
        txbYear->setFocus();
        txbYear->selectAll();
        return std::nullopt;
    }
    return static_cast<int>(*year);
}

void frmFestivals::cmdShowFestivals_Click()
{
    if (const auto year = TypedYear()) ListFestivals(*year);
}

void frmFestivals::cmdPreviousOrNextYear_Click(int step)
{
    const int year = listedYear_ + step;
    if (year >= kMinYear && year <= kMaxYear) ListFestivals(year);
}

void frmFestivals::ListFestivals(int year)
{
    const FestivalsContext context = Context();
    const FestivalYear festivals = FestivalsOfLunarYear(year, context.settings);
    listing_ = Listing::Festivals;
    listedYear_ = year;
    listedSettings_ = context.settings;
    txbYear->setText(QString::number(year));
    cmdPreviousYear->setEnabled(year > kMinYear);
    cmdNextYear->setEnabled(year < kMaxYear);
    const QString heading = tr("Festivals of the lunar year %1 in %2")
                                .arg(QString::number(year), TrText(CountryName(context.settings.country)));
    Show(FestivalEvents(festivals, ChosenLanguage(), context.settings), heading,
         !festivals.whole() ? RangeNote(year) : QString());
}

void frmFestivals::cmdMomentsLunarDate_Click()
{
    const FestivalsContext context = Context();
    txbLunarDate->setText(Q(LunarDayLabel(LunarDayOfMoment(Moment(context.moment), context.settings).day)));
    txbTitle->setFocus();
    txbTitle->selectAll();
}

void frmFestivals::cmdListAnniversaries_Click() { ListAnniversaries(); }

std::optional<AnniversaryStart> frmFestivals::TypedStart(const CalendarSettings& settings)
{
    const std::string text = txbLunarDate->text().trimmed().toStdString();
    if (text.empty()) {
        Warn(tr(kLunarDateHint));
        txbLunarDate->setFocus();
        return std::nullopt;
    }
    // A month-day repeats from the lunar year in the year field.
    if (ParseLunarDay(text)) {
        const auto year = TypedYear();
        return year ? StartOfMonthDay(text, *year) : std::nullopt;
    }
    DateEntry entry;
    entry.date = text;
    const ConvertResult r = ConvertEntry(entry, true, Moment(-1.0), settings, [this](const std::string& q) {
        return platform_.messages->Question(this, TrText(kCalendarQuestionTitle), TrText(q));
    });
    if (r.outcome == ConvertOutcome::EntryError || r.outcome == ConvertOutcome::OutOfRange) {
        Warn(r.outcome == ConvertOutcome::OutOfRange
                 ? TrText(DateRangeMessage(r.range))
                 : TrText(DateEntryErrorMessage(r.errorCode, settings.country)) + "\n" + tr(kLunarDateHint));
        txbLunarDate->setFocus();
        return std::nullopt;
    }
    return StartOfRememberedDate(r.ajd, settings);
}

std::optional<int> frmFestivals::TypedYears()
{
    const auto years = ParseWholeNumber(txbYears->text().trimmed().toStdString(), 1, kMaxAnniversaryYears);
    if (years) return static_cast<int>(*years);
    Warn(tr("The number of years must be a whole number from 1 to %1.").arg(kMaxAnniversaryYears));
    txbYears->setFocus();
    txbYears->selectAll();
    return std::nullopt;
}

bool frmFestivals::ListAnniversaries()
{
    const FestivalsContext context = Context();
    const auto start = TypedStart(context.settings);
    if (!start) return false;
    const auto years = TypedYears();
    if (!years) return false;
    const QString typedTitle = txbTitle->text().trimmed();
    const std::string title = (typedTitle.isEmpty() ? DefaultTitle() : typedTitle).toStdString();

    const Anniversaries found = AnniversariesOf(start->day, start->firstYear, *years, context.settings);
    listing_ = Listing::Anniversaries;
    listedSettings_ = context.settings;
    const QString heading = tr("Anniversaries of the lunar date %1 from the lunar year %2 in %3")
                                .arg(Q(LunarDayLabel(start->day)), QString::number(start->firstYear),
                                     TrText(CountryName(context.settings.country)));
    Show(AnniversaryEvents(found, start->day, title, ChosenLanguage(), context.settings), heading,
         found.reachedRangeEnd ? RangeNote(start->firstYear) : QString());
    return true;
}

void frmFestivals::Show(std::vector<LunarEvent> events, const QString& heading, const QString& note)
{
    listed_ = std::move(events);
    lblHeading->setText(heading);
    lblNote->setText(note);
    lblNote->setVisible(!note.isEmpty());
    lstDays->clear();
    const Language language = ChosenLanguage();
    QList<QTreeWidgetItem*> rows;
    for (const LunarEvent& e : listed_)
        rows << new QTreeWidgetItem(QStringList{Q(EventDaysText(e, language)), Q(EventWeekdayText(e, language)), Q(e.summary),
                                                Q(e.description)});
    lstDays->addTopLevelItems(rows);
    // The last column takes what room is left.
    for (int column = 0; column + 1 < lstDays->columnCount(); ++column) {
        lstDays->resizeColumnToContents(column);
        lstDays->setColumnWidth(column, lstDays->columnWidth(column) + kColumnGap);
    }
    if (!rows.isEmpty()) lstDays->setCurrentItem(rows.front());
    cmdExport->setEnabled(!listed_.empty());
    cmdCopy->setEnabled(!listed_.empty());
}

} // namespace orlun::app

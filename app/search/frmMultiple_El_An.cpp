#include "app/search/frmMultiple_El_An.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/platform/ControlNames.h"
#include "app/platform/StdText.h"
#include "app/platform/TranslatedText.h"
#include "app/platform/WindowKeys.h"
#include "app/shared/MainPlacement.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/TimeScales.h"
#include "calendar/search/SearchProgress.h"
#include "calendar/western/Clock.h"

namespace orlun::app {

namespace {

// Beside each row's element and animal lists.
constexpr std::array<const char*, kMultipleRowCount> kRowCaptions = {
    //: The row of the day's element and animal.
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "day"),
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "month"),
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "year")};
// The names a screen reader gives each row's lists.
constexpr std::array<const char*, kMultipleRowCount> kElementListNames = {
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "day element"),
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "month element"),
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "year element")};
constexpr std::array<const char*, kMultipleRowCount> kAnimalListNames = {
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "day animal"),
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "month animal"),
    QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "year animal")};
// The words MultipleProgressText begins with.
constexpr const char* kProgressLead = QT_TRANSLATE_NOOP("orlun::app::frmMultiple_El_An", "Searching ...");

// The progress line with its leading words in the user's language; the dates stay as they are.
QString ProgressLine(DayNumber day, const CalendarSettings& settings)
{
    const QString english = Q(MultipleProgressText(day, settings));
    const QString lead = QString::fromLatin1(kProgressLead);
    if (!english.startsWith(lead)) return english;
    return QCoreApplication::translate("orlun::app::frmMultiple_El_An", kProgressLead) + english.mid(lead.size());
}

} // namespace

frmMultiple_El_An::frmMultiple_El_An(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setObjectName("frmMultiple_El_An");
    setWindowTitle(tr("Search for multiple element-animal"));
    setModal(true);
    LayOut();
    FillLists();
    connect(cmdSearch, &QPushButton::clicked, this, &frmMultiple_El_An::cmdSearch_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMultiple_El_An::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmMultiple_El_An::cmdClose_Click);
    for (int row = 0; row < kMultipleRowCount; ++row) {
        connect(cboElement[row], &QComboBox::activated, this, [this] { cmdSearch->setFocus(); });
        connect(cboAnimal[row], &QComboBox::activated, this, [this] { cmdSearch->setFocus(); });
        connect(cboAnimal[row], &QComboBox::currentIndexChanged, this, [this, row] { RefreshElementTexts(row); });
    }
    connect(cboWithin, &QComboBox::activated, this, [this] { cmdSearch->setFocus(); });
    connect(chkStartingFromToday, &QCheckBox::clicked, this, [this] { cmdSearch->setFocus(); });
    // Escape is the dialog's own (it cancels); Ctrl+W does the same.
    InstallWindowKeys(*this, {cmdSearch, [this] { reject(); }});
    for (int row = 0; row < kMultipleRowCount; ++row) {
        NameControl(*cboElement[row], tr(kElementListNames[row]));
        NameControl(*cboAnimal[row], tr(kAnimalListNames[row]));
    }
    NameControl(*cboWithin, tr("Search within"));
}

void frmMultiple_El_An::LayOut()
{
    auto* grid = new QGridLayout;
    for (int row = 0; row < kMultipleRowCount; ++row) {
        const QString n = QString::number(row);
        lblRow[row] = new QLabel(tr(kRowCaptions[row]), this);
        lblRow[row]->setObjectName("lblRow_" + n);
        cboElement[row] = new QComboBox(this);
        cboElement[row]->setObjectName("cboElement_" + n);
        cboElement[row]->setMinimumContentsLength(12);
        cboAnimal[row] = new QComboBox(this);
        cboAnimal[row]->setObjectName("cboAnimal_" + n);
        cboAnimal[row]->setMinimumContentsLength(8);
        grid->addWidget(cboElement[row], row, 0);
        grid->addWidget(cboAnimal[row], row, 1);
        grid->addWidget(lblRow[row], row, 2);
    }
    cboWithin = new QComboBox(this);
    cboWithin->setObjectName("cboWithin");
    chkStartingFromToday = new QCheckBox(tr("starting from today"), this);
    chkStartingFromToday->setObjectName("chkStartingFromToday");
    cmdSearch = new QPushButton(tr("Search"), this);
    cmdSearch->setObjectName("cmdSearch");
    cmdClear = new QPushButton(tr("Clear"), this);
    cmdClear->setObjectName("cmdClear");
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName("cmdClose");
    // The caption changes between "Search" and "Stop"; the button keeps its size.
    const QFontMetrics metrics = cmdSearch->fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(tr("Search")), metrics.horizontalAdvance(tr("Stop")));
    cmdSearch->setMinimumWidth(widest + 40);
    grid->addWidget(cboWithin, kMultipleRowCount, 0);
    grid->addWidget(chkStartingFromToday, kMultipleRowCount, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* window = new QVBoxLayout(this);
    window->addLayout(grid);
    window->addLayout(buttons);
}

void frmMultiple_El_An::FillLists()
{
    for (int row = 0; row < kMultipleRowCount; ++row) {
        for (int e = 0; e <= kElementCount; ++e)
            cboElement[row]->addItem(TrText(MultipleElementItemText(static_cast<MultipleRow>(row), e, kNoAnimalItem)));
        for (int a = 0; a < kAnimalCount; ++a) cboAnimal[row]->addItem(TrText(AnimalName(a, DefaultCountry())));
        cboAnimal[row]->addItem("");
        cboElement[row]->setCurrentIndex(kNoElementItem);
        cboAnimal[row]->setCurrentIndex(kNoAnimalItem);
    }
    for (const char* text : kWithinTexts) cboWithin->addItem(TrText(text));
    cboWithin->setCurrentIndex(kDefaultWithin);
}

void frmMultiple_El_An::RefreshElementTexts(int row)
{
    const auto r = static_cast<MultipleRow>(row);
    cboElement[row]->setItemText(kNoElementItem,
                                 TrText(MultipleElementItemText(r, kNoElementItem, cboAnimal[row]->currentIndex())));
}

void frmMultiple_El_An::Activate(const MultipleSearchContext& context)
{
    context_ = context;
    setWindowTitle(context.next ? tr("Search for the next") : tr("Search for the previous"));
    // The country's names of the animals (Vietnam's cat, goat and pig, Japan's boar ...).
    for (int row = 0; row < kMultipleRowCount; ++row) {
        for (int a = 0; a < kAnimalCount; ++a)
            cboAnimal[row]->setItemText(a, TrText(AnimalName(a, context.settings.country)));
        RefreshElementTexts(row);
    }
    blnCancel = false;
    blnStop = false;
    cmdClose->setFocus();
}

void frmMultiple_El_An::PlaceBeside(const QRect& list, const QRect& screenArea)
{
    adjustSize();
    const QRect frame(QPoint(list.right() + 1, list.top()), frameGeometry().size());
    move(KeptWithin(frame, screenArea).topLeft());
}

MultipleCriteria frmMultiple_El_An::Criteria() const
{
    MultipleCriteria c;
    for (int row = 0; row < kMultipleRowCount; ++row)
        c.rows[row] = {cboElement[row]->currentIndex(), cboAnimal[row]->currentIndex()};
    return MultipleCriteria::FromIndexes(c.ToIndexes());
}

void frmMultiple_El_An::SetCriteria(const MultipleCriteria& criteria)
{
    const MultipleCriteria c = MultipleCriteria::FromIndexes(criteria.ToIndexes());
    for (int row = 0; row < kMultipleRowCount; ++row) {
        cboElement[row]->setCurrentIndex(c.rows[row].element);
        cboAnimal[row]->setCurrentIndex(c.rows[row].animal);
        RefreshElementTexts(row);
    }
}

std::string frmMultiple_El_An::MultipleElementAnimalStr() const
{
    return orlun::MultipleElementAnimalStr(Criteria(), context_.settings.country);
}

void frmMultiple_El_An::ShowSearching(const QString& text)
{
    if (context_.showSearching) context_.showSearching(text);
}

void frmMultiple_El_An::SetSearching(bool searching)
{
    searching_ = searching;
    cmdSearch->setText(searching ? tr("Stop") : tr("Search"));
    cmdClear->setEnabled(!searching);
    cmdClose->setEnabled(!searching);
}

void frmMultiple_El_An::cmdSearch_Click()
{
    if (searching_) {
        SetSearching(false);
        blnStop = true;
        ShowSearching("");
        return;
    }
    if (!Criteria().AnySpecified()) {
        platform_.messages->Warning(this, TrText(kInvalidInputTitle), TrText(kNothingSpecified).replace("\r\n", "\n"));
        return;
    }
    RunSearch();
}

void frmMultiple_El_An::RunSearch()
{
    SetSearching(true);
    blnStop = false;
    const bool fromToday = chkStartingFromToday->isChecked();
    const Moment start = fromToday ? CurrentAJDate(*platform_.clock) : Moment(context_.currentAJD);
    const CalendarSettings& settings = context_.settings;
    const DayNumber a = AJDToCJDC(start, settings.meridian).day();
    const int within = cboWithin->currentIndex() < 0 ? kDefaultWithin : cboWithin->currentIndex();
    const DayNumber limit = MultipleSearchLimit(a, context_.next, kWithinYears[within], settings);
    ShowSearching(TrText(kSearchingText));

    MultipleHooks hooks;
    hooks.stopRequested = [this] {
        platform_.events->ProcessEvents();
        return blnStop || blnCancel;
    };
    hooks.progress = [this, &settings](DayNumber day) { ShowSearching(ProgressLine(day, settings)); };
    const MultipleResult r = MultipleElementAnimalSearch(Criteria(), a, context_.next, limit, settings, hooks);
    lngCJDN = r.day.value();
    ShowSearching("");

    const bool stopped = r.status == MultipleStatus::Stopped;
    if (r.status == MultipleStatus::NotFound) {
        platform_.messages->Plain(this, TrText(kNotFoundTitle),
                                  TrText(MultipleNotFoundText(kWithinTexts[within], fromToday)));
        blnCancel = true;
    }
    SetSearching(false);
    if (stopped && !blnCancel) {
        blnStop = false;
        return;
    }
    hide();
    done(blnCancel ? Rejected : Accepted);
}

void frmMultiple_El_An::cmdClear_Click()
{
    SetCriteria(MultipleCriteria{});
    cmdSearch->setFocus();
}

void frmMultiple_El_An::cmdClose_Click()
{
    blnCancel = true;
    hide();
    done(Rejected);
}

// Escape or the title bar's close box: closing cancels, and ends a running search.
void frmMultiple_El_An::reject()
{
    blnStop = true;
    cmdClose_Click();
}

} // namespace orlun::app

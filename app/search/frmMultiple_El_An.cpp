#include "app/search/frmMultiple_El_An.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/platform/ControlNames.h"
#include "app/platform/StdText.h"
#include "app/platform/WindowKeys.h"
#include "app/shared/MainPlacement.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/TimeScales.h"
#include "calendar/search/SearchProgress.h"
#include "calendar/western/Clock.h"

namespace orlun::app {

namespace {

constexpr std::array<const char*, kMultipleRowCount> kRowCaptions = {"day", "month", "year"};

} // namespace

frmMultiple_El_An::frmMultiple_El_An(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setObjectName("frmMultiple_El_An");
    setWindowTitle("Search for multiple element-animal");
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
        NameControl(*cboElement[row], QString(kRowCaptions[row]) + " element");
        NameControl(*cboAnimal[row], QString(kRowCaptions[row]) + " animal");
    }
    NameControl(*cboWithin, "Search within");
}

void frmMultiple_El_An::LayOut()
{
    auto* grid = new QGridLayout;
    for (int row = 0; row < kMultipleRowCount; ++row) {
        const QString n = QString::number(row);
        lblRow[row] = new QLabel(kRowCaptions[row], this);
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
    chkStartingFromToday = new QCheckBox("starting from today", this);
    chkStartingFromToday->setObjectName("chkStartingFromToday");
    cmdSearch = new QPushButton("Search", this);
    cmdSearch->setObjectName("cmdSearch");
    cmdClear = new QPushButton("Clear", this);
    cmdClear->setObjectName("cmdClear");
    cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    // The caption changes between "Search" and "Stop"; the button keeps its size.
    cmdSearch->setMinimumWidth(cmdSearch->fontMetrics().horizontalAdvance("Search") + 40);
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
            cboElement[row]->addItem(Q(MultipleElementItemText(static_cast<MultipleRow>(row), e, kNoAnimalItem)));
        for (int a = 0; a < kAnimalCount; ++a) cboAnimal[row]->addItem(Q(AnimalName(a, Country::China)));
        cboAnimal[row]->addItem("");
        cboElement[row]->setCurrentIndex(kNoElementItem);
        cboAnimal[row]->setCurrentIndex(kNoAnimalItem);
    }
    for (const char* text : kWithinTexts) cboWithin->addItem(text);
    cboWithin->setCurrentIndex(kDefaultWithin);
}

void frmMultiple_El_An::RefreshElementTexts(int row)
{
    const auto r = static_cast<MultipleRow>(row);
    cboElement[row]->setItemText(kNoElementItem,
                                 Q(MultipleElementItemText(r, kNoElementItem, cboAnimal[row]->currentIndex())));
}

void frmMultiple_El_An::Activate(const MultipleSearchContext& context)
{
    context_ = context;
    setWindowTitle(QString("Search for the ") + (context.next ? "next" : "previous"));
    // The country's names of the animals (Vietnam's cat, goat and pig, Japan's boar ...).
    for (int row = 0; row < kMultipleRowCount; ++row) {
        for (int a = 0; a < kAnimalCount; ++a)
            cboAnimal[row]->setItemText(a, Q(AnimalName(a, context.settings.country)));
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
    cmdSearch->setText(searching ? "Stop" : "Search");
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
        platform_.messages->Warning(this, kInvalidInputTitle, QString(kNothingSpecified).replace("\r\n", "\n"));
        return;
    }
    RunSearch();
}

void frmMultiple_El_An::RunSearch()
{
    SetSearching(true);
    blnStop = false;
    const bool fromToday = chkStartingFromToday->isChecked();
    const double start = fromToday ? CurrentAJDate(*platform_.clock).ajd() : context_.currentAJD;
    const CalendarSettings& settings = context_.settings;
    const int32_t a = DayNumberOf(AJDToCJDC(start, settings.refLongitude));
    const int within = cboWithin->currentIndex() < 0 ? kDefaultWithin : cboWithin->currentIndex();
    const int32_t limit = MultipleSearchLimit(a, context_.next, kWithinYears[within], settings);
    ShowSearching(kSearchingText);

    MultipleHooks hooks;
    hooks.stopRequested = [this] {
        platform_.events->ProcessEvents();
        return blnStop || blnCancel;
    };
    hooks.progress = [this, &settings](int32_t day) { ShowSearching(Q(MultipleProgressText(day, settings))); };
    const MultipleResult r = MultipleElementAnimalSearch(Criteria(), a, context_.next, limit, settings, hooks);
    lngCJDN = r.day;
    ShowSearching("");

    const bool stopped = r.status == MultipleStatus::Stopped;
    if (r.status == MultipleStatus::NotFound) {
        platform_.messages->Plain(this, kNotFoundTitle, Q(MultipleNotFoundText(kWithinTexts[within], fromToday)));
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

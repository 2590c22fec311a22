// The Search panel: the next or previous event of the chosen target from the current moment (a
// date typed into the date field first becomes the current moment), and the multiple
// element-animal window for the two targets that choose their day there.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSizePolicy>
#include <QTimer>

#include "app/main/Foreground.h"
#include "app/main/RefusalBox.h"
#include "app/main/frmMain.h"
#include "app/platform/StdText.h"
#include "app/search/frmMultiple_El_An.h"
#include "app/platform/TranslatedText.h"
#include "calendar/core/MoonPhases.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/SearchProgress.h"

namespace orlun::app {

void frmMain::ConnectSearchHandlers()
{
    // The phase codes of the Moon's targets.
    for (const SearchTargetRow& row : SearchTargetRows())
        if (row.phase) cboTarget->setItemData(row.stored, *row.phase);
    connect(cmdSearch, &QPushButton::clicked, this, &frmMain::cmdSearch_Click);
    connect(cboTarget, &QComboBox::activated, this, &frmMain::cboTarget_Click);
    for (QRadioButton* option : {optNext, optPrevious})
        connect(option, &QRadioButton::toggled, this, &frmMain::optNextPrevious_Click);
    for (QComboBox* list : {cboElement, cboAnimal})
        connect(list, &QComboBox::activated, this, &frmMain::cboElementAnimal_Click);
    ColourSearchDirection();
    // The progress text grows and comes and goes; the panel around it keeps its size.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setRetainSizeWhenHidden(true);
    lblSearching->setSizePolicy(policy);
}

void frmMain::ColourSearchDirection()
{
    SetForeground(optNext, optNext->isChecked() ? lngHighlight : lngDehighlight);
    SetForeground(optPrevious, optPrevious->isChecked() ? lngHighlight : lngDehighlight);
}

void frmMain::optNextPrevious_Click()
{
    ColourSearchDirection();
    if (!isVisible()) return;
    CmdSaveStateEnabled(true);
    if (cmdSearch->isEnabled()) cmdSearch->setFocus();
    else cmdQuit->setFocus();
}

SearchTarget frmMain::SelectedTarget() const
{
    return SearchTargetAt(cboTarget->currentIndex()).value_or(kDefaultSearchTarget);
}

void frmMain::RefreshElementAnimalTargets()
{
    const ElementAnimalChoice choice{cboElement->currentIndex(), cboAnimal->currentIndex()};
    for (const SearchTargetRow& row : SearchTargetRows()) {
        if (row.kind != TargetKind::ElementAnimal) continue;
        const bool chosen = row.target == SelectedTarget();
        cboTarget->setItemText(row.stored, TrText(ElementAnimalTargetText(row.target, chosen ? choice : ElementAnimalChoice{},
                                                                          settings_.country)));
    }
}

void frmMain::cboTarget_Click()
{
    if (!isVisible() || blnInitializing) return;
    for (QWidget* w : std::initializer_list<QWidget*>{cboElement, cboAnimal, lblElement, lblAnimal})
        w->setEnabled(true);
    const QString date = txbDate->text();
    const bool questionMarkCHL = date.contains("-?-") && date.contains("chl", Qt::CaseInsensitive);
    if (!questionMarkCHL && !IsElementAnimalTarget(SelectedTarget())) {
        cboElement->setCurrentIndex(kNoElementItem);
        cboAnimal->setCurrentIndex(kNoAnimalItem);
    }
    RefreshElementAnimalTargets();
    if (cmdSearch->isEnabled()) cmdSearch->setFocus();
    else cmdHelp->setFocus();
    CmdSaveStateEnabled(true);
}

void frmMain::cboElementAnimal_Click()
{
    if (!IsElementAnimalTarget(SelectedTarget())) return;
    RefreshElementAnimalTargets();
    if (cmdSearch->isEnabled()) cmdSearch->setFocus();
    else cmdNow->setFocus();
}

void frmMain::ShowSearching(const QString& text)
{
    lblSearching->setText(text);
    lblSearching->setVisible(!text.isEmpty());
    lblSearching->repaint();
}

void frmMain::cmdSearch_Click()
{
    if (blnRepeat) return;
    // A date typed into the date field is the moment searched from.
    const double before = dblCurrentAJDate;
    if (!ReadMoveStartDate()) return;
    txbDate->clear();
    txbTime->clear();
    cboTimeZone->setCurrentIndex(-1);
    Clock->stop();

    const SearchTarget target = SelectedTarget();
    if (UsesMultipleWindow(target)) {
        SearchInMultipleWindow(target);
        return;
    }
    SearchInputs in;
    in.target = target;
    in.next = optNext->isChecked();
    in.choice = {cboElement->currentIndex(), cboAnimal->currentIndex()};
    in.keep30 = !chkKeep30th->isHidden() && chkKeep30th->isChecked();
    const MomentOutcome r =
        RunSearch(Moment(dblCurrentAJDate), in, settings_, [this](const std::string& text) {
            ShowSearching(TrTextWithPrefix(text, kSearchingText));
        });
    ShowSearching("");
    if (!r.ok()) {
        ShowRefusal(*platform_.messages, this, r.refusal());
        // The display shows the moment the next search starts from.
        if (dblCurrentAJDate != before) Recalculate(AutoLogReason::None);
        return;
    }
    FinishSearch(target, r.value());
}

void frmMain::FinishSearch(SearchTarget target, const std::optional<NewMoment>& found)
{
    if (found) {
        dblCurrentAJDate = found->moment.ajd();
        if (found->calendar) {
            intCalendar = *found->calendar;
            HighlightCalendar();
        }
    }
    if (ClearsShowCJDs(target)) {
        chkShowCJDs->setChecked(false);
        chkShowCJDs_Click();
    }
    Recalculate(AutoLogReason::Search);
}

frmMultiple_El_An* frmMain::MultipleWindow()
{
    if (!frmMultiple_) {
        frmMultiple_ = new frmMultiple_El_An(platform_, this);
        frmMultiple_->SetCriteria(MultipleCriteria::FromIndexes(multipleElementAnimal_));
    }
    return frmMultiple_;
}

void frmMain::SearchInMultipleWindow(SearchTarget target)
{
    frmMultiple_El_An* window = MultipleWindow();
    if (KindOf(target) == TargetKind::SameDayAndMonth)
        window->SetCriteria(SameDayAndMonthCriteria(Moment(dblCurrentAJDate), settings_));
    MultipleSearchContext context;
    context.currentAJD = dblCurrentAJDate;
    context.next = optNext->isChecked();
    context.settings = settings_;
    context.showSearching = [this](const QString& text) { ShowSearching(text); };
    window->Activate(context);
    scrMain->ensureWidgetVisible(cboElement); // on a small screen the page may be scrolled
    window->PlaceBeside(QRect(cboElement->mapToGlobal(QPoint(0, 0)), cboElement->size()),
                        Placement().screenArea);
    window->exec();
    ShowSearching("");
    multipleElementAnimal_ = window->Criteria().ToIndexes();

    if (window->blnCancel) {
        // The moment stays, but the display is redone without the CJD lines.
        FinishSearch(target, std::nullopt);
        return;
    }
    const MomentOutcome r = WithinRange(FoundDay(DayNumber(window->lngCJDN), settings_.meridian));
    if (!r.ok()) {
        ShowRefusal(*platform_.messages, this, r.refusal());
        return;
    }
    FinishSearch(target, r.value());
}

bool frmMain::MultipleSearchCancelled() const
{
    return UsesMultipleWindow(SelectedTarget()) && frmMultiple_ && frmMultiple_->blnCancel;
}

std::string frmMain::MultipleSearchDescription() const
{
    if (KindOf(SelectedTarget()) != TargetKind::OwnWindow || !frmMultiple_) return "";
    return frmMultiple_->MultipleElementAnimalStr();
}

} // namespace orlun::app

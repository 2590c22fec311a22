#include "app/log/frmLogPreferences.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/platform/WindowKeys.h"

namespace orlun::app {

namespace {

constexpr int kInsideMainRight = 5; // 80 twips

template <class T>
T* Make(QWidget* parent, const char* name, const QString& text)
{
    auto* w = new T(text, parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QGroupBox* Frame(QWidget* parent, const char* name, const QString& title,
                 std::initializer_list<QCheckBox*> boxes)
{
    auto* frame = Make<QGroupBox>(parent, name, title);
    auto* column = new QVBoxLayout(frame);
    for (QCheckBox* box : boxes) {
        box->setParent(frame);
        column->addWidget(box);
    }
    column->addStretch();
    return frame;
}

} // namespace

frmLogPreferences::frmLogPreferences(QWidget* parent) : QWidget(parent)
{
    setObjectName("frmLogPreferences");
    if (parent) setWindowFlags(Qt::Window);
    setWindowTitle(tr("Configure log entries"));
    QFont arial("Arial");
    arial.setBold(false);
    setFont(arial);

    lblInclude = Make<QLabel>(this, "lblInclude", tr("Include in log entries:"));
    chkIncludeChL = Make<QCheckBox>(this, "chkIncludeChL", tr("ChL (Chinese Lunar Calendar)"));
    chkIncludeChS = Make<QCheckBox>(this, "chkIncludeChS", tr("ChS (Chinese Solar Calendar)"));
    chkIncludeCJDC = Make<QCheckBox>(this, "chkIncludeCJDC",
                                     tr("CJDC (Chronological Julian Date, China)"));
    chkEpochEtc = Make<QCheckBox>(this, "chkEpochEtc", tr("Epoch, method, longitude"));
    chkIncludeCE = Make<QCheckBox>(this, "chkIncludeCE", tr("CE (Common Era Calendar)"));
    chkIncludeJC = Make<QCheckBox>(this, "chkIncludeJC", tr("JC (Julian Calendar)"));
    chkIncludeCJDL = Make<QCheckBox>(this, "chkIncludeCJDL",
                                     tr("CJDL (Chronological Julian Date, London)"));
    chkIncludeAJD = Make<QCheckBox>(this, "chkIncludeAJD", tr("AJD (Astronomical Julian Date)"));
    chkIncludePhaseOfMoonAndIllumination = Make<QCheckBox>(
        this, "chkIncludePhaseOfMoonAndIllumination", tr("Phase of Moon and illumination"));
    chkIncludeLunationAndAgeOfMoon =
        Make<QCheckBox>(this, "chkIncludeLunationAndAgeOfMoon", tr("Lunation and age of Moon"));
    chkVerbose = Make<QCheckBox>(this, "chkVerbose", tr("Expanded log entries"));
    chkIncludeGanzhi = Make<QCheckBox>(this, "chkIncludeGanzhi", tr("Include Chinese terms"));
    chkViewLogWhenAdd = Make<QCheckBox>(this, "chkViewLogWhenAdd", tr("View log after adding an entry"));
    cmdSetClear = Make<QPushButton>(this, "cmdSetClear", tr("Set all"));
    cmdClose = Make<QPushButton>(this, "cmdClose", tr("Close"));

    fraChinese = Frame(this, "fraChinese", tr("Chinese"),
                       {chkIncludeChL, chkIncludeChS, chkIncludeCJDC, chkEpochEtc});
    fraWestern = Frame(this, "fraWestern", tr("Western"), {chkIncludeCE, chkIncludeJC, chkIncludeCJDL});
    fraAstronomical = Frame(this, "fraAstronomical", tr("Astronomical"),
                            {chkIncludeAJD, chkIncludePhaseOfMoonAndIllumination,
                             chkIncludeLunationAndAgeOfMoon});
    LayOut();

    // Chinese terms appear only in expanded entries; a change by Set all / Clear all counts too.
    connect(chkVerbose, &QCheckBox::toggled, chkIncludeGanzhi, &QWidget::setEnabled);
    for (QCheckBox* box : Boxes())
        connect(box, &QCheckBox::toggled, this, &frmLogPreferences::UpdateSetClearCaption);
    connect(cmdSetClear, &QPushButton::clicked, this, &frmLogPreferences::SetOrClearAll);
    connect(cmdClose, &QPushButton::clicked, this, &frmLogPreferences::CloseWindow);
    InstallWindowKeys(*this, {cmdClose, [this] { cmdClose->click(); }});

    SetValues(LogPreferences{});
}

void frmLogPreferences::LayOut()
{
    auto* options = new QVBoxLayout;
    options->addWidget(chkVerbose);
    auto* ganzhi = new QHBoxLayout;
    ganzhi->addSpacing(20); // under the box that enables it
    ganzhi->addWidget(chkIncludeGanzhi);
    options->addLayout(ganzhi);
    options->addWidget(chkViewLogWhenAdd);
    options->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(fraChinese, 0, 0);
    grid->addWidget(fraAstronomical, 0, 1);
    grid->addWidget(fraWestern, 1, 0);
    grid->addLayout(options, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSetClear);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    cmdSetClear->setMinimumWidth(std::max(cmdSetClear->sizeHint().width(), 90));
    cmdClose->setMinimumWidth(std::max(cmdClose->sizeHint().width(), 90));

    auto* page = new QVBoxLayout(this);
    page->addWidget(lblInclude);
    page->addLayout(grid);
    page->addSpacing(6);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

std::array<QCheckBox*, kLogPreferenceCount> frmLogPreferences::Boxes() const
{
    return {chkVerbose,     chkIncludeGanzhi, chkViewLogWhenAdd, chkIncludeChL,  chkIncludeChS,
            chkIncludeCJDC, chkEpochEtc,      chkIncludeCE,      chkIncludeJC,   chkIncludeCJDL,
            chkIncludeAJD,  chkIncludePhaseOfMoonAndIllumination, chkIncludeLunationAndAgeOfMoon};
}

LogPreferences frmLogPreferences::Values() const
{
    std::array<bool, kLogPreferenceCount> values{};
    const auto boxes = Boxes();
    for (int i = 0; i < kLogPreferenceCount; ++i) values[i] = boxes[i]->isChecked();
    return LogPreferences::FromArray(values);
}

void frmLogPreferences::SetValues(const LogPreferences& values)
{
    const auto boxes = Boxes();
    const auto checked = values.ToArray();
    for (int i = 0; i < kLogPreferenceCount; ++i) boxes[i]->setChecked(checked[i]);
    chkIncludeGanzhi->setEnabled(chkVerbose->isChecked());
    UpdateSetClearCaption();
}

void frmLogPreferences::SetDefaultLogConfiguration(bool showCJDs)
{
    SetValues(DefaultLogPreferences(showCJDs));
}

void frmLogPreferences::ShowFor(const QWidget& mainWindow)
{
    // Placed once more when shown, since the frame's size is known only then.
    const auto place = [&] {
        const QRect main = mainWindow.frameGeometry();
        const QSize own = frameGeometry().size();
        move(main.right() + 1 - kInsideMainRight - own.width(), main.bottom() + 1 - own.height());
    };
    adjustSize();
    place();
    show();
    place();
    raise();
    activateWindow();
    cmdClose->setFocus();
}

void frmLogPreferences::CloseWindow()
{
    hide();
    const auto boxes = Boxes();
    if (std::none_of(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isChecked(); }))
        chkIncludeChL->setChecked(true);
    emit closed();
}

void frmLogPreferences::SetOrClearAll()
{
    const auto boxes = Boxes();
    const bool set = !std::all_of(boxes.begin(), boxes.end(),
                                  [](QCheckBox* b) { return b->isChecked(); });
    for (QCheckBox* box : boxes) box->setChecked(set);
}

void frmLogPreferences::UpdateSetClearCaption()
{
    const auto boxes = Boxes();
    const bool all = std::all_of(boxes.begin(), boxes.end(),
                                 [](QCheckBox* b) { return b->isChecked(); });
    cmdSetClear->setText(all ? tr("Clear all") : tr("Set all"));
}

void frmLogPreferences::closeEvent(QCloseEvent* event)
{
    // The close box closes like Close, so that the window never leaves every box clear.
    if (isVisible()) CloseWindow();
    event->accept();
}

} // namespace orlun::app

#include "app/festivals/frmFestivals.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "app/month/SaveFileDialog.h"
#include "app/platform/ControlNames.h"
#include "app/platform/TranslatedText.h"
#include "app/platform/WindowKeys.h"
#include "calendar/festivals/AnniversaryStart.h"

namespace orlun::app {

namespace {

// The list's column headings, in their order.
constexpr std::array kColumns = {QT_TRANSLATE_NOOP("orlun::app::frmFestivals", "Common Era date"),
                                 QT_TRANSLATE_NOOP("orlun::app::frmFestivals", "Weekday"),
                                 QT_TRANSLATE_NOOP("orlun::app::frmFestivals", "Name"),
                                 QT_TRANSLATE_NOOP("orlun::app::frmFestivals", "Lunar date")};

template <class T>
T* Make(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_same_v<T, QLabel> || std::is_same_v<T, QPushButton> || std::is_same_v<T, QLineEdit>) {
        if (!text.isEmpty()) w->setText(text);
    }
    return w;
}

QLabel* LabelFor(QWidget* parent, const char* name, const QString& text, QWidget& field)
{
    auto* label = Make<QLabel>(parent, name, text);
    LabelControl(*label, field);
    return label;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> controls, bool stretchAtEnd = true)
{
    auto* row = new QHBoxLayout;
    for (QWidget* control : controls) row->addWidget(control);
    if (stretchAtEnd) row->addStretch();
    return row;
}

} // namespace

frmFestivals::frmFestivals(Platform& platform, std::function<FestivalsContext()> context, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), context_(std::move(context))
{
    setObjectName("frmFestivals");
    setWindowTitle(tr("Festivals and anniversaries"));
    saveDialog_ = &DesktopSaveFileDialog();
    LayOut();
    Connect();
    InstallWindowKeys(*this, {cmdClose, [this] { cmdClose->click(); }});
}

QString frmFestivals::DefaultTitle() { return TrText(std::string(kDefaultAnniversaryTitle)); }

void frmFestivals::LayOut()
{
    txbYear = Make<QLineEdit>(this, "txbYear");
    txbYear->setFixedWidth(txbYear->fontMetrics().horizontalAdvance("-30000") + 16);
    lblYear = LabelFor(this, "lblYear", tr("Lunar &year:"), *txbYear);
    cmdShowFestivals = Make<QPushButton>(this, "cmdShowFestivals", tr("&Show festivals"));
    cmdPreviousYear = Make<QPushButton>(this, "cmdPreviousYear", tr("&Previous year"));
    cmdNextYear = Make<QPushButton>(this, "cmdNextYear", tr("&Next year"));
    cboLanguage = Make<QComboBox>(this, "cboLanguage");
    for (const Language language : kLanguages) cboLanguage->addItem(QString::fromUtf8(OwnNameOf(language)));
    lblLanguage = LabelFor(this, "lblLanguage", tr("&Language:"), *cboLanguage);

    lblHeading = Make<QLabel>(this, "lblHeading");
    lblHeading->setTextFormat(Qt::PlainText);
    lstDays = Make<QTreeWidget>(this, "lstDays");
    QStringList columns;
    for (const char* column : kColumns) columns << tr(column);
    lstDays->setColumnCount(static_cast<int>(columns.size()));
    lstDays->setHeaderLabels(columns);
    lstDays->setRootIsDecorated(false);
    lstDays->setUniformRowHeights(true);
    lstDays->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Room for a year's festivals in any script (Chinese rows are taller than Latin ones).
    lstDays->setMinimumSize(720, lstDays->fontMetrics().height() * 22);
    NameControl(*lstDays, tr("Days"));
    lblNote = Make<QLabel>(this, "lblNote");
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->setWordWrap(true);

    txbLunarDate = Make<QLineEdit>(this, "txbLunarDate");
    txbLunarDate->setPlaceholderText(tr("12-30, 4*-15 or a date"));
    lblLunarDate = LabelFor(this, "lblLunarDate", tr("Anniversary of the lunar &date:"), *txbLunarDate);
    cmdMomentsLunarDate = Make<QPushButton>(this, "cmdMomentsLunarDate", tr("Lunar date of the &moment"));
    txbTitle = Make<QLineEdit>(this, "txbTitle", DefaultTitle());
    lblTitle = LabelFor(this, "lblTitle", tr("&Title:"), *txbTitle);
    txbYears = Make<QLineEdit>(this, "txbYears", QString::number(kDefaultAnniversaryYears));
    txbYears->setFixedWidth(txbYears->fontMetrics().horizontalAdvance("00000") + 16);
    lblYears = LabelFor(this, "lblYears", tr("Yea&rs:"), *txbYears);
    cmdListAnniversaries = Make<QPushButton>(this, "cmdListAnniversaries", tr("List &anniversaries"));

    cmdExport = Make<QPushButton>(this, "cmdExport", tr("&Export to iCalendar…"));
    cmdCopy = Make<QPushButton>(this, "cmdCopy", tr("&Copy"));
    cmdClose = Make<QPushButton>(this, "cmdClose", tr("Close"));

    auto* yearRow = Row({lblYear, txbYear, cmdShowFestivals, cmdPreviousYear, cmdNextYear});
    yearRow->addWidget(lblLanguage);
    yearRow->addWidget(cboLanguage);
    auto* anniversaryRow = Row({lblLunarDate, txbLunarDate, cmdMomentsLunarDate}, false);
    auto* titleRow = Row({lblTitle, txbTitle, lblYears, txbYears, cmdListAnniversaries}, false);
    titleRow->setStretch(1, 1);
    auto* buttons = Row({cmdExport, cmdCopy});
    buttons->addWidget(cmdClose);
    auto* window = new QVBoxLayout(this);
    window->addLayout(yearRow);
    window->addWidget(lblHeading);
    window->addWidget(lstDays, 1);
    window->addWidget(lblNote);
    window->addLayout(anniversaryRow);
    window->addLayout(titleRow);
    window->addLayout(buttons);
}

void frmFestivals::Connect()
{
    connect(txbYear, &QLineEdit::returnPressed, this, &frmFestivals::cmdShowFestivals_Click);
    connect(cmdShowFestivals, &QPushButton::clicked, this, &frmFestivals::cmdShowFestivals_Click);
    connect(cmdPreviousYear, &QPushButton::clicked, this, [this] { cmdPreviousOrNextYear_Click(-1); });
    connect(cmdNextYear, &QPushButton::clicked, this, [this] { cmdPreviousOrNextYear_Click(1); });
    // The names change language; what is listed stays.
    connect(cboLanguage, &QComboBox::currentIndexChanged, this, [this] {
        if (listing_ == Listing::Anniversaries && ListAnniversaries()) return;
        ListFestivals(listedYear_);
    });
    connect(cmdMomentsLunarDate, &QPushButton::clicked, this, &frmFestivals::cmdMomentsLunarDate_Click);
    for (QLineEdit* field : {txbLunarDate, txbTitle, txbYears})
        connect(field, &QLineEdit::returnPressed, this, &frmFestivals::cmdListAnniversaries_Click);
    connect(cmdListAnniversaries, &QPushButton::clicked, this, &frmFestivals::cmdListAnniversaries_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmFestivals::cmdExport_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmFestivals::cmdCopy_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

FestivalsContext frmFestivals::Context()
{
    const FestivalsContext context = context_();
    if (!context.icon.isNull()) setWindowIcon(context.icon);
    return context;
}

Language frmFestivals::ChosenLanguage() const
{
    const int index = cboLanguage->currentIndex();
    return index >= 0 && index < static_cast<int>(kLanguages.size()) ? kLanguages[index] : Language::English;
}

void frmFestivals::Warn(const QString& text) { platform_.messages->Warning(this, windowTitle(), text); }

void frmFestivals::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || listed_.empty()) return;
    // The main window's country, epoch or method changed: list the same year at its settings.
    const CalendarSettings now = context_().settings;
    if (now.country != listedSettings_.country || now.meridian != listedSettings_.meridian ||
        now.epoch != listedSettings_.epoch || now.method != listedSettings_.method)
        ListFestivals(listedYear_);
}

} // namespace orlun::app

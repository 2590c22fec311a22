#include "app/help/frmHelp.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/platform/ControlNames.h"
#include "app/platform/WindowKeys.h"

// The manual is compiled into the library; a static library must register its resources by hand.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace orlun::app {

namespace {

// The blocks of the manual's second-level headings, in order.
QList<QTextBlock> SectionBlocks(const QTextDocument* document)
{
    QList<QTextBlock> blocks;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 2) blocks.append(b);
    return blocks;
}

} // namespace

QString ManualText()
{
    InitHelpResources();
    QFile file(":/help/manual.md");
    if (!file.open(QIODevice::ReadOnly))
        return "# Orlun\n\n" + frmHelp::tr("The manual is missing from this build.");
    return QString::fromUtf8(file.readAll());
}

QString SectionOfControl(const QString& objectName)
{
    static const QList<QPair<QString, QString>> table = {
        {"txbDate", "Entering a date"},      {"cmdCompute", "Entering a date"},
        {"txbPlusMinus", "Entering a date"}, {"txbTime", "Entering a date"},
        {"cmdNow", "The main window"},       {"cmdMove", "Moving through time"},
        {"cmdMoveOneDay", "Moving through time"}, {"cmdPauseResume", "Moving through time"},
        {"cboMoveStep", "Moving through time"},   {"cmdSearch", "Searching for events"},
        {"cboTarget", "Searching for events"},    {"cboRefLong", "Country, epoch and method"},
        {"cboEpoch", "Country, epoch and method"}, {"cboMethod", "Country, epoch and method"},
        {"cmdAddToLog", "The log"},          {"cmdViewLog", "The log"},
        {"cmdDisplayCalendar", "The calendar month"}, {"cmdSaveState", "Saved state"},
        {"cmdRestoreState", "Saved state"},
    };
    for (const auto& [name, section] : table)
        if (name == objectName) return section;
    return {};
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmHelp");
    setWindowTitle(tr("Orlun Help"));
    lstContents = new QListWidget(this);
    lstContents->setObjectName("lstContents");
    lstContents->setMaximumWidth(230);
    txbManual = new QTextBrowser(this);
    txbManual->setObjectName("txbManual");
    txbManual->setOpenExternalLinks(true);
    txbManual->setMarkdown(ManualText());
    for (const QTextBlock& b : SectionBlocks(txbManual->document())) lstContents->addItem(b.text());
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    auto* pages = new QHBoxLayout;
    pages->addWidget(lstContents);
    pages->addWidget(txbManual, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
    connect(lstContents, &QListWidget::currentTextChanged, this, [this](const QString& heading) {
        if (!heading.isEmpty()) ShowSection(heading);
    });
    resize(900, 640);
    InstallWindowKeys(*this, {nullptr, [this] { cmdClose->click(); }});
    NameControl(*lstContents, tr("Contents"));
    NameControl(*txbManual, tr("Manual"));
}

QStringList frmHelp::Sections() const
{
    QStringList names;
    for (int i = 0; i < lstContents->count(); ++i) names << lstContents->item(i)->text();
    return names;
}

void frmHelp::ShowSection(const QString& heading)
{
    const QList<QTextBlock> blocks = SectionBlocks(txbManual->document());
    int index = 0;
    for (int i = 0; i < blocks.size(); ++i)
        if (blocks[i].text() == heading) index = i;
    if (blocks.isEmpty()) return;
    const QRectF where = txbManual->document()->documentLayout()->blockBoundingRect(blocks[index]);
    txbManual->verticalScrollBar()->setValue(static_cast<int>(where.top()));
    const QSignalBlocker quiet(lstContents);
    lstContents->setCurrentRow(index);
}

} // namespace orlun::app

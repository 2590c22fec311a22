#include "app/log/frmLog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "app/platform/TextTable.h"
#include "app/platform/ControlNames.h"
#include "app/platform/WindowKeys.h"
#include "calendar/presentation/LogEntry.h"

namespace orlun::app {

namespace {

// Sizes in pixels (1 twip = 1/15 pixel at 96 dpi).
constexpr int kMargin = 10;              // around the text box and below the buttons
constexpr int kCopyWidth = 218;          // 3270 twips: "Copy to clipboard"
constexpr int kCopySelectionWidth = 295; // 4425 twips: "Copy selected text to clipboard"
constexpr int kCloseRight = 14;          // 210 twips between Close and the right edge
constexpr int kButtonsSlack = 40;        // 600 twips: the least room left beside the buttons
constexpr int kMinHeight = 200;          // 3000 twips
constexpr int kMainTopOffset = 52;       // 775 twips below the main window's top
constexpr int kLessThanMain = 67;        // 1000 twips less high than the main window
constexpr int kMinButtonWidth = 90;

constexpr int kTextCopyAll = 3;       // text table: "Copy to clipboard"
constexpr int kTextCopySelection = 4; // text table: "Copy selected text to clipboard"
// The text table holds the English captions; for lupdate, they are listed here too.
[[maybe_unused]] constexpr const char* kCopyCaptionSources[] = {
    QT_TRANSLATE_NOOP("orlun::app::frmLog", "Copy to clipboard"),
    QT_TRANSLATE_NOOP("orlun::app::frmLog", "Copy selected text to clipboard"),
};

// The caption of the copy button, from the text table, in the user's language.
QString CopyCaption(bool selection)
{
    return frmLog::tr(ProgramText(selection ? kTextCopySelection : kTextCopyAll).toUtf8().constData());
}

// The text box keeps lines apart by blocks; the log and the clipboard use CR LF.
QString WithCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

} // namespace

QString LogCloseBoxWarning()
{
    return frmLog::tr("Closing the log window in this way\n causes its contents to be lost.\n\n"
                      "To preserve the contents\nuse the 'Close' button.");
}

frmLog::frmLog(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    setObjectName("frmLog");
    if (parent) setWindowFlags(Qt::Window);
    setWindowTitle(tr("Log for %1").arg(ProgramTitle()));
    underline_ = QString(kLogUnderlineLength, QChar('-'));

    txbText = new QPlainTextEdit(this);
    txbText->setObjectName("txbText");
    txbText->setReadOnly(false);
    // Headings are underlined character for character: that lines up only in a fixed font.
    txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbText->setTabChangesFocus(true);

    cmdCopyToClipboard = new QPushButton(CopyCaption(true), this);
    cmdCopyToClipboard->setObjectName("cmdCopyToClipboard");
    cmdClear = new QPushButton(tr("Clear log"), this);
    cmdClear->setObjectName("cmdClear");
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName("cmdClose");
    copySelection_ = true; // the design caption

    connect(txbText, &QPlainTextEdit::textChanged, this, &frmLog::TextChanged);
    connect(txbText, &QPlainTextEdit::selectionChanged, this, &frmLog::UpdateCopyButton);
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmLog::Copy);
    connect(cmdClear, &QPushButton::clicked, this, [this] { ConfirmClear(); });
    connect(cmdClose, &QPushButton::clicked, this, &frmLog::CloseLog);

    resize(760, 480);
    LayOut();
    // Escape and Ctrl+W act as Close, which keeps the log's text.
    InstallWindowKeys(*this, {cmdClose, [this] { cmdClose->click(); }});
    NameControl(*txbText, tr("Log"));
    // Qt closes every window when the program quits; that is not the user's close box.
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

bool frmLog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_ = true;
    return QWidget::eventFilter(watched, event);
}

QString frmLog::Text() const { return WithCrLf(txbText->toPlainText()); }

bool frmLog::IsEmpty() const { return txbText->document()->isEmpty(); }

void frmLog::Append(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(txbText->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(lines);
}

void frmLog::AddToLog(const QString& entry)
{
    Append(entry);
    txbText->moveCursor(QTextCursor::End);
    txbText->ensureCursorVisible();
}

void frmLog::Clear() { txbText->clear(); }

bool frmLog::ConfirmClear()
{
    QWidget* asker = isVisible() ? this : parentWidget();
    if (!platform_.messages->OkCancel(asker, tr("Clear log"), tr("Erase all data in the log?")))
        return false;
    Clear();
    if (isVisible()) CloseLog();
    return true;
}

void frmLog::Copy()
{
    if (!IsEmpty()) {
        const QTextCursor cursor = txbText->textCursor();
        platform_.clipboard->SetText(cursor.hasSelection() ? WithCrLf(cursor.selectedText())
                                                           : Text());
    }
    UpdateCopyButton();
    cmdClose->setFocus();
}

void frmLog::CloseLog()
{
    hide();
    emit closed();
}

bool frmLog::View(QWidget& mainWindow)
{
    if (IsEmpty()) {
        platform_.messages->Information(&mainWindow, tr("View Log"), tr("Log is empty"));
        return false;
    }
    if (isMinimized()) showNormal();
    const bool normal = windowState() == Qt::WindowNoState;
    // Placed once more when shown, since the frame is known only then.
    const auto place = [&] {
        const QRect main = mainWindow.frameGeometry();
        move(main.left(), main.top() + kMainTopOffset);
    };
    if (normal) {
        place();
        resize(mainWindow.width(), std::max(mainWindow.height() - kLessThanMain, kMinHeight));
    }
    const bool wasVisible = isVisible();
    show();
    if (normal) place();
    raise();
    activateWindow();
    if (wasVisible) Form_Activate(); // a hidden window is activated by its showing
    return true;
}

void frmLog::Form_Activate()
{
    setWindowTitle(tr("Log for %1").arg(ProgramTitle()));
    txbText->moveCursor(QTextCursor::End); // this also ends any selection
    UpdateCopyButton();
    LayOut();
    txbText->ensureCursorVisible();
    cmdClose->setFocus();
}

void frmLog::UpdateCopyButton()
{
    const bool selection = txbText->textCursor().hasSelection();
    if (selection == copySelection_) return;
    copySelection_ = selection;
    cmdCopyToClipboard->setText(CopyCaption(selection));
    LayOut();
}

void frmLog::LayOut()
{
    const int buttonHeight = cmdClose->sizeHint().height();
    // The design widths, or more where a translation is longer.
    const int copyWidth = std::max(copySelection_ ? kCopySelectionWidth : kCopyWidth,
                                   cmdCopyToClipboard->sizeHint().width());
    const int clearWidth = std::max(cmdClear->sizeHint().width(), kMinButtonWidth);
    const int closeWidth = std::max(cmdClose->sizeHint().width(), kMinButtonWidth);
    // Never narrower than the buttons with some room, never lower than the least height.
    setMinimumSize(copyWidth + clearWidth + closeWidth + kButtonsSlack, kMinHeight);

    const int w = width();
    const int h = height();
    txbText->setGeometry(kMargin, kMargin, w - 2 * kMargin, h - buttonHeight - 3 * kMargin);
    const int y = h - buttonHeight - kMargin;
    cmdCopyToClipboard->setGeometry(kMargin, y, copyWidth, buttonHeight);
    const int closeLeft = w - closeWidth - kCloseRight;
    cmdClose->setGeometry(closeLeft, y, closeWidth, buttonHeight);
    // Clear log sits in the middle of the gap between the other two.
    const int gapLeft = kMargin + copyWidth;
    cmdClear->setGeometry(gapLeft + (closeLeft - gapLeft - clearWidth) / 2, y, clearWidth,
                          buttonHeight);
}

void frmLog::TextChanged()
{
    const bool hasText = !IsEmpty();
    if (hasText == hadText_) return;
    hadText_ = hasText;
    emit logHasTextChanged(hasText);
}

void frmLog::closeEvent(QCloseEvent* event)
{
    // Only the close box closes a shown log window (Close and clearing hide it): the window
    // goes, and its text with it, after a warning.
    if (isVisible() && !quitting_) {
        platform_.messages->Warning(this, QStringLiteral("X"), LogCloseBoxWarning());
        Clear();
        emit closed();
    }
    event->accept();
}

void frmLog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void frmLog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) Form_Activate();
}

} // namespace orlun::app

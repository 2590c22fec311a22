// The log window: the log is the text of its editable text box, kept while the window is merely
// hidden and lost when the window is closed by its close box. Entries come from the main window;
// here they are appended, shown, copied to the clipboard and cleared.
#pragma once

#include <QString>
#include <QWidget>

#include "app/platform/Platform.h"

class QPlainTextEdit;
class QPushButton;

namespace orlun::app {

class frmLog : public QWidget {
    Q_OBJECT
public:
    // With a parent the window still stands on its own, but goes with the parent.
    explicit frmLog(Platform& platform, QWidget* parent = nullptr);

    // The log text with CR LF line ends, as it goes to the clipboard.
    QString Text() const;
    bool IsEmpty() const;
    // Appends text as it stands (lines end with CR LF).
    void Append(const QString& text);
    // Appends an entry and puts the text cursor at the end of the log.
    void AddToLog(const QString& entry);
    // Empties the log.
    void Clear();
    // Asks "Erase all data in the log?" (title "Clear log", OK and Cancel); on OK empties the log
    // and hides the window. True when it was cleared.
    bool ConfirmClear();
    // Copies the selected text, or the whole log when nothing is selected; nothing on an empty
    // log. The focus goes to Close either way.
    void Copy();
    // "Close": hides the window; the text stays.
    void CloseLog();
    // "View log": false (after "Log is empty") when there is nothing to show; otherwise shows the
    // window below the top of the main window, as wide as it, restored when minimized.
    bool View(QWidget& mainWindow);
    // The layout of every activation: captions, sizes, text cursor at the end, focus on Close.
    void Form_Activate();

    // The underline string from which expanded headings are cut (255 "-").
    const QString& Underline() const { return underline_; }

    QPlainTextEdit* txbText = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    // The log became empty (false) or got text (true), by an entry, by clearing, by the loss of
    // the text at the close box or by the user's typing.
    void logHasTextChanged(bool hasText);
    // The window was hidden by Close or by clearing: the main window takes the focus back.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The copy button names what it copies: the selection or the whole log.
    void UpdateCopyButton();
    void LayOut();
    void TextChanged();

    Platform& platform_;
    QString underline_;
    bool hadText_ = false;
    bool copySelection_ = false; // the copy button offers the selection
    bool quitting_ = false;      // the program is ending: closing loses nothing worth a warning
};

// The warning shown before the close box loses the log.
QString LogCloseBoxWarning();

} // namespace orlun::app

// The main window's keys: Ctrl+Q quits as "Quit" does, Ctrl+C copies a display line as a click
// on it does, Enter presses the focused button or "Convert", and the display lines that copy
// when clicked can be reached with Tab and copied with Enter or Space.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/platform/WindowKeys.h"

namespace orlun::app {

namespace {

// A field with selected text copies the selection itself; without one, Ctrl+C is left to the
// window's shortcut.
class CopyWithoutSelection final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* field = qobject_cast<QLineEdit*>(watched);
        return field && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
               !field->hasSelectedText();
    }
};

} // namespace

void frmMain::ConnectKeys()
{
    InstallWindowKeys(*this, {cmdCompute, {}});
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, [this] {
        if (cmdQuit->isEnabled()) cmdQuit_Click();
    });
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &frmMain::CopyFocusedOrCurrentLine);
    auto* fieldFilter = new CopyWithoutSelection(this);
    for (QLineEdit* field : {txbDate, txbTime, txbPlusMinus}) field->installEventFilter(fieldFilter);
    for (int row = 0; row < kCalendarRowCount; ++row)
        LineOfRow(static_cast<CalendarRow>(row))[1]->setFocusPolicy(Qt::TabFocus);
    for (LabelPair* line : {&lblPhaseOfMoon, &lblAgeOfMoon}) (*line)[1]->setFocusPolicy(Qt::TabFocus);
    lblNativeDate->setFocusPolicy(Qt::TabFocus);
    NameControls();
}

void frmMain::CopyFocusedOrCurrentLine()
{
    const QWidget* focus = focusWidget();
    if (focus == lblNativeDate) {
        platform_.clipboard->SetText(lblNativeDate->text());
        return;
    }
    for (LabelPair* line : {&lblPhaseOfMoon, &lblAgeOfMoon}) {
        if (focus == (*line)[1]) {
            platform_.clipboard->SetText((*line)[1]->text());
            return;
        }
    }
    int row = intCalendar;
    for (int r = 0; r < kCalendarRowCount; ++r)
        if (focus == LineOfRow(static_cast<CalendarRow>(r))[1]) row = r;
    if (row < 0 || row >= kCalendarRowCount) return;
    const QString value = LineOfRow(static_cast<CalendarRow>(row))[1]->text();
    if (value.isEmpty()) return;
    platform_.clipboard->SetText(value);
    // As a click on the caption: that calendar becomes the current one. The focus stays.
    intCalendar = row;
    HighlightCalendar();
}

} // namespace orlun::app

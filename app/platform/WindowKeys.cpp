#include "app/platform/WindowKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QWidget>

#include "app/platform/TabOrder.h"

namespace orlun::app {

namespace {

bool IsEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A field whose Enter has an action of its own (Convert in the date field, List in the number of
// years) keeps it. (QObject::isSignalConnected is protected; a pointer to it taken through a
// derived class may be called on any object.)
struct SignalProbe : QObject {
    static constexpr auto kIsConnected = &SignalProbe::isSignalConnected;
};

bool HasOwnEnter(const QLineEdit* field)
{
    return (field->*SignalProbe::kIsConnected)(QMetaMethod::fromSignal(&QLineEdit::returnPressed));
}

// The controls that have no use for Enter: their Enter presses the default button.
bool PassesEnterOn(const QWidget* w)
{
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) return true;
    if (const auto* list = qobject_cast<const QComboBox*>(w)) return !list->isEditable();
    if (const auto* field = qobject_cast<const QLineEdit*>(w)) return !HasOwnEnter(field);
    return false;
}

class DefaultButtonFilter final : public QObject {
public:
    DefaultButtonFilter(QWidget& window, QPushButton& button) : QObject(&window), button_(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent*>(event))) return false;
        if (!button_.isEnabled() || !button_.isVisible()) return false;
        button_.click();
        return true;
    }

private:
    QPushButton& button_;
};

} // namespace

void InstallWindowKeys(QWidget& window, const WindowKeys& keys)
{
    // The window's own controls, not those of the windows it owns.
    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (control->window() == &window) controls.append(control);
    for (QWidget* control : controls)
        if (auto* button = qobject_cast<QPushButton*>(control)) button->setAutoDefault(true);
    if (keys.defaultButton) keys.defaultButton->setDefault(true);
    TabInLayoutOrder(window);
    // Qt draws the ring only after focus moved by Tab; here every focus shows it, so that the user
    // sees where the program has put it.
    QWidget* const ringed = &window;
    QObject::connect(qApp, &QApplication::focusChanged, &window, [ringed](QWidget*, QWidget* now) {
        if (now && now->window() == ringed) ringed->setAttribute(Qt::WA_KeyboardFocusChange);
    });
    // A dialog answers Enter and Escape itself.
    const bool dialog = qobject_cast<QDialog*>(&window) != nullptr;
    if (!dialog && keys.defaultButton) {
        auto* filter = new DefaultButtonFilter(window, *keys.defaultButton);
        for (QWidget* control : controls)
            if (PassesEnterOn(control)) control->installEventFilter(filter);
    }
    if (!keys.close) return;
    const std::function<void()> close = keys.close;
    for (const QKeySequence& sequence :
         {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        if (dialog && sequence == QKeySequence(Qt::Key_Escape)) continue;
        auto* shortcut = new QShortcut(sequence, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [close] { close(); });
    }
}

} // namespace orlun::app

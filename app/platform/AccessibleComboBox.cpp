#include "app/platform/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace orlun::app {

namespace {

// Its children are those of Qt's own: the list that drops down, and the field of an editable one.
class AccessibleComboBox final : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value) return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
        return QAccessibleWidget::text(kind); // the name set for it, else its label's
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.editable = Box()->isEditable();
        return state;
    }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> children = Children();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Box()->view()->isVisible()) Box()->hidePopup();
        else Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(object()); }
    QList<QObject*> Children() const
    {
        QList<QObject*> children{Box()->view()};
        if (Box()->isEditable() && Box()->lineEdit()) children << Box()->lineEdit();
        return children;
    }
};

// The last factory installed is asked first: before Qt's own for the widgets it ships.
QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new AccessibleComboBox(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleComboBoxes()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

} // namespace orlun::app

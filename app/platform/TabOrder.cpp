#include "app/platform/TabOrder.h"

#include <QGridLayout>
#include <QLayout>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace orlun::app {

namespace {

void Collect(QLayout* layout, std::vector<QWidget*>& controls);

void CollectWidget(QWidget* widget, std::vector<QWidget*>& controls)
{
    if (!widget || widget->isWindow()) return;
    if (auto* area = qobject_cast<QScrollArea*>(widget)) {
        if (area->widget()) CollectWidget(area->widget(), controls);
        return;
    }
    // A panel (a group box, a frame) holds controls of its own in its own layout.
    if (widget->layout()) {
        if (widget->focusPolicy() & Qt::TabFocus) controls.push_back(widget);
        Collect(widget->layout(), controls);
        return;
    }
    if (widget->focusPolicy() & Qt::TabFocus) controls.push_back(widget);
}

// A layout's items in reading order: a grid's by row, then column; a box's in their order.
std::vector<QLayoutItem*> ItemsInReadingOrder(QLayout* layout)
{
    std::vector<QLayoutItem*> items;
    for (int i = 0; i < layout->count(); ++i) items.push_back(layout->itemAt(i));
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        auto cell = [grid](QLayoutItem* item) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(grid->indexOf(item), &row, &column, &rows, &columns);
            return std::pair(row, column);
        };
        std::stable_sort(items.begin(), items.end(), [&](QLayoutItem* a, QLayoutItem* b) { return cell(a) < cell(b); });
    }
    return items;
}

void Collect(QLayout* layout, std::vector<QWidget*>& controls)
{
    for (QLayoutItem* item : ItemsInReadingOrder(layout)) {
        if (item->widget()) CollectWidget(item->widget(), controls);
        else if (item->layout()) Collect(item->layout(), controls);
    }
}

} // namespace

void TabInLayoutOrder(QWidget& window)
{
    if (!window.layout()) return;
    std::vector<QWidget*> controls;
    Collect(window.layout(), controls);
    for (size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace orlun::app

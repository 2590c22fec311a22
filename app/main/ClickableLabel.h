// A label that reports a click: the display lines copy their dates when clicked. A line that takes
// the focus is clicked with Enter or Space as well, and shows its focus. A screen reader hears its
// name (its accessible name, else its buddy caption's text) and then its text as the value.
#pragma once

#include <QLabel>

namespace orlun::app {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orlun::app

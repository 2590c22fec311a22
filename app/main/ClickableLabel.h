// A label that reports a click: the display lines copy their dates when clicked.
#pragma once

#include <QLabel>

namespace orlun::app {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr) : QLabel(parent) {}

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace orlun::app

// The small notice shown while the calendar window loads for the first time.
#pragma once

#include <QWidget>

class QLabel;

namespace orlun::app {

class frmMsgNowLoading : public QWidget {
    Q_OBJECT
public:
    explicit frmMsgNowLoading(QWidget* parent = nullptr);
    QLabel* lblMessage = nullptr;
};

} // namespace orlun::app

#include "app/month/frmMsgNowLoading.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orlun::app {

frmMsgNowLoading::frmMsgNowLoading(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName("frmMsgNowLoading");
    setWindowTitle(tr("One moment please"));
    setStyleSheet("background: rgb(255, 255, 0); color: black;");
    lblMessage = new QLabel(tr("Now loading images ..."), this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    resize(260, 60);
}

} // namespace orlun::app

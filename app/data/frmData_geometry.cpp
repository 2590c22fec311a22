// The data window takes the frame DataWindowFrame gives it by the main window, and is never made
// lower than its least height.
#include <QCheckBox>
#include <QResizeEvent>

#include "app/data/DataWindowFrame.h"
#include "app/data/frmData.h"

namespace orlun::app {

void frmData::SetWindowSize()
{
    if (isMinimized() || isMaximized()) return;
    const MainState state = mainState_();
    const DataWindowLook look{intWindow, chkDisplaySolarTermNames->isChecked(), chkLargeWindow->isChecked(),
                              state.language != Language::English};
    const QRect frame = DataWindowFrame(state.placement, look);
    resize(frame.size());
    move(frame.topLeft());
}

void frmData::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized() && !isMaximized() && event->size().height() < kDataWindowMinHeight)
        resize(event->size().width(), kDataWindowMinHeight);
}

} // namespace orlun::app

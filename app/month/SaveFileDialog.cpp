#include "app/month/SaveFileDialog.h"

#include <QFileDialog>

namespace orlun::app {

namespace {

class QtSaveFileDialog final : public SaveFileDialog {
public:
    QString Ask(QWidget* parent, const QString& title, const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, QString(), filter);
    }
};

} // namespace

SaveFileDialog& DesktopSaveFileDialog()
{
    static QtSaveFileDialog dialog;
    return dialog;
}

} // namespace orlun::app

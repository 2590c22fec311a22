#include "app/month/SaveFileDialog.h"

#include <QFileDialog>

namespace orlun::app {

namespace {

class QtSaveFileDialog final : public SaveFileDialog {
public:
    QString Ask(QWidget* parent, const QString& title, const QString& filter) override
    {
        QFileDialog dialog(parent);
        PrepareSaveFileDialog(dialog, title, filter);
        if (dialog.exec() != QDialog::Accepted) return {};
        return dialog.selectedFiles().value(0);
    }
};

} // namespace

void PrepareSaveFileDialog(QFileDialog& dialog, const QString& title, const QString& filter)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(title);
    dialog.setNameFilter(filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
}

SaveFileDialog& DesktopSaveFileDialog()
{
    static QtSaveFileDialog dialog;
    return dialog;
}

} // namespace orlun::app

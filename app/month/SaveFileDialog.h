// The save-file dialog of the calendar window, behind an interface so that tests can answer it.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace orlun::app {

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The chosen file name, or an empty text when the user cancels.
    virtual QString Ask(QWidget* parent, const QString& title, const QString& filter) = 0;
};

// The toolkit's own dialog, starting with an empty file name.
SaveFileDialog& DesktopSaveFileDialog();

// The dialog as DesktopSaveFileDialog shows it. Qt's own rather than the desktop's: its texts
// follow the language chosen in the window, a desktop's dialog those of the system.
void PrepareSaveFileDialog(QFileDialog& dialog, const QString& title, const QString& filter);

} // namespace orlun::app

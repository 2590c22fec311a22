// The save-file dialog of the calendar window, behind an interface so that tests can answer it.
#pragma once

#include <QString>

class QWidget;

namespace orlun::app {

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The chosen file name, or an empty text when the user cancels.
    virtual QString Ask(QWidget* parent, const QString& title, const QString& filter) = 0;
};

// The toolkit's dialog, starting with an empty file name.
SaveFileDialog& DesktopSaveFileDialog();

} // namespace orlun::app

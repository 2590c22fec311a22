// The help window: Orlun's manual (docs/manual.md, built into the program) with a list of its
// sections; F1 opens it at the section of the control that has the focus.
#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace orlun::app {

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);

    // Scrolls to the section with this heading (the first one when there is none) and selects it
    // in the contents list.
    void ShowSection(const QString& heading);
    QStringList Sections() const;

    QListWidget* lstContents = nullptr;
    QTextBrowser* txbManual = nullptr;
    QPushButton* cmdClose = nullptr; // hides the window, as Esc does
};

// The manual's Markdown text.
QString ManualText();

// The section that explains a control, by the control's objectName.
QString SectionOfControl(const QString& objectName);

} // namespace orlun::app

// The calendar month window: the lunar month of a day drawn as a grid of days, stepped to the
// month before or after, and saved as a PNG image.
#pragma once

#include <QIcon>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "app/platform/Platform.h"
#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"

class QPushButton;
class QLabel;

namespace orlun::app {

class MonthCanvas;
class SaveFileDialog;

// What the window reads from the main window at each drawing.
struct CalendarContext {
    CalendarSettings settings;
    QString chlLine;     // the main window's CHL value line
    bool showArc = true; // the main window shows the Zodozizidu Zidevuze
    QIcon icon;
    Language language = Language::English; // the month's texts in a native script when chosen
};

class frmCalendar : public QWidget {
    Q_OBJECT
public:
    frmCalendar(Platform& platform, std::function<CalendarContext()> context, QWidget* parent = nullptr);

    // Loads the Moon pictures; false, after a message naming the missing file, when one cannot
    // be read. Sets blnFormLoaded.
    bool Form_Load(const QString& pictureFolder);
    // Draws the month whose day 1 is lngJDN1stOfMonth (its texts are computed only when the
    // month or the settings change).
    void DrawMonth();
    void SetSaveFileDialog(SaveFileDialog& dialog) { CommonDialog1 = &dialog; }
    MonthCanvas* Canvas() const { return canvas_; }

    int32_t lngJDN1stOfMonth = 0;
    bool blnFormLoaded = false;

    std::array<QPushButton*, 2> cmdShowPreviousOrNext{}; // 0 previous, 1 next
    QPushButton* cmdSaveCalendarImage = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblYearAndMonth = nullptr;
    SaveFileDialog* CommonDialog1 = nullptr;

public slots:
    void cmdShowPreviousOrNext_Click(int index);
    void cmdSaveCalendarImage_Click();
    void cmdClose_Click();

signals:
    // "Close": the window is hidden and the main window shown.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Platform& platform_;
    std::function<CalendarContext()> context_;
    MonthCanvas* canvas_ = nullptr;
    CalendarSettings drawnSettings_;
};

} // namespace orlun::app

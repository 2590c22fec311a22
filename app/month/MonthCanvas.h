// The drawn calendar month: red background, the two yellow captions, and a cell per day with its
// Moon picture, lunar day number, CE text (underlined at weekends) and, when asked, ARC text;
// today's cell in a black box. The window shows it above its buttons; orlun-cli grabs it alone.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>

#include "calendar/monthview/MonthGrid.h"
#include "calendar/monthview/MonthView.h"

class QLabel;

namespace orlun::app {

inline const QColor kCalendarRed{198, 0, 0};
inline const QColor kCalendarYellow{255, 255, 0};

class MonthCanvas : public QWidget {
    Q_OBJECT
public:
    explicit MonthCanvas(QWidget* parent = nullptr);

    // Loads day1.gif .. day32.gif from the folder; on failure names the file that could not be
    // read in `failed` and returns false.
    bool LoadPictures(const QString& folder, QString& failed);
    void SetMonth(const MonthView& view, bool showArc);
    const MonthView& Month() const { return view_; }

    QLabel* lblTitle = nullptr;
    QLabel* lblYearAndMonth = nullptr;
    std::array<QLabel*, kGridCells> imgMoon{};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MonthView view_;
    bool showArc_ = false;
};

} // namespace orlun::app

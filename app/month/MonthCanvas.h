// The calendar month in the window: drawn by the month painter that orlun-cli draws its image
// with, so the window and the image show the same pixels; it grows when a native script's texts
// need larger cells. The window shows it above its buttons.
// The captions and Moon pictures stay named labels for assistive tools and tests (their texts,
// which pictures show); the canvas paints them itself.
#pragma once

#include <QWidget>
#include <array>

#include "calendar/monthview/MonthGrid.h"
#include "calendar/monthview/MonthView.h"
#include "draw/DayPictures.h"
#include "draw/MonthLayout.h"

class QLabel;

namespace orlun::app {

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
    // The canvas takes the month's size; the labels stand where their parts are painted.
    void PlaceParts(const draw::MonthGeometry& geometry);

    draw::DayPictures pictures_;
    MonthView view_;
    bool showArc_ = false;
};

} // namespace orlun::app

// The calendar month in the window: drawn by the month painter that orlun-cli draws its image
// with, so the window and the image show the same pixels; it grows when a native script's texts
// need larger cells. The window shows it above its buttons.
// The captions, the days and the Moon pictures stay named labels for assistive tools and tests
// (their texts, which pictures show, each day's name for a screen reader); the canvas paints them
// itself. Labels, rather than an accessible interface of the canvas with items of its own: Qt
// keeps their place, visibility and lifetime for the screen reader as for any label.
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
    // What a screen reader says of each day, by cell (DayNames.h).
    void SetDayNames(const std::array<QString, kGridCells>& names);
    const MonthView& Month() const { return view_; }

    QLabel* lblTitle = nullptr;
    QLabel* lblYearAndMonth = nullptr;
    std::array<QLabel*, kGridCells> imgMoon{};
    std::array<QLabel*, kGridCells> lblDay{};

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

#include "app/data/DataWindowFrame.h"

#include <algorithm>

namespace orlun::app {

namespace {

// Sizes in pixels (1 twip = 1/15 pixel at 96 dpi).
constexpr int kDesignWidth = 660;
constexpr int kBelowJulianLine = 30; // 450 twips
constexpr int kLargeTop = 7;         // 100 twips
constexpr double kLargeHeightShare = 0.9;
constexpr double kNativeWidthShare = 0.25;

bool WideYearData(const DataWindowLook& look) { return look.mode == DataMode::YearData && look.termNames; }

// The term names need 30% more width, the Western new years 10%; the native texts at the lines'
// ends a quarter more.
double WidthFactor(const DataWindowLook& look)
{
    const double native = look.native ? kNativeWidthShare : 0.0;
    if (WideYearData(look)) return 1.3 + native;
    if (look.mode == DataMode::EuroNewYears) return 1.1 + native;
    return 1.0 + native;
}

// By a maximized main window the left edge stands at this fraction of the screen's width.
int LeftDivisor(const DataWindowLook& look)
{
    if (look.mode == DataMode::EuroNewYears) return 5;
    if (WideYearData(look)) return 6;
    return 3;
}

} // namespace

QRect DataWindowFrame(const MainPlacement& main, const DataWindowLook& look)
{
    const QRect& area = main.screenArea;
    const int width = std::min(static_cast<int>(kDesignWidth * WidthFactor(look)), area.width());
    QRect frame;
    if (look.large) {
        frame = QRect(main.frame.right() - width, area.top() + kLargeTop, width,
                      static_cast<int>(area.height() * kLargeHeightShare));
    } else if (main.maximized) {
        frame = QRect(area.left() + area.width() / LeftDivisor(look), area.top() + area.height() / 4, width,
                      area.height() / 2);
    } else {
        const int top = main.julianLineTop + kBelowJulianLine;
        frame = QRect(main.frame.right() + 1 - width, top, width,
                      std::max(kDataWindowMinHeight, main.frame.bottom() + 1 - top));
    }
    return KeptWithin(frame, area);
}

} // namespace orlun::app

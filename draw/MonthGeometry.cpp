#include "draw/MonthGeometry.h"

#include <QFontMetrics>
#include <algorithm>
#include <string>
#include <vector>

#include "calendar/monthview/NativeMonthView.h"
#include "draw/MonthFonts.h"

namespace orlun::draw {

namespace {

// From a text's right end to the next cell: today's box 2 beyond the text, 10 between two boxes
// and 10 more to the next cell's texts.
constexpr int kRightOfText = 22;
// Today's box lies this far below the last text line (the ARC line: 94 + 14 + 10 = 118) and this
// far above the next row (122 - 118).
constexpr int kBoxBelowText = 10;
constexpr int kBoxAboveNextRow = kCellHeight - kTodayBoxBottom;

struct Extent {
    int width = 0;
    int height = 0;
};

// The widest and the tallest of the texts, each laid out on one line in the font (with the
// fallback faces its characters need).
Extent ExtentOf(const std::vector<std::string>& texts, const QFont& font)
{
    const QFontMetrics metrics(font);
    Extent extent;
    for (const std::string& text : texts) {
        const QRect box = metrics.boundingRect(QRect(0, 0, 4000, 400), Qt::AlignLeft | Qt::AlignTop,
                                               QString::fromStdString(text));
        extent.width = std::max(extent.width, box.width());
        extent.height = std::max(extent.height, box.height());
    }
    return extent;
}

} // namespace

MonthGeometry GeometryOf(const MonthView& view, const QFont& base)
{
    const std::optional<NativeLanguage> native = NativeOf(view.language);
    if (!native) return kEnglishGeometry;
    const MonthFonts fonts = MonthFontsOf(base, view.language);
    const Extent days = ExtentOf(AllNativeDayTexts(*native), fonts.day);
    const Extent notes = ExtentOf(AllNativeCellNotes(*native), fonts.text);
    const int lineStep = std::max({kARCTextTop - kCETextTop, notes.height, QFontMetrics(fonts.text).height()});

    MonthGeometry g;
    g.ceTop = std::max(kCETextTop, kDayTextTop + days.height);
    g.noteTop = g.ceTop + lineStep;
    g.arcTop = g.noteTop + lineStep;
    g.todayBoxBottom = std::max(kTodayBoxBottom, g.arcTop + lineStep + kBoxBelowText);
    g.cellHeight = g.todayBoxBottom + kBoxAboveNextRow;
    const int rightmost = std::max(NativeDayTextLeft(days.width) + days.width, kTextLeft + notes.width);
    g.cellWidth = std::max(kCellWidth, rightmost + kRightOfText);
    const int titleWidth = ExtentOf({view.title}, fonts.caption).width;
    g.width = std::max(kGridLeft + g.cellWidth * kGridColumns - 10, titleWidth + 2 * kTitleBox.left());
    return g;
}

} // namespace orlun::draw

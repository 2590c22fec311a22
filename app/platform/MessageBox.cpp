#include "app/platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QSpacerItem>

#include "app/platform/Platform.h"

namespace orlun::app {

namespace {

// The frame's icon and its three buttons beside the title, in lines of the title's font.
constexpr int kFrameButtonsInLines = 8;
// The desktop's title font is not ours: its glyphs (those of Han characters above all) may be a
// quarter wider.
constexpr int kTitleFontSlackPercent = 25;

// The box sizes itself to its layout when shown, so the room for the title is a row of the
// layout: a spacer across all its columns.
void ReserveTitleWidth(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const QMargins margins = grid->contentsMargins();
    const int width = WidthForTitle(box.windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

int WidthForTitle(const QString& title)
{
    // Title bars are mostly set in bold: the wider of the two faces.
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int text = metrics.horizontalAdvance(title);
    return text + text * kTitleFontSlackPercent / 100 + kFrameButtonsInLines * metrics.height();
}

void PrepareMessageBox(QMessageBox& box, QMessageBox::Icon icon, const QString& title,
                       const QString& text, QMessageBox::StandardButtons buttons)
{
    box.setIcon(icon);
    box.setWindowTitle(title.isEmpty() ? ApplicationTitle() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(buttons);
    // The toolkit wraps long lines at a width of its own choosing; the messages carry their own
    // line breaks.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setWordWrap(false);
    ReserveTitleWidth(box);
}

} // namespace orlun::app

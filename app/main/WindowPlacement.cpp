#include "app/main/WindowPlacement.h"

#include <QStringList>
#include <algorithm>

namespace orlun::app {

namespace {

// Far beyond any desktop of today; a larger number is a damaged value, not a place.
constexpr int kCoordinateLimit = 100000;
const QString kMaximized = QStringLiteral("maximized");

std::optional<int> Coordinate(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok || value < -kCoordinateLimit || value > kCoordinateLimit) return std::nullopt;
    return value;
}

qint64 Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QString PlacementText(const WindowPlacement& placement)
{
    const QRect& g = placement.geometry;
    QString text = QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    if (placement.maximized) text += "," + kMaximized;
    return text;
}

std::optional<WindowPlacement> ParsePlacement(const QString& text)
{
    const QStringList fields = text.split(',');
    if (fields.size() != 4 && !(fields.size() == 5 && fields[4].trimmed() == kMaximized))
        return std::nullopt;
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const auto value = Coordinate(fields[i]);
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    if (values[2] < 1 || values[3] < 1) return std::nullopt;
    return WindowPlacement{QRect(values[0], values[1], values[2], values[3]), fields.size() == 5};
}

std::optional<QRect> FitToScreens(const QRect& saved, const QList<QRect>& screens)
{
    const QRect* best = nullptr;
    qint64 bestOverlap = 0;
    for (const QRect& area : screens) {
        const qint64 overlap = Overlap(saved, area);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &area;
        }
    }
    if (!best) return std::nullopt;
    const QRect& area = *best;
    QRect fitted(saved.topLeft(), saved.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

} // namespace orlun::app

// The main window comes back where the user left it: its place and size are kept in the settings
// store when the program ends and taken up again at the next start, on the screens there are then.
#include <QGuiApplication>
#include <QScreen>

#include "app/main/WindowPlacement.h"
#include "app/main/frmMain.h"

namespace orlun::app {

namespace {

const QString kSettingsKey = QStringLiteral("\\ORLUN");
const QString kPlacementSetting = QStringLiteral("MainWindowPlacement");

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

void frmMain::RestoreWindowPlacement()
{
    const auto text = platform_.settings->Restore(kSettingsKey, kPlacementSetting);
    if (!text) return;
    const auto placement = ParsePlacement(*text);
    if (!placement) return;
    const auto fitted = FitToScreens(placement->geometry, AvailableScreenAreas());
    if (!fitted) return;
    move(fitted->topLeft());
    resize(fitted->size());
    if (placement->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::SaveWindowPlacement()
{
    // A maximized or minimized window is kept with the place it returns to.
    const bool normal = !isMaximized() && !isMinimized();
    const QRect inside = normal || normalGeometry().isEmpty() ? geometry() : normalGeometry();
    const QPoint frameOffset = geometry().topLeft() - pos();
    const WindowPlacement placement{QRect(inside.topLeft() - frameOffset, inside.size()), isMaximized()};
    platform_.settings->Save(kSettingsKey, kPlacementSetting, PlacementText(placement));
}

} // namespace orlun::app

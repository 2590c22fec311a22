// The main window comes back where the user left it: Qt's own record of the window (its frame and
// inside, its screen, maximized or not) is kept in the settings store when the program ends and
// taken up again at the next start, then fitted to the screen there is then and grown to what
// the page needs in the language of this start.
#include <QGuiApplication>
#include <QScreen>

#include "app/main/WindowPlacement.h"
#include "app/main/frmMain.h"

namespace orlun::app {

namespace {

const QString kSettingsKey = QStringLiteral("\\ORLUN");
// saveGeometry() in base64.
const QString kGeometrySetting = QStringLiteral("MainWindowGeometry");
// The form kept before: "x,y,width,height[,maximized]", the frame's corner and the inside's size;
// read only when no geometry of the form above is kept.
const QString kPlacementSetting = QStringLiteral("MainWindowPlacement");

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

bool frmMain::RestoreWindowPlacement()
{
    const auto text = platform_.settings->Restore(kSettingsKey, kGeometrySetting);
    if (!text) return RestoreOlderPlacement();
    const auto bytes = QByteArray::fromBase64Encoding(text->toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    // Qt refuses a damaged record and one kept on a screen of another size (another scale).
    return bytes && restoreGeometry(*bytes);
}

bool frmMain::RestoreOlderPlacement()
{
    const auto text = platform_.settings->Restore(kSettingsKey, kPlacementSetting);
    if (!text) return false;
    const auto placement = ParsePlacement(*text);
    if (!placement) return false;
    const auto fitted = FitToScreens(placement->geometry, AvailableScreenAreas());
    if (!fitted) return false;
    // The corner was the frame's: the inside stands its title bar and border further in.
    const QMargins frame = FrameMargins();
    setGeometry(QRect(fitted->topLeft() + QPoint(frame.left(), frame.top()), fitted->size()));
    if (placement->maximized) setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

void frmMain::SaveWindowPlacement()
{
    platform_.settings->Save(kSettingsKey, kGeometrySetting, QString::fromLatin1(saveGeometry().toBase64()));
}

} // namespace orlun::app

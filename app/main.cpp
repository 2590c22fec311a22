// Orlun: the desktop calendar calculator.
#include <QApplication>
#include <QMessageBox>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/platform/AccessibleComboBox.h"
#include "app/platform/Platform.h"
#include "app/platform/TextTable.h"
#include "app/platform/Translations.h"
#include "app/shared/LanguageChoice.h"
#include "app/main/frmMain.h"
#include "engine/engine_status.h"

namespace {

// The name of packaging/com.velmorsystems.Orlun.desktop without ".desktop".
constexpr const char* kDesktopEntryId = "com.velmorsystems.Orlun";

// Qt aborts when it cannot reach a display; say plainly what to do instead.
bool HasDisplay()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") ||
           std::getenv("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--version") {
            std::printf("orlun %s\n", ORLUN_VERSION);
            return 0;
        }
        if (arg == "--help" || arg == "-h") {
            std::puts("usage: orlun [--version | --help]\n"
                      "Orlun, a calendar calculator for the Chinese lunisolar calendar. Its help is in the\n"
                      "window (Help, F1); orlun-cli --help lists the command-line front end.");
            return 0;
        }
    }
    if (!HasDisplay()) {
        // Named as it was called, so that the line can be typed as it stands.
        std::fprintf(stderr,
                     "orlun: no display found. Orlun is a desktop program and needs a graphical "
                     "display.\nOn a machine without one, run it under a virtual display:\n"
                     "  xvfb-run -a %s\n",
                     argc > 0 && argv[0] && *argv[0] ? argv[0] : "orlun");
        return 1;
    }
    QApplication app(argc, argv);
    // Our interface of drop-down lists, before any list exists (AccessibleComboBox.h).
    orlun::app::InstallAccessibleComboBoxes();
    // Qt adopts the user's locale for the C library; numbers in texts and in the state file are
    // written and read with "." as the decimal point whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("Orlun");
    // The desktop entry's id: desktops match the running window (its Wayland app id, its X11
    // class "Orlun" = StartupWMClass) to the entry and its icon.
    QGuiApplication::setDesktopFileName(kDesktopEntryId);
    // The windows speak the chosen language from their first text on; a change of the choice
    // takes effect at the next start.
    orlun::app::Platform& platform = orlun::app::DesktopPlatform();
    const orlun::app::InstalledTranslations translations(
        app, orlun::app::EffectiveLanguage(orlun::app::RestoreLanguageChoice(*platform.settings),
                                           QLocale::system()));

    const EngineStatus engine = CheckEphemeris();
    if (!engine.ok) {
        std::fprintf(stderr, "orlun: %s\n", engine.message.c_str());
        QMessageBox::critical(nullptr, orlun::app::ProgramTitle(),
                              QString::fromStdString(engine.message));
        return 1;
    }

    orlun::app::frmMain window(platform);
    QObject::connect(&window, &orlun::app::frmMain::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    window.Form_Load();
    return app.exec();
}

// orlun-imagegen: draws the pictures the program shows (Moon phases, stems
// and branches) into a folder at build time; nothing is copied from files.
//
//   orlun-imagegen OUTPUT_DIR                 write the pictures and the icons
//   orlun-imagegen --preview FILE.png [SCALE] write a contact sheet instead
#include <QByteArray>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

#include "day_pictures.h"
#include "glyph_pictures.h"
#include "picture_set.h"
#include "preview.h"

namespace {

int usage() {
    std::fputs("usage: orlun-imagegen OUTPUT_DIR\n"
               "       orlun-imagegen --preview FILE.png [SCALE]\n",
               stderr);
    return 2;
}

void fail(const QString& message) { std::fprintf(stderr, "orlun-imagegen: %s\n", qPrintable(message)); }

}  // namespace

int main(int argc, char** argv) {
    // Runs inside the build, with no display; fonts and painting still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments().mid(1);
    const bool preview = !args.isEmpty() && args.first() == QLatin1String("--preview");
    if (args.isEmpty() || (preview && (args.size() < 2 || args.size() > 3)) || (!preview && args.size() != 1))
        return usage();

    // Empty boxes in place of the characters would ship silently: refuse instead.
    const std::optional<QRawFont> font = imagegen::findStemBranchFont();
    if (!font) {
        fail(QStringLiteral("no installed font has the stem and branch characters; "
                            "install the Debian package fonts-noto-cjk (Noto Sans CJK SC)"));
        return 1;
    }

    const auto moons = imagegen::moonPictures();
    const auto glyphs = imagegen::stemBranchPictures(*font);

    if (preview) {
        bool ok = true;
        const int scale = args.size() == 3 ? args[2].toInt(&ok) : 4;
        if (!ok || scale < 1 || scale > 16) return usage();
        const auto sheet = imagegen::encodePicture(imagegen::contactSheet(moons, glyphs, scale), "PNG");
        QString error = QStringLiteral("cannot encode %1").arg(args[1]);
        if (!sheet || !imagegen::writePicture(*sheet, args[1], error)) {
            fail(error);
            return 1;
        }
        return 0;
    }

    QString error;
    if (!imagegen::writePictures(moons, args[0], error) || !imagegen::writePictures(glyphs, args[0], error) ||
        !imagegen::writePictures(imagegen::dayPictures(), args[0], error) ||
        !imagegen::writePictures(imagegen::iconPictures(), args[0], error)) {
        fail(error);
        return 1;
    }
    return 0;
}

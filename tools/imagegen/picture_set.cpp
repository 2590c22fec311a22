#include "picture_set.h"

#include <QDir>

#include <array>

#include "countries.h"
#include "gif_writer.h"
#include "glyph_pictures.h"
#include "moon_pictures.h"

namespace imagegen {

std::vector<NamedPicture> moonPictures() {
    constexpr std::array kKinds{MoonPicture::DarkMoon, MoonPicture::FirstQuarter, MoonPicture::FullMoon,
                                MoonPicture::LastQuarter};
    std::vector<NamedPicture> out;
    for (const CountryLook& country : kCountries)
        for (const MoonPicture kind : kKinds)
            out.push_back({moonStem(kind) + QString::fromStdString(country.suffix) + QStringLiteral(".bmp"),
                           drawMoon(kind, country.colour)});
    return out;
}

std::vector<NamedPicture> stemBranchPictures(const QRawFont& font) {
    std::vector<NamedPicture> out;
    for (qsizetype i = 0; i < kStems.size(); ++i)
        out.push_back({QStringLiteral("stem%1.png").arg(i + 1, 2, 10, QLatin1Char('0')), drawStemBranch(font, kStems[i])});
    for (qsizetype i = 0; i < kBranches.size(); ++i)
        out.push_back(
            {QStringLiteral("branch%1.png").arg(i + 1, 2, 10, QLatin1Char('0')), drawStemBranch(font, kBranches[i])});
    return out;
}

bool writePictures(const std::vector<NamedPicture>& pictures, const QString& dir, QString& error) {
    if (!QDir().mkpath(dir)) {
        error = QStringLiteral("cannot create folder %1").arg(dir);
        return false;
    }
    const QDir folder(dir);
    for (const NamedPicture& picture : pictures) {
        const QString path = folder.filePath(picture.fileName);
        const char* format = picture.fileName.endsWith(QLatin1String(".bmp")) ? "BMP" : "PNG";
        const bool written = picture.fileName.endsWith(QLatin1String(".gif")) ? writeGif(picture.image, path)
                                                                               : picture.image.save(path, format);
        if (!written) {
            error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    return true;
}

}  // namespace imagegen

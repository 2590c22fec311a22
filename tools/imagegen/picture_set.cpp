#include "picture_set.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <array>

#include "countries.h"
#include "gif_writer.h"
#include "glyph_pictures.h"
#include "moon_pictures.h"
#include "io/CheckedWrite.h"

namespace imagegen {

namespace {

const char* formatOf(const QString& fileName) {
    if (fileName.endsWith(QLatin1String(".gif"))) return "GIF";
    return fileName.endsWith(QLatin1String(".bmp")) ? "BMP" : "PNG";
}

}  // namespace

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

std::optional<QByteArray> encodePicture(const QImage& image, const char* format) {
    if (qstrcmp(format, "GIF") == 0) return encodeGif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) return std::nullopt;
    return bytes;
}

bool writePicture(const QByteArray& bytes, const QString& path, QString& error) {
    // Every user of the machine reads the pictures, in the build tree as when installed.
    const auto failure = orlun::io::ReplaceFileContents(QFile::encodeName(path).toStdString(),
                                                        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                                                        orlun::io::Permissions::Public);
    if (failure) error = QString::fromStdString(orlun::io::Describe(*failure));
    return !failure;
}

bool writePictures(const std::vector<NamedPicture>& pictures, const QString& dir, QString& error) {
    if (!QDir().mkpath(dir)) {
        error = QStringLiteral("cannot create folder %1").arg(dir);
        return false;
    }
    const QDir folder(dir);
    for (const NamedPicture& picture : pictures) {
        const QString path = folder.filePath(picture.fileName);
        const auto bytes = encodePicture(picture.image, formatOf(picture.fileName));
        if (!bytes) {
            error = QStringLiteral("cannot encode %1").arg(path);
            return false;
        }
        if (!writePicture(*bytes, path, error)) return false;
    }
    return true;
}

}  // namespace imagegen

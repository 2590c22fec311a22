// The full set of pictures the program loads from its images folder:
// 12 Moon pictures (BMP), 22 stem and branch pictures (PNG), 32 day pictures (GIF) and the icons.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRawFont>
#include <QString>

#include <optional>
#include <vector>

namespace imagegen {

struct NamedPicture {
    QString fileName;  // e.g. "fullmoon_vn.bmp", "stem01.png"
    QImage image;
};

std::vector<NamedPicture> moonPictures();
std::vector<NamedPicture> stemBranchPictures(const QRawFont& font);

// The picture in a file format ("PNG", "BMP", "GIF"), or nullopt when it cannot be encoded.
std::optional<QByteArray> encodePicture(const QImage& image, const char* format);
// Writes the bytes through the checked write, readable by every user; names the file in `error`.
bool writePicture(const QByteArray& bytes, const QString& path, QString& error);

// Writes every picture into `dir`; returns false and names the file in
// `error` on the first failure.
bool writePictures(const std::vector<NamedPicture>& pictures, const QString& dir, QString& error);

}  // namespace imagegen

#include "engine/imgconv.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QString>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "io/CheckedWrite.h"

namespace orlun {

namespace {

int Report(char* message, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const int n = std::min<int>(static_cast<int>(bytes.size()), kImgconvMessageSize - 1);
    std::memcpy(message, bytes.constData(), static_cast<size_t>(n));
    message[n] = '\0';
    return n;
}

// The format the destination's name asks for: BMP or JPEG by its extension, PNG otherwise.
const char* FormatOfDestination(const QString& destination)
{
    const QString suffix = destination.section('.', -1).toLower();
    if (destination.contains('.') && suffix == "bmp") return "bmp";
    if (destination.contains('.') && (suffix == "jpg" || suffix == "jpeg")) return "jpeg";
    return "png";
}

} // namespace

int convert_graphics_file_3(const char* source, const char* destination, char* message)
{
    if (!message) return 0;
    if (!source || !*source) return Report(message, "No source file was named.");
    if (!destination || !*destination) return Report(message, "No destination file was named.");

    const QString from = QString::fromLocal8Bit(source);
    QImageReader reader(from);
    const QImage image = reader.read();
    if (image.isNull())
        return Report(message, "Cannot read " + from + ": " + reader.errorString());

    // Encoded in memory first; the file is then written whole or not at all, and a file already
    // at the destination stays as it was when the write fails.
    const char* format = FormatOfDestination(QString::fromLocal8Bit(destination));
    QByteArray encoded;
    QBuffer buffer(&encoded);
    QImageWriter writer(&buffer, format);
    if (!buffer.open(QIODevice::WriteOnly) || !writer.write(image))
        return Report(message, "Cannot encode " + from + " as " + QString(format).toUpper() + ": " + writer.errorString());
    const auto failure = io::ReplaceFileContents(
        destination, std::string_view(encoded.constData(), static_cast<size_t>(encoded.size())));
    if (failure) return Report(message, QString::fromLocal8Bit(io::Describe(*failure).c_str()));
    return Report(message, kImgconvNoError);
}

} // namespace orlun

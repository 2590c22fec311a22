#include "engine/imgconv.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QString>
#include <algorithm>
#include <cstring>

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

} // namespace

int convert_graphics_file_3(const char* source, const char* destination, char* message)
{
    if (!message) return 0;
    if (!source || !*source) return Report(message, "No source file was named.");
    if (!destination || !*destination) return Report(message, "No destination file was named.");

    const QString from = QString::fromLocal8Bit(source);
    const QString to = QString::fromLocal8Bit(destination);
    QImageReader reader(from);
    const QImage image = reader.read();
    if (image.isNull())
        return Report(message, "Cannot read " + from + ": " + reader.errorString());

    QImageWriter writer(to, "png");
    if (!writer.write(image)) {
        // A half-written file is not a PNG image of the source.
        const QString reason = writer.errorString();
        QFile::remove(to);
        return Report(message, "Cannot write " + to + ": " + reason);
    }
    return Report(message, kImgconvNoError);
}

} // namespace orlun

// Writes a picture as a GIF file (giflib): up to 255 colours chosen from the picture itself,
// and pixels with alpha below one half as the transparent colour.
#pragma once

#include <QImage>
#include <QString>

namespace imagegen {

bool writeGif(const QImage& image, const QString& path);

}  // namespace imagegen

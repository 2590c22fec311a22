// Encodes a picture as a GIF file (giflib): up to 255 colours chosen from the picture itself,
// and pixels with alpha below one half as the transparent colour.
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

namespace imagegen {

// The bytes of the GIF file, or nullopt when giflib refuses the picture.
std::optional<QByteArray> encodeGif(const QImage& image);

}  // namespace imagegen

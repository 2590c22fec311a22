// A contact sheet of all pictures, for looking at them by eye: per country
// the four Moon pictures (the dark moon with its key colour already replaced,
// as the window does) and the stems and branches on the country colour,
// enlarged `scale` times without smoothing so single pixels can be judged.
#pragma once

#include <QImage>

#include <vector>

#include "picture_set.h"

namespace imagegen {

QImage contactSheet(const std::vector<NamedPicture>& moons, const std::vector<NamedPicture>& glyphs, int scale);

}  // namespace imagegen

// The three countries as far as the pictures are concerned: the suffix of
// their Moon pictures and the window colour the pictures are shown on.
#pragma once

#include <QColor>

#include <array>

namespace imagegen {

struct CountryLook {
    const char* suffix;
    QColor colour;
};

inline const std::array<CountryLook, 3> kCountries{{
    {"", QColor(192, 0, 0)},     // China
    {"_vn", QColor(0, 128, 0)},  // Vietnam
    {"_jp", QColor(64, 64, 224)},  // Japan
}};

}  // namespace imagegen

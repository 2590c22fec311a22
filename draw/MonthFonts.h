// The fonts of the drawn month, from a base font: the bold captions, the large day numbers and
// the small cell texts, in the script of the month's language (ScriptFont).
#pragma once

#include <QFont>

#include "calendar/native/Language.h"

namespace orlun::draw {

struct MonthFonts {
    QFont caption;
    QFont day;
    QFont text;
};

MonthFonts MonthFontsOf(const QFont& base, Language language);

} // namespace orlun::draw

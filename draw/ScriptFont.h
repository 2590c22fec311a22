// The font for texts in a language's script: the base font, with the CJK face of the language's
// region after it for the characters the base lacks (Noto Sans CJK, which the package depends
// on), so that Han characters take their simplified Chinese, traditional Chinese or Japanese
// forms (Unicode gives the three one code). English and Vietnamese keep the base font.
#pragma once

#include <QFont>

#include "calendar/native/Language.h"

namespace orlun::draw {

QFont ScriptFont(const QFont& base, Language language);

} // namespace orlun::draw

// The font a native-script text is drawn in: the window's font for the Latin letters, then the
// Noto Sans CJK face of the language, so that each language gets its own forms of the Han
// characters (仏 and 竜 as Japan writes them, 龍 as Taiwan does). Vietnamese needs no other face:
// DejaVu Sans has its letters.
#pragma once

#include <QFont>

#include "calendar/native/Language.h"

namespace orlun::app {

QFont NativeScriptFont(const QFont& base, NativeLanguage language);

} // namespace orlun::app

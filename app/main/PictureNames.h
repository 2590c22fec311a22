// What a screen reader says of the main window's pictures, in the window's language: the Moon as
// it is lit, and the stem and branch characters of the year and the day.
#pragma once

#include <QString>

#include "calendar/native/Language.h"

class QWidget;

namespace orlun::app {

enum class CyclePart { Stem, Branch };
enum class CycleOf { Year, Day };

// "Moon"; "The Moon, 43% lit, waxing".
void NameMoonPicture(QWidget& picture, double illumination, bool waxing);
// "Stem of the year"; "The character 甲 (jia)" — the character's name in the language, when it
// writes it otherwise.
void NameCyclePicture(QWidget& picture, CyclePart part, CycleOf of, int number, Language language);

} // namespace orlun::app

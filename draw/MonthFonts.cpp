#include "draw/MonthFonts.h"

#include "draw/MonthLayout.h"
#include "draw/ScriptFont.h"

namespace orlun::draw {

namespace {

QFont Sized(const QFont& base, int points, bool bold)
{
    QFont font = base;
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

MonthFonts MonthFontsOf(const QFont& base, Language language)
{
    const QFont font = ScriptFont(base, language);
    return {Sized(font, kCaptionPoints, true), Sized(font, kDayPoints, font.bold()), Sized(font, kTextPoints, false)};
}

} // namespace orlun::draw

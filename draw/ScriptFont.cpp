#include "draw/ScriptFont.h"

#include <QFontInfo>
#include <QStringList>

namespace orlun::draw {

namespace {

QString CjkFaceOf(Language language)
{
    switch (language) {
    case Language::ChineseSimplified: return "Noto Sans CJK SC";
    case Language::ChineseTraditional: return "Noto Sans CJK TC";
    case Language::Japanese: return "Noto Sans CJK JP";
    case Language::English:
    case Language::Vietnamese: return {};
    }
    return {};
}

} // namespace

QFont ScriptFont(const QFont& base, Language language)
{
    const QString face = CjkFaceOf(language);
    if (face.isEmpty()) return base;
    // The family the base font resolves to: an alias such as "Sans Serif" before the CJK face
    // would let that face take the Latin letters too.
    QFont font = base;
    font.setFamilies(QStringList{QFontInfo(base).family(), face});
    return font;
}

} // namespace orlun::draw

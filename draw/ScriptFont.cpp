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

QFont::StyleStrategy StrategyOf(Language language, QFont::StyleStrategy base)
{
    switch (language) {
    case Language::ChineseTraditional: return QFont::StyleStrategy(base | QFont::PreferMatch);
    case Language::Japanese: return QFont::StyleStrategy(base | QFont::PreferQuality);
    default: return base;
    }
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
    // Qt keeps the Han fallback of a font by the first family and the style strategy alone, so a
    // Japanese text after a Chinese one in the same process would take the Chinese forms: each
    // language asks with a strategy of its own (all three match scalable fonts alike).
    font.setStyleStrategy(StrategyOf(language, base.styleStrategy()));
    return font;
}

} // namespace orlun::draw

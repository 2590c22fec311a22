#include "app/main/NativeScriptFont.h"

#include <QStringList>

namespace orlun::app {

namespace {

// The faces of the fonts-noto-cjk package.
QString HanFaceOf(NativeLanguage language)
{
    switch (language) {
    case NativeLanguage::ChineseSimplified: return QStringLiteral("Noto Sans CJK SC");
    case NativeLanguage::ChineseTraditional: return QStringLiteral("Noto Sans CJK TC");
    case NativeLanguage::Japanese: return QStringLiteral("Noto Sans CJK JP");
    case NativeLanguage::Vietnamese: return {};
    }
    return {};
}

} // namespace

QFont NativeScriptFont(const QFont& base, NativeLanguage language)
{
    QFont font = base;
    const QString han = HanFaceOf(language);
    if (!han.isEmpty()) font.setFamilies({base.family(), han});
    return font;
}

} // namespace orlun::app

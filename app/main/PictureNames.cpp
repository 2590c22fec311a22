#include "app/main/PictureNames.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/platform/StdText.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/native/NativeTables.h"

namespace orlun::app {

namespace {

// The character the picture shows (traditional forms, as drawn) and its name in the language.
QString Character(CyclePart part, int number, NativeLanguage language)
{
    const NativeTables& tables = TablesOf(language);
    if (part == CyclePart::Stem) return number >= 1 && number <= kStemCount ? Q(std::string(tables.stems[number - 1])) : QString();
    return number >= 1 && number <= kBranchCount ? Q(std::string(tables.branches[number - 1])) : QString();
}

QString NameIn(CyclePart part, int number, Language language)
{
    if (const auto native = NativeOf(language)) return Character(part, number, *native);
    return Q(part == CyclePart::Stem ? StemName(number) : BranchName(number));
}

QString CycleName(CyclePart part, CycleOf of)
{
    if (part == CyclePart::Stem)
        return of == CycleOf::Year ? QCoreApplication::translate("orlun::app::PictureNames", "Stem of the year")
                                   : QCoreApplication::translate("orlun::app::PictureNames", "Stem of the day");
    return of == CycleOf::Year ? QCoreApplication::translate("orlun::app::PictureNames", "Branch of the year")
                               : QCoreApplication::translate("orlun::app::PictureNames", "Branch of the day");
}

} // namespace

void NameMoonPicture(QWidget& picture, double illumination, bool waxing)
{
    picture.setAccessibleName(QCoreApplication::translate("orlun::app::PictureNames", "Moon"));
    const int percent = static_cast<int>(std::lround(std::clamp(illumination, 0.0, 1.0) * 100));
    picture.setAccessibleDescription(
        waxing ? QCoreApplication::translate("orlun::app::PictureNames", "The Moon, %1% lit, waxing").arg(percent)
               : QCoreApplication::translate("orlun::app::PictureNames", "The Moon, %1% lit, waning").arg(percent));
}

void NameCyclePicture(QWidget& picture, CyclePart part, CycleOf of, int number, Language language)
{
    picture.setAccessibleName(CycleName(part, of));
    const QString character = Character(part, number, NativeLanguage::ChineseTraditional);
    const QString name = NameIn(part, number, language);
    picture.setAccessibleDescription(
        name == character
            ? QCoreApplication::translate("orlun::app::PictureNames", "The character %1").arg(character)
            : QCoreApplication::translate("orlun::app::PictureNames", "The character %1 (%2)").arg(character, name));
}

} // namespace orlun::app

// The stem and branch pictures of the main window: one CJK character each,
// white with a soft dark shadow on a transparent 40 x 40 picture, so that it
// reads on the red, green and blue country colours alike.
#pragma once

#include <QImage>
#include <QRawFont>
#include <QString>

#include <optional>

namespace imagegen {

inline constexpr int kGlyphSize = 40;

// The ten celestial stems, stem 1 first.
inline const QString kStems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
// The twelve earthly branches, branch 1 first.
inline const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");

// The first installed CJK font that really holds every stem and branch
// (a substituted fallback font does not count); nullopt when none does.
std::optional<QRawFont> findStemBranchFont();

// One picture of `ch` drawn with `font`.
QImage drawStemBranch(const QRawFont& font, QChar ch);

}  // namespace imagegen

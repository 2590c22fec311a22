// The layout of the sky table: the dark moons, quarter points and true-sun crossings of the whole
// supported range, as computed by this program's own code at build time (tools/skygen), held
// compactly and read back bit for bit.
//
// Every instant is a positive double kept exactly: a run of increasing instants is stored as its
// first value (8 bytes) and the differences of the following bit patterns (5 bytes each; for
// positive doubles the bit patterns grow with the values). A block or year whose values do not
// fit this (not finite, not increasing, too far apart) is marked absent; the engine answers
// there.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/astro/SolarTerms.h"
#include "calendar/core/Limits.h"

namespace orlun::skytable {

// Raised whenever the layout or what the values mean changes; a table of another version is not
// read.
inline constexpr uint32_t kVersion = 1;

// The lunations whose dark moons are kept: a margin around the supported range, as the year
// structures of the first and last years reach beyond it.
inline constexpr int32_t kFirstLunation = kMinLunation - 200;
inline constexpr int32_t kLastLunation = kMaxLunation + 200;
// The years whose quarter points and true-sun searches are kept: the solar years of every day
// that has a year structure, and the two years on each side that their tables reach into.
inline constexpr int32_t kFirstYear = kMinYear - 14;
inline constexpr int32_t kLastYear = kMaxYear + 14;

inline constexpr int kQuartersPerYear = 4;
// One search: its start t1 (TD) and the six instants the engine gave (the first is t1 again).
using Search = std::array<double, kCrossingsPerSearch>;

// What one year holds: the UT instants of its four quarter points (March equinox first) and the
// engine's searches for the true-sun table of the solar year of that number.
struct YearValues {
    bool present = false;
    std::array<double, kQuartersPerYear> quarterUT{};
    std::array<Search, kTrueSunSearches> search{};
};

struct Contents {
    int32_t firstLunation = kFirstLunation;
    std::vector<std::optional<double>> darkMoonUT; // from firstLunation on; nullopt = not kept
    int32_t firstYear = kFirstYear;
    std::vector<YearValues> years; // from firstYear on
};

// The bytes of a table. Values that cannot be stored exactly are left out (read back as absent).
std::string Encode(const Contents& contents);

// Reads a table in place. A table with a wrong header, another version or the wrong size reads
// as empty: every question then has no answer.
class View {
public:
    View() = default;
    explicit View(std::string_view bytes);
    // The view reads the bytes in place: they must outlive it, so a temporary string is refused.
    explicit View(std::string&&) = delete;

    bool Empty() const { return lunations_ == 0 && years_ == 0; }
    std::optional<double> DarkMoonUT(int32_t lunation) const;
    std::optional<double> QuarterUT(Quarter quarter, int32_t year) const;
    // The search of the true-sun table of the solar year, with its start t1 as element 0.
    std::optional<Search> SearchOf(int32_t solarYear, int search) const;

private:
    const unsigned char* DarkMoonBlock(int32_t lunation, int& indexInBlock) const;
    const unsigned char* Year(int32_t year) const;

    const unsigned char* bytes_ = nullptr;
    int32_t firstLunation_ = 0;
    uint32_t lunations_ = 0;
    int32_t firstYear_ = 0;
    uint32_t years_ = 0;
};

} // namespace orlun::skytable

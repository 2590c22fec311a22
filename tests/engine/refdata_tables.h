// Readers of the published astronomical tables that the engine is checked against.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace refdata {

inline std::string AstroPath(const std::string& file)
{
    return std::string(ORLUN_REFDATA_DIR) + "/astro/" + file;
}

// Julian date of a proleptic Gregorian date and time of day.
inline double JulianDate(int year, int month, int day, int hour = 0, int minute = 0)
{
    const int64_t a = (14 - month) / 12;
    const int64_t y = int64_t{year} + 4800 - a;
    const int64_t m = month + 12 * a - 3;
    const int64_t jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return static_cast<double>(jdn) - 0.5 + hour / 24.0 + minute / 1440.0;
}

// Lunation number of a phase instant: lunation 0 begins with the dark moon of 2000-01-06 and the
// true phases never stray from the mean ones by more than a day.
inline int32_t LunationOf(double jd, int phase)
{
    return static_cast<int32_t>(std::lround((jd - 2451550.26) / 29.530588 - phase / 4.0));
}

// One row of ytliu0's DE441 table: the 25 solar terms from the winter solstice of the previous
// year (Z11a) to this year's (Z11b), and 60 phases (new, first quarter, full, last quarter of 15
// lunations from the new moon before Z11a), all as days after jd0 in TDB. jd0 is January 0,
// 00:00 at UTC+8 (16:00 TDB the day before), so jd0 + value is already a Julian Ephemeris Date.
struct Ytliu0Year {
    int year = 0;
    double jd0 = 0.0;
    std::array<double, 25> terms{};
    std::array<double, 60> phases{};

    double TermTd(int i) const { return jd0 + terms[i]; }
    double PhaseTd(int i) const { return jd0 + phases[i]; }
};

// The whole table (1600..3500), or an empty vector when the file is missing or malformed.
inline std::vector<Ytliu0Year> ReadYtliu0Table()
{
    std::ifstream in(AstroPath("ytliu0_TDBtimes_1600-3500.txt"));
    std::vector<Ytliu0Year> rows;
    std::string line;
    if (!std::getline(in, line)) // header
        return {};
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Ytliu0Year row;
        fields >> row.year >> row.jd0;
        for (double& t : row.terms)
            fields >> t;
        for (double& t : row.phases)
            fields >> t;
        if (!fields)
            return {};
        rows.push_back(row);
    }
    return rows;
}

} // namespace refdata

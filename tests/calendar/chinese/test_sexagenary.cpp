// The sexagenary cycle: names of positions, the element-animal inverse, day and month positions,
// country animals and zone codes.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <utility>

#include "calendar/chinese/Sexagenary.h"

using namespace orlun;

TEST(Sexagenary, EveryPositionRoundTripsThroughElementAndAnimal)
{
    std::set<std::pair<int, int>> pairs;
    for (int p = 1; p <= 60; ++p) {
        const int e = ElementOfPosition(p);
        const int a = AnimalOfPosition(p);
        ASSERT_GE(e, 0) << "position " << p;
        ASSERT_LE(e, 4) << "position " << p;
        ASSERT_GE(a, 0) << "position " << p;
        ASSERT_LE(a, 11) << "position " << p;
        EXPECT_EQ(PositionOfElementAnimal(e, a), p)
            << "position " << p << " has element " << e << " and animal " << a;
        pairs.insert({e, a});
    }
    EXPECT_EQ(pairs.size(), 60u) << "the 60 positions must name 60 different element-animal pairs";
}

TEST(Sexagenary, EveryElementAnimalPairHasTheFormulaPosition)
{
    // Brute force: the one position in the cycle that carries the pair.
    for (int e = 0; e < 5; ++e) {
        for (int a = 0; a < 12; ++a) {
            int found = -1;
            int count = 0;
            for (int p = 1; p <= 60; ++p) {
                if (ElementOfPosition(p) == e && AnimalOfPosition(p) == a) {
                    found = p;
                    ++count;
                }
            }
            EXPECT_EQ(count, 1) << "element " << e << " animal " << a;
            EXPECT_EQ(PositionOfElementAnimal(e, a), found) << "element " << e << " animal " << a;
        }
    }
}

TEST(Sexagenary, StemAndBranchFollowThePosition)
{
    for (int p = 1; p <= 60; ++p) {
        const int stem = StemOfPosition(p);
        const int branch = BranchOfPosition(p);
        EXPECT_EQ(stem, (p - 1) % 10 + 1) << "position " << p;
        EXPECT_EQ(branch, (p - 1) % 12 + 1) << "position " << p;
        // The element changes with every second stem.
        EXPECT_EQ(ElementOfPosition(p), (stem - 1) / 2) << "position " << p;
        EXPECT_EQ(StemBranchStr(p), StemName(stem) + "-" + BranchName(branch)) << "position " << p;
    }
}

TEST(Sexagenary, NamedPositions)
{
    struct Case {
        int position;
        const char* elementAnimal; // China
        const char* stemBranch;
    };
    const Case cases[] = {
        {1, "wood-rat", "jia-zi"},      {2, "wood-ox", "yi-chou"},   {3, "fire-tiger", "bing-yin"},
        {4, "fire-rabbit", "ding-mao"}, {11, "wood-dog", "jia-xu"},  {12, "wood-pig", "yi-hai"},
        {13, "fire-rat", "bing-zi"},    {30, "water-snake", "gui-si"},
        {55, "earth-horse", "wu-wu"},   {60, "water-pig", "gui-hai"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ElementAnimalStr(c.position, Country::China), c.elementAnimal)
            << "position " << c.position;
        EXPECT_EQ(StemBranchStr(c.position), c.stemBranch) << "position " << c.position;
    }
}

TEST(Sexagenary, PositionOfElementAnimalEdgeCases)
{
    EXPECT_EQ(PositionOfElementAnimal(0, 1), 2) << "wood-ox";
    EXPECT_EQ(PositionOfElementAnimal(4, 11), 60) << "water-pig";
    EXPECT_EQ(PositionOfElementAnimal(0, 0), 1) << "wood-rat";
    EXPECT_EQ(PositionOfElementAnimal(2, 6), 55) << "earth-horse";
}

TEST(Sexagenary, OutOfRangeArgumentsGiveEmptyOrMinusOne)
{
    for (int p : {0, -1, 61, INT_MIN, INT_MAX}) {
        EXPECT_EQ(ElementOfPosition(p), -1) << "position " << p;
        EXPECT_EQ(AnimalOfPosition(p), -1) << "position " << p;
        EXPECT_EQ(StemOfPosition(p), -1) << "position " << p;
        EXPECT_EQ(BranchOfPosition(p), -1) << "position " << p;
        EXPECT_EQ(StemBranchStr(p), "") << "position " << p;
        EXPECT_EQ(ElementAnimalStr(p, Country::China), "") << "position " << p;
        EXPECT_EQ(MonthPosition(p, 1), -1) << "year position " << p;
    }
    const std::pair<int, int> badPairs[] = {{-1, 0}, {5, 0}, {0, -1}, {0, 12}, {INT_MIN, INT_MAX}};
    for (auto [e, a] : badPairs)
        EXPECT_EQ(PositionOfElementAnimal(e, a), -1) << "element " << e << " animal " << a;
    EXPECT_EQ(ElementName(-1), "");
    EXPECT_EQ(ElementName(5), "");
    EXPECT_EQ(AnimalName(-1, Country::China), "");
    EXPECT_EQ(AnimalName(12, Country::Japan), "");
    EXPECT_EQ(StemName(0), "");
    EXPECT_EQ(StemName(11), "");
    EXPECT_EQ(BranchName(0), "");
    EXPECT_EQ(BranchName(13), "");
    EXPECT_EQ(CountryName(-1), "");
    EXPECT_EQ(CountryName(6), "");
    for (int m : {0, 13, -1}) {
        EXPECT_EQ(MonthAnimalOf(m), -1) << "month " << m;
        EXPECT_EQ(MonthElementOf(1, m), -1) << "month " << m;
        EXPECT_EQ(MonthPosition(1, m), -1) << "month " << m;
    }
}

TEST(Sexagenary, NameTables)
{
    EXPECT_EQ(ElementName(0), "wood");
    EXPECT_EQ(ElementName(4), "water");
    EXPECT_EQ(StemName(1), "jia");
    EXPECT_EQ(StemName(10), "gui");
    EXPECT_EQ(BranchName(1), "zi");
    EXPECT_EQ(BranchName(12), "hai");
    const char* countries[] = {"Vietnam", "China", "Japan", "Vietnamese", "Chinese", "Japanese"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(CountryName(i), countries[i]) << "country index " << i;
}

TEST(Sexagenary, AnimalNamesFollowTheCountry)
{
    struct Case {
        Country country;
        const char* fourth;
        const char* eighth;
        const char* twelfth;
    };
    const Case cases[] = {{Country::Vietnam, "cat", "goat", "pig"},
                          {Country::China, "rabbit", "sheep", "pig"},
                          {Country::Japan, "rabbit", "sheep", "boar"}};
    const char* shared[] = {"rat", "ox", "tiger", nullptr, "dragon", "snake",
                            "horse", nullptr, "monkey", "rooster", "dog", nullptr};
    for (const Case& c : cases) {
        const auto names = AnimalNames(c.country);
        const int country = static_cast<int>(c.country);
        EXPECT_EQ(names[3], c.fourth) << "country " << country;
        EXPECT_EQ(names[7], c.eighth) << "country " << country;
        EXPECT_EQ(names[11], c.twelfth) << "country " << country;
        for (int a = 0; a < 12; ++a) {
            EXPECT_EQ(AnimalName(a, c.country), names[static_cast<size_t>(a)])
                << "country " << country << " animal " << a;
            if (shared[a]) {
                EXPECT_EQ(names[static_cast<size_t>(a)], shared[a])
                    << "country " << country << " animal " << a;
            }
            EXPECT_EQ(AnimalIndexOf(names[static_cast<size_t>(a)], c.country), a)
                << "country " << country << " name " << names[static_cast<size_t>(a)];
        }
    }
    EXPECT_EQ(ElementAnimalStr(60, Country::Japan), "water-boar");
    EXPECT_EQ(ElementAnimalStr(4, Country::Vietnam), "fire-cat");
    EXPECT_EQ(ElementAnimalStr(8, Country::Vietnam), "metal-goat");
    // An unknown country value falls back to the Chinese names instead of reading past a table.
    EXPECT_EQ(AnimalName(3, static_cast<Country>(7)), "rabbit");
}

TEST(Sexagenary, IndexOfNames)
{
    for (int e = 0; e < 5; ++e)
        EXPECT_EQ(ElementIndexOf(ElementName(e)), e) << ElementName(e);
    const std::pair<const char*, Country> absent[] = {
        {"cat", Country::China}, {"rabbit", Country::Vietnam}, {"boar", Country::China},
        {"pig", Country::Japan}, {"goat", Country::Japan},     {"Rat", Country::China},
        {"", Country::China}};
    for (auto [name, country] : absent)
        EXPECT_EQ(AnimalIndexOf(name, country), -1)
            << "'" << name << "' in country " << static_cast<int>(country);
    EXPECT_EQ(ElementIndexOf("Wood"), -1);
    EXPECT_EQ(ElementIndexOf("woods"), -1);
    EXPECT_EQ(ElementIndexOf(""), -1);
}

TEST(Sexagenary, DayPosition)
{
    EXPECT_EQ(DayPosition(DayNumber(2451545)), 55) << "2000-01-01";
    EXPECT_EQ(DayStemBranchStr(DayNumber(2451545)), "wu-wu");
    EXPECT_EQ(DayElementAnimalStr(DayNumber(2451545), Country::China), "earth-horse");
    // Consecutive days advance by one and wrap from 60 to 1, for negative day numbers too.
    const int32_t starts[] = {2451545, 0, -1, -61, -2451545, INT32_MIN, INT32_MAX - 130};
    for (int32_t start : starts) {
        int32_t jdn = start;
        for (int k = 0; k < 125; ++k, ++jdn) {
            const int p = DayPosition(DayNumber(jdn));
            ASSERT_GE(p, 1) << "jdn " << jdn;
            ASSERT_LE(p, 60) << "jdn " << jdn;
            const int next = DayPosition(DayNumber(jdn + 1));
            EXPECT_EQ(next, p == 60 ? 1 : p + 1) << "jdn " << jdn << " position " << p;
        }
    }
    EXPECT_EQ(DayPosition(DayNumber(2451545 - 54)), 1) << "jia-zi day before 2000-01-01";
    EXPECT_EQ(DayPosition(DayNumber(11)), 1);
    EXPECT_EQ(DayPosition(DayNumber(-49)), 1) << "negative day numbers keep the 60-day rhythm";
    EXPECT_EQ(DayPosition(DayNumber(-50)), 60);
    EXPECT_EQ(DayPosition(DayNumber(0)), 50);
}

TEST(Sexagenary, MonthPositions)
{
    // Month 1 is a tiger month; its element follows the year's stem.
    EXPECT_EQ(ElementAnimalStr(MonthPosition(1, 1), Country::China), "fire-tiger")
        << "month 1 of a wood-rat year";
    EXPECT_EQ(ElementAnimalStr(MonthPosition(2, 1), Country::China), "earth-tiger")
        << "month 1 of a wood-ox year";
    EXPECT_EQ(StemBranchStr(MonthPosition(1, 1)), "bing-yin");
    EXPECT_EQ(StemBranchStr(MonthPosition(5, 1)), "jia-yin") << "year wu-chen";
    EXPECT_EQ(StemBranchStr(MonthPosition(1, 12)), "ding-chou") << "month 12 of a jia year";
    // Twelve months of a year are consecutive positions; month 1 of the next year follows on.
    for (int y = 1; y <= 60; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int p = MonthPosition(y, m);
            EXPECT_EQ(AnimalOfPosition(p), (m + 1) % 12) << "year " << y << " month " << m;
            const int next = m < 12 ? MonthPosition(y, m + 1) : MonthPosition(y % 60 + 1, 1);
            EXPECT_EQ(next, p % 60 + 1) << "year " << y << " month " << m;
        }
    }
}

TEST(Sexagenary, ZoneCodes)
{
    const auto codes = DefaultZoneCodes();
    ASSERT_EQ(codes.size(), 46u);
    const std::pair<int, const char*> named[] = {{105, "ICT"}, {106, "HAN"}, {109, "CHA"},
                                                 {116, "BEI"}, {120, "CCT"}, {135, "JST"},
                                                 {140, "EDO"}};
    for (int lon = 100; lon <= 145; ++lon) {
        std::string expected = std::string("L") + static_cast<char>('0' + (lon - 100) / 10) +
                               static_cast<char>('0' + (lon - 100) % 10);
        for (auto [l, code] : named)
            if (l == lon)
                expected = code;
        EXPECT_EQ(codes[static_cast<size_t>(lon - 100)], expected) << "longitude " << lon;
        EXPECT_EQ(DefaultZoneCode(lon), expected) << "longitude " << lon;
    }
    EXPECT_EQ(codes[0], "L00");
    EXPECT_EQ(codes[45], "L45");
    EXPECT_EQ(DefaultZoneCode(99), "");
    EXPECT_EQ(DefaultZoneCode(146), "");
    EXPECT_EQ(DefaultZoneCode(-120), "");
}

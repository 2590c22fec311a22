// The country table: every layer iterates it, so its rows must be usable by all of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "calendar/core/CountryProfile.h"
#include "calendar/core/Settings.h"
#include "calendar/core/TextCase.h"
#include "calendar/core/ZoneCodes.h"
#include "calendar/festivals/FestivalTable.h"
#include "calendar/native/Language.h"

using namespace orlun;

TEST(CountryTable, RowsFitEveryReader)
{
    std::set<std::string> names, zones, suffixes, keys;
    for (const CountryProfile& p : CountryProfiles()) {
        const std::string name(p.name);
        // The list index is the number the settings store keeps.
        EXPECT_EQ(CountryAt(static_cast<int>(p.country)), p.country) << name;
        // The longitude list and the state file know only the meridians 100..145.
        EXPECT_GE(p.meridian, kMinRefLongitude) << name;
        EXPECT_LE(p.meridian, kMaxRefLongitude) << name;
        EXPECT_EQ(CountryOfMeridian(p.meridian), p.country) << name;
        EXPECT_EQ(DefaultZoneCode(p.meridian), p.zoneCode) << name;
        // --country reads names in any case; the pictures and event keys must not collide.
        EXPECT_TRUE(names.insert(LowerCase(name)).second) << name;
        EXPECT_TRUE(zones.insert(std::string(p.zoneCode)).second) << name;
        EXPECT_TRUE(suffixes.insert(std::string(p.pictureSuffix)).second) << name;
        EXPECT_TRUE(keys.insert(std::string(p.key)).second) << name;
        for (const std::string_view animal : p.animals) EXPECT_FALSE(animal.empty()) << name;
    }
}

TEST(CountryTable, EveryRowHasItsMoonPictures)
{
    for (const CountryProfile& p : CountryProfiles()) {
        for (const char* stem : {"darkmoon", "1stquarter", "fullmoon", "lastquarter"}) {
            const std::string file = std::string(ORLUN_IMAGES_DIR) + "/" + stem + std::string(p.pictureSuffix) + ".bmp";
            EXPECT_TRUE(std::filesystem::exists(file)) << file;
        }
    }
}

TEST(CountryTable, OneDefaultRowAndEachRowsFestivals)
{
    EXPECT_EQ(DefaultCountry(), Country::China);
    EXPECT_EQ(kDefaultCountryRow.country, DefaultCountry());
    // A number without a row and a meridian without a country fall back to the default row.
    EXPECT_EQ(ProfileOf(Country{99}).country, DefaultCountry());
    EXPECT_EQ(CountryOfMeridian(110), DefaultCountry());
    for (const CountryProfile& p : CountryProfiles()) {
        EXPECT_FALSE(p.festivals.empty()) << p.name;
        EXPECT_EQ(FestivalsOf(p.country).data(), p.festivals.data()) << p.name;
        EXPECT_TRUE(LanguageOfTag(p.ownLanguage).has_value()) << p.name;
    }
}

TEST(CountryTable, NamesReadInAnyCase)
{
    const struct {
        const char* text;
        std::optional<Country> country;
    } cases[] = {
        {"Vietnam", Country::Vietnam}, {"CHINA", Country::China}, {"japan", Country::Japan},
        {"Japan ", std::nullopt},      {"", std::nullopt},        {"Chin", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(CountryFromName(c.text), c.country) << c.text;
}

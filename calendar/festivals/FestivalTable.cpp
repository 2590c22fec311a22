#include "calendar/festivals/FestivalTable.h"

#include <array>

namespace orlun {

namespace {

using R = FestivalRule;

// The program's term numbers of the two term festivals.
constexpr int kQingmingTerm = 8;     // J3, 清明
constexpr int kWinterSolstice = 1;   // Z11, 冬至

constexpr std::array<Festival, 14> kChina = {{
    {"spring-festival", R::LunarDay, 1, 1, 0, 1, {"Spring Festival", "春节", "春節", "", ""}},
    {"lantern-festival", R::LunarDay, 1, 15, 0, 1, {"Lantern Festival", "元宵节", "元宵節", "", ""}},
    {"dragon-head", R::LunarDay, 2, 2, 0, 1, {"Dragon Raises Its Head", "龙抬头", "龍抬頭", "", ""}},
    {"qingming", R::SolarTermDay, 0, 0, kQingmingTerm, 1, {"Qingming Festival", "清明节", "清明節", "", ""}},
    {"dragon-boat", R::LunarDay, 5, 5, 0, 1, {"Dragon Boat Festival", "端午节", "端午節", "", ""}},
    {"qixi", R::LunarDay, 7, 7, 0, 1, {"Qixi Festival", "七夕节", "七夕節", "", ""}},
    {"ghost-festival", R::LunarDay, 7, 15, 0, 1, {"Ghost Festival", "中元节", "中元節", "", ""}},
    {"mid-autumn", R::LunarDay, 8, 15, 0, 1, {"Mid-Autumn Festival", "中秋节", "中秋節", "", ""}},
    {"double-ninth", R::LunarDay, 9, 9, 0, 1, {"Double Ninth Festival", "重阳节", "重陽節", "", ""}},
    {"winter-solstice", R::SolarTermDay, 0, 0, kWinterSolstice, 1, {"Winter Solstice Festival", "冬至", "冬至", "", ""}},
    {"laba", R::LunarDay, 12, 8, 0, 1, {"Laba Festival", "腊八节", "臘八節", "", ""}},
    {"little-new-year-north", R::LunarDay, 12, 23, 0, 1, {"Little New Year (north)", "北方小年", "北方小年", "", ""}},
    {"little-new-year-south", R::LunarDay, 12, 24, 0, 1, {"Little New Year (south)", "南方小年", "南方小年", "", ""}},
    {"new-years-eve", R::NewYearsEve, 0, 0, 0, 1, {"New Year's Eve", "除夕", "除夕", "", ""}},
}};

constexpr std::array<Festival, 8> kVietnam = {{
    {"tet", R::LunarDay, 1, 1, 0, 3, {"Lunar New Year", "", "", "Tết Nguyên Đán", ""}},
    {"first-full-moon", R::LunarDay, 1, 15, 0, 1, {"First Full Moon Festival", "", "", "Rằm tháng Giêng", ""}},
    {"hung-kings", R::LunarDay, 3, 10, 0, 1, {"Hung Kings' Commemoration Day", "", "", "Giỗ Tổ Hùng Vương", ""}},
    {"doan-ngo", R::LunarDay, 5, 5, 0, 1, {"Double Fifth Festival", "", "", "Tết Đoan Ngọ", ""}},
    {"vu-lan", R::LunarDay, 7, 15, 0, 1, {"Vu Lan Festival", "", "", "Lễ Vu Lan", ""}},
    {"mid-autumn", R::LunarDay, 8, 15, 0, 1, {"Mid-Autumn Festival", "", "", "Tết Trung Thu", ""}},
    {"kitchen-gods", R::LunarDay, 12, 23, 0, 1, {"Kitchen Gods' Day", "", "", "Ông Công Ông Táo", ""}},
    {"new-years-eve", R::NewYearsEve, 0, 0, 0, 1, {"New Year's Eve", "", "", "Giao thừa", ""}},
}};

constexpr std::array<Festival, 3> kJapan = {{
    {"lunar-new-year", R::LunarDay, 1, 1, 0, 1, {"Lunar New Year", "", "", "", "旧正月"}},
    {"jugoya", R::LunarDay, 8, 15, 0, 1, {"Harvest Moon Viewing (jūgoya)", "", "", "", "十五夜"}},
    {"jusanya", R::LunarDay, 9, 13, 0, 1, {"Late Moon Viewing (jūsan'ya)", "", "", "", "十三夜"}},
}};

std::string_view InLanguage(const FestivalNames& names, Language language)
{
    switch (language) {
    case Language::English: return names.english;
    case Language::ChineseSimplified: return names.simplified;
    case Language::ChineseTraditional: return names.traditional;
    case Language::Vietnamese: return names.vietnamese;
    case Language::Japanese: return names.japanese;
    }
    return names.english;
}

Language OwnLanguageOf(Country country)
{
    return LanguageOfTag(ProfileOf(country).ownLanguage).value_or(Language::English);
}

} // namespace

std::span<const Festival> FestivalsOf(Country country)
{
    switch (country) {
    case Country::Vietnam: return kVietnam;
    case Country::China: return kChina;
    case Country::Japan: return kJapan;
    }
    return {};
}

std::string_view FestivalName(const Festival& festival, Language language, Country country)
{
    if (language == Language::English) return festival.names.english;
    const std::string_view name = InLanguage(festival.names, language);
    return name.empty() ? InLanguage(festival.names, OwnLanguageOf(country)) : name;
}

} // namespace orlun

// The traditional festivals of each country, one table per country, named by its row in
// CountryRows.h. A new country's festivals are a table here (or beside its row) and nothing else.
#pragma once

#include <array>

#include "calendar/core/Festival.h"

namespace orlun::festival_rows {

using R = FestivalRule;

// The program's term numbers of the two term festivals.
inline constexpr int kQingmingTerm = 8;     // J3, 清明
inline constexpr int kWinterSolstice = 1;   // Z11, 冬至

inline constexpr std::array<Festival, 14> kChina = {{
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

inline constexpr std::array<Festival, 8> kVietnam = {{
    {"tet", R::LunarDay, 1, 1, 0, 3, {"Lunar New Year", "", "", "Tết Nguyên Đán", ""}},
    {"first-full-moon", R::LunarDay, 1, 15, 0, 1, {"First Full Moon Festival", "", "", "Rằm tháng Giêng", ""}},
    {"hung-kings", R::LunarDay, 3, 10, 0, 1, {"Hung Kings' Commemoration Day", "", "", "Giỗ Tổ Hùng Vương", ""}},
    {"doan-ngo", R::LunarDay, 5, 5, 0, 1, {"Double Fifth Festival", "", "", "Tết Đoan Ngọ", ""}},
    {"vu-lan", R::LunarDay, 7, 15, 0, 1, {"Vu Lan Festival", "", "", "Lễ Vu Lan", ""}},
    {"mid-autumn", R::LunarDay, 8, 15, 0, 1, {"Mid-Autumn Festival", "", "", "Tết Trung Thu", ""}},
    {"kitchen-gods", R::LunarDay, 12, 23, 0, 1, {"Kitchen Gods' Day", "", "", "Ông Công Ông Táo", ""}},
    {"new-years-eve", R::NewYearsEve, 0, 0, 0, 1, {"New Year's Eve", "", "", "Giao thừa", ""}},
}};

inline constexpr std::array<Festival, 3> kJapan = {{
    {"lunar-new-year", R::LunarDay, 1, 1, 0, 1, {"Lunar New Year", "", "", "", "旧正月"}},
    {"jugoya", R::LunarDay, 8, 15, 0, 1, {"Harvest Moon Viewing (jūgoya)", "", "", "", "十五夜"}},
    {"jusanya", R::LunarDay, 9, 13, 0, 1, {"Late Moon Viewing (jūsan'ya)", "", "", "", "十三夜"}},
}};

} // namespace orlun::festival_rows

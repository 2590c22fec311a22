#include "calendar/astro/SolarTermNames.h"

#include <array>
#include <string_view>

namespace orlun {

namespace {

struct TermNames {
    std::string_view code;
    std::string_view pinyin;
    std::string_view english;
};

// Row n - 1 is term n.
constexpr std::array<TermNames, kTermsPerYear> kTerms = {{
    {"Z11", "Dong zhi", "Winter solstice"},
    {"J12", "Xiao han", "Slight cold"},
    {"Z12", "Da han", "Great cold"},
    {"J1", "Li chun", "Beginning of spring"},
    {"Z1", "Yu shui", "Rain water"},
    {"J2", "Jing zhe", "Waking of insects"},
    {"Z2", "Chun fen", "Spring equinox"},
    {"J3", "Qing ming", "Pure brightness"},
    {"Z3", "Gu yu", "Grain rain"},
    {"J4", "Li xia", "Beginning of summer"},
    {"Z4", "Xiao man", "Grain full"},
    {"J5", "Mang zhong", "Grain in ear"},
    {"Z5", "Xia zhi", "Summer solstice"},
    {"J6", "Xiao shu", "Slight heat"},
    {"Z6", "Da shu", "Great heat"},
    {"J7", "Li qui", "Beginning of autumn"},
    {"Z7", "Chu shu", "Limit of heat"},
    {"J8", "Bai lu", "White dew"},
    {"Z8", "Qiu fen", "Autumn equinox"},
    {"J9", "Han lu", "Cold dew"},
    {"Z9", "Shuang jian", "Descent of frost"},
    {"J10", "Li dong", "Beginning of winter"},
    {"Z10", "Xiao xue", "Slight snow"},
    {"J11", "Da xue", "Great snow"},
}};

const TermNames* Row(int term)
{
    if (term < 1 || term > kTermsPerYear)
        return nullptr;
    return &kTerms[static_cast<size_t>(term - 1)];
}

} // namespace

int SolarTermNumberOfIndex(int index)
{
    if (index < 0)
        return -1;
    return index % kTermsPerYear + 1;
}

std::string SolarTermCode(int term)
{
    const TermNames* row = Row(term);
    return row ? std::string(row->code) : std::string();
}

std::string SolarTermPinyinName(int term)
{
    const TermNames* row = Row(term);
    return row ? std::string(row->pinyin) : std::string();
}

std::string SolarTermEnglishName(int term)
{
    const TermNames* row = Row(term);
    return row ? std::string(row->english) : std::string();
}

std::string SolarTermCodeOfIndex(int index) { return SolarTermCode(SolarTermNumberOfIndex(index)); }

std::string SolarTermPinyinNameOfIndex(int index)
{
    return SolarTermPinyinName(SolarTermNumberOfIndex(index));
}

std::string SolarTermEnglishNameOfIndex(int index)
{
    return SolarTermEnglishName(SolarTermNumberOfIndex(index));
}

} // namespace orlun

#include "engine/orlun2_values.h"

#include <string>

#include "engine/orlun2.h"

namespace orlun {

std::optional<ChineseLunarDate> ReadCHLDateText(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    const std::string copy(text);
    CHLDate rec;
    chl_datestr_to_chldate(copy.c_str(), &rec);
    if (rec.valid != 1)
        return std::nullopt;
    return ChineseLunarDate{rec.cycle, rec.position, ChineseMonth{rec.month, rec.leap == 1}, rec.day, 0};
}

std::optional<ChineseSolarDate> ReadCHSDateText(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return std::nullopt;
    const std::string copy(text);
    CHSDate rec;
    chs_datestr_to_chsdate(copy.c_str(), &rec);
    if (rec.valid != 1)
        return std::nullopt;
    return ChineseSolarDate{rec.cycle, rec.position, rec.term, rec.day, 0};
}

} // namespace orlun

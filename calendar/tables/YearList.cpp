#include "calendar/tables/YearList.h"

namespace orlun {

std::string WholeList(YearList& list)
{
    std::string text = list.Heading();
    while (list.Next(text)) {
    }
    return text;
}

} // namespace orlun

#include "calendar/arc/ArcChlNote.h"

#include <optional>

#include "calendar/chinese/ChineseDateText.h"

namespace orlun {

namespace {

// The value of a two-digit field; -1 when it is not two digits.
int TwoDigits(const std::string& s, size_t at)
{
    if (at + 2 > s.size()) return -1;
    const char a = s[at], b = s[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    return (a - '0') * 10 + (b - '0');
}

} // namespace

std::string ArcChlNote(const std::string& chlValue, const std::string& arcValue)
{
    const std::optional<ChineseLunarDate> chl = ParseCHLDateStr(chlValue);
    if (!chl) return "";
    const int mc = chl->month.number;
    const int dc = chl->day;

    std::string arc;
    for (char c : arcValue)
        if (c != ' ') arc += c;
    const size_t at = arc.find("ARC");
    // "MM-DD" stands right before the designation.
    if (at == std::string::npos || at < 5) return "";
    const int ma = TwoDigits(arc, at - 5);
    const int da = TwoDigits(arc, at - 2);
    if (ma < 0 || da < 0 || arc[at - 3] != '-') return "";

    if (chl->month.leap) return da == dc ? kArcChlNotes[0] : "";
    if (ma == mc && da == dc) return kArcChlNotes[1];
    if (ma == mc && da == dc + 1) return kArcChlNotes[2];
    if (ma == mc && dc == da + 1) return kArcChlNotes[3];
    if (da == dc && ma == mc + 1) return kArcChlNotes[4];
    if (da == dc && mc == ma + 1) return kArcChlNotes[5];
    if (ma == mc) return kArcChlNotes[6];
    if (da == dc) return kArcChlNotes[7];
    return "";
}

} // namespace orlun

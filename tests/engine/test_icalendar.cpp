// iCalendar documents: CRLF lines of at most 75 octets, folded without splitting a UTF-8
// character, TEXT values escaped, all-day dates with an exclusive end.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/icalendar.h"

using namespace orlun;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    EXPECT_EQ(at, text.size()) << "the document ends with CRLF";
    return lines;
}

// The logical lines: a line starting with a blank continues the one before.
std::vector<std::string> Unfolded(const std::vector<std::string>& lines)
{
    std::vector<std::string> out;
    for (const std::string& l : lines) {
        if (!l.empty() && l[0] == ' ' && !out.empty()) {
            out.back() += l.substr(1);
        } else {
            out.push_back(l);
        }
    }
    return out;
}

bool StartsAUtf8Character(unsigned char c) { return (c & 0xC0) != 0x80; }

} // namespace

TEST(ICalendar, AllDayEventsFoldedEscapedAndCrlf)
{
    const std::string longTitle = "中秋節中秋節中秋節中秋節中秋節中秋節中秋節中秋節中秋節中秋節中秋節中秋節 Tết Trung Thu";
    const std::vector<AllDayEvent> events = {
        {"tet-2025-vn@orlun.calendar", {2025, 1, 29}, {2025, 2, 1}, "Tết Nguyên Đán", "Âm lịch: mùng 1"},
        {"x@orlun.calendar", {2025, 10, 6}, {2025, 10, 7}, "Grandma, 30th; a \\ b", "line one\nline two"},
        {"long@orlun.calendar", {-100, 3, 4}, {-100, 3, 5}, longTitle, ""},
    };
    const std::string text = ICalendarText(events, "-//Velmor Systems//Orlun 1.0//EN", 1700000000);
    const auto lines = Lines(text);
    for (const std::string& l : lines) {
        EXPECT_LE(l.size(), 75u) << l;
        if (l.size() > 1 && l[0] == ' ') {
            EXPECT_TRUE(StartsAUtf8Character(static_cast<unsigned char>(l[1]))) << l;
        }
    }
    const auto logical = Unfolded(lines);
    auto has = [&](const std::string& line) { return std::find(logical.begin(), logical.end(), line) != logical.end(); };
    EXPECT_EQ(logical.front(), "BEGIN:VCALENDAR");
    EXPECT_TRUE(has("VERSION:2.0"));
    EXPECT_TRUE(has("PRODID:-//Velmor Systems//Orlun 1.0//EN"));
    EXPECT_TRUE(has("DTSTART;VALUE=DATE:20250129"));
    EXPECT_TRUE(has("DTEND;VALUE=DATE:20250201"));
    EXPECT_TRUE(has("DTSTAMP:20231114T221320Z"));
    EXPECT_TRUE(has("SUMMARY:Grandma\\, 30th\\; a \\\\ b"));
    EXPECT_TRUE(has("DESCRIPTION:line one\\nline two"));
    EXPECT_TRUE(has("SUMMARY:" + longTitle));
    EXPECT_EQ(std::count(logical.begin(), logical.end(), "BEGIN:VEVENT"), 3);
    EXPECT_EQ(logical.back(), "END:VCALENDAR");
}

#include "calendar/state/SavedState.h"

#include "calendar/core/TextTrim.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "calendar/core/Limits.h"
#include "calendar/core/WholeNumber.h"

namespace orlun {

namespace {

// The file keeps these codes as numbers: they must never change (a new unit or target only adds
// the next number).
static_assert(kRowCHL == 2 && kRowARCCCT == 8 && kCalendarRowCount == 9);
static_assert(static_cast<int>(MoveUnit::CHLMonth) == 6 && kMoveUnitCount >= 16);
static_assert(static_cast<int>(SearchTarget::IntercalaryMonth) == 21 && kSearchTargetCount >= 22);
static_assert(static_cast<int>(TermMethod::TrueSun) == 0 && static_cast<int>(TermMethod::MeanSun) == 1);

// A state file is about 1 KB; anything far larger is not one of ours.
constexpr size_t kMaxFileSize = 64 * 1024;
constexpr size_t kMaxLineLength = 256;
constexpr size_t kMaxZoneCodeLength = 16;

std::string Flag(bool b) { return b ? "-1" : "0"; }
std::string Box(bool b) { return b ? "1" : "0"; }

// A whole line that is an integer in [min, max].
std::optional<int> Integer(const std::string& line, long min, long max)
{
    const auto value = ParseWholeNumber(Trim(line), min, max);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<bool> CheckBox(const std::string& line)
{
    const auto v = Integer(line, 0, 1);
    if (!v) return std::nullopt;
    return *v == 1;
}

// A saved option flag: -1 selected, 0 not; any other number reads as selected.
std::optional<bool> OptionFlag(const std::string& line)
{
    const auto v = Integer(line, -32768, 32767);
    if (!v) return std::nullopt;
    return *v != 0;
}

std::optional<Moment> ReadMoment(const std::string& line)
{
    const std::string t = Trim(line);
    if (t.size() > 40) return std::nullopt;
    const auto v = ParseDecimalNumber(t);
    if (!v || *v < kMinAJD || *v > kMaxAJD) return std::nullopt;
    return Moment(*v);
}

std::optional<std::string> QuotedCode(const std::string& line)
{
    const std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '"' || t.back() != '"') return std::nullopt;
    std::string code = t.substr(1, t.size() - 2);
    if (code.size() > kMaxZoneCodeLength) return std::nullopt;
    for (unsigned char c : code)
        if (c < 0x20 || c == '"' || c >= 0x7F) return std::nullopt;
    return code;
}

std::optional<std::vector<std::string>> Lines(const std::string& text)
{
    if (text.size() > kMaxFileSize) return std::nullopt;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > kMaxLineLength) return std::nullopt;
        lines.push_back(line);
        start = end + 1;
    }
    // Lines after the 79th may only be empty.
    while (lines.size() > kSavedStateLines && Trim(lines.back()).empty()) lines.pop_back();
    if (lines.size() != kSavedStateLines) return std::nullopt;
    return lines;
}

} // namespace

std::string FormatSavedState(const SavedState& s)
{
    std::vector<std::string> lines;
    // The shortest text that reads back to the same double, with "." whatever the locale.
    char moment[64];
    const auto [end, ec] = std::to_chars(moment, moment + sizeof moment, s.currentAJD.ajd());
    lines.push_back(ec == std::errc() ? std::string(moment, end) : std::string("0"));
    lines.push_back(std::to_string(static_cast<int>(s.calendar)));
    lines.push_back(Flag(s.forward));
    lines.push_back(Flag(s.plus));
    lines.push_back(Flag(s.next));
    lines.push_back(std::to_string(static_cast<int>(s.moveStep)));
    lines.push_back(std::to_string(static_cast<int>(s.target)));
    lines.push_back(std::to_string(s.refreshPeriod));
    lines.push_back(std::to_string(static_cast<int>(s.method)));
    lines.push_back(std::to_string(s.epoch));
    for (bool b : s.log) lines.push_back(Box(b));
    lines.push_back(Box(s.showARC));
    lines.push_back(Box(s.showCJDs));
    lines.push_back(Box(s.autoLog));
    for (const std::string& code : s.zoneCodes) lines.push_back("\"" + code + "\"");
    lines.push_back(std::to_string(CountryLongitude(s.country) - kMinRefLongitude));
    for (int v : s.multiple) lines.push_back(std::to_string(v));

    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::optional<SavedState> ParseSavedState(const std::string& text)
{
    const auto lines = Lines(text);
    if (!lines) return std::nullopt;
    const std::vector<std::string>& L = *lines;
    SavedState s;

    const auto moment = ReadMoment(L[0]);
    const auto calendar = Integer(L[1], 0, kCalendarRowCount - 1);
    const auto forward = OptionFlag(L[2]);
    const auto plus = OptionFlag(L[3]);
    const auto next = OptionFlag(L[4]);
    const auto moveStep = Integer(L[5], 0, kMoveUnitCount - 1);
    const auto target = Integer(L[6], 0, kSearchTargetCount - 1);
    const auto refresh = Integer(L[7], 0, 3);
    const auto method = Integer(L[8], 0, 1);
    const auto epoch = Integer(L[9], -32768, 32767);
    if (!moment || !calendar || !forward || !plus || !next || !moveStep || !target || !refresh ||
        !method || !epoch)
        return std::nullopt;
    s.currentAJD = *moment;
    s.calendar = static_cast<CalendarRow>(*calendar);
    s.forward = *forward;
    s.plus = *plus;
    s.next = *next;
    s.moveStep = static_cast<MoveUnit>(*moveStep);
    s.target = static_cast<SearchTarget>(*target);
    s.refreshPeriod = *refresh;
    s.method = static_cast<TermMethod>(*method);
    s.epoch = *epoch;

    for (size_t i = 0; i < s.log.size(); ++i) {
        const auto b = CheckBox(L[10 + i]);
        if (!b) return std::nullopt;
        s.log[i] = *b;
    }
    const auto showARC = CheckBox(L[23]);
    const auto showCJDs = CheckBox(L[24]);
    const auto autoLog = CheckBox(L[25]);
    if (!showARC || !showCJDs || !autoLog) return std::nullopt;
    s.showARC = *showARC;
    s.showCJDs = *showCJDs;
    s.autoLog = *autoLog;

    for (size_t i = 0; i < s.zoneCodes.size(); ++i) {
        const auto code = QuotedCode(L[26 + i]);
        if (!code) return std::nullopt;
        s.zoneCodes[i] = *code;
    }
    const auto longitude = Integer(L[72], 0, kMaxRefLongitude - kMinRefLongitude);
    if (!longitude) return std::nullopt;
    s.country = CountryOfMeridian(kMinRefLongitude + *longitude);
    for (size_t i = 0; i < s.multiple.size(); ++i) {
        // Element lists hold five names and a blank entry, animal lists twelve and a blank.
        const auto v = Integer(L[73 + i], 0, i % 2 == 0 ? 5 : 12);
        if (!v) return std::nullopt;
        s.multiple[i] = *v;
    }
    return s;
}

} // namespace orlun

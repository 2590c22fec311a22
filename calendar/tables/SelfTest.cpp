#include "calendar/tables/SelfTest.h"

#include <cmath>
#include <optional>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/tables/TableText.h"

namespace orlun {

namespace {

std::string Report(const std::string& from, int32_t jdn, int32_t backJdn, const std::string& back)
{
    return kCrLf + from + " ->" + SignedText(jdn) + " but" + kCrLf + SignedText(backJdn) + " -> " +
           back + kCrLf;
}

// The day back from a day number and its dates: the day is 0 when the time has no structure and
// a date missing from it reads as the empty fields, as the report has always shown them.
struct DatesBack {
    int32_t day = 0;
    ChineseLunarDate lunar;
    ChineseSolarDate solar;
};

DatesBack DatesOfDay(DayNumber day, const CalendarSettings& s)
{
    DatesBack back;
    const auto dates = CJDateToChDates(s.meridian.NoonOf(day), s.epoch);
    if (!dates) return back;
    back.day = dates->day.value();
    back.lunar = dates->lunar.value_or(ChineseLunarDate{});
    back.solar = dates->solar.value_or(ChineseSolarDate{});
    return back;
}

bool SameFields(const ChineseSolarDate& a, const ChineseSolarDate& b)
{
    return a.cycle == b.cycle && a.position == b.position && a.term == b.term && a.day == b.day;
}

bool SameFields(const ChineseLunarDate& a, const ChineseLunarDate& b)
{
    return a.cycle == b.cycle && a.position == b.position && a.month == b.month && a.day == b.day;
}

std::string CheckSolar(const ChineseSolarDate& original, const CalendarSettings& s, bool& failed)
{
    const std::optional<DayNumber> day = ChSDateToJDN(original, s);
    if (!day) return "0";
    const auto dates = CJDateToChDates(s.meridian.NoonOf(*day), s.epoch);
    if (dates && dates->solar && SameFields(*dates->solar, original))
        return "1";
    failed = true;
    const DatesBack back = DatesOfDay(*day, s);
    return Report(CHSDateStr(original, false), day->value(), back.day, CHSDateStr(back.solar, false));
}

std::string CheckLunar(const ChineseLunarDate& original, const CalendarSettings& s, bool& failed)
{
    const CHLDay found = ChLDateToJDN(original, s);
    if (!found.found()) return "0";
    const auto dates = CJDateToChDates(s.meridian.NoonOf(found.day), s.epoch);
    if (dates && dates->lunar && SameFields(*dates->lunar, original))
        return "1";
    failed = true;
    const DatesBack back = DatesOfDay(found.day, s);
    return Report(CHLDateStr(original, CHLTextForm::CyclePosition, "CHL", s.country), found.day.value(), back.day,
                  CHLDateStr(back.lunar, CHLTextForm::CyclePosition, "CHL", s.country));
}

} // namespace

std::string CheckBothWays(const ChineseSolarDate& chs, const ChineseLunarDate& chl, const CalendarSettings& s,
                          bool& failed)
{
    std::string text = CheckSolar(chs, s, failed);
    return text + CheckLunar(chl, s, failed);
}

std::string SelfTestEntryErrorText(DateEntryError code)
{
    return "Error code =" + SignedText(static_cast<int>(code)) + kCrLf;
}

std::string CheckMoment(LocalTime cjdc, const CalendarSettings& s, bool& failed)
{
    // A moment without dates checks the empty fields, which convert to nothing: "00".
    const auto dates = CJDateToChDates(cjdc, s.epoch);
    const ChineseSolarDate chs = dates ? dates->solar.value_or(ChineseSolarDate{}) : ChineseSolarDate{};
    const ChineseLunarDate chl = dates ? dates->lunar.value_or(ChineseLunarDate{}) : ChineseLunarDate{};
    return CheckBothWays(chs, chl, s, failed);
}

RandomSelfTest::RandomSelfTest(uint32_t seed, const CalendarSettings& settings)
    : random_(seed), settings_(settings)
{
}

float RandomSelfTest::Uniform()
{
    // 24 random bits: every value is exact in single precision and below 1.
    return static_cast<float>(random_() >> 8) / 16777216.0f;
}

int RandomSelfTest::Draw(int n, int offset)
{
    return static_cast<int>(std::floor(Uniform() * static_cast<float>(n))) + offset;
}

std::string RandomSelfTest::NextPair()
{
    if (Finished()) return "";
    ChineseSolarDate chs;
    ChineseLunarDate chl;
    chs.epoch = chl.epoch = settings_.epoch;
    chs.cycle = chl.cycle = Draw(200, -10);
    chs.position = chl.position = Draw(64, -2);
    chs.term = Draw(28, -2);
    chl.month.number = Draw(15, -2);
    chl.month.leap = Uniform() < 0.1f;
    chs.day = Draw(18, -2);
    chl.day = Draw(34, -2);
    ++done_;
    return CheckBothWays(chs, chl, settings_, failed_);
}

} // namespace orlun

#include "calendar/tables/SelfTest.h"

#include <cmath>

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

std::string CheckSolar(CHSDate rec, const CalendarSettings& s, bool& failed)
{
    const CHSDate original = rec;
    if (!ChSDateToJDN(rec, s)) return "0";
    CHSDate back;
    CHLDate unused;
    CJDateToChDates(rec.jdn + 0.5, s.epoch, s.refLongitude, back, unused);
    if (back.valid == 1 && back.cycle == original.cycle && back.position == original.position &&
        back.term == original.term && back.day == original.day)
        return "1";
    failed = true;
    return Report(CHSDateStr(original, false), rec.jdn, back.jdn, CHSDateStr(back, false));
}

std::string CheckLunar(CHLDate rec, const CalendarSettings& s, bool& failed)
{
    const CHLDate original = rec;
    if (ChLDateToJDN(rec, s) != CHLResult::Found) return "0";
    CHSDate unused;
    unused.valid = kCHSNotWanted;
    CHLDate back;
    CJDateToChDates(rec.jdn + 0.5, s.epoch, s.refLongitude, unused, back);
    if (back.valid == 1 && back.cycle == original.cycle && back.position == original.position &&
        back.month == original.month && back.leap == original.leap && back.day == original.day)
        return "1";
    failed = true;
    return Report(CHLDateStr(original, CHLTextForm::CyclePosition, "CHL", s.country), rec.jdn, back.jdn,
                  CHLDateStr(back, CHLTextForm::CyclePosition, "CHL", s.country));
}

} // namespace

std::string CheckBothWays(const CHSDate& chs, const CHLDate& chl, const CalendarSettings& s, bool& failed)
{
    std::string text = CheckSolar(chs, s, failed);
    return text + CheckLunar(chl, s, failed);
}

std::string CheckMoment(double cjdc, const CalendarSettings& s, bool& failed)
{
    CHSDate chs;
    CHLDate chl;
    CJDateToChDates(cjdc, s.epoch, s.refLongitude, chs, chl);
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
    CHSDate chs;
    CHLDate chl;
    chs.epoch = chl.epoch = settings_.epoch;
    chs.cycle = chl.cycle = Draw(200, -10);
    chs.position = chl.position = Draw(64, -2);
    chs.term = Draw(28, -2);
    chl.month = Draw(15, -2);
    chl.leap = Uniform() < 0.1f ? 1 : 0;
    chs.day = Draw(18, -2);
    chl.day = Draw(34, -2);
    ++done_;
    return CheckBothWays(chs, chl, settings_, failed_);
}

} // namespace orlun

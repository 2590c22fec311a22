#include "calendar/chinese/ChineseYearRecord.h"

#include <cstddef>

#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {
size_t At(int i) { return static_cast<size_t>(i); }
} // namespace

MonthCode MonthCodeOf(int month, bool leap)
{
    return static_cast<MonthCode>(month + (leap ? kLeapCode : 0));
}

ChineseYearRecord MakeYearRecord(const YearStructure& ys)
{
    ChineseYearRecord r;
    r.termDay = ys.terms.TermDay;
    if (IsValid(ys.terms))
        r.firstTermYear = GregorianDate(r.termDay[0]).year;
    if (!ys.ok())
        return r;
    r.monthCount = ys.MonthCount;
    r.monthStart = ys.MonthStart;
    int16_t nian = kNoNian;
    int newYears = 0;
    for (int k = 0; k < kMaxMonths; ++k) {
        const ChineseMonth month = ys.Month[At(k)];
        r.label[At(k)] = month.ok() ? MonthCodeOf(month.number, month.leap) : kNoMonthCode;
        if (k < r.monthCount && r.label[At(k)] == kNewYearCode) {
            // Chinese years lie within a few years of -3000..3000.
            nian = static_cast<int16_t>(GregorianDate(r.monthStart[At(k)]).year);
            if (++newYears == 2)
                r.secondNewYear = k;
        }
        r.nianYear[At(k)] = nian;
    }
    return r;
}

std::optional<ChineseLunarDate> LunarDateFromRecord(const ChineseYearRecord& r, DayNumber d0, int epoch)
{
    if (!r.ok())
        return std::nullopt;
    int i = 0;
    while (i + 1 < r.monthCount && r.monthStart[At(i + 1)] <= d0)
        ++i;
    if (i + 1 >= r.monthCount || d0 < r.monthStart[At(i)])
        return std::nullopt;
    const MonthCode code = r.label[At(i)];
    if (code == kNoMonthCode || r.nianYear[At(i)] == kNoNian)
        return std::nullopt;
    ChineseLunarDate chl;
    chl.cycle = static_cast<int32_t>(CycleOfYear(r.nianYear[At(i)], epoch));
    chl.position = PositionOfYear(r.nianYear[At(i)]);
    chl.month = ChineseMonth{code % kLeapCode, code >= kLeapCode};
    chl.day = static_cast<int>(d0 - r.monthStart[At(i)]) + 1;
    chl.epoch = epoch;
    return chl;
}

CHLDay CHLDayFromRecord(const ChineseYearRecord& r, ChineseMonth month, int day)
{
    if (!r.ok() || !r.secondNewYear)
        return {CHLResult::NoSecondNewYear, {}};
    const MonthCode target = MonthCodeOf(month.number, month.leap);
    for (int i = *r.secondNewYear;; ++i) {
        // The last month found is never closed, so it is never a month of a complete sui.
        if (i + 1 >= r.monthCount)
            return {CHLResult::MonthNotFound, {}};
        if (r.label[At(i)] == target) {
            if (r.monthStart[At(i + 1)] - r.monthStart[At(i)] < day)
                return {CHLResult::DayBeyondMonth, {}};
            return {CHLResult::Found, r.monthStart[At(i)] + (day - 1)};
        }
        if (r.label[At(i + 1)] == kNewYearCode)
            return {CHLResult::NoSuchMonth, {}};
    }
}

LunarYearMonths LunarYearFromRecord(const ChineseYearRecord& r, int year)
{
    if (!r.ok())
        return {};
    int first = 0;
    while (first + 1 < r.monthCount && !(r.label[At(first)] == kNewYearCode && r.nianYear[At(first)] == year))
        ++first;
    LunarYearMonths result;
    result.year = year;
    for (int k = first; k + 1 < r.monthCount; ++k) {
        const MonthCode code = r.label[At(k)];
        if (code == kNoMonthCode)
            return {};
        if (k > first && code == kNewYearCode)
            return result;
        LunarMonth m;
        m.number = code % kLeapCode;
        m.leap = code >= kLeapCode;
        m.start = r.monthStart[At(k)];
        m.length = static_cast<int>(r.monthStart[At(k + 1)] - r.monthStart[At(k)]);
        result.months.push_back(m);
    }
    return {};
}

} // namespace orlun

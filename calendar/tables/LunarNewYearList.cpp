#include "calendar/entry/DateEntryMessages.h"
#include "calendar/tables/LunarNewYearList.h"

#include <optional>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/Limits.h"
#include "calendar/tables/NativeColumns.h"
#include "calendar/tables/TableText.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr int kTermJ1 = 3; // table index mod 24 of Li chun
constexpr int kTermZ1 = 4; // and of Yu shui

} // namespace

std::optional<NianSummary> SummaryOfNian(int64_t cycle, int position, const CalendarSettings& settings)
{
    NianSummary summary;
    const int64_t year = YearOfCyclePos(cycle, position, settings.epoch);
    if (year < kMinChineseYear || year > kMaxChineseYear) return std::nullopt;
    const LunarYearMonths nian = LunarYearMonthsOf(static_cast<int>(year), settings);
    if (!nian.ok()) return std::nullopt;
    summary.months = static_cast<int>(nian.months.size());
    // The terms of the structure (true Sun) of the solar year of the nian's summer: they reach
    // from the December solstice two years before to beyond the next new year.
    const SolarTermTable terms = SolarTermsOf(settings.meridian.MidnightOf(nian.NewYearDay()) + 150.5, TermMethod::TrueSun);
    for (int i = 0; i < kTermTableSize; ++i) {
        if (terms.TermDay[i] < nian.NewYearDay() || terms.TermDay[i] >= nian.NextNewYearDay()) continue;
        if (i % 24 == kTermJ1) ++summary.j1;
        if (i % 24 == kTermZ1) ++summary.z1;
    }
    return summary;
}

LunarNewYearList::LunarNewYearList(const std::string& displayedCHL, int years, bool omitInvalid,
                                   bool julian, const CalendarSettings& settings, Language language)
    : settings_(settings), omitInvalid_(omitInvalid), julian_(julian), language_(language)
{
    total_ = years;
    const std::optional<ChineseLunarDate> shown = ParseCHLDateStr(displayedCHL);
    readable_ = shown.has_value();
    if (!readable_) {
        Stop(kLunarDateInvalid);
        return;
    }
    rec_ = *shown;
    day0_ = rec_.day;
    month0_ = rec_.month;
    rec_.epoch = settings.epoch;
    newYearMode_ = month0_ == kFirstMonth && day0_ == 1;

    const std::string note = '(' + SettingsNote(settings, ", ") + ')';
    if (newYearMode_) {
        heading_ = std::string("Lunar New Year's Day with corresponding European date and JDN") +
                   kCrLf + note + kCrLf + "plus number of months, J1's and Z1's in the nian";
    } else {
        heading_ = CountryAdjective(settings.country) + " Lunar Calendar anniversaries" + kCrLf +
                   "with corresponding European date and JDN" + kCrLf + note;
    }
    heading_ += std::string(":") + kCrLf;
}

std::string LunarNewYearList::Line(int k)
{
    std::string line = CHLDateStr(rec_, CHLTextForm::CyclePosition, "CHL", settings_.country) + " = " +
                       DateText(EuroDate(jdn_, julian_)) + " " + EuroCalendarCode(julian_) +
                       " = " + SignedText(jdn_.value()) + " JDN";
    if (newYearMode_) {
        // A nian outside the computed years shows -1 months and no terms.
        const NianSummary n = SummaryOfNian(rec_.cycle, rec_.position, settings_).value_or(NianSummary{-1, 0, 0});
        line += ' ' + std::to_string(n.months) + "m J1:" + std::to_string(n.j1) +
                " Z1:" + std::to_string(n.z1);
    } else {
        line += ' ' + SignedText(k);
    }
    return line + LunarDateColumn(language_, rec_) + kCrLf;
}

bool LunarNewYearList::Next(std::string& out)
{
    if (!readable_ || done_ >= total_) return false;
    if (YearOfCyclePos(rec_.cycle, rec_.position, settings_.epoch) > kMaxChineseYear) {
        Stop(DateRangeMessage(RangeCheck::TooLate)); // the list reached the last year
        return false;
    }
    // The year is tried again with the 29th for a 30th, and with the ordinary month for a leap
    // month that the year lacks; each retry changes the date, so the tries end. The year's text
    // is kept back until its date is known to lie within the supported days.
    std::string year;
    for (;;) {
        if (const CHLDay found = ChLDateToJDN(rec_, settings_); found.found()) {
            jdn_ = found.day;
            if (jdn_ > kLastSupportedDay) { // the list ends there, as a typed date would be refused
                Stop(DateRangeMessage(RangeCheck::TooLate));
                return false;
            }
            year += Line(done_);
            break;
        }
        if (!omitInvalid_) year += CHLDateStr(rec_, CHLTextForm::CyclePosition, "CHL", settings_.country) + " is invalid" + kCrLf;
        if (rec_.day == 30) {
            rec_.day = 29;
        } else if (rec_.month.leap) {
            rec_.month.leap = false;
            if (day0_ == 30) rec_.day = 30;
        } else {
            year += std::string("Anomaly") + kCrLf;
            break;
        }
    }
    out += year;
    ++done_;
    if (++rec_.position > 60) {
        rec_.position = 1;
        ++rec_.cycle;
    }
    rec_.day = day0_;
    rec_.month = month0_;
    return done_ < total_;
}

} // namespace orlun

#include "calendar/entry/DateEntry.h"

#include "calendar/core/TextCase.h"
#include "calendar/core/TextTrim.h"
#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/arc/ArcCal.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/western/DatePr2.h"
#include "calendar/western/DatePr2.h"
#include "calendar/core/Limits.h"
#include "calendar/chinese/Orlun1.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

namespace {

constexpr char kBlank = ' ';
constexpr const char* kNoon = "12:00";
constexpr size_t kTimeTextLength = 5; // "HH:MM" of a time text
constexpr int kGMTZone = 0;
constexpr int kReferenceZone = 1;
constexpr int kNoZone = -1;

bool IsRow(int row) { return row >= 0 && row < kCalendarRowCount; }

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string WithoutCommasAndBlanks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (c != ',' && c != kBlank) out += c;
    return out;
}

// A calendar branch's outcome: an error code, or the day number of the entered date.
struct DayOutcome {
    DateEntryError code = DateEntryError::None;
    DayNumber jdn;
};

DayOutcome Refused(DateEntryError code) { return {code, DayNumber()}; }

DayOutcome CheckedDay(DayNumber jdn)
{
    if (jdn < DayNumber(kMinJDN)) return Refused(DateEntryError::TooEarly);
    return {DateEntryError::None, jdn};
}

DayOutcome WesternDay(const std::string& datePart, char letter, DateEntryError invalidCode)
{
    const WesternReading reading =
        ParseWesternDate(datePart, letter == 'J' ? WesternCalendar::Julian : WesternCalendar::Gregorian);
    if (!reading.ok()) return Refused(invalidCode);
    return CheckedDay(reading.day);
}

DayOutcome ARCDay(const std::string& datePart)
{
    const std::optional<ARCDate> arc = ParseARCDateFields(datePart);
    const std::optional<DayNumber> day = arc ? ARCToJDN(*arc) : std::nullopt;
    if (!day) return Refused(DateEntryError::InvalidARC);
    return CheckedDay(*day);
}

// '70-?-12-30' names its year by the element-animal chosen in the two lists: the reader finds
// the position from the words appended here. The empty items give no name, and the reader then
// refuses the date.
std::string WithElementAnimal(const std::string& datePart, const DateEntry& f, Country country)
{
    if (!Contains(datePart, "-?-")) return datePart;
    const std::string element = (f.element >= 0 && f.element < kElementCount) ? ElementName(f.element) : "";
    const std::string animal = (f.animal >= 0 && f.animal < kAnimalCount) ? AnimalName(f.animal, country) : "";
    return datePart + " " + element + "-" + animal;
}

// 'year-month-day' with an overseas Chinese year: '4709-1-1' becomes '79-28-1-1'. The year is
// counted from the Huangdi epoch whatever epoch is selected, so that it matches the year the
// program shows. False when there is no year to read or it is too long for any cycle; the reader
// would refuse such a cycle anyway, and nothing is computed from an unchecked number.
bool OverseasYearToCyclePosition(const std::string& datePart, std::string& rebuilt)
{
    const size_t dash = datePart.find('-');
    if (dash == std::string::npos) return false;
    std::string digits;
    for (size_t i = 0; i < dash; ++i)
        if (datePart[i] >= '0' && datePart[i] <= '9') digits += datePart[i];
    if (digits.empty()) return false;
    const size_t significant = digits.find_first_not_of('0');
    digits = significant == std::string::npos ? "0" : digits.substr(significant);
    constexpr size_t kMaxYearDigits = 18; // fits int64 with room for the + 58
    if (digits.size() > kMaxYearDigits) return false;
    const CyclePosition cp = CyclePosOfLinearYear(std::stoll(digits), kEpochHuangdi);
    rebuilt = std::to_string(cp.cycle) + "-" + std::to_string(cp.position) + datePart.substr(dash);
    return true;
}

// A well-formed Chinese date whose year lies outside the supported years is refused as too
// early or too late, not as malformed: the user typed it correctly. Fields that no date can
// hold leave the refusal to the reader's own code.
DateEntryError YearOutsideRange(int64_t cycle, int position, int epoch)
{
    if (position < 1 || position > 60) return DateEntryError::None;
    const int64_t year = YearOfCyclePos(cycle, position, epoch);
    if (year < kMinChineseYear) return DateEntryError::TooEarly;
    if (year > kMaxChineseYear) return DateEntryError::TooLate;
    return DateEntryError::None;
}

DateEntryError CHLYearOutsideRange(const ChineseLunarDate& rec, int epoch)
{
    const bool wellFormed = rec.month.ok() && rec.day >= 1 && rec.day <= 30;
    return wellFormed ? YearOutsideRange(rec.cycle, rec.position, epoch) : DateEntryError::None;
}

DateEntryError CHSYearOutsideRange(const ChineseSolarDate& rec, int epoch)
{
    const bool wellFormed = rec.term >= 1 && rec.term <= 24 && rec.day >= 1 && rec.day <= 16;
    return wellFormed ? YearOutsideRange(rec.cycle, rec.position, epoch) : DateEntryError::None;
}

DayOutcome LunarEntryDay(const std::string& datePart, const DateEntry& f, const CalendarSettings& s)
{
    std::string text = WithElementAnimal(datePart, f, s.country);
    std::optional<ChineseLunarDate> rec = ParseCHLDateStr(text);
    if (!rec) {
        // In China a date may also name its year by the overseas Chinese count.
        std::string rebuilt;
        if (!ProfileOf(s.country).chineseYearForms || !OverseasYearToCyclePosition(text, rebuilt))
            return Refused(DateEntryError::InvalidCHL);
        rec = ParseCHLDateStr(rebuilt);
        if (!rec) return Refused(DateEntryError::InvalidCHL);
    }
    if (const DateEntryError outside = CHLYearOutsideRange(*rec, s.epoch); outside != DateEntryError::None) return Refused(outside);
    const auto found = ChLDateToJDN(*rec, s);
    if (found.result == CHLResult::DayBeyondMonth) return Refused(DateEntryError::CHLDayBeyondMonth);
    if (!found.found()) return Refused(DateEntryError::InvalidCHL);
    return CheckedDay(found.day);
}

DayOutcome SolarEntryDay(const std::string& datePart, const DateEntry& f, const CalendarSettings& s)
{
    const std::optional<ChineseSolarDate> rec = ParseCHSDateStr(WithElementAnimal(datePart, f, s.country));
    if (!rec) return Refused(DateEntryError::InvalidCHS);
    if (const DateEntryError outside = CHSYearOutsideRange(*rec, s.epoch); outside != DateEntryError::None) return Refused(outside);
    const std::optional<DayNumber> day = ChSDateToJDN(*rec, s);
    if (!day) return Refused(DateEntryError::InvalidCHS);
    return CheckedDay(*day);
}

enum class Branch { None, ARC, CE, JC, CHL, CHS, CJDC, CJDL, AJD };

// The calendar of a text, tested in this order; the designation is part of the text.
Branch BranchOf(std::string_view work)
{
    if (Contains(work, "ARC")) return Branch::ARC;
    if (Contains(work, "CE")) return Branch::CE;
    if (Contains(work, "JC")) return Branch::JC;
    if (Contains(work, "CHL")) return Branch::CHL;
    if (Contains(work, "CHS")) return Branch::CHS;
    if (Contains(work, "CJDC")) return Branch::CJDC;
    if (Contains(work, "CJDL")) return Branch::CJDL;
    if (Contains(work, "AJD")) return Branch::AJD;
    return Branch::None;
}

void SetCalendar(ParseResult& r, int row)
{
    r.fields.currentCalendar = row;
    r.calendarChanged = true;
    r.highlight = true;
}

// A calendar date (ARC, CE, JC, CHL, CHS): its day at the time of the time field in the zone
// chosen, which the branch has made GMT or the reference zone when none was chosen.
void FinishCalendarDate(ParseResult& r, const DayOutcome& day, int row, int defaultZone,
                        const CalendarSettings& s)
{
    if (day.code != DateEntryError::None) {
        r.errorCode = day.code;
        return;
    }
    SetCalendar(r, row);
    DateEntry& f = r.fields;
    if (f.zoneIndex == kNoZone) f.zoneIndex = defaultZone;
    const std::optional<int> minutes = ParseTimeOfDay(f.time);
    if (!minutes) {
        r.errorCode = DateEntryError::InvalidTime;
        return;
    }
    // The day's first instant plus the time, on the zone's meridian.
    const Meridian zone = f.zoneIndex == kGMTZone ? Meridian::Greenwich() : s.meridian;
    r.ajd = (zone.MidnightOf(day.jdn) + *minutes / 1440.0).moment();
}

// A day count (CJDC, CJDL, AJD): the moment is the number itself; the time field and the zone
// then show its time of day.
void FinishDayCount(ParseResult& r, Branch branch, const std::string& datePart, const CalendarSettings& s)
{
    const double v = LeadingNumberValue(datePart);
    Moment ajd(v);
    int row = kRowAJD;
    if (branch == Branch::CJDC) {
        ajd = CJDCToAJD(s.meridian.At(v));
        row = kRowCJDC;
    } else if (branch == Branch::CJDL) {
        ajd = CJDLToAJD(Meridian::Greenwich().At(v));
        row = kRowCJDL;
    }
    if (ajd < kEarliestMoment) {
        r.errorCode = DateEntryError::TooEarly;
        return;
    }
    SetCalendar(r, row);
    DateEntry& f = r.fields;
    if (branch == Branch::CJDC) {
        f.time = ReferenceTime(AJDToCJDC(ajd, s.meridian), s.zoneCode).substr(0, kTimeTextLength);
        f.zoneIndex = kReferenceZone;
    } else {
        f.time = LondonTime(AJDToCJDL(ajd)).substr(0, kTimeTextLength);
        f.zoneIndex = kGMTZone;
    }
    r.ajd = ajd;
}

} // namespace

int GetCalendar(const std::string& name)
{
    for (int row = 0; row < kCalendarRowCount; ++row)
        if (name == kCalendarDesignations[static_cast<size_t>(row)].primary) return row;
    for (int row = 0; row < kCalendarRowCount; ++row)
        if (name == kCalendarDesignations[static_cast<size_t>(row)].alternative) return row;
    return -1;
}

namespace {

// An empty date field with plus/minus days stands for the date and time the current calendar's
// line shows. Returns the text to read, without commas and blanks.
std::string DateTextToRead(ParseResult& r)
{
    DateEntry& f = r.fields;
    std::string work = WithoutCommasAndBlanks(f.date);
    if (!work.empty() || f.plusMinus.empty() || !IsRow(f.currentCalendar)) return work;
    const EntryFields& shown = f.currentDisplayed;
    f.date = shown.date;
    f.time = shown.time;
    f.zoneIndex = shown.zoneIndex == kGMTZone || shown.zoneIndex == kReferenceZone ? shown.zoneIndex : kNoZone;
    if (shown.clearElementAnimal) {
        f.element = kNoElementItem;
        f.animal = kNoAnimalItem;
    }
    r.copiedDisplayedDate = true;
    return UpperCase(WithoutCommasAndBlanks(f.date));
}

// Where the designation begins; it must end the text. No two designations occur inside one
// another, so the first row found is the only one. A text without one is asked about (when it is
// a single word); a Yes appends the current calendar's designation. npos when there is none.
size_t DesignationAt(std::string& work, ParseResult& r, bool innerBlanks, const CalendarQuestion& ask)
{
    DateEntry& f = r.fields;
    for (const CalendarDesignation& d : kCalendarDesignations) {
        const std::string_view name = d.primary;
        const size_t at = work.find(name);
        if (at == std::string::npos) continue;
        return at + name.size() == work.size() ? at : std::string::npos;
    }
    if (innerBlanks || !IsRow(f.currentCalendar) || !ask) return std::string::npos;
    const std::string designation = kCalendarDesignations[static_cast<size_t>(f.currentCalendar)].primary;
    if (!ask("Is this a " + designation + " Calendar date?")) return std::string::npos;
    const size_t at = work.size();
    work += designation;
    f.date += " " + designation;
    return at;
}

// The separators a date of its kind may not hold: DateEntryError::None or the error code.
DateEntryError SeparatorError(const std::string& work)
{
    if (Contains(work, "CJDC") || Contains(work, "CJDL") || Contains(work, "AJD")) {
        size_t dashes = 0;
        for (const char c : work)
            if (c == '-') ++dashes;
        if (dashes > 1) return DateEntryError::InvalidDayCount;
    } else if (Contains(work, "/") || Contains(work, ".")) {
        return DateEntryError::Separator;
    }
    if (Contains(work, ":")) return DateEntryError::TimeInDate;
    return DateEntryError::None;
}

// Reads the date part by the calendar its designation names.
void ReadByCalendar(ParseResult& r, const std::string& work, size_t designationAt, const CalendarSettings& settings)
{
    const DateEntry& f = r.fields;
    const std::string datePart = work.substr(0, designationAt);
    switch (const Branch branch = BranchOf(work)) {
    case Branch::ARC:
        FinishCalendarDate(r, ARCDay(datePart), GetCalendar("ARC"), kGMTZone, settings);
        break;
    case Branch::CE:
        FinishCalendarDate(r, WesternDay(datePart, 'G', DateEntryError::InvalidCE), kRowCE, kGMTZone, settings);
        break;
    case Branch::JC:
        FinishCalendarDate(r, WesternDay(datePart, 'J', DateEntryError::InvalidJC), kRowJC, kGMTZone, settings);
        break;
    case Branch::CHL:
        FinishCalendarDate(r, LunarEntryDay(datePart, f, settings), kRowCHL, kReferenceZone, settings);
        break;
    case Branch::CHS:
        FinishCalendarDate(r, SolarEntryDay(datePart, f, settings), kRowCHS, kReferenceZone, settings);
        break;
    case Branch::CJDC:
    case Branch::CJDL:
    case Branch::AJD:
        FinishDayCount(r, branch, datePart, settings);
        break;
    case Branch::None:
        r.errorCode = DateEntryError::Unparsed;
        break;
    }
}

} // namespace

ParseResult ParseDate(const DateEntry& entry, const CalendarSettings& settings, const CalendarQuestion& ask)
{
    ParseResult r;
    r.fields = entry;
    DateEntry& f = r.fields;
    if (f.zoneIndex != kGMTZone && f.zoneIndex != kReferenceZone) f.zoneIndex = kNoZone;
    const auto fail = [&r](DateEntryError code) {
        r.errorCode = code;
        return r;
    };

    // The field shows the entry trimmed and in upper case; inner blanks are remembered because
    // a date without designation is only questioned when it is a single word.
    f.date = UpperCase(Trim(entry.date, " "));
    const bool innerBlanks = Contains(f.date, " ");
    if (f.date.empty() && f.plusMinus.empty()) return fail(DateEntryError::NoDate);
    std::string work = DateTextToRead(r);
    if (work.empty() || !((work[0] >= '0' && work[0] <= '9') || work[0] == '-')) return fail(DateEntryError::NoDate);

    const size_t designationAt = DesignationAt(work, r, innerBlanks, ask);
    if (designationAt == std::string::npos) return fail(DateEntryError::NoCalendar);
    if (const DateEntryError error = SeparatorError(work); error != DateEntryError::None) return fail(error);

    f.time = Trim(f.time, " ");
    if (f.time.empty()) f.time = kNoon;
    ReadByCalendar(r, work, designationAt, settings);
    if (r.errorCode != DateEntryError::None) r.ajd = Moment(0);
    return r;
}

Outcome<Moment> StartingMoment(const ParseResult& parsed, Country country)
{
    if (parsed.errorCode != DateEntryError::None) return DateEntryRefusal(parsed.errorCode, country);
    const RangeCheck range = CheckDateRange(parsed.ajd);
    if (range != RangeCheck::InRange)
        return Refusal{kDateRangeTitle, DateRangeMessage(range), MessageIcon::Warning, AfterRefusal::RetypeDate};
    return parsed.ajd;
}

} // namespace orlun

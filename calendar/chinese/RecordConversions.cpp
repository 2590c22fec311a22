// The record layouts read into values and written back, around the conversions of Orlun3.h.
#include "calendar/chinese/RecordConversions.h"

#include "calendar/chinese/ChineseMoves.h"
#include "calendar/chinese/Orlun1.h"
#include "calendar/chinese/StructureReading.h"
#include "engine/orlun2.h"

namespace orlun {

ChineseLunarDate LunarValueOf(const CHLDate& rec)
{
    return {rec.cycle, rec.position, ChineseMonth{rec.month, rec.leap != 0}, rec.day, rec.epoch};
}

ChineseSolarDate SolarValueOf(const CHSDate& rec)
{
    return {rec.cycle, rec.position, rec.term, rec.day, rec.epoch};
}

namespace {

// The fields of a value written into a record, the others (reserved) left as they are.
void Write(const ChineseLunarDate& date, DayNumber day, CHLDate& rec)
{
    rec.epoch = date.epoch;
    rec.cycle = date.cycle;
    rec.position = date.position;
    rec.month = date.month.number;
    rec.leap = date.month.leap ? 1 : 0;
    rec.day = date.day;
    rec.valid = 1;
    rec.jdn = day.value();
}

void Write(const ChineseSolarDate& date, DayNumber day, CHSDate& rec)
{
    rec.epoch = date.epoch;
    rec.cycle = date.cycle;
    rec.position = date.position;
    rec.term = date.term;
    rec.day = date.day;
    rec.valid = 1;
    rec.jdn = day.value();
}

// A move of a record: its value moved, the fields written back and the record converted, so
// that valid, jdn and epoch are those of the date it was left at.
template <class Move>
bool MoveLunarRecord(CHLDate& rec, const CalendarSettings& settings, Move move)
{
    ChineseLunarDate date = LunarValueOf(rec);
    const bool ok = move(date);
    rec.cycle = date.cycle;
    rec.position = date.position;
    rec.month = date.month.number;
    rec.leap = date.month.leap ? 1 : 0;
    rec.day = date.day;
    return ChLDateToJDN(rec, settings) == CHLResult::Found && ok;
}

template <class Move>
bool MoveSolarRecord(CHSDate& rec, const CalendarSettings& settings, Move move)
{
    ChineseSolarDate date = SolarValueOf(rec);
    const bool ok = move(date);
    rec.cycle = date.cycle;
    rec.position = date.position;
    rec.term = date.term;
    rec.day = date.day;
    return ChSDateToJDN(rec, settings) && ok;
}

} // namespace

CHLDate LunarRecordOf(const ChineseLunarDate& date, DayNumber day)
{
    CHLDate rec;
    Write(date, day, rec);
    return rec;
}

CHSDate SolarRecordOf(const ChineseSolarDate& date, DayNumber day)
{
    CHSDate rec;
    Write(date, day, rec);
    return rec;
}

CHLResult ChLDateToJDN(CHLDate& rec, const CalendarSettings& settings)
{
    rec.valid = 0;
    // A leap field other than 0 or 1 is refused before the value (which reads "== 1") is made.
    if (rec.leap < 0 || rec.leap > 1 || !CHLFieldsInRange(LunarValueOf(rec)))
        return CHLResult::FieldOutOfRange;
    rec.epoch = settings.epoch;
    const CHLDay found = ChLDateToJDN(LunarValueOf(rec), settings);
    if (found.found()) {
        rec.valid = 1;
        rec.jdn = found.day.value();
    }
    return found.result;
}

void CJDateToChDates(double cjdc, int epoch, int refLongitude, CHSDate& chs, CHLDate& chl)
{
    const bool wantCHS = chs.valid != kCHSNotWanted;
    chs.valid = 0;
    chl.valid = 0;
    const std::optional<ChineseDatesOfDay> dates = CJDateToChDates(Meridian(refLongitude).At(cjdc), epoch);
    if (!dates)
        return;
    chl.jdn = dates->day.value();
    chl.epoch = epoch;
    if (dates->lunar)
        Write(*dates->lunar, dates->day, chl);
    if (wantCHS) {
        chs.jdn = dates->day.value();
        chs.epoch = epoch;
        if (dates->solar)
            Write(*dates->solar, dates->day, chs);
    }
}

void CHLRefresh(CHLDate& rec, int refLongitude)
{
    CHSDate unused;
    unused.valid = kCHSNotWanted;
    CJDateToChDates(rec.jdn + 0.5, rec.epoch, refLongitude, unused, rec);
}

bool ChSDateToJDN(CHSDate& rec, const CalendarSettings& settings)
{
    rec.valid = 0;
    const ChineseSolarDate date = SolarValueOf(rec);
    if (!date.ok())
        return false;
    rec.epoch = settings.epoch;
    const std::optional<SolarDayCandidate> c = SolarDayOf(date, settings);
    if (!c)
        return false;
    rec.jdn = c->day.value();
    rec.valid = c->withinTerm ? 1 : 0;
    return rec.valid == 1;
}

int CHLMonthLength(CHLDate& rec, const CalendarSettings& settings)
{
    rec.day = 30;
    const CHLResult result = ChLDateToJDN(rec, settings);
    if (result == CHLResult::Found)
        return 30;
    if (result == CHLResult::DayBeyondMonth)
        return 29;
    return static_cast<int>(result);
}

std::string CHLDateStr(const CHLDate& rec, CHLTextForm form, std::string_view suffix, Country country)
{
    return CHLDateStr(LunarValueOf(rec), form, suffix, country);
}

std::string CHSDateStr(const CHSDate& rec, bool withCode) { return CHSDateStr(SolarValueOf(rec), withCode); }

ElementAnimal YearElementAnimal(const CHLDate& rec) { return YearElementAnimal(LunarValueOf(rec)); }

ElementAnimal MonthElementAnimal(const CHLDate& rec) { return MonthElementAnimal(LunarValueOf(rec)); }

std::string MonthElementAnimalStr(const CHLDate& rec, MonthNames style, Country country)
{
    return MonthElementAnimalStr(LunarValueOf(rec), style, country);
}

bool ParseCHLDateStr(std::string_view text, CHLDate& rec)
{
    if (text.find('\0') != std::string_view::npos) {
        rec.valid = 0;
        return false;
    }
    const std::string copy(text);
    chl_datestr_to_chldate(copy.c_str(), &rec);
    return rec.valid == 1;
}

bool ParseCHSDateStr(std::string_view text, CHSDate& rec)
{
    if (text.find('\0') != std::string_view::npos) {
        rec.valid = 0;
        return false;
    }
    const std::string copy(text);
    chs_datestr_to_chsdate(copy.c_str(), &rec);
    return rec.valid == 1;
}

std::string CHLLongStr(const CHLDate& rec, const CHLLongOptions& options, const CalendarSettings& settings)
{
    return CHLLongStr(LunarValueOf(rec), options, settings);
}

std::string CHSLongStr(const CHSDate& rec, const CHSLongOptions& options, const CalendarSettings& settings)
{
    return CHSLongStr(SolarValueOf(rec), options, settings);
}

std::string CHLStemBranchStr(const CHLDate& rec, const CalendarSettings& settings)
{
    return CHLStemBranchStr(LunarValueOf(rec), settings);
}

bool CHLMoveMonth(CHLDate& rec, bool forward, bool keep30, const CalendarSettings& settings)
{
    return MoveLunarRecord(rec, settings, [&](ChineseLunarDate& d) { return CHLMoveMonth(d, forward, keep30, settings); });
}

bool CHLMoveYear(CHLDate& rec, bool forward, bool keep30, bool preferLeap, const CalendarSettings& settings)
{
    return MoveLunarRecord(rec, settings,
                           [&](ChineseLunarDate& d) { return CHLMoveYear(d, forward, keep30, preferLeap, settings); });
}

bool CHLMoveCycle(CHLDate& rec, bool forward, bool keep30, bool preferLeap, const CalendarSettings& settings)
{
    return MoveLunarRecord(rec, settings,
                           [&](ChineseLunarDate& d) { return CHLMoveCycle(d, forward, keep30, preferLeap, settings); });
}

bool CHSMoveYear(CHSDate& rec, bool forward, const CalendarSettings& settings)
{
    return MoveSolarRecord(rec, settings, [&](ChineseSolarDate& d) { return CHSMoveYear(d, forward, settings); });
}

bool CHSMoveTerm(CHSDate& rec, bool forward, bool byCycle, const CalendarSettings& settings)
{
    return MoveSolarRecord(rec, settings,
                           [&](ChineseSolarDate& d) { return CHSMoveTerm(d, forward, byCycle, settings); });
}

} // namespace orlun

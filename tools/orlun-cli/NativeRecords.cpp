#include "NativeRecords.h"

#include <utility>

#include "calendar/core/Meridian.h"
#include "calendar/native/NativeDateText.h"
#include "calendar/native/Rokuyo.h"
#include "calendar/presentation/DisplayModel.h"
#include "days/NativeDayFields.h"

namespace orlun::cli {

Table WithNativeFields(Table table, std::initializer_list<const char*> fields)
{
    for (const char* field : fields) table.columns.push_back({field, TextGap::Tab, kNativeGroup});
    return table;
}

Table WithNativeFields(Table table, Language language, std::initializer_list<const char*> fields)
{
    return NativeOf(language) ? WithNativeFields(std::move(table), fields) : table;
}

void AddNativeMonth(Record& record, Language language, int month, bool leap, int length)
{
    const auto native = NativeOf(language);
    if (!native) return;
    record.values.emplace_back(MonthText(*native, month, leap));
    record.values.emplace_back(MonthSizeText(*native, length));
}

void AddNativeTerm(Record& record, Language language, int term)
{
    if (const auto native = NativeOf(language)) record.values.emplace_back(TermText(*native, term));
}

void AddNativePhase(Record& record, Language language, int phase)
{
    if (const auto native = NativeOf(language)) record.values.emplace_back(PhaseText(*native, phase));
}

std::optional<NativeMonth> NativeMonthOf(const MonthView& view, Language language, const CalendarSettings& settings)
{
    const auto native = NativeOf(language);
    if (!native || !view.ok()) return std::nullopt;
    // The lunar date of day 1 at its noon on the reference meridian, as the window shows it.
    const double noon = Meridian(settings.refLongitude).NoonOf(DayNumber(view.firstDay)).moment().ajd();
    const DisplayTexts shown = BuildDisplayTexts(noon, settings);
    if (!shown.chl || !shown.chl->ok()) return std::nullopt;
    const ChineseLunarDate& chl = *shown.chl;
    return NativeMonth{*native,
                       MonthTitleText(*native, chl.position, chl.month.number, chl.month.leap, view.length),
                       chl.month.number};
}

std::string NativeCellDay(const NativeMonth& month, int day) { return DayText(month.language, day); }

std::string NativeCellRokuyo(const NativeMonth& month, int day)
{
    if (month.language != NativeLanguage::Japanese) return "";
    const auto rokuyo = RokuyoOf(month.month, day);
    return rokuyo ? RokuyoText(*rokuyo) : "";
}

std::string MonthTitle(const MonthView& view, const std::optional<NativeMonth>& native)
{
    return native ? native->title : view.title;
}

std::string CellDayLabel(int day, const std::optional<NativeMonth>& native)
{
    if (!native) return std::to_string(day);
    const std::string rokuyo = NativeCellRokuyo(*native, day);
    return NativeCellDay(*native, day) + (rokuyo.empty() ? "" : " " + rokuyo);
}

} // namespace orlun::cli

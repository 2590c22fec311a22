#include "calendar/search/SearchTargets.h"

#include <array>

#include "calendar/search/DaySearch.h"
#include "calendar/search/LunarSearch.h"
#include "calendar/core/MoonPhases.h"
#include "calendar/search/PhaseSearch.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/TermSearch.h"

namespace orlun {

namespace {


using Start = SearchStart;

MomentOutcome FullMoon(const Start& s) { return PhaseSearch(s.ajd, kPhaseFull, s.inputs.next); }
MomentOutcome DarkMoon(const Start& s) { return PhaseSearch(s.ajd, kPhaseDark, s.inputs.next); }
MomentOutcome LunarQuarter(const Start& s) { return QuarterSearch(s.ajd, s.inputs.next); }
MomentOutcome LunarNewYear(const Start& s)
{
    return LunarNewYearSearch(CHLDateOf(s.ajd, s.settings), s.inputs.next, s.settings);
}

template <TermPattern wanted>
MomentOutcome Term(const Start& s)
{
    return TermSearch(wanted, s.ajd, s.inputs.next, s.settings.meridian);
}

template <TermPattern wanted, int phase>
MomentOutcome TermWithMoon(const Start& s)
{
    return CoincidenceSearch(wanted, phase, s.ajd, s.inputs.next, s.settings, s.progress);
}

MomentOutcome ElementAnimalDay(const Start& s)
{
    return ElementAnimalDaySearch(s.today, s.inputs.next, s.inputs.choice, s.settings.meridian);
}
MomentOutcome ElementAnimalMonth(const Start& s)
{
    return ElementAnimalMonthSearch(CHLDateOf(s.ajd, s.settings), s.inputs.next, s.inputs.choice, s.settings,
                                    s.progress);
}
MomentOutcome ElementAnimalYear(const Start& s)
{
    return ElementAnimalYearSearch(CHLDateOf(s.ajd, s.settings), s.inputs.next, s.inputs.choice, s.settings);
}
MomentOutcome TripleCoincidence(const Start& s)
{
    return TripleCoincidenceSearch(s.today, s.inputs.next, s.settings, s.progress);
}
// The window opens the multiple element-animal window instead; orlun-cli has its own command.
MomentOutcome InOwnWindow(const Start&)
{
    return Refused(kSearchTitle, "This search is made in its own window.", MessageIcon::Warning);
}
MomentOutcome IntercalaryMonth(const Start& s)
{
    return IntercalaryMonthSearch(CHLDateOf(s.ajd, s.settings), s.inputs.next, s.inputs.keep30, s.settings);
}

using T = SearchTarget;
using K = TargetKind;

// In list order.
constexpr std::array<SearchTargetRow, kSearchTargetCount> kRows = {{
    // target, stored, list text, kind, unit after a choice, search, phase code of the item
    {T::FullMoon, 0, "Full moon", K::Event, "", FullMoon, kPhaseFull},
    {T::DarkMoon, 1, "Dark moon", K::Event, "", DarkMoon, kPhaseDark},
    {T::LunarQuarter, 2, "Lunar quarter", K::Event, "", LunarQuarter},
    {T::LunarNewYear, 3, "Lunar new year", K::Event, "", LunarNewYear},
    {T::WinterSolstice, 4, "Winter solstice", K::Event, "", Term<kWinterSolsticeTerm>},
    {T::VernalEquinox, 5, "Vernal equinox", K::Event, "", Term<kVernalEquinoxTerm>},
    {T::SummerSolstice, 6, "Summer solstice", K::Event, "", Term<kSummerSolsticeTerm>},
    {T::AutumnalEquinox, 7, "Autumnal equinox", K::Event, "", Term<kAutumnalEquinoxTerm>},
    {T::SolsticeOrEquinox, 8, "Solstice or equinox", K::Event, "", Term<kQuarterTerms>},
    {T::SolarTerm, 9, "Solar term", K::Event, "", Term<kEveryTerm>},
    {T::SolarTermDarkMoon, 10, "Solar term + dark moon", K::Event, "", TermWithMoon<kEveryTerm, kPhaseDark>},
    {T::SolarTermFullMoon, 11, "Solar term + full moon", K::Event, "", TermWithMoon<kEveryTerm, kPhaseFull>},
    {T::WinterSolsticeDarkMoon, 12, "Winter solstice + dark moon", K::Event, "",
     TermWithMoon<kWinterSolsticeTerm, kPhaseDark>},
    {T::SolsticeEquinoxDarkMoon, 13, "Solstice/equinox + dark moon", K::Event, "",
     TermWithMoon<kQuarterTerms, kPhaseDark>},
    {T::SolsticeEquinoxFullMoon, 14, "Solstice/equinox + full moon", K::Event, "",
     TermWithMoon<kQuarterTerms, kPhaseFull>},
    {T::ElementAnimalDay, 15, "Element-animal day", K::ElementAnimal, "day", ElementAnimalDay},
    {T::ElementAnimalMonth, 16, "Element-animal month", K::ElementAnimal, "month", ElementAnimalMonth},
    {T::ElementAnimalYear, 17, "Element-animal year", K::ElementAnimal, "year", ElementAnimalYear},
    {T::TripleCoincidenceDay, 18, "Triple coincidence day", K::Day, "", TripleCoincidence},
    {T::SameElementAnimalDayMonth, 19, "Same element-animal day and month", K::SameDayAndMonth, "", InOwnWindow},
    {T::MultipleElementAnimalDay, 20, "Multiple element-animal day", K::OwnWindow, "", InOwnWindow},
    {T::IntercalaryMonth, 21, "Intercalary month", K::Event, "", IntercalaryMonth},
}};

// Row i is the target numbered i, so the list index, the stored number and the row agree, and a
// target without a row leaves a default row that fails here. That each row has its search is a
// test's check: a sanitizer build does not take a function's address as a constant.
constexpr bool RowsInListOrder()
{
    for (int i = 0; i < kSearchTargetCount; ++i) {
        const SearchTargetRow& row = kRows[i];
        if (row.stored != i || static_cast<int>(row.target) != i || row.text.empty()) return false;
        if ((row.kind == K::ElementAnimal) == row.unit.empty()) return false;
    }
    return true;
}
static_assert(RowsInListOrder(), "each search target has one row, in the order of its number");

} // namespace

std::span<const SearchTargetRow> SearchTargetRows() { return kRows; }

const SearchTargetRow* FindSearchTargetRow(SearchTarget target)
{
    for (const SearchTargetRow& row : kRows)
        if (row.target == target) return &row;
    return nullptr;
}

TargetKind KindOf(SearchTarget target)
{
    const SearchTargetRow* row = FindSearchTargetRow(target);
    return row ? row->kind : TargetKind::Event;
}

std::optional<SearchTarget> SearchTargetAt(int stored)
{
    for (const SearchTargetRow& row : kRows)
        if (row.stored == stored) return row.target;
    return std::nullopt;
}

std::string_view SearchTargetText(SearchTarget target)
{
    const SearchTargetRow* row = FindSearchTargetRow(target);
    return row ? row->text : std::string_view();
}

} // namespace orlun

// The rows of the search targets: the number each keeps in the state file, its list text, how the
// window treats it, and the terms the solstice, equinox and term targets want.
#include <gtest/gtest.h>

#include "calendar/search/EventSearch.h"
#include "calendar/search/TermSearch.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;

namespace {

struct TargetCase {
    SearchTarget target;
    int stored; // in the state file: never changes
    const char* text;
    bool elementAnimal; // needs the element or animal and names them
    bool ownWindow;     // searched in the multiple element-animal window
    bool clearsCJDs;    // the CJD lines give way to the names afterwards
};

const TargetCase kTargets[] = {
    {SearchTarget::FullMoon, 0, "Full moon", false, false, false},
    {SearchTarget::DarkMoon, 1, "Dark moon", false, false, false},
    {SearchTarget::LunarQuarter, 2, "Lunar quarter", false, false, false},
    {SearchTarget::LunarNewYear, 3, "Lunar new year", false, false, false},
    {SearchTarget::WinterSolstice, 4, "Winter solstice", false, false, false},
    {SearchTarget::VernalEquinox, 5, "Vernal equinox", false, false, false},
    {SearchTarget::SummerSolstice, 6, "Summer solstice", false, false, false},
    {SearchTarget::AutumnalEquinox, 7, "Autumnal equinox", false, false, false},
    {SearchTarget::SolsticeOrEquinox, 8, "Solstice or equinox", false, false, false},
    {SearchTarget::SolarTerm, 9, "Solar term", false, false, false},
    {SearchTarget::SolarTermDarkMoon, 10, "Solar term + dark moon", false, false, false},
    {SearchTarget::SolarTermFullMoon, 11, "Solar term + full moon", false, false, false},
    {SearchTarget::WinterSolsticeDarkMoon, 12, "Winter solstice + dark moon", false, false, false},
    {SearchTarget::SolsticeEquinoxDarkMoon, 13, "Solstice/equinox + dark moon", false, false, false},
    {SearchTarget::SolsticeEquinoxFullMoon, 14, "Solstice/equinox + full moon", false, false, false},
    {SearchTarget::ElementAnimalDay, 15, "Element-animal day", true, false, true},
    {SearchTarget::ElementAnimalMonth, 16, "Element-animal month", true, false, true},
    {SearchTarget::ElementAnimalYear, 17, "Element-animal year", true, false, true},
    {SearchTarget::TripleCoincidenceDay, 18, "Triple coincidence day", false, false, true},
    {SearchTarget::SameElementAnimalDayMonth, 19, "Same element-animal day and month", false, true, true},
    {SearchTarget::MultipleElementAnimalDay, 20, "Multiple element-animal day", false, true, true},
    {SearchTarget::IntercalaryMonth, 21, "Intercalary month", false, false, false},
};

} // namespace

TEST(SearchTargetRows, EveryTargetHasOneRowInListOrder)
{
    ASSERT_EQ(SearchTargetRows().size(), std::size(kTargets));
    for (size_t i = 0; i < std::size(kTargets); ++i) {
        const TargetCase& c = kTargets[i];
        EXPECT_EQ(SearchTargetRows()[i].target, c.target) << "row " << i;
        EXPECT_EQ(SearchTargetRows()[i].stored, c.stored) << c.text;
        EXPECT_NE(SearchTargetRows()[i].search, nullptr) << c.text;
        EXPECT_EQ(SearchTargetAt(c.stored), c.target) << c.text;
        EXPECT_EQ(SearchTargetText(c.target), c.text);
        EXPECT_EQ(SearchTargetFromText(c.text), c.target) << c.text;
        EXPECT_EQ(IsElementAnimalTarget(c.target), c.elementAnimal) << c.text;
        EXPECT_EQ(UsesMultipleWindow(c.target), c.ownWindow) << c.text;
        EXPECT_EQ(ClearsShowCJDs(c.target), c.clearsCJDs) << c.text;
    }
}

// What the window and orlun-cli ask of a row besides its search: which of the two multiple-window
// targets takes its criteria from the moment, and which list items carry a phase code.
TEST(SearchTargetRows, KindsAndPhaseCodes)
{
    for (const SearchTargetRow& row : SearchTargetRows()) {
        const std::string text(row.text);
        EXPECT_EQ(KindOf(row.target), row.kind) << text;
        EXPECT_EQ(row.kind == TargetKind::SameDayAndMonth, row.target == SearchTarget::SameElementAnimalDayMonth)
            << text;
        EXPECT_EQ(row.kind == TargetKind::OwnWindow, row.target == SearchTarget::MultipleElementAnimalDay) << text;
        const std::optional<int> phase = row.target == SearchTarget::FullMoon   ? std::optional<int>(2)
                                         : row.target == SearchTarget::DarkMoon ? std::optional<int>(0)
                                                                                : std::nullopt;
        EXPECT_EQ(row.phase, phase) << text;
    }
    EXPECT_EQ(KindOf(static_cast<SearchTarget>(kSearchTargetCount)), TargetKind::Event);
    EXPECT_EQ(SearchTargetRows()[0].target, kDefaultSearchTarget);
}

// A number that names no target (a damaged list index) is refused, never searched as another.
TEST(SearchTargetRows, NumbersThatNameNoTarget)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    for (const int stored : {-1, 22, 1000}) {
        EXPECT_FALSE(SearchTargetAt(stored).has_value()) << stored;
        SearchInputs in;
        in.target = static_cast<SearchTarget>(stored);
        EXPECT_EQ(SearchTargetText(in.target), "") << stored;
        const MomentOutcome r = RunSearch(Moment(2456334.0), in, china);
        ASSERT_FALSE(r.ok()) << stored;
        EXPECT_EQ(r.refusal().title, "Search");
        EXPECT_EQ(r.refusal().text, "Unknown search target.");
    }
    // Only the element-animal targets name the choice.
    EXPECT_EQ(ElementAnimalTargetText(SearchTarget::FullMoon, {0, 0}, Country::China), "Full moon");
}

// Place 0 of a solar year is the winter solstice, 6 the vernal equinox, 12 the summer solstice,
// 18 the autumnal equinox.
TEST(TermPattern, EachPatternWantsItsPlacesOfTheYear)
{
    const struct {
        const char* what;
        TermPattern pattern;
        std::vector<int> places;
    } cases[] = {
        {"winter solstice", kWinterSolsticeTerm, {0}},
        {"vernal equinox", kVernalEquinoxTerm, {6}},
        {"summer solstice", kSummerSolsticeTerm, {12}},
        {"autumnal equinox", kAutumnalEquinoxTerm, {18}},
        {"solstices and equinoxes", kQuarterTerms, {0, 6, 12, 18}},
    };
    for (const auto& c : cases) {
        std::vector<int> matched;
        for (int place = 0; place < kTermsPerYear; ++place)
            if (c.pattern.Matches(place)) matched.push_back(place);
        EXPECT_EQ(matched, c.places) << c.what;
    }
    for (int place = 0; place < kTermsPerYear; ++place) EXPECT_TRUE(kEveryTerm.Matches(place)) << place;
}

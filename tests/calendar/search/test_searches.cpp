// The searches of the Search panel against reference phases, seasons and month tables, and their
// edge cases: exact starts, leap months, the ends of the range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/astro/syzyg.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/ChineseMoves.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/LunarSearch.h"
#include "calendar/western/DatePr2.h"
#include "support/CalendarTestSupport.h"
#include "support/PhaseLookupNumber.h"

using namespace orlun;

using namespace orlun::test;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);
constexpr double kMinute = 1.0 / 1440.0;
constexpr double kTwoMinutes = 2.0 * kMinute;

// "2013-12-21T17:11" (UT) as AJD.
double Ut(const std::string& stamp)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    std::sscanf(stamp.c_str(), "%d-%d-%dT%d:%d", &y, &mo, &d, &h, &mi);
    return GregorianJDN(y, mo, d).value() - 0.5 + (h * 60 + mi) * kMinute;
}

double Search(SearchTarget target, double ajd, bool next, ElementAnimalChoice choice = {})
{
    SearchInputs in;
    in.target = target;
    in.next = next;
    in.choice = choice;
    const MomentOutcome r = RunSearch(Moment(ajd), in, kChina);
    EXPECT_TRUE(r.ok()) << SearchTargetText(target) << ": " << r.refusal().text;
    return r.ok() ? r->moment.ajd() : 0;
}

// The CJDC day of a found moment.
int32_t DayOf(double ajd) { return AJDToCJDC(Moment(ajd), kChina.meridian).day().value(); }
std::string Day(double ajd) { return GregorianText(DayOf(ajd)); }

struct Phase {
    int code;
    double ut;
};

std::vector<Phase> UsnoPhases(int year)
{
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/astro/usno_moonphases_1800-2100_decadal.txt");
    std::vector<Phase> phases;
    int code = 0;
    std::string stamp;
    while (in >> code >> stamp)
        if (std::stoi(stamp.substr(0, 4)) == year) phases.push_back({code, Ut(stamp)});
    return phases;
}

struct LunarMonth {
    int year, month, leap;
    int32_t start;
};

std::vector<LunarMonth> ChinaMonths()
{
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/calendar/months_utc8_1950_2050.tsv");
    std::vector<LunarMonth> months;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        LunarMonth m{};
        int y = 0, mo = 0, d = 0;
        if (std::sscanf(line.c_str(), "%d\t%d\t%d\t%d-%d-%d", &m.year, &m.month, &m.leap, &y, &mo, &d) == 6) {
            m.start = GregorianJDN(y, mo, d).value();
            months.push_back(m);
        }
    }
    return months;
}

} // namespace

TEST(PhaseSearches, FollowTheUsnoPhasesOneByOne)
{
    for (int year : {1900, 2000, 2020, 2100}) {
        const auto phases = UsnoPhases(year);
        ASSERT_GT(phases.size(), 40u) << year;
        for (size_t i = 0; i + 1 < phases.size(); ++i) {
            const Phase& now = phases[i];
            const Phase& then = phases[i + 1];
            // From a phase itself, the next quarter is the following phase, the previous one the phase before.
            EXPECT_NEAR(Search(SearchTarget::LunarQuarter, GetPhaseTimeUT(*GetLunation(Moment(then.ut + 0.01)), then.code).ajd(), false),
                        now.ut, kTwoMinutes) << year << " #" << i;
            EXPECT_NEAR(Search(SearchTarget::LunarQuarter, now.ut + kMinute, true), then.ut, kTwoMinutes);
            if (then.code == 0) {
                EXPECT_NEAR(Search(SearchTarget::DarkMoon, now.ut, true), then.ut, kTwoMinutes);
            }
            if (then.code == 2) {
                EXPECT_NEAR(Search(SearchTarget::FullMoon, now.ut, true), then.ut, kTwoMinutes);
            }
        }
    }
}

TEST(PhaseSearches, PreviousFromExactlyAPhaseGoesOneLunationBack)
{
    const double dark0 = GetPhaseTimeUT(0, 0).ajd(); // 2000-01-06 18:13
    EXPECT_EQ(Search(SearchTarget::DarkMoon, dark0, false), GetPhaseTimeUT(-1, 0).ajd());
    EXPECT_EQ(Search(SearchTarget::DarkMoon, dark0 + kMinute, false), dark0);
    EXPECT_EQ(Search(SearchTarget::DarkMoon, dark0, true), GetPhaseTimeUT(1, 0).ajd());
    const double full0 = GetPhaseTimeUT(0, 2).ajd();
    EXPECT_EQ(Search(SearchTarget::FullMoon, full0, false), GetPhaseTimeUT(-1, 2).ajd());
    EXPECT_EQ(Search(SearchTarget::FullMoon, full0 - kMinute, true), full0);
    // Between the last quarter and the next dark moon: the quarter search finds that dark moon.
    EXPECT_EQ(Search(SearchTarget::LunarQuarter, GetPhaseTimeUT(0, 3).ajd() + 1, true), GetPhaseTimeUT(1, 0).ajd());
    EXPECT_EQ(Search(SearchTarget::LunarQuarter, dark0, false), GetPhaseTimeUT(-1, 3).ajd());
}

TEST(TermSearches, SolsticesAndEquinoxesAgreeWithUsnoSeasons)
{
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/astro/usno_seasons_1800-2100.txt");
    const SearchTarget quarters[] = {SearchTarget::VernalEquinox, SearchTarget::SummerSolstice,
                                     SearchTarget::AutumnalEquinox, SearchTarget::WinterSolstice};
    std::string stamp, kind;
    int checked = 0;
    while (in >> stamp >> kind) {
        const int year = std::stoi(stamp.substr(0, 4));
        if ((kind != "Equinox" && kind != "Solstice") || year < 1950 || year > 2050) continue;
        const int month = std::stoi(stamp.substr(5, 2));
        const double ut = Ut(stamp);
        const SearchTarget target = quarters[month / 3 - 1];
        EXPECT_NEAR(Search(target, ut - 80, true), ut, kTwoMinutes) << stamp;
        EXPECT_NEAR(Search(target, ut + 80, false), ut, kTwoMinutes) << stamp;
        EXPECT_NEAR(Search(SearchTarget::SolsticeOrEquinox, ut - 30, true), ut, kTwoMinutes) << stamp;
        ++checked;
    }
    EXPECT_EQ(checked, 101 * 4);
}

TEST(TermSearches, FromExactlyATermTheNextAndPreviousTerms)
{
    const double solstice = Search(SearchTarget::WinterSolstice, Ut("2013-06-01T00:00"), true);
    EXPECT_NEAR(solstice, Ut("2013-12-21T17:11"), kTwoMinutes);
    const double after = Search(SearchTarget::SolarTerm, solstice, true);
    const double before = Search(SearchTarget::SolarTerm, solstice, false);
    EXPECT_NEAR(after - solstice, 14.7, 0.5);
    EXPECT_NEAR(solstice - before, 15.0, 0.5);
    EXPECT_EQ(Search(SearchTarget::SolarTerm, after, false), solstice);
}

TEST(TermSearches, CoincidencesFallOnTheFirstDayOfTheirTerm)
{
    const struct {
        SearchTarget target;
        int phase;
        std::vector<int> terms; // empty: any
    } cases[] = {
        {SearchTarget::SolarTermDarkMoon, 0, {}},
        {SearchTarget::SolarTermFullMoon, 2, {}},
        {SearchTarget::WinterSolsticeDarkMoon, 0, {1}},
        {SearchTarget::SolsticeEquinoxDarkMoon, 0, {1, 7, 13, 19}},
        {SearchTarget::SolsticeEquinoxFullMoon, 2, {1, 7, 13, 19}},
    };
    const double start = Ut("2013-06-01T00:00");
    for (const auto& c : cases) {
        for (bool next : {true, false}) {
            const double found = Search(c.target, start, next);
            EXPECT_EQ(next, found > start);
            const auto dates = CJDateToChDates(AJDToCJDC(Moment(found), Meridian(120)), kChina.epoch);
            ASSERT_TRUE(dates && dates->solar);
            const ChineseSolarDate& chs = *dates->solar;
            EXPECT_EQ(chs.day, 1) << SearchTargetText(c.target);
            if (!c.terms.empty()) {
                EXPECT_NE(std::find(c.terms.begin(), c.terms.end(), chs.term), c.terms.end()) << chs.term;
            }
            bool exact = false;
            EXPECT_EQ(PhaseNumber(GetPhase(*GetLunation(Moment(found)), Moment(found)), exact), c.phase);
            EXPECT_TRUE(exact);
        }
    }
}

TEST(LunarSearches, NewYearsAndLeapMonthsAgreeWithTheMonthTables)
{
    const auto months = ChinaMonths();
    ASSERT_GT(months.size(), 1200u);
    const LunarMonth* lastNewYear = nullptr;
    const LunarMonth* lastLeap = nullptr;
    for (const LunarMonth& m : months) {
        const double noon = CJDCToAJD(Meridian(120).NoonOf(DayNumber(m.start))).ajd();
        if (m.month == 1 && m.leap == 0) {
            if (lastNewYear) {
                EXPECT_EQ(DayOf(Search(SearchTarget::LunarNewYear, noon - 20, true)), m.start) << m.year;
                EXPECT_EQ(DayOf(Search(SearchTarget::LunarNewYear, noon, false)), lastNewYear->start) << m.year;
                EXPECT_EQ(DayOf(Search(SearchTarget::LunarNewYear, noon + 1, false)), m.start) << m.year;
            }
            lastNewYear = &m;
        }
        if (m.leap == 1) {
            // From inside a leap month the next one is the following leap month, never this one.
            if (lastLeap) {
                EXPECT_EQ(DayOf(Search(SearchTarget::IntercalaryMonth, CJDCToAJD(Meridian(120).NoonOf(DayNumber(lastLeap->start))).ajd(), true)),
                          m.start) << m.year << " month " << m.month;
                EXPECT_EQ(DayOf(Search(SearchTarget::IntercalaryMonth, noon + 3, false)), lastLeap->start) << m.year;
            }
            lastLeap = &m;
        }
    }
}

TEST(LunarSearches, NewYearFromALeapMonthAndElementAnimalMonthsIncludeLeapMonths)
{
    // 2023: month 2 from 02-20, leap month 2* from 03-22 (both yi-mao, wood-rabbit).
    const double leap2 = Ut("2023-03-25T04:00");
    EXPECT_EQ(Day(Search(SearchTarget::LunarNewYear, leap2, false)), "2023-01-22");
    EXPECT_EQ(Day(Search(SearchTarget::LunarNewYear, leap2, true)), "2024-02-10");
    const ElementAnimalChoice woodRabbit{0, 3};
    EXPECT_EQ(Day(Search(SearchTarget::ElementAnimalMonth, Ut("2023-02-25T04:00"), true, woodRabbit)), "2023-03-22");
    EXPECT_EQ(Day(Search(SearchTarget::ElementAnimalMonth, leap2, false, woodRabbit)), "2023-02-20");
}

TEST(DaySearches, ElementAnimalDaysAndYears)
{
    const double start = Ut("2013-06-01T04:00");
    const int32_t today = DayOf(start);
    const struct {
        ElementAnimalChoice choice;
        int maxDistance;
    } cases[] = {{{kNoElementItem, 0}, 12}, {{0, kNoAnimalItem}, 10}, {{0, 0}, 60}, {{4, 11}, 60}};
    for (const auto& c : cases) {
        for (bool next : {true, false}) {
            const int32_t day = DayOf(Search(SearchTarget::ElementAnimalDay, start, next, c.choice));
            const int distance = next ? day - today : today - day;
            EXPECT_GE(distance, 1);
            EXPECT_LE(distance, c.maxDistance);
            EXPECT_TRUE(c.choice.MatchesPosition(DayPosition(DayNumber(day))));
        }
    }
    SearchInputs none;
    none.target = SearchTarget::ElementAnimalYear;
    const MomentOutcome refused = RunSearch(Moment(start), none, kChina);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal().title, "Error");
    EXPECT_EQ(refused.refusal().text, "You must specify an element, an animal or both.");
    // From position 60 (2043, water-pig) the next wood-rat year is position 1 of the next cycle.
    const ChineseLunarDate pig = CHLDateOf(Moment(Ut("2043-06-01T04:00")), kChina).value();
    ASSERT_EQ(pig.position, 60);
    const double rat = Search(SearchTarget::ElementAnimalYear, Ut("2043-06-01T04:00"), true, {0, 0});
    const ChineseLunarDate found = CHLDateOf(Moment(rat), kChina).value();
    EXPECT_EQ(found.cycle, pig.cycle + 1);
    EXPECT_EQ(found.position, 1);
    EXPECT_EQ(found.month, kFirstMonth);
    EXPECT_EQ(found.day, 1);
}

TEST(DaySearches, TripleCoincidenceDayCarriesOneNameThreeTimes)
{
    for (bool next : {true, false}) {
        const double found = Search(SearchTarget::TripleCoincidenceDay, Ut("2013-06-01T04:00"), next);
        const ChineseLunarDate chl = CHLDateOf(Moment(found), kChina).value();
        const ElementAnimal year = YearElementAnimal(chl);
        const ElementAnimal month = MonthElementAnimal(chl);
        const int day = DayPosition(DayNumber(DayOf(found)));
        EXPECT_EQ(ElementOfPosition(day), year.element);
        EXPECT_EQ(AnimalOfPosition(day), year.animal);
        EXPECT_EQ(month.element, year.element);
        EXPECT_EQ(month.animal, year.animal);
    }
}

TEST(RangeEnds, SearchesStopWithAMessageAtTheEnds)
{
    const struct {
        SearchTarget target;
        double ajd;
        bool next;
        const char* title;
        const char* text;
    } cases[] = {
        {SearchTarget::FullMoon, kMaxAJD - 0.1, true, "Date out of range", "Date is later than 3000-01-01 CE."},
        {SearchTarget::WinterSolstice, kMinAJD + 5, false, "Date out of range", "Date is earlier than -3000-01-01 CE."},
        {SearchTarget::LunarNewYear, kMinAJD + 5, false, "Date out of range", "Date is earlier than -3000-01-01 CE."},
        {SearchTarget::TripleCoincidenceDay, kMaxAJD - 80, true, "Date out of range", "Date is later than 3000-01-01 CE."},
        {SearchTarget::SolarTermFullMoon, kMaxAJD - 10, true, "Date out of range", "Date is later than 3000-01-01 CE."},
    };
    for (const auto& c : cases) {
        SearchInputs in;
        in.target = c.target;
        in.next = c.next;
        const MomentOutcome r = RunSearch(Moment(c.ajd), in, kChina);
        ASSERT_FALSE(r.ok()) << SearchTargetText(c.target);
        EXPECT_EQ(r.refusal().title, c.title) << SearchTargetText(c.target);
        EXPECT_EQ(r.refusal().text, c.text) << SearchTargetText(c.target);
    }
}

TEST(RangeEnds, IntercalarySearchEndsWhenALaterMonthStepFails)
{
    for (bool next : {true, false}) {
        // The last (first) month the calculators know, and the month before (after) it: the first
        // step succeeds, the second cannot be made.
        const std::optional<ChineseLunarDate> last = CHLDateOfDay(DayNumber(next ? kMaxJDN : kMinJDN), kChina);
        ASSERT_TRUE(last);
        ChineseLunarDate end = *last;
        for (ChineseLunarDate step = end; CHLMoveMonth(step, next, false, kChina);) end = step;
        ASSERT_FALSE(end.month.leap);
        ChineseLunarDate start = end;
        ASSERT_TRUE(CHLMoveMonth(start, !next, false, kChina));
        const MomentOutcome r = IntercalaryMonthSearch(start, next, false, kChina);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.refusal().title, "Inability");
        EXPECT_EQ(r.refusal().text, next ? "Unable to add a intercalary month." : "Unable to subtract a intercalary month.");
    }
}

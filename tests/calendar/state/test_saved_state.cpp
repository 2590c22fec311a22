// The saved-state file: its 79 lines, the round trip, and files that must be refused whole.
#include <gtest/gtest.h>

#include <random>

#include "calendar/state/SavedState.h"
#include "calendar/chinese/Sexagenary.h"

using namespace orlun;

namespace {

SavedState Sample()
{
    SavedState s;
    s.currentAJD = Moment(2455900.9212345678);
    s.calendar = kRowCJDC;
    s.forward = false;
    s.plus = true;
    s.next = false;
    s.moveStep = MoveUnit::ARCYear;
    s.target = SearchTarget::IntercalaryMonth;
    s.refreshPeriod = 3;
    s.method = TermMethod::MeanSun;
    s.epoch = -2636;
    for (size_t i = 0; i < s.log.size(); ++i) s.log[i] = i % 3 == 0;
    s.showARC = false;
    s.showCJDs = true;
    s.autoLog = true;
    s.zoneCodes = DefaultZoneCodes();
    s.zoneCodes[20] = "BJT";
    s.country = Country::Japan;
    s.multiple = {0, 11, 4, 12, 5, 3};
    return s;
}

std::vector<std::string> SplitCRLF(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF";
    return lines;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

} // namespace

TEST(SavedState, TheFileHas79CRLFLinesInTheirOrder)
{
    const std::vector<std::string> lines = SplitCRLF(FormatSavedState(Sample()));
    ASSERT_EQ(lines.size(), 79u);
    EXPECT_EQ(lines[1], "5");
    EXPECT_EQ(lines[2], "0");  // back
    EXPECT_EQ(lines[3], "-1"); // plus
    EXPECT_EQ(lines[4], "0");  // previous
    EXPECT_EQ(lines[5], "15");
    EXPECT_EQ(lines[9], "-2636");
    EXPECT_EQ(lines[10], "1"); // chkVerbose
    EXPECT_EQ(lines[11], "0");
    EXPECT_EQ(lines[23], "0"); // show ARC
    EXPECT_EQ(lines[24], "1");
    EXPECT_EQ(lines[26], "\"L00\"");
    EXPECT_EQ(lines[31], "\"ICT\"");
    EXPECT_EQ(lines[46], "\"BJT\"");
    EXPECT_EQ(lines[71], "\"L45\"");
    EXPECT_EQ(lines[72], "35");
    EXPECT_EQ(lines[78], "3");
}

TEST(SavedState, RoundTripOfEveryValue)
{
    const SavedState s = Sample();
    const auto back = ParseSavedState(FormatSavedState(s));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->currentAJD, s.currentAJD); // the very same double
    EXPECT_EQ(back->calendar, s.calendar);
    EXPECT_EQ(back->forward, s.forward);
    EXPECT_EQ(back->plus, s.plus);
    EXPECT_EQ(back->next, s.next);
    EXPECT_EQ(back->moveStep, s.moveStep);
    EXPECT_EQ(back->target, s.target);
    EXPECT_EQ(back->refreshPeriod, s.refreshPeriod);
    EXPECT_EQ(back->method, s.method);
    EXPECT_EQ(back->epoch, s.epoch);
    EXPECT_EQ(back->log, s.log);
    EXPECT_EQ(back->showARC, s.showARC);
    EXPECT_EQ(back->showCJDs, s.showCJDs);
    EXPECT_EQ(back->autoLog, s.autoLog);
    EXPECT_EQ(back->zoneCodes, s.zoneCodes);
    EXPECT_EQ(back->country, s.country);
    EXPECT_EQ(back->multiple, s.multiple);
}

TEST(SavedState, TheLongitudeIndexReadsBackAsItsCountry)
{
    const struct {
        const char* line73;
        Country country;
    } cases[] = {
        {"5", Country::Vietnam}, {"20", Country::China}, {"35", Country::Japan},
        // No country's meridian: the default country, whose meridian is written back.
        {"0", Country::China}, {"10", Country::China}, {"45", Country::China},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = SplitCRLF(FormatSavedState(Sample()));
        lines[72] = c.line73;
        const auto s = ParseSavedState(Join(lines));
        ASSERT_TRUE(s.has_value()) << c.line73;
        EXPECT_EQ(s->country, c.country) << c.line73;
        EXPECT_EQ(SplitCRLF(FormatSavedState(*s))[72], std::to_string(CountryLongitude(c.country) - 100)) << c.line73;
    }
}

TEST(SavedState, LenientWhereTheOldFilesWere)
{
    std::vector<std::string> lines = SplitCRLF(FormatSavedState(Sample()));
    lines[2] = "1";      // any non-zero option flag selects
    lines[9] = "1234";   // any epoch other than -2696 selects the second one
    lines[0] = " 2455900.5 ";
    std::string text = Join(lines);
    const auto s = ParseSavedState(text);
    ASSERT_TRUE(s.has_value());
    EXPECT_TRUE(s->forward);
    EXPECT_EQ(s->epoch, 1234);
    // Plain line feeds and a trailing empty line are read too.
    std::string lf;
    for (const auto& l : lines) lf += l + "\n";
    EXPECT_TRUE(ParseSavedState(lf + "\n").has_value());
}

TEST(SavedState, RefusedWhole)
{
    const std::vector<std::string> good = SplitCRLF(FormatSavedState(Sample()));
    EXPECT_FALSE(ParseSavedState("").has_value());
    EXPECT_FALSE(ParseSavedState("\r\n").has_value());
    {
        auto lines = good;
        lines.pop_back(); // truncated
        EXPECT_FALSE(ParseSavedState(Join(lines)).has_value());
    }
    {
        auto lines = good;
        lines.push_back("7"); // one line too many
        EXPECT_FALSE(ParseSavedState(Join(lines)).has_value());
    }
    const struct {
        size_t line;
        const char* value;
    } bad[] = {
        {0, "abc"}, {0, "nan"}, {0, "inf"}, {0, "625332.9"}, {0, "2816788.5"}, {0, "1e400"},
        {1, "9"}, {1, "-1"}, {1, "2.5"}, {2, "yes"}, {5, "16"}, {6, "22"}, {7, "4"}, {8, "2"},
        {9, "99999999999"}, {10, "2"}, {22, "-1"}, {23, ""}, {26, "CCT"}, {26, "\"CC\"T\""},
        {26, "\"ABCDEFGHIJKLMNOPQ\""}, {72, "46"}, {73, "6"}, {74, "13"}, {78, "x"},
    };
    for (const auto& b : bad) {
        auto lines = good;
        lines[b.line] = b.value;
        EXPECT_FALSE(ParseSavedState(Join(lines)).has_value())
            << "line " << b.line + 1 << " = [" << b.value << "]";
    }
    {
        auto lines = good;
        lines[40] = std::string("\"").append(5000, 'A').append("\""); // a huge line
        EXPECT_FALSE(ParseSavedState(Join(lines)).has_value());
    }
    EXPECT_FALSE(ParseSavedState(std::string(1 << 20, '1')).has_value());
}

TEST(SavedState, RandomDamageNeverCrashes)
{
    const std::string good = FormatSavedState(Sample());
    std::mt19937 rng(20261207);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string text = good;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            const size_t at = rng() % text.size();
            switch (rng() % 3) {
            case 0: text[at] = static_cast<char>(rng() % 256); break;
            case 1: text.erase(at, 1 + rng() % 8); break;
            default: text.insert(at, 1, static_cast<char>(rng() % 256)); break;
            }
            if (text.empty()) text.push_back('x');
        }
        if (const auto s = ParseSavedState(text)) {
            ++accepted;
            ASSERT_GE(s->calendar, 0);
            ASSERT_LE(s->calendar, 8);
            ASSERT_TRUE(CountryAt(static_cast<int>(s->country)).has_value());
        }
    }
    EXPECT_LT(accepted, 20000);
}

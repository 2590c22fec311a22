// The CHL and CHS date-string readers: the forms they accept, the texts they refuse, what they
// write into the record, and that no input makes them misbehave.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "calendar/chinese/ChineseDateText.h"
#include "engine/orlun2.h"

using namespace orlun;

namespace {

// A record whose every field holds a marker, so that untouched fields can be recognised.
CHLDate MarkedCHL()
{
    CHLDate r;
    r.epoch = -2696;
    r.cycle = 11;
    r.position = 22;
    r.reserved1 = 77;
    r.reserved2 = 88;
    r.month = 33;
    r.day = 44;
    r.valid = 5;
    r.jdn = 123456;
    r.leap = 7;
    return r;
}

CHSDate MarkedCHS()
{
    CHSDate r;
    r.epoch = -2636;
    r.cycle = 11;
    r.position = 22;
    r.reserved1 = 77;
    r.reserved2 = 88;
    r.term = 33;
    r.day = 44;
    r.valid = 5;
    r.jdn = 123456;
    return r;
}

std::string Shown(const std::string& text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            static const char* hex = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out + "\"";
}

struct CHLCase {
    std::string text;
    int32_t cycle, position, month, day, leap;
};

struct CHSCase {
    std::string text;
    int32_t cycle, position, term, day;
};

} // namespace

TEST(CHLReader, ReadsTheDateFormsAndIgnoresWhatFollowsABlank)
{
    const std::vector<CHLCase> cases = {
        {"79-30-01-01", 79, 30, 1, 1, 0},
        {"79-31-9*-12", 79, 31, 9, 12, 1},
        {"79-31-09*-12", 79, 31, 9, 12, 1},
        {"78-16-11*-30", 78, 16, 11, 30, 1},
        {"79-30-01-01 CHL", 79, 30, 1, 1, 0},
        {"79-30-01-01 CHL 20:00 CCT", 79, 30, 1, 1, 0},
        {"79-30-01-01 (Z11)", 79, 30, 1, 1, 0},
        {"79-30-01-01 earth-rat", 79, 30, 1, 1, 0}, // a number position wins over a name
        {"79-30-01-01 *", 79, 30, 1, 1, 0},
        {" 79 - 30 - 01 - 01 ", 79, 30, 1, 1, 0},
        {"\t79\t-\t30-1 -1\t", 79, 30, 1, 1, 0},
        {"79-30-1-1\r\n", 79, 30, 1, 1, 0},
        {"0079-0030-0001-0001", 79, 30, 1, 1, 0},
        {"-3-05-1-1", -3, 5, 1, 1, 0},
        {"-0-1-1-1", 0, 1, 1, 1, 0},
        // Calendar ranges belong to the conversions: the reader takes any 32-bit numbers.
        {"0-0-0-0", 0, 0, 0, 0, 0},
        {"79-61-13-31", 79, 61, 13, 31, 0},
        {"2147483647-1-1-1", INT32_MAX, 1, 1, 1, 0},
        {"-2147483648-1-1-1", INT32_MIN, 1, 1, 1, 0},
        {"1-2147483647-2147483647*-2147483647", 1, INT32_MAX, INT32_MAX, INT32_MAX, 1},
        {"00000000000000000000079-30-01-01", 79, 30, 1, 1, 0},
    };
    for (const CHLCase& c : cases) {
        CHLDate rec = MarkedCHL();
        EXPECT_EQ(chl_datestr_to_chldate(c.text.c_str(), &rec), 0) << Shown(c.text);
        ASSERT_EQ(rec.valid, 1) << Shown(c.text) << " should read as a CHL date";
        EXPECT_EQ(rec.cycle, c.cycle) << Shown(c.text);
        EXPECT_EQ(rec.position, c.position) << Shown(c.text);
        EXPECT_EQ(rec.month, c.month) << Shown(c.text);
        EXPECT_EQ(rec.day, c.day) << Shown(c.text);
        EXPECT_EQ(rec.leap, c.leap) << Shown(c.text);
        // Epoch and day number belong to the conversion and stay as they were.
        EXPECT_EQ(rec.epoch, -2696) << Shown(c.text);
        EXPECT_EQ(rec.jdn, 123456) << Shown(c.text);
        EXPECT_EQ(rec.reserved1, 77) << Shown(c.text);
        EXPECT_EQ(rec.reserved2, 88) << Shown(c.text);
    }
}

TEST(CHLReader, QuestionMarkPositionTakesTheYearOfTheNamedElementAnimal)
{
    // Date entry appends " element-animal" to a date whose position is "?".
    const std::vector<CHLCase> cases = {
        {"70-?-12-30 wood-rat", 70, 1, 12, 30, 0},
        {"70-?-12-30 earth-rat", 70, 25, 12, 30, 0},
        {"70-?-12-30 water-pig", 70, 60, 12, 30, 0},
        {"70-?-12-30 water-boar", 70, 60, 12, 30, 0}, // Japan's name
        {"70-?-12-30 fire-rabbit", 70, 4, 12, 30, 0},
        {"70-?-12-30 fire-cat", 70, 4, 12, 30, 0},    // Vietnam's names
        {"70-?-12-30 metal-goat", 70, 8, 12, 30, 0},
        {"70-?-12-30 metal-sheep", 70, 8, 12, 30, 0},
        {"70-?-12-30 EARTH-HORSE", 70, 55, 12, 30, 0},
        {"70-?-3*-1 wood-ox", 70, 2, 3, 1, 1},
        {"70 - ? - 12 - 30   earth-rat CHL 12:00", 70, 25, 12, 30, 0},
        {"-1-?-1-1 water-pig", -1, 60, 1, 1, 0},
    };
    for (const CHLCase& c : cases) {
        CHLDate rec = MarkedCHL();
        chl_datestr_to_chldate(c.text.c_str(), &rec);
        ASSERT_EQ(rec.valid, 1) << Shown(c.text) << " should read as a CHL date";
        EXPECT_EQ(rec.cycle, c.cycle) << Shown(c.text);
        EXPECT_EQ(rec.position, c.position) << Shown(c.text);
        EXPECT_EQ(rec.month, c.month) << Shown(c.text);
        EXPECT_EQ(rec.day, c.day) << Shown(c.text);
        EXPECT_EQ(rec.leap, c.leap) << Shown(c.text);
    }
}

TEST(CHLReader, RefusesTextsThatAreNotCHLDatesAndLeavesTheFieldsAlone)
{
    const std::vector<std::string> texts = {
        "", " ", "-", "--", "*", "?", "79", "79-", "79-30", "79-30-01", "79-30-01-",
        "79-30-01- ", "4709-1-1",
        // a fifth field, with or without blanks
        "79-30-01-01-01", "79-30-01-01 - 01", "79-30-01-01 -", "79-30-01-01\t-5",
        // something other than a blank right after the day
        "79-30-01-01CHL", "79-30-01-01*", "79-30-01-01,", "79-30-01-01:00", "79-30-01-01\x01",
        "79-30-01-01?",
        // misplaced or doubled leap marks
        "79-30-*-01", "79-30-01**-01", "79-30-01 *-01", "79-30*-01-01", "79*-30-01-01",
        "79-30-01-*01",
        // letters, other separators, signs
        "a79-30-01-01", "79-3a-01-01", "79-30-x-01", "79-30-01-0x", "CHL 79-30-01-01",
        "79.30.01.01", "79/30/01/01", "79_30_01_01", "+79-30-01-01", "- 79-30-01-01",
        "79--30-01-01", "79-30--1-01", "79-30-01--1", "79-+30-01-01", "79-30-01-+1",
        // numbers that do not fit 32 bits are refused, never wrapped
        "99999999999-1-1-1", "2147483648-1-1-1", "-2147483649-1-1-1", "79-30-1-2147483648",
        "79-4294967297-1-1", "79-30-4294967296-1", "79-30-1-99999999999999999999999999",
        // "?" only for the position, and only with a known element-animal after the date
        "79-?-01-01", "79-?-01-01 ", "79-?-01-01 -", "79-?-01-01 earth-", "79-?-01-01 -rat",
        "79-?-01-01 earth-unicorn", "79-?-01-01 earthrat", "79-?-01-01 earth--rat",
        "79-?-01-01 CHL earth-rat", "79-?-01-01 earth-rat,", "79-?-01-01earth-rat",
        "79-?\?-01-01 earth-rat", "79-?1-01-01 earth-rat", "?-30-01-01", "79-30-?-01",
        "79-30-01-? earth-rat", "79-?-?-01 wood-rat",
    };
    for (const std::string& text : texts) {
        CHLDate rec = MarkedCHL();
        EXPECT_EQ(chl_datestr_to_chldate(text.c_str(), &rec), 0) << Shown(text);
        EXPECT_EQ(rec.valid, 0) << Shown(text) << " must not read as a CHL date";
        EXPECT_EQ(rec.cycle, 11) << Shown(text);
        EXPECT_EQ(rec.position, 22) << Shown(text);
        EXPECT_EQ(rec.month, 33) << Shown(text);
        EXPECT_EQ(rec.day, 44) << Shown(text);
        EXPECT_EQ(rec.leap, 7) << Shown(text);
        EXPECT_EQ(rec.jdn, 123456) << Shown(text);
        EXPECT_EQ(rec.epoch, -2696) << Shown(text);
    }
}

TEST(CHSReader, ReadsTheDateFormsAndRefusesALeapMark)
{
    const std::vector<CHSCase> good = {
        {"2-01-01-01", 2, 1, 1, 1},
        {"2-01-01-01 CHS (Z11)", 2, 1, 1, 1},
        {"79-30-24-16 CHS 20:00 CCT", 79, 30, 24, 16},
        {" 79 - 30 - 3 - 5", 79, 30, 3, 5},
        {"-5-1-1-1", -5, 1, 1, 1},
        {"79-99-99-99", 79, 99, 99, 99},
        {"79-?-1-1 metal-dog", 79, 47, 1, 1},
    };
    for (const CHSCase& c : good) {
        CHSDate rec = MarkedCHS();
        EXPECT_EQ(chs_datestr_to_chsdate(c.text.c_str(), &rec), 0) << Shown(c.text);
        ASSERT_EQ(rec.valid, 1) << Shown(c.text) << " should read as a CHS date";
        EXPECT_EQ(rec.cycle, c.cycle) << Shown(c.text);
        EXPECT_EQ(rec.position, c.position) << Shown(c.text);
        EXPECT_EQ(rec.term, c.term) << Shown(c.text);
        EXPECT_EQ(rec.day, c.day) << Shown(c.text);
        EXPECT_EQ(rec.epoch, -2636) << Shown(c.text);
        EXPECT_EQ(rec.jdn, 123456) << Shown(c.text);
    }
    const std::vector<std::string> bad = {
        "", "-", "2-01-01", "2-01-01-01-01", "2-01-1*-01", "2-01-01-01CHS", "2-01-01-01*",
        "99999999999-1-1-1", "2-01-01-2147483648", "2-?-01-01", "2-?-01-01 -", "x-01-01-01",
    };
    for (const std::string& text : bad) {
        CHSDate rec = MarkedCHS();
        EXPECT_EQ(chs_datestr_to_chsdate(text.c_str(), &rec), 0) << Shown(text);
        EXPECT_EQ(rec.valid, 0) << Shown(text) << " must not read as a CHS date";
        EXPECT_EQ(rec.cycle, 11) << Shown(text);
        EXPECT_EQ(rec.position, 22) << Shown(text);
        EXPECT_EQ(rec.term, 33) << Shown(text);
        EXPECT_EQ(rec.day, 44) << Shown(text);
    }
}

TEST(ChineseReaders, NullTextOrRecordIsHarmless)
{
    CHLDate chl = MarkedCHL();
    EXPECT_EQ(chl_datestr_to_chldate(nullptr, &chl), 0);
    EXPECT_EQ(chl.valid, 0) << "a null text is no date";
    EXPECT_EQ(chl.cycle, 11);
    EXPECT_EQ(chl_datestr_to_chldate("79-30-01-01", nullptr), 0);
    EXPECT_EQ(chl_datestr_to_chldate(nullptr, nullptr), 0);

    CHSDate chs = MarkedCHS();
    EXPECT_EQ(chs_datestr_to_chsdate(nullptr, &chs), 0);
    EXPECT_EQ(chs.valid, 0) << "a null text is no date";
    EXPECT_EQ(chs.cycle, 11);
    EXPECT_EQ(chs_datestr_to_chsdate("2-01-01-01", nullptr), 0);
    EXPECT_EQ(chs_datestr_to_chsdate(nullptr, nullptr), 0);
}

TEST(ChineseReaders, ParseFunctionsReadACopyOfExactlyTheGivenText)
{
    const std::optional<ChineseLunarDate> chl = ParseCHLDateStr("79-30-01-01 CHL 20:00 CCT");
    ASSERT_TRUE(chl);
    EXPECT_EQ(chl->position, 30);

    // A view into a longer buffer: the reader must not see the characters beyond it.
    const std::string longer = "79-30-01-01-05";
    EXPECT_TRUE(ParseCHLDateStr(std::string_view(longer).substr(0, 11)))
        << "the first 11 characters of " << Shown(longer) << " are a date";
    EXPECT_FALSE(ParseCHLDateStr(longer)) << Shown(longer);

    // A zero character must not hide what follows it.
    const std::string withZero("79-30-01-01\0-05", 15);
    EXPECT_FALSE(ParseCHLDateStr(withZero)) << Shown(withZero);

    EXPECT_FALSE(ParseCHLDateStr(""));
    EXPECT_FALSE(ParseCHLDateStr("70-?-12-30 ")) << "blank element-animal lists";

    const std::optional<ChineseSolarDate> chs = ParseCHSDateStr("2-01-01-01 CHS (Z11) 20:00");
    ASSERT_TRUE(chs);
    EXPECT_EQ(chs->term, 1);
    EXPECT_FALSE(ParseCHSDateStr(std::string("2-01-01-01\0-1", 13)));
    EXPECT_FALSE(ParseCHSDateStr("2-01-1*-01"));
}

TEST(ChineseReaders, RandomTextsNeverMisbehave)
{
    // Half the texts are well-formed dates with a few random edits, half are runs of the form's
    // characters, words and arbitrary bytes. Every answer is 0, valid is 0 or 1, and an accepted
    // date reads the same when written out again.
    std::mt19937 rng(20240611u);
    const std::string alphabet = "0123456789--- *?\t";
    const std::vector<std::string> words = {"CHL", "CHS", "earth-rat", "wood-", "-", "99999999999",
                                            "2147483648", "*", " ", "?", "water-boar", "20:00"};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> number(-100, 3000000);
    std::uniform_int_distribution<int> edits(0, 3);
    std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<size_t> word(0, words.size() - 1);

    const auto field = [&] {
        const int k = pick(rng);
        if (k < 60)
            return std::to_string(pick(rng));
        if (k < 90)
            return std::to_string(number(rng));
        return words[word(rng)];
    };
    const auto blanks = [&] { return pick(rng) < 80 ? std::string() : std::string(" "); };

    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        if (i % 2 == 0) {
            const bool byName = pick(rng) < 10;
            text = blanks() + field() + blanks() + "-" + blanks() + (byName ? "?" : field()) +
                   blanks() + "-" + blanks() + field() + (pick(rng) < 20 ? "*" : "") + blanks() +
                   "-" + blanks() + field();
            if (byName || pick(rng) < 30)
                text += " " + words[word(rng)];
            for (int e = edits(rng); e > 0 && !text.empty(); --e) {
                std::uniform_int_distribution<size_t> at(0, text.size() - 1);
                const size_t where = at(rng);
                const int kind = pick(rng);
                if (kind < 33)
                    text[where] = static_cast<char>(byte(rng));
                else if (kind < 66)
                    text.erase(where, 1);
                else
                    text.insert(where, 1, alphabet[letter(rng)]);
            }
        } else {
            const int n = length(rng);
            while (static_cast<int>(text.size()) < n) {
                const int k = pick(rng);
                if (k < 75)
                    text += alphabet[letter(rng)];
                else if (k < 90)
                    text += words[word(rng)];
                else
                    text += static_cast<char>(byte(rng));
            }
        }
        CHLDate chl = MarkedCHL();
        ASSERT_EQ(chl_datestr_to_chldate(text.c_str(), &chl), 0) << Shown(text);
        ASSERT_TRUE(chl.valid == 0 || chl.valid == 1) << Shown(text) << " valid " << chl.valid;
        CHSDate chs = MarkedCHS();
        ASSERT_EQ(chs_datestr_to_chsdate(text.c_str(), &chs), 0) << Shown(text);
        ASSERT_TRUE(chs.valid == 0 || chs.valid == 1) << Shown(text) << " valid " << chs.valid;
        if (chl.valid == 1) {
            ++accepted;
            ASSERT_TRUE(chl.leap == 0 || chl.leap == 1) << Shown(text);
            const std::string again = std::to_string(chl.cycle) + "-" + std::to_string(chl.position) +
                                      "-" + std::to_string(chl.month) + (chl.leap ? "*" : "") + "-" +
                                      std::to_string(chl.day);
            CHLDate back;
            chl_datestr_to_chldate(again.c_str(), &back);
            ASSERT_EQ(back.valid, 1) << Shown(text) << " written out as " << again;
            ASSERT_EQ(back.cycle, chl.cycle) << Shown(text);
            ASSERT_EQ(back.position, chl.position) << Shown(text);
            ASSERT_EQ(back.month, chl.month) << Shown(text);
            ASSERT_EQ(back.day, chl.day) << Shown(text);
            ASSERT_EQ(back.leap, chl.leap) << Shown(text);
        } else {
            ASSERT_EQ(chl.cycle, 11) << Shown(text) << " refused but the record was changed";
            ASSERT_EQ(chl.day, 44) << Shown(text) << " refused but the record was changed";
        }
        // The CHS form is the CHL form without the leap mark.
        if (chs.valid == 1) {
            ASSERT_EQ(chl.valid, 1) << Shown(text) << " is a CHS date but no CHL date";
            ASSERT_EQ(chl.leap, 0) << Shown(text);
            ASSERT_EQ(chs.cycle, chl.cycle) << Shown(text);
            ASSERT_EQ(chs.position, chl.position) << Shown(text);
            ASSERT_EQ(chs.term, chl.month) << Shown(text);
            ASSERT_EQ(chs.day, chl.day) << Shown(text);
        }
    }
    // The generator must reach the accepting paths often, or the loop proves little.
    EXPECT_GT(accepted, 20000) << "random texts accepted as CHL dates";
}

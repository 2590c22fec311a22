// Numbers in display texts and in the state file keep "." as the decimal point under a locale
// that writes "," (a desktop session in Germany, say): the window adopts the user's locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "calendar/western/DatePr2.h"
#include "calendar/astro/MoonData.h"
#include "calendar/state/SavedState.h"

using namespace orlun;

namespace {

// Switches LC_NUMERIC to a German locale for the test's life, compiling one into a temporary
// folder when the system has none; false when neither works.
class GermanNumbers {
public:
    GermanNumbers()
    {
        previous_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_NUMERIC, name)) return;
        const std::filesystem::path dir =
            std::filesystem::temp_directory_path() / "orlun-test-locales";
        std::filesystem::create_directories(dir);
        const std::string command = "localedef -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() +
                                    "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir / "de_DE.UTF-8")) return;
        setenv("LOCPATH", dir.c_str(), 1);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    ~GermanNumbers() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    bool Active() const { return std::string(std::localeconv()->decimal_point) == ","; }

private:
    std::string previous_;
};

} // namespace

TEST(NumbersUnderACommaLocale, DayCountsPercentagesAndTheStateFileKeepThePoint)
{
    GermanNumbers german;
    if (!german.Active()) GTEST_SKIP() << "no locale with a decimal comma could be set up";
    EXPECT_EQ(DayCountText(2455900.92), "2,455,900.9200");
    EXPECT_EQ(PhaseOfMoonText(0.123, true), "Crescent moon (waxing), 12.3%");
    SavedState s;
    s.currentAJD = Moment(2455900.921875); // 59/64 of a day: exact in binary
    const std::string text = FormatSavedState(s);
    EXPECT_EQ(text.substr(0, text.find('\r')), "2455900.921875");
    const auto back = ParseSavedState(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->currentAJD, s.currentAJD);
}

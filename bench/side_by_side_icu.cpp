// Day -> Chinese lunar date for every civil day 1901-02-19 .. 2100-12-31 at 120 E, through Orlun
// and through ICU's Chinese calendar, in a fixed shuffled order and in ascending order, each twice
// (cold pass, warm pass). Prints conversions per second and the ratio Orlun / ICU.
//
// The shuffled cold pass is the first conversion work of this fresh process for both calendars:
// Orlun's cold passes read the sky table compiled into the program. A last shuffled cold pass
// without the sky table (each year computed from the engine, as the program did before the table
// existed) is printed beside it.
//
// With --whole-range it then converts every day of -3000..3000 and prints the cache's memory.
//
// The shuffled order runs first so that its cold pass meets both calendars fresh. Orlun's cache
// is cleared before each order; ICU keeps its own process-wide caches.
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "calendar/chinese/CalendarCache.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/Limits.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

constexpr int kLongitude = 120;
constexpr double kUnixEpochJDN = 2440588.0; // 1970-01-01
constexpr double kMsPerDay = 86400000.0;
double icuFirstPass = 0.0; // ICU's cold shuffled rate, the first pass of the process

struct Answer {
    int32_t month = 0;
    int32_t leap = 0;
    int32_t day = 0;
};

template <class Convert>
double Rate(const std::vector<int32_t>& days, std::vector<Answer>& out, Convert&& convert)
{
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < days.size(); ++i)
        out[i] = convert(days[i]);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return static_cast<double>(days.size()) / took.count();
}

Answer Orlun(int32_t day)
{
    const ChineseLunarDate chl =
        LunarDateOfDay(DayNumber(day), kEpochHuangdi, Meridian(kLongitude)).value_or(ChineseLunarDate{});
    return {chl.month.number, chl.month.leap ? 1 : 0, chl.day};
}

class Icu {
public:
    Icu()
    {
        UErrorCode status = U_ZERO_ERROR;
        calendar_.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                      icu::Locale("en@calendar=chinese"), status));
        if (U_FAILURE(status))
            calendar_.reset();
    }
    bool Ok() const { return calendar_ != nullptr; }
    Answer operator()(int32_t day)
    {
        UErrorCode status = U_ZERO_ERROR;
        calendar_->setTime((day - kUnixEpochJDN + 0.5) * kMsPerDay, status); // noon UTC
        (void)calendar_->get(UCAL_EXTENDED_YEAR, status);
        Answer a;
        a.month = calendar_->get(UCAL_MONTH, status) + 1;
        a.leap = calendar_->get(UCAL_IS_LEAP_MONTH, status);
        a.day = calendar_->get(UCAL_DATE, status);
        return a;
    }

private:
    std::unique_ptr<icu::Calendar> calendar_;
};

void RunOrder(const char* name, const std::vector<int32_t>& days, Icu& icu, bool firstInProcess)
{
    TheCalendarCache().Clear();
    std::vector<Answer> ours(days.size()), theirs(days.size());
    for (const char* pass : {firstInProcess ? "cold (first pass in this fresh process)" : "cold", "warm"}) {
        const double orlun = Rate(days, ours, Orlun);
        const double reference = Rate(days, theirs, icu);
        std::printf("%-9s %-4s  Orlun %12.0f/s   ICU %10.0f/s   Orlun/ICU %8.1f\n", name, pass, orlun, reference,
                    orlun / reference);
        if (firstInProcess && icuFirstPass == 0.0)
            icuFirstPass = reference;
    }
    size_t agree = 0;
    for (size_t i = 0; i < days.size(); ++i)
        agree += (ours[i].month == theirs[i].month && ours[i].leap == theirs[i].leap && ours[i].day == theirs[i].day);
    std::printf("%-9s the same month, leap flag and day on %zu of %zu days\n", name, agree, days.size());
}

// The shuffled cold pass again with the engine in place of the sky table; checks that it gives the
// same answers.
void WithoutSkyTable(const std::vector<int32_t>& days)
{
    std::vector<Answer> withTable(days.size()), withEngine(days.size());
    TheCalendarCache().Clear();
    const double table = Rate(days, withTable, Orlun);
    TheCalendarCache().Clear();
    TheCalendarCache().SetSkyTableUsed(false);
    const double engine = Rate(days, withEngine, Orlun);
    TheCalendarCache().SetSkyTableUsed(true);
    size_t same = 0;
    for (size_t i = 0; i < days.size(); ++i)
        same += (withTable[i].month == withEngine[i].month && withTable[i].leap == withEngine[i].leap &&
                 withTable[i].day == withEngine[i].day);
    std::printf("shuffled  cold  sky table %12.0f/s   engine only (as before the table) %10.0f/s   = %.1fx; "
                "ICU's first pass %.0f/s: %.1fx and %.1fx; same answers on %zu of %zu days\n",
                table, engine, table / engine, icuFirstPass, table / icuFirstPass, engine / icuFirstPass, same,
                days.size());
}

} // namespace

// Every supported day at one longitude: the most the cache holds for it.
void WholeRange()
{
    TheCalendarCache().Clear();
    const auto start = std::chrono::steady_clock::now();
    for (int32_t d = kMinJDN; d <= kMaxJDN; ++d)
        (void)Orlun(d);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("every day of -3000..3000 at %d E: %.1f s, calendar cache %.1f MB\n", kLongitude, took.count(),
                TheCalendarCache().MemoryBytes() / 1048576.0);
}

int main(int argc, char** argv)
{
    Icu icu;
    if (!icu.Ok()) {
        std::fprintf(stderr, "ICU has no Chinese calendar here\n");
        return 1;
    }
    std::vector<int32_t> ascending;
    for (int32_t d = GregorianJDN(1901, 2, 19).value(); d <= GregorianJDN(2100, 12, 31).value(); ++d)
        ascending.push_back(d);
    std::vector<int32_t> shuffled = ascending;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(20130210));

    std::printf("%zu days, 1901-02-19 .. 2100-12-31, day -> CHL at %d E\n", ascending.size(), kLongitude);
    RunOrder("shuffled", shuffled, icu, true);
    RunOrder("ascending", ascending, icu, false);
    WithoutSkyTable(shuffled);
    std::printf("calendar cache after both orders: %.1f MB\n", TheCalendarCache().MemoryBytes() / 1048576.0);
    if (argc > 1 && std::string(argv[1]) == "--whole-range")
        WholeRange();
    return 0;
}

// Solar terms between quarter points against JPL DE441 (ytliu0's table, dynamical time).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "engine/solev.h"
#include "refdata_tables.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;

struct De441Range {
    int firstYear;
    int lastYear;
    double toleranceSeconds;
};

// For each year and each quarter point (Z11 of the previous year, Z02, Z05, Z08) as t1, with the
// next quarter point as t2, the five crossings after t1 must be the table's next five terms.
TEST(SolarTermsAccuracy, AgreesWithDe441TermsFrom1600To3000)
{
    const auto table = refdata::ReadYtliu0Table();
    ASSERT_EQ(table.size(), 1901u) << "cannot read " << refdata::AstroPath("ytliu0_TDBtimes_1600-3500.txt");

    const De441Range ranges[] = {{1600, 2199, 1.0}, {2200, 3000, 10.0}};
    const int quarterColumns[] = {0, 6, 12, 18}; // Z11a, Z02, Z05, Z08
    for (const auto& range : ranges) {
        int checked = 0;
        int failures = 0;
        double worst = 0.0;
        int worstYear = 0;
        int worstColumn = 0;
        for (const auto& row : table) {
            if (row.year < range.firstYear || row.year > range.lastYear)
                continue;
            for (const int q : quarterColumns) {
                const double t1 = row.TermTd(q);
                const double t2 = row.TermTd(q + 6);
                double six[6] = {};
                ASSERT_EQ(solar_terms_true_sun(t1, t2, six), 0) << "year " << row.year << " t1 " << t1;
                EXPECT_EQ(six[0], t1);
                for (int j = 1; j < 6; ++j) {
                    const double expected = row.TermTd(q + j);
                    const double diff = (six[j] - expected) * kSecondsPerDay;
                    ++checked;
                    if (std::fabs(diff) > std::fabs(worst)) {
                        worst = diff;
                        worstYear = row.year;
                        worstColumn = q + j;
                    }
                    if (!(std::fabs(diff) <= range.toleranceSeconds) && ++failures <= 10) {
                        ADD_FAILURE() << "year " << row.year << ", t1 = " << std::fixed << t1
                                      << ": term " << j << " at " << six[j] << " JDE, DE441 gives "
                                      << expected << ": " << diff << " s apart, allowed "
                                      << range.toleranceSeconds << " s";
                    }
                }
            }
        }
        EXPECT_EQ(failures, 0) << failures << " of " << checked << " terms of " << range.firstYear
                               << ".." << range.lastYear << " out of tolerance";
        std::printf("DE441 solar terms %d..%d: %d checked, largest difference %+.3f s (year %d, column %d)\n",
                    range.firstYear, range.lastYear, checked, worst, worstYear, worstColumn);
    }
}

} // namespace

// Every search started on the first or the last admissible day ends, in both directions: with a
// moment inside the range, or with a message that says why not.
#include <gtest/gtest.h>

#include "calendar/core/Limits.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/MultipleSearch.h"

namespace orlun {
namespace {

struct Edge {
    const char* name;
    double ajd;
    bool next;
};
const Edge kEdges[] = {
    {"first day, previous", kMinAJD, false},
    {"first day, next", kMinAJD, true},
    {"last day, next", kMaxAJD, true},
    {"last day, previous", kMaxAJD, false},
};

TEST(SearchRangeEdges, EveryTargetEndsInsideTheRangeOrSaysWhy)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    for (const Edge& e : kEdges) {
        for (int t = 0; t < kSearchTargetCount; ++t) {
            SearchInputs in;
            in.target = SearchTargetRows()[t].target;
            if (UsesMultipleWindow(in.target)) continue;
            in.next = e.next;
            in.choice = {0, 0}; // wood and rat, for the element-animal targets
            const MomentOutcome r = RunSearch(Moment(e.ajd), in, china);
            const std::string what = std::string(e.name) + ", " + std::string(SearchTargetText(in.target));
            if (r.ok()) {
                EXPECT_GE(r->moment.ajd(), kMinAJD) << what;
                EXPECT_LE(r->moment.ajd(), kMaxAJD + 1) << what;
                EXPECT_EQ(r->moment.ajd() > e.ajd, e.next) << what << ": found in the wrong direction";
            } else {
                EXPECT_FALSE(r.refusal().text.empty()) << what;
            }
        }
    }
}

TEST(SearchRangeEdges, TheMultipleSearchStopsAtTheRange)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    MultipleCriteria wood;
    wood[MultipleRow::Year] = {0, kNoAnimalItem};
    for (const Edge& e : kEdges) {
        const auto a = static_cast<int32_t>(e.ajd);
        const DayNumber limit = MultipleSearchLimit(DayNumber(a), e.next, 1000, china);
        EXPECT_GE(limit, kFirstSupportedDay) << e.name;
        EXPECT_LE(limit, kLastSupportedDay) << e.name;
        const MultipleResult r = MultipleElementAnimalSearch(wood, DayNumber(a), e.next, limit, china);
        if (r.status == MultipleStatus::Found) {
            EXPECT_GE(r.day, kFirstSupportedDay) << e.name;
            EXPECT_LE(r.day, kLastSupportedDay) << e.name;
        }
    }
}

} // namespace
} // namespace orlun

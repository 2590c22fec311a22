// The country table of the test builds: the program's rows and one more, linked in place of
// calendar/core/CountryTable.cpp to show that a new country is one row.
#include <algorithm>

#include "calendar/core/CountryRows.h"
#include "countries/TestCountry.h"

namespace orlun {

namespace {

constexpr auto kRowsWithKorea = [] {
    std::array<CountryProfile, kCountryRows.size() + 1> rows{};
    std::copy(kCountryRows.begin(), kCountryRows.end(), rows.begin());
    rows.back() = test::kKoreaRow;
    return rows;
}();

static_assert(RowsInListOrder(kRowsWithKorea));

} // namespace

std::span<const CountryProfile> CountryProfiles() { return kRowsWithKorea; }

} // namespace orlun

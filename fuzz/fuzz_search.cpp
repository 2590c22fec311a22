// One search of the Search panel from any moment, for any target, direction and element-animal
// choice: it finds a moment inside the admissible range or refuses with a message, and always ends.
// The targets of the multiple element-animal window run that search over a year or ten.
#include "FuzzCountry.h"
#include "FuzzInput.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/MultipleSearch.h"

using namespace orlun;

namespace {

ElementAnimalChoice AnyChoice(fuzz::FuzzInput& in)
{
    ElementAnimalChoice c;
    // Any list item, the empty "any" items included.
    c.element = in.Choice(kElementCount + 1) == kElementCount ? kNoElementItem : in.Choice(kElementCount);
    c.animal = in.Choice(kAnimalCount + 1) == kAnimalCount ? kNoAnimalItem : in.Choice(kAnimalCount);
    return c;
}

void MultipleSearchOf(fuzz::FuzzInput& in, const CalendarSettings& settings)
{
    MultipleCriteria criteria;
    for (ElementAnimalChoice& row : criteria.rows) row = AnyChoice(in);
    const bool next = in.Flag();
    const int years = in.Flag() ? 1 : 10;
    const DayNumber a(static_cast<int32_t>(in.Within(kMinJDN, kMaxJDN)));
    const DayNumber limit = MultipleSearchLimit(a, next, years, settings);
    if (limit < kFirstSupportedDay || limit > kLastSupportedDay) fuzz::Broken("a search limit outside the range");
    const MultipleResult r = MultipleElementAnimalSearch(criteria, a, next, limit, settings);
    if (r.status == MultipleStatus::Found && (r.day < kFirstSupportedDay || r.day > kLastSupportedDay))
        fuzz::Broken("a multiple search result outside the range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    CalendarSettings settings = SettingsForCountry(fuzz::AnyCountry(in));
    settings.epoch = in.Flag() ? kEpochHuangdi : kEpochAlternative;
    SearchInputs inputs;
    inputs.target = SearchTargetRows()[in.Choice(kSearchTargetCount)].target;
    if (UsesMultipleWindow(inputs.target)) {
        MultipleSearchOf(in, settings);
        return 0;
    }
    inputs.next = in.Flag();
    inputs.keep30 = in.Flag();
    inputs.choice = AnyChoice(in);
    // Mostly moments near either end of the range and anywhere inside it; now and then any double.
    const Moment ajd{in.Flag() ? in.AnyDouble() : in.Within(kMinAJD - 400, kMaxAJD + 400)};
    const MomentOutcome r = RunSearch(ajd, inputs, settings);
    if (r.ok() && !(r->moment >= kEarliestMoment && r->moment <= kLatestMoment + 1)) fuzz::Broken("a search result outside the range");
    if (!r.ok() && r.refusal().text.empty()) fuzz::Broken("a refusal without a message");
    return 0;
}

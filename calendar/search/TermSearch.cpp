#include "calendar/search/TermSearch.h"

#include <optional>

#include "calendar/astro/syzyg.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CycleCounts.h"
#include "calendar/core/MoonPhases.h"
#include "calendar/core/TimeScales.h"
#include "calendar/entry/DateEntryMessages.h"

namespace orlun {

namespace {

constexpr int kLastStartIndex = 72;
// Progress: a dot every 16th candidate, up to a label of 60 characters.
constexpr int kDotEvery = 16;
constexpr std::size_t kMaxLabel = 60;

// A dark or full moon on the first day of a wanted term.
bool AcceptsTerm(TermPattern wanted, const std::optional<ChineseSolarDate>& solar)
{
    return solar && solar->day == 1 && wanted.Matches(solar->term - 1); // term 1 is the winter solstice
}

} // namespace

MomentOutcome TermSearch(TermPattern wanted, Moment ajd, bool next, Meridian reference)
{
    const LocalTime start = AJDToCJDC(ajd, reference);
    const SolarTermTable table = SolarTermsOf(start, TermMethod::TrueSun);
    // Compared as local times on the one meridian: their counts, exactly.
    const double T = start.cjd();
    if (!IsValid(table)) return RangeRefusal(next);
    int i = -1;
    if (next) {
        for (int j = 0; j <= kLastStartIndex && i < 0; ++j)
            if (table.TermMoment[j].cjd() > T) i = j;
    } else {
        for (int j = kLastStartIndex; j >= 0 && i < 0; --j)
            if (table.TermMoment[j].cjd() < T) i = j;
    }
    if (i < 0) return RangeRefusal(next);
    // T lies inside the table's middle year, so the wanted term is never beyond its ends.
    while (!wanted.Matches(i % kTermsPerYear)) i += next ? 1 : -1;
    return FoundAt(CJDCToAJD(table.TermMoment[i]));
}

MomentOutcome CoincidenceSearch(TermPattern wanted, int p, Moment ajd, bool next,
                                const CalendarSettings& settings, const SearchProgress& progress)
{
    auto n = GetLunation(ajd);
    if (!n) return RangeRefusal(next);
    ProgressDots dots(progress, ". ", kMaxLabel);
    const PhaseLookup last = GetPhase(*n, ajd);
    const auto* in = std::get_if<PhaseInLunation>(&last);
    // A moment outside its own lunation (never met) counts as before every phase.
    const int k = in ? in->phase : -1;
    const bool exact = in && in->exact;
    // The first candidate is the first phase p after (before) the start; then lunation by lunation.
    int32_t lunation = *n;
    if (next && k >= p) ++lunation;
    if (!next && (k < p || (k == p && exact))) --lunation;
    for (int count = 1; count <= kMaxCoincidenceCandidates; ++count) {
        if (count % kDotEvery == 0) dots.Add();
        const Moment candidate = GetPhaseTimeUT(lunation, p);
        if (CheckDateRange(candidate) != RangeCheck::InRange) return WithinRange(FoundAt(candidate));
        const auto dates = CJDateToChDates(AJDToCJDC(candidate, settings.meridian), settings.epoch);
        if (dates && AcceptsTerm(wanted, dates->solar)) return FoundAt(candidate);
        lunation += next ? 1 : -1;
    }
    return Refused(kFailedTitle, kCoincidenceFailure, MessageIcon::None);
}

} // namespace orlun

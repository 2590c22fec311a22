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

// Table offsets within a solar year of the quarter terms; -1 stands for any of the four.
int QuarterOffset(SearchTarget target)
{
    switch (target) {
    case SearchTarget::WinterSolstice: return 0;
    case SearchTarget::VernalEquinox: return 6;
    case SearchTarget::SummerSolstice: return 12;
    case SearchTarget::AutumnalEquinox: return 18;
    default: return -1;
    }
}

bool IsWanted(SearchTarget target, int index)
{
    if (target == SearchTarget::SolarTerm) return true;
    const int offset = QuarterOffset(target);
    const int m = index % kTermsPerYear;
    return offset < 0 ? m % 6 == 0 : m == offset;
}

bool AcceptsTerm(SearchTarget target, const std::optional<ChineseSolarDate>& solar)
{
    if (!solar || solar->day != 1) return false;
    const ChineseSolarDate& chs = *solar;
    switch (target) {
    case SearchTarget::SolarTermDarkMoon:
    case SearchTarget::SolarTermFullMoon: return true;
    case SearchTarget::WinterSolsticeDarkMoon: return chs.term == 1;
    default: return (chs.term + 5) % 6 == 0; // terms 1, 7, 13, 19
    }
}

int PhaseOf(SearchTarget target)
{
    return target == SearchTarget::SolarTermFullMoon || target == SearchTarget::SolsticeEquinoxFullMoon
               ? kPhaseFull
               : kPhaseDark;
}

} // namespace

SearchOutcome TermSearch(SearchTarget target, double ajd, bool next, int refLongitude)
{
    const double T = AJDToCJDC(ajd, refLongitude);
    const SolarTermTable table = SolarTermsOf(T, TermMethod::TrueSun, refLongitude);
    if (!IsValid(table)) return RangeRefusal(next);
    int i = -1;
    if (next) {
        for (int j = 0; j <= kLastStartIndex && i < 0; ++j)
            if (table.TermMoment[j] > T) i = j;
    } else {
        for (int j = kLastStartIndex; j >= 0 && i < 0; --j)
            if (table.TermMoment[j] < T) i = j;
    }
    if (i < 0) return RangeRefusal(next);
    // T lies inside the table's middle year, so the wanted term is never beyond its ends.
    while (!IsWanted(target, i)) i += next ? 1 : -1;
    return FoundAt(CJDCToAJD(table.TermMoment[i], refLongitude));
}

SearchOutcome CoincidenceSearch(SearchTarget target, double ajd, bool next, const CalendarSettings& settings,
                                const SearchProgress& progress)
{
    const int p = PhaseOf(target);
    auto n = GetLunation(Moment(ajd));
    if (!n) return RangeRefusal(next);
    ProgressDots dots(progress, ". ", kMaxLabel);
    bool exact = false;
    const int k = GetPhase(*n, Moment(ajd), exact);
    // The first candidate is the first phase p after (before) the start; then lunation by lunation.
    int32_t lunation = *n;
    if (next && k >= p) ++lunation;
    if (!next && (k < p || (k == p && exact))) --lunation;
    for (int count = 1; count <= kMaxCoincidenceCandidates; ++count) {
        if (count % kDotEvery == 0) dots.Add();
        const double candidate = GetPhaseTimeUT(lunation, p).ajd();
        if (CheckDateRange(candidate) != RangeCheck::InRange) return WithinRange(FoundAt(candidate));
        const auto dates = CJDateToChDates(
            Meridian(settings.refLongitude).At(AJDToCJDC(candidate, settings.refLongitude)), settings.epoch);
        if (dates && AcceptsTerm(target, dates->solar)) return FoundAt(candidate);
        lunation += next ? 1 : -1;
    }
    return Refused(kFailedTitle, kCoincidenceFailure, MessageIcon::None);
}

} // namespace orlun

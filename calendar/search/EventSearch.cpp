#include "calendar/search/EventSearch.h"

#include <cmath>

#include "calendar/core/Limits.h"
#include "calendar/core/MoonPhases.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

bool UsesMultipleWindow(SearchTarget target)
{
    const TargetKind kind = KindOf(target);
    return kind == TargetKind::SameDayAndMonth || kind == TargetKind::OwnWindow;
}

bool IsElementAnimalTarget(SearchTarget target) { return KindOf(target) == TargetKind::ElementAnimal; }

bool ClearsShowCJDs(SearchTarget target) { return KindOf(target) != TargetKind::Event; }

MomentOutcome RunSearch(Moment ajd, const SearchInputs& inputs, const CalendarSettings& settings,
                        const SearchProgress& progress)
{
    // No event can be found within the range from a moment far beyond it.
    constexpr double kFarBeyond = 36525; // a century of days
    if (!std::isfinite(ajd.ajd()) || ajd < kEarliestMoment - kFarBeyond || ajd > kLatestMoment + kFarBeyond)
        return RangeRefusal(inputs.next);
    const SearchTargetRow* row = FindSearchTargetRow(inputs.target);
    if (!row) return Refused(kSearchTitle, "Unknown search target.", MessageIcon::Warning);
    if (row->kind == TargetKind::ElementAnimal && !inputs.choice.Specified())
        return Refused(kErrorTitle, kNoElementAnimalChosen, MessageIcon::Warning);
    const DayNumber today = AJDToCJDC(ajd, settings.meridian).day();
    return WithinRange(row->search({ajd, today, inputs, settings, progress}));
}

std::string ElementAnimalTargetText(SearchTarget target, const ElementAnimalChoice& choice, Country country)
{
    const SearchTargetRow* row = FindSearchTargetRow(target);
    if (!row) return "";
    if (!choice.Specified() || row->unit.empty()) return std::string(row->text);
    return ChoiceText(choice, country) + " " + std::string(row->unit);
}

std::optional<SearchTarget> SearchTargetFromText(const std::string& text)
{
    for (const SearchTargetRow& row : SearchTargetRows())
        if (row.text == text) return row.target;
    return std::nullopt;
}

} // namespace orlun

// The date field as Convert reads it: any date, time and plus/minus text in any calendar and
// country, the Yes/No question answered either way. Every entry ends in a code from 0 to 16 and
// an accepted one in a finite moment inside the range.
#include "FuzzCountry.h"
#include "FuzzInput.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/entry/Convert.h"

using namespace orlun;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    CalendarSettings settings;
    settings.country = fuzz::AnyCountry(in);
    settings.epoch = in.Flag() ? kEpochHuangdi : kEpochAlternative;
    const bool yes = in.Flag();
    const bool plus = in.Flag();
    DateEntry entry;
    entry.currentCalendar = in.Choice(kCalendarRowCount + 1) - (in.Flag() ? 1 : 0);
    entry.zoneIndex = in.Choice(4) - 1;
    entry.element = in.Choice(7) - 1;
    entry.animal = in.Choice(14) - 1;
    const std::vector<std::string> fields = in.Fields('\n');
    entry.date = fields[0];
    if (fields.size() > 1) entry.time = fields[1];
    if (fields.size() > 2) entry.plusMinus = fields[2];
    if (fields.size() > 3) entry.currentDisplayed.date = fields[3];

    const ConvertResult r = ConvertEntry(entry, plus, Moment(2456334.0), settings,
                                         [yes](const std::string&) { return yes; });
    const int code = static_cast<int>(r.errorCode);
    if (code < 0 || code > kMaxDateEntryError) fuzz::Broken("error code outside 0..16");
    const bool moved = r.outcome == ConvertOutcome::Converted || r.outcome == ConvertOutcome::SameMinute;
    if (moved && CheckDateRange(r.ajd) != RangeCheck::InRange) fuzz::Broken("a moment outside the range");
    if (r.parsed && r.parse.errorCode == DateEntryError::None && !std::isfinite(r.parse.ajd.ajd()))
        fuzz::Broken("an accepted date without a finite moment");
    return 0;
}

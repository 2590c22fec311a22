// The CHL and CHS string readers, and the conversion of whatever they accept: a read date either
// converts to a day number or is refused with one of the documented codes.
#include "FuzzInput.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"

using namespace orlun;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    CalendarSettings settings;
    settings.epoch = in.Flag() ? kEpochHuangdi : kEpochAlternative;
    const std::string text = in.Rest();
    if (const auto chl = ParseCHLDateStr(text)) {
        // Conversions are asked only for years near the range; far cycles are refused early.
        const int code = static_cast<int>(ChLDateToJDN(*chl, settings).result);
        if (code > 0 || code < -5) fuzz::Broken("a CHL conversion code outside 0..-5");
    }
    if (const auto chs = ParseCHSDateStr(text)) {
        const auto day = ChSDateToJDN(*chs, settings);
        if (day && (day->value() < kMinJDN - kStructureMarginDays || day->value() > kMaxJDN + kStructureMarginDays))
            fuzz::Broken("a converted CHS date far outside the range");
    }
    return 0;
}

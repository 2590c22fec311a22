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
    CHLDate chl;
    if (ParseCHLDateStr(text, chl)) {
        // Conversions are asked only for years near the range; far cycles are refused early.
        const int code = static_cast<int>(ChLDateToJDN(chl, settings));
        if (code > 0 || code < -5) fuzz::Broken("a CHL conversion code outside 0..-5");
        if (code == 0 && chl.valid != 1) fuzz::Broken("a converted CHL date not marked valid");
    }
    CHSDate chs;
    if (ParseCHSDateStr(text, chs)) {
        if (ChSDateToJDN(chs, settings) && chs.valid != 1) fuzz::Broken("a converted CHS date not marked valid");
    }
    return 0;
}

// orlun-cli terms: the 79 solar terms of the table of one solar year.
#include <string>

#include "CliArgs.h"
#include "CliEvents.h"
#include "Commands.h"
#include "NativeRecords.h"
#include "calendar/western/DatePr2.h"
#include "calendar/core/Limits.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/astro/SolarTerms.h"
#include "calendar/core/TimeScales.h"

namespace orlun::cli {

namespace {

// The term's CJDC instant at the reference meridian, and its local date and time.
const Table kTermsTable{"terms", {{"index"}, {"code"}, {"moment"}, {"date"}, {"time", TextGap::Space}}};

Record TermRecord(const SolarTermTable& table, int i, Language language)
{
    const WesternDate day = GregorianDate(table.TermDay[i]);
    Record record{{int64_t{i}, SolarTermCodeOfIndex(i), Decimal{table.TermMoment[i].cjd(), 4}, DateText(day),
                   TimeText(table.TermMoment[i].fractionOfDay())}};
    AddNativeTerm(record, language, SolarTermNumberOfIndex(i));
    return record;
}

} // namespace

int RunTerms(const Options& options, Output& out)
{
    if (options.Positionals().size() != 1) throw UsageError{"terms needs YEAR"};
    const auto year = ParseInteger(options.Positionals()[0], kMinYear, kMaxYear);
    if (!year)
        throw UsageError{"YEAR must be a whole year from -3000 to 3000"};
    CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);

    // Midsummer lies inside solar year YEAR, which ends with the December solstice of YEAR.
    const SolarTermTable table =
        BuildSolarTerms(settings.meridian.NoonOf(GregorianJDN(static_cast<int32_t>(*year), 7, 1)), settings.method);
    if (!IsValid(table)) {
        out.Message("orlun-cli: no solar-term table for " + std::to_string(*year));
        return 1;
    }
    out.Begin(WithNativeFields(kTermsTable, language, kNativeTermFields));
    for (int i = 0; i < kTermTableSize; ++i) out.Write(TermRecord(table, i, language));
    return 0;
}

} // namespace orlun::cli

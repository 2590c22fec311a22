#include "NativeRecords.h"

#include "calendar/native/NativeDateText.h"
#include "days/NativeDayFields.h"

namespace orlun::cli {

Table WithNativeFields(Table table, Language language, std::initializer_list<const char*> fields)
{
    if (NativeOf(language))
        for (const char* field : fields) table.columns.push_back({field, TextGap::Tab, kNativeGroup});
    return table;
}

void AddNativeMonth(Record& record, Language language, int month, bool leap, int length)
{
    const auto native = NativeOf(language);
    if (!native) return;
    record.values.emplace_back(MonthText(*native, month, leap));
    record.values.emplace_back(MonthSizeText(*native, length));
}

void AddNativeTerm(Record& record, Language language, int term)
{
    if (const auto native = NativeOf(language)) record.values.emplace_back(TermText(*native, term));
}

void AddNativePhase(Record& record, Language language, int phase)
{
    if (const auto native = NativeOf(language)) record.values.emplace_back(PhaseText(*native, phase));
}

} // namespace orlun::cli

#include "DisplayRecords.h"

#include "days/NativeDayFields.h"

namespace orlun::cli {

namespace {

// The native line's caption is the language's name in itself ("简体中文"), which says what it shows.
DisplayLine NativeLine(Language language, const NativeDayTexts& day)
{
    return {"", std::string(OwnNameOf(language)), day.line, ""};
}

Record RecordWithNative(const DisplayLine& line, const std::optional<NativeDayTexts>& day)
{
    Record record = DisplayLineRecord(line);
    if (day) AppendNativeDay(record, *day);
    return record;
}

// A moment without a lunar date has no native line (its native fields are empty).
bool HasLine(const std::optional<NativeDayTexts>& day) { return day && !day->line.empty(); }

std::optional<NativeDayTexts> NativeDayOf(const DisplayTexts& texts, Language language)
{
    const std::optional<NativeLanguage> native = NativeOf(language);
    if (!native) return std::nullopt;
    return NativeDayTextsOf(*native, texts);
}

} // namespace

const Table kDisplayLinesTable{"lines", {{"caption"}, {"value"}}};

Table DisplayLinesTable(Language language)
{
    Table table = WithNativeDayColumns(kDisplayLinesTable, NativeOf(language));
    // In the text form the native line under the Chinese dates shows them.
    for (Column& column : table.columns) column.inText = column.group.empty();
    return table;
}

Record DisplayLineRecord(const DisplayLine& line) { return {{line.caption, line.value}}; }

void WriteDisplayLine(const DisplayTexts& texts, const DisplayLine& line, Language language, Output& out)
{
    const std::optional<NativeDayTexts> day = NativeDayOf(texts, language);
    out.Write(RecordWithNative(line, day));
    if (HasLine(day)) out.Write(RecordWithNative(NativeLine(language, *day), day));
}

void WriteDisplayLines(const DisplayTexts& texts, Output& out, Language language)
{
    const std::optional<NativeDayTexts> day = NativeDayOf(texts, language);
    out.Begin(DisplayLinesTable(language));
    for (const DisplayLine* line : texts.Lines()) {
        out.Write(RecordWithNative(*line, day));
        if (HasLine(day) && line == &texts.chineseSolar) out.Write(RecordWithNative(NativeLine(language, *day), day));
    }
}

} // namespace orlun::cli

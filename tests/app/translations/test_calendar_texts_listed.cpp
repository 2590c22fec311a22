// Every fixed text of the calculators that a window shows is in the list lupdate reads, so that
// the translators see it. A failure names the lines to add to app/translations/CalendarTexts.cpp.
#include <QtTest>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "app/translations/CalendarTexts.h"
#include "calendar/arc/ArcChlNote.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/CalendarRows.h"
#include "calendar/core/CountryProfile.h"
#include "calendar/entry/DateEntryMessages.h"
#include "calendar/festivals/AnniversaryStart.h"
#include "calendar/navigation/MoveRefusal.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/MultipleSearch.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"
#include "calendar/search/SearchTargets.h"
#include "calendar/search/TermSearch.h"
#include "calendar/tables/EuroNewYearList.h"
#include "calendar/tables/LunarNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "calendar/tables/YearData.h"

using namespace orlun;

namespace {

// The texts of the tables the windows fill their lists, captions and message boxes from.
std::vector<std::string> TableTexts()
{
    std::vector<std::string> texts;
    for (const CountryProfile& p : CountryProfiles()) {
        texts.emplace_back(p.name);
        texts.emplace_back(p.adjective);
        for (const std::string& animal : AnimalNames(p.country)) texts.push_back(animal);
    }
    for (int e = 0; e < kElementCount; ++e) texts.push_back(ElementName(e));
    // A unit that names the zone is translated with %1 for the zone code.
    for (const MoveUnitRow& row : MoveUnitRows()) texts.push_back(MoveUnitText(row.unit, row.namesZone ? "%1" : ""));
    for (const SearchTargetRow& row : SearchTargetRows()) texts.emplace_back(row.text);
    for (const char* note : kArcChlNotes) texts.emplace_back(note);
    for (int code = 1; code <= kMaxDateEntryError; ++code) {
        texts.emplace_back(DateEntryErrorTitle(static_cast<DateEntryError>(code)));
        for (const CountryProfile& p : CountryProfiles())
            texts.push_back(DateEntryErrorMessage(static_cast<DateEntryError>(code), p.country));
    }
    texts.push_back(DateRangeMessage(RangeCheck::TooEarly));
    texts.push_back(DateRangeMessage(RangeCheck::TooLate));
    // The lists of the multiple element-animal window: each element, and none (with any animal).
    for (const MultipleRow row : {MultipleRow::Month, MultipleRow::Year})
        for (int element = 0; element <= kElementCount; ++element)
            for (int animal = 0; animal <= kAnimalCount; ++animal)
                texts.push_back(MultipleElementItemText(row, element, animal));
    for (const char* within : kWithinTexts) {
        texts.emplace_back(within);
        texts.push_back(MultipleNotFoundText(within, false));
        texts.push_back(MultipleNotFoundText(within, true));
    }
    for (const char* caption : {kYearDataCaption, kLunarNewYearsCaption, kMonthStartsCaption, kEuroNewYearsCaption,
                                kOutputFull})
        texts.emplace_back(caption);
    texts.emplace_back(kDefaultAnniversaryTitle);
    for (const CalendarDesignation& d : kCalendarDesignations)
        texts.push_back(std::string("Is this a ") + d.primary + " Calendar date?");
    for (const char* text : {kCalendarQuestionTitle, kConvertTitle, kConvertUnchangedMessage, kDateRangeTitle,
                             kOutOfRangeTitle, kInabilityTitle, kInvalidTitle, kSearchTitle, kFailedTitle,
                             kErrorTitle, kNotFoundTitle, kInvalidInputTitle, kNothingSpecified,
                             kNoElementAnimalChosen, kLunarDateInvalid, kCoincidenceFailure, kSearchingText})
        texts.emplace_back(text);
    return texts;
}

// The text as a C++ string literal.
std::string Literal(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out + "\"";
}

} // namespace

class TestCalendarTextsListed : public QObject {
    Q_OBJECT
private slots:
    void everyTableTextIsListed()
    {
        const std::span<const char* const> listed = orlun::app::CalendarTextSources();
        const std::set<std::string> sources(listed.begin(), listed.end());
        std::set<std::string> missing;
        for (const std::string& text : TableTexts())
            if (!text.empty() && !sources.count(text)) missing.insert(text);
        // The lines to add, ready to paste (a failure message would be cut short).
        for (const std::string& text : missing)
            std::printf("    QT_TRANSLATE_NOOP(\"orlun::CalendarTexts\", %s),\n", Literal(text).c_str());
        QVERIFY2(missing.empty(), qPrintable(QString("%1 texts not listed in app/translations/CalendarTexts.cpp "
                                                     "(printed above)").arg(missing.size())));
    }

};

QTEST_GUILESS_MAIN(TestCalendarTextsListed)
#include "test_calendar_texts_listed.moc"

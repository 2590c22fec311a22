// Festivals and anniversaries on the command line: their lines of text, or an iCalendar document,
// where the command's output goes.
#pragma once

#include <string>
#include <vector>

#include "CliArgs.h"
#include "output/Output.h"
#include "calendar/festivals/LunarEvents.h"
#include "calendar/native/Language.h"

namespace orlun::cli {

enum class EventFormat { Text, Csv, Json, ICalendar };

// The names of the event formats: "text", "csv", "json", "ics".
std::vector<std::string> EventFormatNames();
// --format text|csv|json|ics in any case (text when not given); a usage error for anything else.
EventFormat EventFormatOf(const Options& options);
// --lang en|zh-Hans|zh-Hant|vi|ja (English when not given).
Language LanguageOf(const Options& options);

// The events as lines of text (calendar/festivals/EventText), the CSV or JSON table of their
// records (EventRecords), or an iCalendar document stamped with the present time.
std::string EventsIn(EventFormat format, const std::vector<LunarEvent>& events, Language language);

// Writes the text where the command's output goes (standard output or --output FILE, see
// CommandOutput); 0.
int Emit(const std::string& text, Output& out);

} // namespace orlun::cli

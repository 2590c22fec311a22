// The calculators' fixed texts (list items, captions, messages of calendar/) in the user's language:
// looked up in the windows' translations under one context; the English text itself when the
// translations have none, so that English stays exactly the calculators' text.
#pragma once

#include <QString>
#include <string>

namespace orlun::app {

inline constexpr const char* kCalendarTextContext = "orlun::CalendarTexts";

QString TrText(const std::string& english);

// A text that begins with a fixed part and goes on with values ("Searching 79-30-01-01 CHL"):
// the fixed part translated, the rest as it stands.
QString TrTextWithPrefix(const std::string& text, const std::string& prefix);

} // namespace orlun::app

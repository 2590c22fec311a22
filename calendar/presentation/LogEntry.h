// The texts of the log: one entry for the displayed moment in the calendars and day counts the
// user chose, optionally in an expanded form with long wordings, and the heading line that names
// the action behind an automatic entry. Lines end with CR LF, as they go to the clipboard.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/core/Settings.h"

namespace orlun {

inline constexpr const char* kLogLineEnd = "\r\n";
inline constexpr int kLogPreferenceCount = 13;
// The underline of an expanded heading is cut from a string of this many "-".
inline constexpr int kLogUnderlineLength = 255;
inline constexpr int kLogSeparatorLength = 20;

// What an entry contains: the 13 check boxes of the log preferences window, in the order in
// which the saved state stores them.
struct LogPreferences {
    bool verbose = true;        // chkVerbose: expanded entries
    bool includeGanzhi = true;  // chkIncludeGanzhi: stem-branch names in expanded CHL entries
    bool viewLogWhenAdd = false; // chkViewLogWhenAdd: read by the main window's Add to log
    bool chl = true;            // chkIncludeChL
    bool chs = false;           // chkIncludeChS
    bool cjdc = false;          // chkIncludeCJDC
    bool epochEtc = false;      // chkEpochEtc: epoch, method, longitude
    bool ce = true;             // chkIncludeCE
    bool jc = false;            // chkIncludeJC
    bool cjdl = false;          // chkIncludeCJDL
    bool ajd = false;           // chkIncludeAJD
    bool phase = true;          // chkIncludePhaseOfMoonAndIllumination
    bool lunationAge = false;   // chkIncludeLunationAndAgeOfMoon

    std::array<bool, kLogPreferenceCount> ToArray() const;
    static LogPreferences FromArray(const std::array<bool, kLogPreferenceCount>& values);
    bool operator==(const LogPreferences&) const = default;
};

// The start-up configuration: CJDC, CJDL and AJD follow "Show chronological JDs".
LogPreferences DefaultLogPreferences(bool showCJDs);

// Everything an entry reads about the logged moment, filled by the main window from what it
// displays at that moment.
struct LogMoment {
    Moment ajd;
    LocalTime cjdl; // AJD + 0.5
    LocalTime cjdc; // CJDL + L/360

    // Texts of the display lines (the value labels).
    std::string chlLine;   // "79-30-01-01 CHL 08:00 CCT"
    std::string chsLine;   // "79-30-03-20 CHS 08:00 CCT"
    std::string ceLine;    // "2013-02-10 CE 00:00 GMT Sunday"
    std::string jcLine;    // "2013-01-28 JC 00:00 GMT Sunday"
    std::string phaseLine; // "Crescent (waxing), 1.2%"
    std::string ageLine;   // "[163] 1 day, 2 hrs, 3 mins (3.5%)"
    // The native-script line under the Chinese dates ("甲辰年正月初一　龙年　甲辰日"); "" in English,
    // which leaves the entry as it always was.
    std::string nativeLine;

    std::optional<ChineseLunarDate> chl; // the CHL and CHS dates of the CJDC, for the long forms
    std::optional<ChineseSolarDate> chs;
    CalendarSettings settings;
    std::string countryName;   // "China": the selected country
    Meridian longitude{120}; // the reference longitude
    std::optional<int32_t> lunation; // the lunation of the AJD; none when it could not be found
};

// The moment of the display texts under the settings, with its Chinese dates and lunation
// computed. The CHL and CHS line texts are left empty for the window to fill from its labels.
LogMoment LogMomentOf(const DisplayTexts& texts, const CalendarSettings& settings);

// An entry as far as it could be written; error describes what stopped it (empty on success).
struct LogEntryResult {
    std::string text;
    std::string error;
};

// The text that "Add to log" appends: the title block when the log is empty (title + two line
// ends), then the chosen groups (Chinese, Western, astronomical; separated by a line of "-" in
// expanded entries), then an empty line. With none of the nine dated items chosen, nothing
// follows the title block. The native line, when there is one, follows the CHL item (it is
// that date in another script).
LogEntryResult BuildLogEntry(const LogMoment& m, const LogPreferences& p, const std::string& title,
                             bool logEmpty);
std::string LogEntryText(const LogMoment& m, const LogPreferences& p, const std::string& title,
                         bool logEmpty);

// Reasons for an automatic entry; None makes no entry.
enum class AutoLogReason : int { None = 0, Now = 1, Convert = 2, Move = 3, Search = 4, OneDay = 5 };

// The main window's state that names the action of an automatic entry.
struct AutoLogContext {
    std::string plusMinus;    // the plus/minus days field
    bool plus = true;         // optPlus selected (else optMinus)
    bool forward = true;      // the "forward" direction selected (else "back")
    std::string moveStep;     // the selected entry of the move-step list, e.g. "CHL month"
    bool next = true;         // optNext selected (else optPrevious)
    std::string target;       // the selected search target, e.g. "Full moon"
    // The description of the multiple element-animal search; set only when that is the
    // search target, and then named instead of the target.
    std::string multipleDescription;
};

// An automatic entry is made when "Auto log" is checked, the reason is one of the actions and the
// multiple element-animal search was not cancelled.
bool AutoLogWanted(bool autoLogChecked, AutoLogReason reason, bool multipleSearchCancelled);

// The heading that names the action: "Now"; "Plus 1.5 days" or "" for a Convert without
// plus/minus days; "Move forward 1 CHL month"; "Search for next full moon"; "Move back one day".
// Unknown reasons give "".
std::string AutoLogHeading(AutoLogReason reason, const AutoLogContext& context);

// The heading + CR LF, and when expanded an underline of as many "-" as the heading has
// characters + CR LF (an empty heading so gives two empty lines).
std::string AutoLogHeadingText(AutoLogReason reason, const AutoLogContext& context, bool expanded);

// The whole automatic entry: the title block when the log is empty, the heading, the entry.
// The title comes first so that a log begun by an automatic entry is headed like any other.
LogEntryResult BuildAutoLogEntry(AutoLogReason reason, const AutoLogContext& context, const LogMoment& m,
                                 const LogPreferences& p, const std::string& title,
                                 bool logEmpty);
std::string AutoLogText(AutoLogReason reason, const AutoLogContext& context, const LogMoment& m,
                        const LogPreferences& p, const std::string& title, bool logEmpty);

// The expanded CHL and CHS wordings of an entry (without the leading "= t" and line end).
// CHL: "he 12th day (earth-horse wu-wu) of month 5 (...) \r\nin the ... (year 4701)."
// CHS: "he 1st day of solar term 1 (Z11, Winter solstice, Dong zhi)\r\nin the year (sui) ...".
std::string ExpandedCHLText(const LogMoment& m, bool includeGanzhi);
std::string ExpandedCHSText(const LogMoment& m, bool includeGanzhi);

} // namespace orlun

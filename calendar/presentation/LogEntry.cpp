#include "calendar/presentation/LogEntry.h"
#include "calendar/core/NumberText.h"

#include "calendar/core/TextCase.h"
#include "calendar/core/TextTrim.h"
#include "calendar/entry/DateEntryNumbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun1.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/astro/syzyg.h"

namespace orlun {

namespace {

const std::string kEnd = kLogLineEnd;
const std::string kDegreesEast = "\u00BA E, ";


std::string Dashes(std::size_t n) { return std::string(n, '-'); }

// Characters (not bytes) of a UTF-8 text: the underline matches what the reader sees.
std::size_t CharacterCount(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string WithoutCommas(const std::string& s)
{
    std::string out;
    for (char c : s)
        if (c != ',') out += c;
    return out;
}

// The display line of a Western date up to and including "GMT", and the weekday after it.
void SplitWesternLine(const std::string& line, std::string& upToGmt, std::string& weekday)
{
    const auto gmt = line.find("GMT");
    if (gmt == std::string::npos) {
        upToGmt = line;
        weekday.clear();
        return;
    }
    upToGmt = line.substr(0, gmt + 3);
    const auto after = line.find("GMT ", gmt);
    weekday = after == std::string::npos ? "" : line.substr(after + 4);
}

// "The 31st day ..." becomes "= the 31st day ...": the entry replaces the first character.
std::string Continued(const std::string& longForm)
{
    return "= t" + (longForm.empty() ? std::string() : longForm.substr(1));
}

void WesternItem(std::string& t, const std::string& line, const WesternDate& date, bool expanded)
{
    std::string upToGmt, weekday;
    SplitWesternLine(line, upToGmt, weekday);
    t += upToGmt + kEnd;
    if (expanded) t += Continued(DateLongText(date)) + ", a " + weekday + "." + kEnd;
}

// The age of the Moon: the part of the age line after "] ".
std::string AgeText(const std::string& ageLine, bool expanded)
{
    const auto mark = ageLine.find("] ");
    std::string age = mark == std::string::npos ? ageLine : ageLine.substr(mark + 2);
    if (expanded && !age.empty() && age.back() == ')') {
        age.pop_back();
        age += " of lunation)";
    }
    return age;
}

} // namespace

std::array<bool, kLogPreferenceCount> LogPreferences::ToArray() const
{
    return {verbose, includeGanzhi, viewLogWhenAdd, chl, chs, cjdc, epochEtc,
            ce,      jc,            cjdl,           ajd, phase, lunationAge};
}

LogPreferences LogPreferences::FromArray(const std::array<bool, kLogPreferenceCount>& v)
{
    LogPreferences p;
    p.verbose = v[0];
    p.includeGanzhi = v[1];
    p.viewLogWhenAdd = v[2];
    p.chl = v[3];
    p.chs = v[4];
    p.cjdc = v[5];
    p.epochEtc = v[6];
    p.ce = v[7];
    p.jc = v[8];
    p.cjdl = v[9];
    p.ajd = v[10];
    p.phase = v[11];
    p.lunationAge = v[12];
    return p;
}

LogPreferences DefaultLogPreferences(bool showCJDs)
{
    LogPreferences p;
    p.cjdc = p.cjdl = p.ajd = showCJDs;
    return p;
}

LogMoment LogMomentOf(const DisplayTexts& texts, const CalendarSettings& settings)
{
    LogMoment m;
    m.ajd = texts.ajd;
    m.cjdl = texts.cjdl;
    m.cjdc = texts.cjdc;
    m.ceLine = texts.commonEra.value;
    m.jcLine = texts.julianCalendar.value;
    m.phaseLine = texts.phaseOfMoon.value;
    m.ageLine = texts.ageOfMoon.value;
    if (const auto dates = CJDateToChDates(m.cjdc, settings.epoch)) {
        m.chl = dates->lunar;
        m.chs = dates->solar;
    }
    m.settings = settings;
    m.countryName = CountryName(settings.country);
    m.longitude = settings.meridian;
    m.lunation = GetLunation(m.ajd);
    return m;
}

std::string ExpandedCHLText(const LogMoment& m, bool includeGanzhi)
{
    // The month's stem-branch goes first ("bing-yin fire-tiger"): the other order leaves a
    // blank before the closing parenthesis.
    const CHLLongOptions options{.dayName = true, .monthName = true, .stemBranch = includeGanzhi,
                                .monthStemBranchFirst = true};
    const std::string longForm = CHLLongStr(m.chl.value_or(ChineseLunarDate{}), options, m.settings);
    return longForm.empty() ? longForm : longForm.substr(1);
}

std::string ExpandedCHSText(const LogMoment& m, bool includeGanzhi)
{
    const ChineseSolarDate chs = m.chs.value_or(ChineseSolarDate{});
    const std::string longForm = CHSLongStr(chs, {}, m.settings);
    std::string text = longForm.empty() ? longForm : longForm.substr(1);
    const auto mark = text.find(") in the year");
    if (mark == std::string::npos) return text;
    std::string names = ", " + SolarTermEnglishName(chs.term);
    if (includeGanzhi) names += ", " + SolarTermPinyinName(chs.term);
    // The ")" and the blank after it give way to the names and a line break.
    return text.substr(0, mark) + names + ")" + kEnd + text.substr(mark + 2);
}

namespace {

// The Chinese items: CHS, CHL, CJDC and the epoch line. Returns the error of an expanded date
// that could not be computed, or "".
std::string ChineseItems(std::string& t, const LogMoment& m, const LogPreferences& p, const std::string& longitude)
{
    const bool x = p.verbose;
    if (p.chs) {
        t += m.chsLine + kEnd;
        if (x && !m.chs) return "The Chinese solar date of the moment could not be computed.";
        if (x) t += "= t" + ExpandedCHSText(m, p.includeGanzhi) + kEnd;
    }
    if (p.chl) {
        t += m.chlLine + kEnd;
        if (x && !m.chl) return "The Chinese lunar date of the moment could not be computed.";
        if (x) t += "= t" + ExpandedCHLText(m, p.includeGanzhi) + kEnd;
        if (!m.nativeLine.empty()) t += m.nativeLine + kEnd;
    }
    if (p.cjdc) {
        t += DayCountText(m.cjdc.cjd()) + " CJDC";
        if (x) t += " (chronological Julian date, longitude " + longitude + ")";
        t += kEnd;
    }
    if (p.epochEtc) t += EpochMethod(m.settings, true) + ", longitude =" + longitude + "." + kEnd;
    return "";
}

// The Western items: CE, JC and CJDL.
void WesternItems(std::string& t, const LogMoment& m, const LogPreferences& p)
{
    const bool x = p.verbose;
    if (p.ce || p.jc) {
        const CEAndJC dates = CEAndJCFromCJD(m.cjdl);
        if (p.ce) WesternItem(t, m.ceLine, dates.ce, x);
        if (p.jc) WesternItem(t, m.jcLine, dates.jc, x);
    }
    if (p.cjdl) {
        t += DayCountText(m.cjdl.cjd()) + " CJDL";
        if (x) t += " (chronological Julian date, London)";
        t += kEnd;
    }
}

// The astronomical items: AJD, phase, lunation and age. Returns the error, or "".
std::string AstronomicalItems(std::string& t, const LogMoment& m, const LogPreferences& p)
{
    const bool x = p.verbose;
    if (p.ajd) {
        t += DayCountText(m.ajd.ajd()) + " AJD";
        if (x) t += " (astronomical Julian date)";
        t += kEnd;
    }
    if (p.phase) t += m.phaseLine + (x ? " illumination" : "") + kEnd;
    if (p.lunationAge) {
        if (!m.lunation) return "The lunation of the moment could not be found.";
        t += "Lunation " + std::to_string(*m.lunation) + ", age of Moon = " + AgeText(m.ageLine, x) + kEnd;
    }
    return "";
}

} // namespace

LogEntryResult BuildLogEntry(const LogMoment& m, const LogPreferences& p, const std::string& title,
                             bool logEmpty)
{
    LogEntryResult r;
    std::string& t = r.text;
    if (logEmpty) t = title + kEnd + kEnd;

    const bool chinese = p.chl || p.chs || p.cjdc;
    const bool western = p.ce || p.jc || p.cjdl;
    const bool astronomical = p.ajd || p.phase || p.lunationAge;
    if (!chinese && !western && !astronomical) return r;
    const std::string longitude = PlainNumber(m.longitude.degreesEast()) + kDegreesEast + m.countryName;
    // Separators stand between groups only in the expanded form.
    const std::string separator = p.verbose ? Dashes(kLogSeparatorLength) + kEnd : "";

    if (chinese) {
        r.error = ChineseItems(t, m, p, longitude);
        if (!r.error.empty()) return r;
        if (western || astronomical) t += separator;
    }
    WesternItems(t, m, p);
    if (western && astronomical) t += separator;
    r.error = AstronomicalItems(t, m, p);
    if (!r.error.empty()) return r;
    t += kEnd;
    return r;
}

std::string LogEntryText(const LogMoment& m, const LogPreferences& p, const std::string& title,
                         bool logEmpty)
{
    return BuildLogEntry(m, p, title, logEmpty).text;
}

bool AutoLogWanted(bool autoLogChecked, AutoLogReason reason, bool multipleSearchCancelled)
{
    return autoLogChecked && static_cast<int>(reason) >= 1 && !multipleSearchCancelled;
}

std::string AutoLogHeading(AutoLogReason reason, const AutoLogContext& c)
{
    switch (reason) {
    case AutoLogReason::Now:
        return "Now";
    case AutoLogReason::Convert: {
        const std::string days = Trim(c.plusMinus);
        if (days.empty()) return "";
        const bool one = std::fabs(LeadingNumberValue(WithoutCommas(days))) == 1.0;
        return std::string(c.plus ? "Plus " : "Minus ") + days + " day" + (one ? "" : "s");
    }
    case AutoLogReason::Move:
        return std::string("Move ") + (c.forward ? "forward 1 " : "back 1 ") + c.moveStep;
    case AutoLogReason::Search:
        return std::string("Search for ") + (c.next ? "next " : "previous ") +
               (c.multipleDescription.empty() ? LowerCase(c.target) : c.multipleDescription);
    case AutoLogReason::OneDay:
        return std::string("Move ") + (c.forward ? "forward one day " : "back one day");
    default:
        return "";
    }
}

std::string AutoLogHeadingText(AutoLogReason reason, const AutoLogContext& context, bool expanded)
{
    const std::string heading = AutoLogHeading(reason, context);
    std::string text = heading + kEnd;
    if (expanded) {
        const std::size_t n = CharacterCount(heading);
        text += Dashes(n < std::size_t(kLogUnderlineLength) ? n : kLogUnderlineLength) + kEnd;
    }
    return text;
}

LogEntryResult BuildAutoLogEntry(AutoLogReason reason, const AutoLogContext& context, const LogMoment& m,
                                 const LogPreferences& p, const std::string& title, bool logEmpty)
{
    LogEntryResult r = BuildLogEntry(m, p, title, false);
    r.text = (logEmpty ? title + kEnd + kEnd : std::string()) +
             AutoLogHeadingText(reason, context, p.verbose) + r.text;
    return r;
}

std::string AutoLogText(AutoLogReason reason, const AutoLogContext& context, const LogMoment& m,
                        const LogPreferences& p, const std::string& title, bool logEmpty)
{
    return BuildAutoLogEntry(reason, context, m, p, title, logEmpty).text;
}

} // namespace orlun

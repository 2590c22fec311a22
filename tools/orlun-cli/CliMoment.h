// The one reader of a command's moment: --ajd X or --date "TEXT" (read as Convert reads a typed
// date), or the present moment; and switches such as --jc.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CliArgs.h"
#include "calendar/core/Settings.h"

namespace orlun::cli {

// --ajd within the years -3000 to 3000, or any number (the command meets the range itself).
enum class AjdCheck { WithinRange, NumberOnly };

// How a command reads its moment: every command takes the present moment when neither --ajd nor
// --date is given, as the window starts with it.
struct MomentRule {
    AjdCheck ajdCheck = AjdCheck::WithinRange;
    std::string_view dateName = "--date"; // names the typed date in its refusal
};

// What was given: at most one of them; neither stands for the present moment.
struct MomentArgument {
    std::optional<Moment> ajd;
    std::optional<std::string> date;
};

// Reads --ajd and --date as the rule says; a usage error when both are given or --ajd is not a
// number the rule takes. The date text is left to the caller.
MomentArgument ReadMomentArgument(const Options& options, const MomentRule& rule);

// The moment: --ajd, --date read as Convert reads a typed date, or the present moment.
Moment ReadMoment(const Options& options, const CalendarSettings& settings, const MomentRule& rule = {});

// The moment of a typed date, read as Convert reads it but whole (WholeDate.h); a usage error
// naming `what` when it is refused.
Moment MomentOfDateText(const std::string& text, std::string_view what, const CalendarSettings& settings);

// Lines end with CR LF in the window; a terminal wants LF.
std::string WithLineFeeds(std::string text);

} // namespace orlun::cli

// orlun-cli lines: every display line of the main window for one moment.
#include <cstdio>

#include "CliArgs.h"
#include "Commands.h"
#include "calendar/western/Clock.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/core/Limits.h"

namespace orlun::cli {

int RunLines(const std::vector<std::string>& args)
{
    const Options options(args, {"ajd", "country"});
    if (!options.Positionals().empty()) throw UsageError{"lines takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);

    double ajd = 0;
    if (auto text = options.Get("ajd")) {
        auto value = ParseDouble(*text);
        if (!value) throw UsageError{"--ajd must be a number, not \"" + *text + "\""};
        if (*value < kMinAJD || *value > kMaxAJD)
            throw UsageError{"--ajd must lie between 625333 (-3000-01-01) and 2816788 (3000-01-01)"};
        ajd = *value;
    } else {
        ajd = CurrentAJDate(SystemClock()).ajd();
    }

    const DisplayTexts texts = BuildDisplayTexts(ajd, settings);
    for (const DisplayLine* line : texts.Lines())
        std::printf("%s\t%s\n", line->caption.c_str(), line->value.c_str());
    return 0;
}

} // namespace orlun::cli

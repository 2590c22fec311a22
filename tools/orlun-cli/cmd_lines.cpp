// orlun-cli lines: every display line of the main window for one moment.
#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "DisplayRecords.h"

namespace orlun::cli {

int RunLines(const Options& options, Output& out)
{
    if (!options.Positionals().empty()) throw UsageError{"lines takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    WriteDisplayLines(BuildDisplayTexts(ReadMoment(options, settings), settings), out, language);
    return 0;
}

} // namespace orlun::cli

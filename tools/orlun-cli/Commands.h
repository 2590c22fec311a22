// The commands of orlun-cli. Each reads its arguments (read by CommandLine), hands what it shows to the output and
// returns the exit code; bad arguments throw UsageError.
#pragma once

#include <string>
#include <vector>

#include "CliArgs.h"
#include "output/Output.h"

namespace orlun::cli {

int RunLines(const Options& options, Output& out);
int RunPhases(const Options& options, Output& out);
int RunTerms(const Options& options, Output& out);
int RunMonths(const Options& options, Output& out);
int RunConvert(const Options& options, Output& out);
int RunMove(const Options& options, Output& out);
int RunYearData(const Options& options, Output& out);
int RunList(const Options& options, Output& out);
int RunSelfTest(const Options& options, Output& out);
int RunCalendar(const Options& options, Output& out);
int RunSearch(const Options& options, Output& out);
int RunMultiple(const Options& options, Output& out);
int RunFestivals(const Options& options, Output& out);
int RunDays(const Options& options, Output& out);
int RunAnniversary(const Options& options, Output& out);

// The kinds list takes: "newyears", "months", "jcce".
std::vector<std::string> ListKindNames();

} // namespace orlun::cli

// The commands of orlun-cli. Each reads its arguments, hands what it shows to the output and
// returns the exit code; bad arguments throw UsageError.
#pragma once

#include <string>
#include <vector>

#include "output/Output.h"

namespace orlun::cli {

int RunLines(const std::vector<std::string>& args, Output& out);
int RunPhases(const std::vector<std::string>& args, Output& out);
int RunTerms(const std::vector<std::string>& args, Output& out);
int RunMonths(const std::vector<std::string>& args, Output& out);
int RunConvert(const std::vector<std::string>& args, Output& out);
int RunMove(const std::vector<std::string>& args, Output& out);
int RunYearData(const std::vector<std::string>& args, Output& out);
int RunList(const std::vector<std::string>& args, Output& out);
int RunSelfTest(const std::vector<std::string>& args, Output& out);
int RunCalendar(const std::vector<std::string>& args, Output& out);
int RunSearch(const std::vector<std::string>& args, Output& out);
int RunMultiple(const std::vector<std::string>& args, Output& out);
int RunFestivals(const std::vector<std::string>& args, Output& out);
int RunDays(const std::vector<std::string>& args, Output& out);
int RunAnniversary(const std::vector<std::string>& args, Output& out);

} // namespace orlun::cli

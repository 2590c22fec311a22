// The commands of orlun-cli. Each reads its arguments, writes to stdout and returns the exit code;
// bad arguments throw UsageError.
#pragma once

#include <string>
#include <vector>

namespace orlun::cli {

int RunLines(const std::vector<std::string>& args);
int RunPhases(const std::vector<std::string>& args);
int RunTerms(const std::vector<std::string>& args);
int RunMonths(const std::vector<std::string>& args);
int RunConvert(const std::vector<std::string>& args);
int RunMove(const std::vector<std::string>& args);
int RunYearData(const std::vector<std::string>& args);
int RunList(const std::vector<std::string>& args);
int RunSelfTest(const std::vector<std::string>& args);
int RunCalendar(const std::vector<std::string>& args);
int RunSearch(const std::vector<std::string>& args);
int RunMultiple(const std::vector<std::string>& args);
int RunFestivals(const std::vector<std::string>& args);
int RunAnniversary(const std::vector<std::string>& args);

} // namespace orlun::cli

// The calculators' texts (UTF-8 std::string) as Qt strings: the one conversion every window uses.
#pragma once

#include <QString>
#include <string>

namespace orlun::app {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace orlun::app

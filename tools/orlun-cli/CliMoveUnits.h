// The unit orlun-cli move takes besides the Move panel's list texts (MoveUnitText); the completion
// generator offers it too.
#pragma once

namespace orlun::cli {

inline constexpr const char* kOneDayUnit = "one day";

} // namespace orlun::cli

// The section of orlun-cli(1) that names what its help shows only as placeholders: the move
// units, the search targets and the languages, as help2man include text.
#pragma once

#include <string>

namespace orlun::complgen {

std::string ManSection();

} // namespace orlun::complgen

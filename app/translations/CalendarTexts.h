// Every fixed text of the calculators (calendar/) that a window shows, as the English source of
// its translation under the context "orlun::CalendarTexts" (TrText): the list lupdate reads.
#pragma once

#include <span>

namespace orlun::app {

std::span<const char* const> CalendarTextSources();

} // namespace orlun::app

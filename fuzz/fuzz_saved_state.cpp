// The reader of the state file: any text is read or refused, and what it reads writes back to a
// file that reads back the same.
#include "FuzzInput.h"
#include "calendar/state/SavedState.h"

using namespace orlun;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    const std::optional<SavedState> state = ParseSavedState(in.Rest());
    if (!state) return 0;
    const std::string written = FormatSavedState(*state);
    const std::optional<SavedState> again = ParseSavedState(written);
    if (!again) fuzz::Broken("a read state that does not read back");
    if (FormatSavedState(*again) != written) fuzz::Broken("a state that changes on its way back");
    return 0;
}

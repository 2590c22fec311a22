// A switch that leaves out a move unit, a search target or a date-entry error must not compile
// with the options of the folders that switch over them. Each case compiles without those options
// (it is valid C++) and must be refused with them; see switch-cases.cmake.
#include "calendar/core/MoveUnit.h"
#include "calendar/core/SearchTarget.h"
#include "calendar/entry/DateEntryMessages.h"

namespace {

using namespace orlun;

#if ORLUN_FAIL_CASE == 1
int Handled(MoveUnit unit)
{
    switch (unit) {
    case MoveUnit::Minute: return 1; // every other unit is missing
    }
    return 0;
}
int Check() { return Handled(MoveUnit::Minute); }
#elif ORLUN_FAIL_CASE == 2
int Handled(SearchTarget target)
{
    switch (target) {
    case SearchTarget::FullMoon: return 1; // every other target is missing
    }
    return 0;
}
int Check() { return Handled(SearchTarget::FullMoon); }
#elif ORLUN_FAIL_CASE == 3
int Handled(DateEntryError error)
{
    switch (error) {
    case DateEntryError::None: return 1; // every error is missing
    }
    return 0;
}
int Check() { return Handled(DateEntryError::None); }
#else
int Check() { return 1; }
#endif

} // namespace

int main() { return Check() == 1 ? 0 : 1; }

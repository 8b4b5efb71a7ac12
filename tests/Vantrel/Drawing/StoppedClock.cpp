// The drawing tests run on a stopped clock: no frame budget made in them reaches its deadline
// however slow the machine (a sanitizer build, a loaded one), so that what a test draws never
// depends on time. A test of the deadline hands its budget a clock of its own.
#include "Vantrel/Drawing/FrameBudget.h"

namespace
{
const bool Stopped = [] {
    FrameBudget::SetDefaultClock([] { return 0.0; });
    return true;
}();
} // namespace

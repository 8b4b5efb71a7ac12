#include "Papy/Model/TrackFunction.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string GetTrackFunctionName(int value)
{
    static const char* const names[] = {
        "Apron",
        "Apron Near Pits",
        "Pit Lane",
        "Pit Stall",
        "Racing Surface",
        "Unknown",
        "Unreachable",
    };
    VELMO_ASSERT_TEXT(value >= TrackFunctionFirst && value < TrackFunctionEnd, "false");
    return names[value - TrackFunctionFirst];
}
} // namespace Velmo::Papy

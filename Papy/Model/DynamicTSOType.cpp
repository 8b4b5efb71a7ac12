#include "Papy/Model/DynamicTSOType.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
std::string GetDynamicTSOTypeName(int value)
{
    static const char* const names[] = {
        "Blimp",
        "Helicopter",
        "Unknown",
    };
    VELMO_ASSERT_TEXT(value >= DynamicTSOTypeFirst && value < DynamicTSOTypeEnd, "false");
    return names[value - DynamicTSOTypeFirst];
}
} // namespace Velmo::Papy

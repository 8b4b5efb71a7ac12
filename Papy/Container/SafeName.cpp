#include "Papy/Container/SafeName.h"

namespace Velmo::Papy
{
bool IsSafeRelativeName(const std::string& name)
{
    if (name.empty())
        return false;
    std::size_t start = 0;
    for (;;)
    {
        std::size_t end = name.find_first_of("\\/", start);
        std::string component = name.substr(start, end == std::string::npos ? std::string::npos : end - start);
        // An empty component is an absolute name (the first), a doubled separator or a
        // trailing one.
        if (component.empty() || component == "..")
            return false;
        if (component.find(':') != std::string::npos || component.find('\0') != std::string::npos)
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}
} // namespace Velmo::Papy

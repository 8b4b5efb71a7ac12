#include "Papy/FacetSets/SubRefusedMake.h"

namespace Velmo::Papy
{
std::string SubRefusedText(const std::string& entry)
{
    const std::string::size_type folder = entry.find_last_of("\\/");
    const std::string file = folder == std::string::npos ? entry : entry.substr(folder + 1);
    const std::string::size_type dot = file.rfind('.');
    const bool extension = dot != std::string::npos && dot + 1 < file.size();
    return entry + " can't be opened: " +
           (extension ? "its folder holds no files of that kind" : "it has no extension");
}
} // namespace Velmo::Papy

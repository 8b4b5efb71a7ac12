#include "Papy/Factory/GetDirectory.h"

namespace Velmo::Papy
{
GetDirectory::GetDirectory(const PapyDirectory& directory) : Directory(directory)
{
}
} // namespace Velmo::Papy

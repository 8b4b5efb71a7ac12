#include "Papy/FacetSets/N4CreateStp.h"

#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N4CreateStp::Create(Util::CountedPointer<PbfFile>&, const std::string& name, U32, U32, U32, U32, U32, U32, U32,
                         bool, U32, std::string& extension)
{
    extension = "stp";
    throw Util::XUsage(Util::ToLower(name) + ".stp: N4 stp files cannot be made yet");
}
} // namespace Velmo::Papy

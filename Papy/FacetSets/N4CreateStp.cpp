#include "Papy/FacetSets/N4CreateStp.h"

#include "Papy/Bitmap/N4StpFile.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void N4CreateStp::Create(Util::CountedPointer<PbfFile>& object, const std::string& name, U32 height, U32 width,
                         U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                         U32 paletteColourCount, std::string& extension)
{
    extension = "stp";
    Util::CountedPointer<PbfFile> stp(new N4StpFile(height, width, U8(redBits), U8(greenBits), U8(blueBits),
                                                    U8(alphaBits), U8(transparency), paletted, paletteColourCount));
    m_makePbf->Adopt(stp, Util::ToLower(name), extension);
    object = stp;
}
} // namespace Velmo::Papy

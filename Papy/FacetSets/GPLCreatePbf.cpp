#include "Papy/FacetSets/GPLCreatePbf.h"

#include "Papy/Bitmap/GPLPbfFile.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
void GPLCreatePbf::Create(Util::CountedPointer<PbfFile>& object, const std::string& name, U32, U32, U32 redBits,
                          U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                          U32 paletteColourCount, std::string& extension)
{
    extension = "pbf";
    Util::CountedPointer<PbfFile> pbf(new GPLPbfFile(U8(redBits), U8(greenBits), U8(blueBits), U8(alphaBits),
                                                     U8(transparency), paletted, paletteColourCount));
    m_makePbf->Adopt(pbf, Util::ToLower(name), extension);
    object = pbf;
}
} // namespace Velmo::Papy

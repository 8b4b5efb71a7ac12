// The N2 file's palette colours and textures, through the factory it was opened with.
// (Interim: the factory and bitmap families are not built yet.)
#include "Papy/N2/N2TdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
Colour N2TdoFile::GetColour(U32) const
{
    return Colour();
}

Util::CountedPointer<MipFile> N2TdoFile::GetTexture(const std::string& name) const
{
    throw Util::XFileOpen(name, "File not found");
}

void N2TdoFile::GetTextureSize(const Util::CountedPointer<MipFile>&, U32& width, U32& height)
{
    width = 0;
    height = 0;
}
} // namespace Velmo::Papy

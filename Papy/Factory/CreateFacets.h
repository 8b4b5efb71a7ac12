#pragma once
// The Create facet kinds: each makes a new file object of one type (empty, or converted from
// another) and, for most kinds, files it in the matching Make facet's cache under its name.
// One operation each, Create, with the new object through the out-parameter first. Sizes and
// counts are unsigned 32-bit; the bitmap kinds write the extension they used into the
// caller's string.
#include <string>
#include <vector>

#include "Papy/Factory/FileFactory.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class CamFile;
class DatFile;
class LpFile;
class MipFile;
class PbfFile;
class SrbFile;
class TdoFile;
class TrkFile;
class Vertex;
class TextureVertex;

class CreatePbf : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<PbfFile>& object, const std::string& name, U32 height, U32 width,
                        U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                        U32 paletteColourCount, std::string& extension) = 0;
};

class CreateTdo : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<TdoFile>& object, const std::string& name) = 0;
};

// Makes the container named after the folder, inside it; fails when it exists.
class CreateDat : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<DatFile>& object) = 0;
};

class CreateMip : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<MipFile>& object, const std::string& name, U32 height, U32 width,
                        U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                        U32 paletteColourCount, bool individualPalettes, bool repeatsHorizontally,
                        bool repeatsVertically, bool selfObscuring, bool automaticLevelCount, U32 levelCount,
                        std::string& extension) = 0;
};

// A racing line over the folder's own track, points spacing metres apart.
class CreateLp : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<LpFile>& object, const std::string& name, double spacing) = 0;
};

class CreateSrb : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<SrbFile>& object, const std::string& name, U32 height, U32 width,
                        U32 redBits, U32 greenBits, U32 blueBits, U32 alphaBits, U32 transparency, bool paletted,
                        U32 paletteColourCount, bool individualPalettes, bool automaticLevelCount, U32 levelCount,
                        const Util::CountedPointer<std::vector<Vertex>>& vertices,
                        const Util::CountedPointer<std::vector<TextureVertex>>& textureVertices,
                        std::string& extension) = 0;
};

// A track file of the game converted from a track file of any game.
class CreateTrk : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<TrkFile>& object, const Util::CountedPointer<TrkFile>& source) = 0;
};

class CreateCam : public FileFactory::Facet
{
public:
    virtual void Create(Util::CountedPointer<CamFile>& object) = 0;
};
} // namespace Velmo::Papy

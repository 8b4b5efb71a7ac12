#pragma once
// A bitmap file that holds a chain of levels (MipFile, SrbFile): level 0 the largest, each
// level a Bitmap, with its palette per level and the colour of its header.
#include "Papy/Bitmap/Bitmap.h"
#include "Papy/Bitmap/BitmapFile.h"

namespace Velmo::Papy
{
class MipChainFile : public BitmapFile
{
public:
    virtual U32 GetBitmapCount() const = 0;
    virtual Util::CountedPointer<Bitmap> GetBitmap(U32 level) const = 0;
    // The sides of a level, read without the level's bytes where the file's header tells them
    // (N4 MIP files); by default those of GetBitmap(level), 0 when there is none.
    virtual U32 GetLevelWidth(U32 level) const;
    virtual U32 GetLevelHeight(U32 level) const;
    virtual bool HasIndividualPalettes() const = 0;
    using BitmapFile::GetPalette;
    virtual Util::CountedPointer<Palette> GetPalette(U32 level) const = 0;
    virtual Colour GetHeaderColour() const = 0;
    // None by default; asking for one fails the assertion "false".
    virtual U32 GetUnknownFloatCount() const { return 0; }
    virtual float GetUnknownFloat(U32 i) const;
};
} // namespace Velmo::Papy

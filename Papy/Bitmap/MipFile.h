#pragma once
// A multipart (mip-mapped) texture file of any game: level 0 the largest.
#include <string>

#include "Papy/Bitmap/MipChainFile.h"

namespace Velmo::Papy
{
class MipFile : public MipChainFile
{
public:
    // 0 none, 1 block-compressed.
    virtual U8 GetCompression() const = 0;
    virtual bool RepeatsHorizontally() const = 0;
    virtual bool RepeatsVertically() const = 0;
    virtual bool IsSelfObscuring() const = 0;
    // None by default; asking for one fails the assertion "false".
    virtual U32 GetUnknownStringCount() const { return 0; }
    virtual std::string GetUnknownString(U32 i) const;
    // Writes the whole file at the stream's position.
    void Save(Util::BinaryStream& stream) const override = 0;
    virtual Util::CountedPointer<MipFile> Clone() const = 0;
};
} // namespace Velmo::Papy

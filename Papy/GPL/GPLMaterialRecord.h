#pragma once
// The record of type word 5, shared by the ten material, texture and display-class nodes:
//
//   0 type word 5   4 child reference   8 sub-type   12 the fields of the sub-type
//
// The sub-type is a set of feature bits, and the fields it brings follow in one fixed order:
//   bit 1  texture name (STRN offset); with bit 16 a count and that many names instead
//   bit 32 texture slot
//   bit 4  display-class number
//   bit 8  shininess (u32), then the specular shade (f32 grey level)
// So 13 = texture, class, shininess, shade and 44 = slot, class, shininess, shade.
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLMaterialRecord
{
public:
    enum Feature : U32
    {
        FeatureTexture = 1,
        FeatureClass = 4,
        FeatureMaterial = 8,
        FeatureMultipleTextures = 16,
        FeatureTextureSelector = 32,
    };

    // The sub-types that stand for a node class; every other one is an unknown instruction.
    static bool IsKnownSubType(U32 subType);

    // Reads the fields behind the sub-type word (the decoder has read the child and sub-type).
    GPLMaterialRecord(U32 subType, U32 childId, Util::RecordReader& reader);
    explicit GPLMaterialRecord(U32 subType, U32 childId = 0);

    bool Has(Feature feature) const { return (SubType & feature) != 0; }

    // The type text, "5." and the sub-type.
    const char* GetTypeText() const;

    // One write of the fixed part, then one write per name of a name list.
    void Write(GPLTdoFile& file, Util::BinaryStream& stream) const;

    // Shininess as the value constructors store it, the truncation of value + 0.5.
    static U32 ShininessFromDouble(double value);
    // The grey level of a colour, (r + g + b) / 3, as stored bits; alpha is ignored.
    static U32 ShadeFromColour(double red, double green, double blue);
    F32 GetSpecularShade() const;

    // The fixed fields after the sub-type, in record order (see Util/RecordFields.h).
    template <class IO>
    void Fields(IO& io)
    {
        if (Has(FeatureTexture) && !Has(FeatureMultipleTextures))
            io(TextureName);
        if (Has(FeatureTextureSelector))
            io(TextureSlot);
        if (Has(FeatureClass))
            io(Class);
        if (Has(FeatureMaterial))
        {
            io(Shininess);
            io(SpecularShadeBits);
        }
    }

    U32 SubType;
    U32 ChildId;
    U32 TextureName = 0;
    U32 TextureSlot = 0;
    U32 Class = 0;
    U32 Shininess = 0;
    // The bits of the f32 grey level, kept as read.
    U32 SpecularShadeBits = 0;
    std::vector<U32> TextureNames;
};
} // namespace Velmo::Papy

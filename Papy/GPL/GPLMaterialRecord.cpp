#include "Papy/GPL/GPLMaterialRecord.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "Papy/GPL/GPLRecord.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
// The value a record holds for a reference: the node's current file offset (0xFFFFFFFF for
// the null node).
U32 OffsetOf(GPLTdoFile& file, U32 id)
{
    return U32(file.GetSubObject(int(id))->GetFileOffset());
}
} // namespace

namespace
{
struct SubTypeText
{
    U32 SubType;
    const char* Text;
};

constexpr SubTypeText SubTypes[] = {{1, "5.1"},   {4, "5.4"},   {5, "5.5"},   {8, "5.8"},   {12, "5.12"},
                                    {13, "5.13"}, {17, "5.17"}, {32, "5.32"}, {36, "5.36"}, {44, "5.44"}};
} // namespace

bool GPLMaterialRecord::IsKnownSubType(U32 subType)
{
    for (const SubTypeText& s : SubTypes)
        if (s.SubType == subType)
            return true;
    return false;
}

const char* GPLMaterialRecord::GetTypeText() const
{
    for (const SubTypeText& s : SubTypes)
        if (s.SubType == SubType)
            return s.Text;
    VELMO_ASSERT_TEXT(false, "false");
    return "";
}

GPLMaterialRecord::GPLMaterialRecord(U32 subType, U32 childId) : SubType(subType), ChildId(childId)
{
    VELMO_ASSERT(IsKnownSubType(subType));
}

GPLMaterialRecord::GPLMaterialRecord(U32 subType, U32 childId, Util::RecordReader& reader)
    : GPLMaterialRecord(subType, childId)
{
    Util::ReadFields(reader, *this);
    if (Has(FeatureMultipleTextures))
    {
        U32 names = reader.ReadCount(4);
        TextureNames.reserve(names);
        for (U32 i = 0; i < names; ++i)
            TextureNames.push_back(reader.ReadU32());
    }
}

void GPLMaterialRecord::Write(GPLTdoFile& file, Util::BinaryStream& stream) const
{
    U8 record[32];
    Util::EncodeLE<U32>(5, record);
    Util::EncodeLE<U32>(OffsetOf(file, ChildId), record + 4);
    Util::EncodeLE<U32>(SubType, record + 8);
    Util::EncodeFields(*this, record + 12);
    U32 size = 12 + U32(Util::FieldsSize(*this));
    if (Has(FeatureMultipleTextures))
    {
        Util::EncodeLE<U32>(U32(TextureNames.size()), record + size);
        size += 4;
    }
    stream.Write(size, record);
    for (U32 name : TextureNames)
        Util::WriteLE<U32>(stream, name);
}

U32 GPLMaterialRecord::ShininessFromDouble(double value)
{
    double rounded = std::trunc(value + 0.5);
    if (!(rounded > 0))
        return 0;
    if (rounded >= double(std::numeric_limits<U32>::max()))
        return std::numeric_limits<U32>::max();
    return U32(rounded);
}

U32 GPLMaterialRecord::ShadeFromColour(double red, double green, double blue)
{
    F32 shade = F32((red + green + blue) / 3);
    U32 bits;
    std::memcpy(&bits, &shade, 4);
    return bits;
}

F32 GPLMaterialRecord::GetSpecularShade() const
{
    F32 shade;
    std::memcpy(&shade, &SpecularShadeBits, 4);
    return shade;
}
} // namespace Velmo::Papy

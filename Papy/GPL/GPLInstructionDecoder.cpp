#include "Papy/GPL/GPLInstructionDecoder.h"

#include <array>
#include <map>
#include <utility>

#include "Papy/GPL/GPLAnimationSplitter.h"
#include "Papy/GPL/GPLBoundingBox.h"
#include "Papy/GPL/GPLClassMaterial.h"
#include "Papy/GPL/GPLClassTexture.h"
#include "Papy/GPL/GPLClassTextureMaterial.h"
#include "Papy/GPL/GPLClassTextureSelector.h"
#include "Papy/GPL/GPLClassTextureSelectorMaterial.h"
#include "Papy/GPL/GPLDisplayClass.h"
#include "Papy/GPL/GPLDistanceSplitter.h"
#include "Papy/GPL/GPLExtObject.h"
#include "Papy/GPL/GPLLatitudeSplitter.h"
#include "Papy/GPL/GPLLine.h"
#include "Papy/GPL/GPLLongitudeSplitter.h"
#include "Papy/GPL/GPLMaterial.h"
#include "Papy/GPL/GPLMultipleTextures.h"
#include "Papy/GPL/GPLNumberList.h"
#include "Papy/GPL/GPLObjectList.h"
#include "Papy/GPL/GPLObjectLocator.h"
#include "Papy/GPL/GPLPlaneCullFront.h"
#include "Papy/GPL/GPLPlaneOrder2.h"
#include "Papy/GPL/GPLPlaneOrder2CullFrontBack.h"
#include "Papy/GPL/GPLPlaneOrder3.h"
#include "Papy/GPL/GPLPlaneOrder3CullFront.h"
#include "Papy/GPL/GPLPlaneOrder4CullFrontBack.h"
#include "Papy/GPL/GPLPolygonFamily.h"
#include "Papy/GPL/GPLRecord.h"
#include "Papy/GPL/GPLScaledBitmap.h"
#include "Papy/GPL/GPLStateSplitter.h"
#include "Papy/GPL/GPLStateValueSetter.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/GPL/GPLTexture.h"
#include "Papy/GPL/GPLTextureSelector.h"
#include "Papy/GPL/GPLTransformationFamily.h"
#include "Papy/GPL/GPLVertexFixer.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
typedef Util::CountedPointer<ThreeDObject> Node;

// A node class whose reading constructor takes (file, id, reader).
template <class T>
Node Read(GPLTdoFile& file, int id, U32, Util::RecordReader& reader)
{
    return Node(new T(file, id, reader));
}

// A node class whose reading constructor takes (file, id, extra, reader): for type 5 the
// decoder's child word, otherwise the fixed value of the row.
template <class T>
Node ReadWithExtra(GPLTdoFile& file, int id, U32 extra, Util::RecordReader& reader)
{
    return Node(new T(file, id, extra, reader));
}

// A node class with a variant flag fixed by its type word (polygons and scaled bitmaps:
// coloured or not).
template <class T, bool Flag>
Node ReadFlagged(GPLTdoFile& file, int id, U32, Util::RecordReader& reader)
{
    return Node(new T(file, id, Flag, reader));
}

constexpr S64 None = GPLInstructionDecoder::NoSubType;

const GPLInstructionDecoder::Row Rows[] = {
    {3, None, ReadFlagged<GPLScaledBitmap, false>},
    {4, None, Read<GPLObjectList>},
    {5, 1, ReadWithExtra<GPLTexture>},
    {5, 4, ReadWithExtra<GPLDisplayClass>},
    {5, 5, ReadWithExtra<GPLClassTexture>},
    {5, 8, ReadWithExtra<GPLMaterial>},
    {5, 12, ReadWithExtra<GPLClassMaterial>},
    {5, 13, ReadWithExtra<GPLClassTextureMaterial>},
    {5, 17, ReadWithExtra<GPLMultipleTextures>},
    {5, 32, ReadWithExtra<GPLTextureSelector>},
    {5, 36, ReadWithExtra<GPLClassTextureSelector>},
    {5, 44, ReadWithExtra<GPLClassTextureSelectorMaterial>},
    {6, None, Read<GPLPlaneCullFront>},
    {7, None, Read<GPLPlaneOrder2CullFrontBack>},
    {8, None, Read<GPLPlaneOrder4CullFrontBack>},
    {9, None, Read<GPLPlaneOrder3CullFront>},
    {10, None, Read<GPLPlaneOrder3>},
    {11, None, Read<GPLPlaneOrder2>},
    {13, None, Read<GPLTransformation2>},
    {14, None, Read<GPLExtObject>},
    {15, None, Read<GPLObjectLocator>},
    {16, None, Read<GPLNumberList>},
    {17, 0, Read<GPLDistanceSplitter>},
    {17, 1, Read<GPLLongitudeSplitter>},
    {17, 2, Read<GPLLatitudeSplitter>},
    {17, 3, Read<GPLAnimationSplitter>},
    {17, 4, Read<GPLStateSplitter>},
    {19, None, Read<GPLTransformation>},
    {20, None, Read<GPLStateValueSetter>},
    {22, None, Read<GPLTransformation3>},
    {23, None, Read<GPLVertexFixer>},
    {25, None, Read<GPLBoundingBox>},
    {27, None, ReadFlagged<GPLPolygon, false>},
    {28, None, ReadFlagged<GPLGouraudPolygon, false>},
    {29, None, ReadFlagged<GPLPhongPolygon, false>},
    {30, None, ReadFlagged<GPLGouraudPhongPolygon, false>},
    {31, None, ReadFlagged<GPLTexturedPolygon, false>},
    {32, None, ReadFlagged<GPLTexturedGouraudPolygon, false>},
    {33, None, ReadFlagged<GPLTexturedPhongPolygon, false>},
    {34, None, ReadFlagged<GPLTexturedGouraudPhongPolygon, false>},
    {2069, None, Read<GPLLine>},
    {0x800 + 27, None, ReadFlagged<GPLPolygon, true>},
    {0x800 + 28, None, ReadFlagged<GPLGouraudPolygon, true>},
    {0x800 + 29, None, ReadFlagged<GPLPhongPolygon, true>},
    {0x800 + 30, None, ReadFlagged<GPLGouraudPhongPolygon, true>},
    {0x800 + 31, None, ReadFlagged<GPLTexturedPolygon, true>},
    {0x800 + 32, None, ReadFlagged<GPLTexturedGouraudPolygon, true>},
    {0x800 + 33, None, ReadFlagged<GPLTexturedPhongPolygon, true>},
    {0x800 + 34, None, ReadFlagged<GPLTexturedGouraudPhongPolygon, true>},
    {0xA03, None, ReadFlagged<GPLScaledBitmap, true>},
};

constexpr U32 TypeWithChildAndSubType = 5;
constexpr U32 TypeWithSubType = 17;

// The rows by type word (plain types) and by type word and sub-type.
class Table
{
public:
    Table()
    {
        for (const auto& row : Rows)
        {
            if (row.subType == None && row.typeWord < m_plain.size())
                m_plain[row.typeWord] = row.read;
            else
                m_sub[{row.typeWord, row.subType}] = row.read;
        }
    }

    GPLInstructionDecoder::Reader Find(U32 typeWord, S64 subType) const
    {
        if (subType == None && typeWord < m_plain.size())
            return m_plain[typeWord];
        auto p = m_sub.find({typeWord, subType});
        return p == m_sub.end() ? nullptr : p->second;
    }

private:
    std::array<GPLInstructionDecoder::Reader, 4096> m_plain{};
    std::map<std::pair<U32, S64>, GPLInstructionDecoder::Reader> m_sub;
};

const Table& GetTable()
{
    static const Table table;
    return table;
}
} // namespace

Util::CountedPointer<ThreeDObject> GPLInstructionDecoder::Decode(GPLTdoFile& file, int id, U32 typeWord,
                                                                 Util::RecordReader& reader)
{
    Reader read = nullptr;
    U32 extra = 0;
    if (typeWord == TypeWithChildAndSubType)
    {
        U32 words[2];
        reader.ReadArray(words, 2);
        extra = words[0];
        read = GetTable().Find(typeWord, words[1]);
    }
    else if (typeWord == TypeWithSubType)
        read = GetTable().Find(typeWord, reader.ReadU32());
    else
        read = GetTable().Find(typeWord, None);
    if (read == nullptr)
        throw Util::XFileFormat(reader.GetName(), "GPL TDO File unknown instruction type");
    return read(file, id, extra, reader);
}

bool GPLInstructionDecoder::Knows(U32 typeWord, S64 subType)
{
    return GetTable().Find(typeWord, subType) != nullptr;
}
} // namespace Velmo::Papy

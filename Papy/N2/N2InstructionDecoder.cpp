#include "Papy/N2/N2InstructionDecoder.h"

#include "Papy/N2/N2ClassMaterial.h"
#include "Papy/N2/N2ClassTexture.h"
#include "Papy/N2/N2ColourMap.h"
#include "Papy/N2/N2DisplayClass.h"
#include "Papy/N2/N2DistanceSplitter.h"
#include "Papy/N2/N2ExtObject.h"
#include "Papy/N2/N2ExtObjectList.h"
#include "Papy/N2/N2Line.h"
#include "Papy/N2/N2MultiLine.h"
#include "Papy/N2/N2NumberList.h"
#include "Papy/N2/N2ObjectList.h"
#include "Papy/N2/N2PlaneCullFront.h"
#include "Papy/N2/N2PlaneOrder2.h"
#include "Papy/N2/N2PlaneOrder2CullFrontBack.h"
#include "Papy/N2/N2PlaneOrder3.h"
#include "Papy/N2/N2PlaneOrder3CullFront.h"
#include "Papy/N2/N2PlaneOrder4CullFrontBack.h"
#include "Papy/N2/N2PolygonFamily.h"
#include "Papy/N2/N2Record.h"
#include "Papy/N2/N2ScaledBitmap.h"
#include "Papy/N2/N2StateSplitter.h"
#include "Papy/N2/N2TdoFile.h"
#include "Papy/N2/N2Texture.h"
#include "Papy/N2/N2TransformationFamily.h"
#include "Papy/N2/N2U1.h"
#include "Papy/N2/N2U3.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
typedef Util::CountedPointer<ThreeDObject> Node;
// The words the decoder read after the header: the selector words of the type.
struct Selectors
{
    S32 words[3];
};
typedef Node (*Reader)(N2TdoFile& file, int id, const Selectors& selectors, Util::RecordReader& reader);

// A node class whose reading constructor takes (file, reader, id).
template <class T>
Node Read(N2TdoFile& file, int id, const Selectors&, Util::RecordReader& reader)
{
    return Node(new T(file, reader, id));
}

// Type 5: the child reference goes to the class.
template <class T>
Node ReadWithChild(N2TdoFile& file, int id, const Selectors& selectors, Util::RecordReader& reader)
{
    return Node(new T(file, reader, id, selectors.words[0]));
}

Node ReadLine(N2TdoFile& file, int id, const Selectors& s, Util::RecordReader& reader)
{
    return Node(new N2Line(file, id, s.words[0], s.words[1], reader));
}

Node ReadMultiLine(N2TdoFile& file, int id, const Selectors& s, Util::RecordReader& reader)
{
    return Node(new N2MultiLine(file, id, s.words[0], s.words[1], s.words[2], reader));
}

// Selector values: the sub-kind for types 2, 5 and 17; for type 21 the point count, where
// AnyOther stands for every count without a row of its own.
constexpr S64 None = -1;
constexpr S64 AnyOther = -2;

struct Row
{
    U8 type;
    S64 selector;
    Reader read;
};

const Row Rows[] = {
    {2, 0, Read<N2Polygon>},
    {2, 1, Read<N2TexturedPolygon>},
    {2, 2, Read<N2TexturedPolygon2>},
    {2, 3, Read<N2TexturedGouraudPolygon>},
    {2, 4, Read<N2PhongPolygon>},
    {2, 5, Read<N2TexturedPhongPolygon>},
    {2, 9, Read<N2TexturedPolygon3>},
    {2, 12, Read<N2PhongPolygon2>},
    {2, 13, Read<N2TexturedPhongPolygon2>},
    {3, None, Read<N2ScaledBitmap>},
    {4, None, Read<N2ObjectList>},
    {5, 0, ReadWithChild<N2U3>},
    {5, 1, ReadWithChild<N2Texture>},
    {5, 4, ReadWithChild<N2DisplayClass>},
    {5, 5, ReadWithChild<N2ClassTexture>},
    {5, 12, ReadWithChild<N2ClassMaterial>},
    {5, 0x1F0000, ReadWithChild<N2ColourMap>},
    {6, None, Read<N2PlaneCullFront>},
    {7, None, Read<N2PlaneOrder2CullFrontBack>},
    {8, None, Read<N2PlaneOrder4CullFrontBack>},
    {9, None, Read<N2PlaneOrder3CullFront>},
    {10, None, Read<N2PlaneOrder3>},
    {11, None, Read<N2PlaneOrder2>},
    {12, None, Read<N2ExtObjectList>},
    {13, None, Read<N2Transformation>},
    {14, None, Read<N2ExtObject>},
    {15, None, Read<N2U1>},
    {16, None, Read<N2NumberList>},
    {17, 0, Read<N2DistanceSplitter>},
    {17, 4, Read<N2StateSplitter>},
    {19, None, Read<N2Transformation2>},
    {21, 2, ReadLine},
    {21, AnyOther, ReadMultiLine},
};
} // namespace

Node N2InstructionDecoder::Decode(N2TdoFile& file, int id, U8 type, Util::RecordReader& reader)
{
    Selectors selectors = {};
    S64 selector = None;
    switch (type)
    {
    case 2:
    case 17:
        reader.ReadArray(selectors.words, 1);
        selector = selectors.words[0];
        break;
    case 5:
        reader.ReadArray(selectors.words, 2);
        selector = selectors.words[1];
        break;
    case 21:
        reader.ReadArray(selectors.words, 3);
        selector = selectors.words[2] == 2 ? 2 : AnyOther;
        break;
    default:
        break;
    }
    for (const Row& row : Rows)
        if (row.type == type && row.selector == selector)
            return row.read(file, id, selectors, reader);
    throw Util::XFileFormat(reader.GetName(), "N2 TDO File unknown instruction type");
}
} // namespace Velmo::Papy

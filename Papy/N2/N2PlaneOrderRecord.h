#pragma once
// The record shared by the six N2 plane-order nodes (types 6 to 11): five plane words (a, b,
// c, dHigh, dLow) and one to four child references. The nodes keep their children in their
// interface's order (first child first); the record stores them the other way round, the
// last word being the first child:
//
//   type  class                        children (interface order)   body bytes
//    6    N2PlaneCullFront             front                        24
//    7    N2PlaneOrder2CullFrontBack   back, front                  28
//    8    N2PlaneOrder4CullFrontBack   far, back, front, near       36
//    9    N2PlaneOrder3CullFront       far, front, near             32
//   10    N2PlaneOrder3                far, middle, near            32
//   11    N2PlaneOrder2                far, near                    28
#include "Papy/Model/Plane.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N2TdoFile;

struct N2PlaneOrderKind
{
    U8 Type;
    const char* TypeText;
    U32 ChildCount;
};

extern const N2PlaneOrderKind N2PlaneCullFrontKind;
extern const N2PlaneOrderKind N2PlaneOrder2CullFrontBackKind;
extern const N2PlaneOrderKind N2PlaneOrder4CullFrontBackKind;
extern const N2PlaneOrderKind N2PlaneOrder3CullFrontKind;
extern const N2PlaneOrderKind N2PlaneOrder3Kind;
extern const N2PlaneOrderKind N2PlaneOrder2Kind;

class N2PlaneOrderRecord
{
public:
    // Reads the body behind the record header in one read; no value is tested.
    N2PlaneOrderRecord(const N2PlaneOrderKind& kind, Util::RecordReader& reader);

    // One write of the whole record, each child as its current file offset.
    void Write(const N2TdoFile& file, Util::BinaryStream& stream) const;

    const N2PlaneOrderKind& Kind;
    // a, b, c, dHigh, dLow as read.
    S32 PlaneWords[5] = {};
    Plane ThePlane;
    // Child ids in interface order; only the first Kind.ChildCount are used.
    int ChildIds[4] = {};
};
} // namespace Velmo::Papy

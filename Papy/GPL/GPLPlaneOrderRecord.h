#pragma once
// The record shared by the six plane-order nodes: a type word, a plane id and one to four
// child references. The nodes keep their children in their own slot order (far before near,
// back before front); the file stores them in an order fixed per type:
//
//   type  slots                      file order after the plane
//   11    far, near                  near, far
//   10    far, middle, near          near, middle, far
//    9    far, front, near           far, front, near
//    8    far, back, front, near     near, front, back, far
//    7    back, front                front, back
//    6    front                      front
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

struct GPLPlaneOrderKind
{
    U32 TypeWord;
    const char* TypeText;
    U32 ChildCount;
    // For each child word of the record, in file order, the slot it belongs to.
    U32 SlotOfRecordWord[4];
};

extern const GPLPlaneOrderKind GPLPlaneOrder2Kind;
extern const GPLPlaneOrderKind GPLPlaneOrder3Kind;
extern const GPLPlaneOrderKind GPLPlaneOrder3CullFrontKind;
extern const GPLPlaneOrderKind GPLPlaneOrder4CullFrontBackKind;
extern const GPLPlaneOrderKind GPLPlaneOrder2CullFrontBackKind;
extern const GPLPlaneOrderKind GPLPlaneCullFrontKind;

class GPLPlaneOrderRecord
{
public:
    // Reads the body behind the type word in one read. No value is tested.
    GPLPlaneOrderRecord(const GPLPlaneOrderKind& kind, Util::RecordReader& reader);
    // Children in slot order.
    GPLPlaneOrderRecord(const GPLPlaneOrderKind& kind, U32 planeId, U32 child0, U32 child1 = 0, U32 child2 = 0,
                        U32 child3 = 0);

    // One write of the whole record, each child as its current file offset.
    void Write(GPLTdoFile& file, Util::BinaryStream& stream) const;

    const GPLPlaneOrderKind& Kind;
    U32 PlaneId = 0;
    // Child ids in slot order; only the first Kind.ChildCount are used.
    U32 ChildIds[4] = {};
};
} // namespace Velmo::Papy

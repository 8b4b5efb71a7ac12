#pragma once
// What every N2 node of a PRIM record shares: its owning file (not owned), its id and its
// file offset, both the offset of its record in the PRIM data.
//
// A reference to another node is kept as that node's id and resolved through the file each
// time: Child(id) gives the node, OffsetOf(id) the word a record holds for it when written
// (the node's file offset; 0xFFFFFFFF, that is -1, for the null node).
#include "Papy/Model/ThreeDObject.h"
#include "Papy/N2/N2TdoFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/Types.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
template <class Kind>
class N2Node : public Kind
{
public:
    int GetId() const override { return m_id; }
    U64 GetFileOffset() const override { return m_fileOffset; }

    N2TdoFile& GetFile() const { return *m_file; }

protected:
    N2Node(N2TdoFile& file, int id, U32 fileOffset) : m_file(&file), m_id(id), m_fileOffset(fileOffset) {}

    Util::CountedPointer<ThreeDObject> Child(int id) const { return m_file->GetSubObject(id); }
    S32 OffsetOf(int id) const { return S32(U32(m_file->GetSubObject(id)->GetFileOffset())); }
    void SetFileOffset(U32 offset) { m_fileOffset = offset; }

    // A list position checked against the list's size; every read of a list is a step of the
    // walk meter.
    template <class List>
    static std::size_t At(const List& list, int i)
    {
        Util::WalkMeter::Tick();
        VELMO_ASSERT(i >= 0 && std::size_t(i) < list.size());
        return std::size_t(i);
    }

    N2TdoFile* m_file;
    int m_id;
    U32 m_fileOffset;
};
} // namespace Velmo::Papy

#pragma once
// What every GPL node of a PRIM record shares: its owning file (not owned), its id and the
// offset where its record was last read or written (0 for a new node until it is written).
//
// A reference to another node is kept as that node's id and resolved through the file each
// time: Child(id) gives the node (the null node for -1), OffsetOf(id) the value a record
// holds for it when written (the node's current file offset; 0xFFFFFFFF for the null node).
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObject.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
template <class Kind>
class GPLNode : public Kind
{
public:
    int GetId() const override { return m_id; }
    U64 GetFileOffset() const override { return m_fileOffset; }
    void ClearFileOffset() override { m_fileOffset = 0; }

    GPLTdoFile& GetFile() const { return *m_file; }

protected:
    GPLNode(GPLTdoFile& file, int id, U32 fileOffset) : m_file(&file), m_id(id), m_fileOffset(fileOffset) {}

    Util::CountedPointer<ThreeDObject> Child(U32 id) const { return m_file->GetSubObject(int(id)); }
    U32 OffsetOf(U32 id) const { return U32(m_file->GetSubObject(int(id))->GetFileOffset()); }
    void SetFileOffset(U32 offset) { m_fileOffset = offset; }

    GPLTdoFile* m_file;
    int m_id;
    U32 m_fileOffset;
};
} // namespace Velmo::Papy

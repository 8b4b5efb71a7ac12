#pragma once
// What every N4 node class shares: its owning file, its id and the file offset of its record
// (the position of its id word in the archive; 0 for a node made in the editor until it is
// first saved). Children are kept as object ids and fetched from the file on every access, so
// a child shared by several parents is one node.
#include "Papy/Model/BoundingBox.h"
#include "Papy/Model/Vertex.h"
#include "Papy/N4/N4Archiver.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/CountedPointer.h"

#include <vector>

namespace Velmo::Papy
{
template <class Kind>
class N4Node : public Kind
{
public:
    int GetId() const override { return m_id; }
    U64 GetFileOffset() const override { return m_fileOffset; }
    void ClearFileOffset() override {}

protected:
    N4Node(N4TdoFile& file, int id, U64 fileOffset) : m_file(&file), m_id(id), m_fileOffset(fileOffset) {}

    Util::CountedPointer<ThreeDObject> Child(int id) const { return m_file->GetSubObject(id); }
    // The archive of the save in progress.
    N4Archiver& Archive() const { return m_file->GetArchive(); }
    // Writes the child with that id at the stream's position (the null node writes 0).
    void WriteChild(int id, Util::BinaryStream& stream) const
    {
        Child(id)->Write(stream, U32(stream.Tell()));
    }

    // A box is six doubles: minimum x, y, z, then maximum x, y, z. It is kept as read and
    // checked only when it is asked for as a BoundingBox.
    struct Box
    {
        F64 values[6] = {};
        BoundingBox Get() const
        {
            return BoundingBox(Vertex(values[0], values[1], values[2]), Vertex(values[3], values[4], values[5]));
        }
        template <class IO>
        void Fields(IO& io)
        {
            io(values);
        }
    };
    // Reads count child references (count checked against the bytes left first).
    static std::vector<int> ReadChildren(N4Archiver& archive, U32 count)
    {
        archive.Require(count, sizeof(S32));
        std::vector<int> children(count);
        for (int& child : children)
            child = archive.ReadObject();
        return children;
    }

    N4TdoFile* m_file;
    int m_id;
    U64 m_fileOffset;
};
} // namespace Velmo::Papy

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
        Vertex min;
        Vertex max;
        BoundingBox Get() const { return BoundingBox(min, max); }
    };
    static Box ReadBox(N4Archiver& archive)
    {
        F64 v[6];
        archive.ReadF64s(6, v);
        return Box{Vertex(v[0], v[1], v[2]), Vertex(v[3], v[4], v[5])};
    }
    static void WriteBox(N4Archiver& archive, const Box& box)
    {
        const F64 v[6] = {box.min.GetX(), box.min.GetY(), box.min.GetZ(),
                          box.max.GetX(), box.max.GetY(), box.max.GetZ()};
        archive.WriteF64s(v, 6);
    }
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

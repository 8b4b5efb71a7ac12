#include "Papy/N4/N4Group.h"

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
// Looks for one node in a tree; stops descending once it is found.
class NodeFinder : public ThreeDObjectVisitor
{
public:
    explicit NodeFinder(const ThreeDObject* target) : m_target(target) {}
    bool Enter(ThreeDObject& node) override
    {
        m_found = m_found || &node == m_target;
        return !m_found;
    }
    void Visit(ThreeDObject& node) override { m_found = m_found || &node == m_target; }
    bool Found() const { return m_found; }

private:
    const ThreeDObject* m_target;
    bool m_found = false;
};
} // namespace

const N4ArchiverGroup g_N4ArchiverGroup;

N4Group::N4Group(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    U32 count = archive.ReadU32();
    if (archive.ReadU32() != U64(count) * sizeof(U32))
        archive.Fail("N4 3do Group child array size mismatch");
    m_children = ReadChildren(archive, count);
}

Util::CountedPointer<ThreeDObject> N4Group::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_children.size());
    return Child(m_children[i]);
}

void N4Group::InsertChild(const Util::CountedPointer<ThreeDObject>& child, int i)
{
    VELMO_ASSERT(i >= 0 && size_t(i) <= m_children.size());
    // A group below itself would make the tree endless: the archive could be written but
    // never read again.
    NodeFinder finder(this);
    child->Accept(finder);
    if (finder.Found())
        throw Util::XUsage("N4 3do Group cannot contain itself");
    m_children.insert(m_children.begin() + i, child->GetId());
}

void N4Group::RemoveChild(int i)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_children.size());
    m_children.erase(m_children.begin() + i);
}

void N4Group::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverGroup, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteU32(U32(m_children.size()));
    archive.WriteU32(U32(m_children.size() * sizeof(U32)));
    for (int child : m_children)
        WriteChild(child, stream);
}
} // namespace Velmo::Papy

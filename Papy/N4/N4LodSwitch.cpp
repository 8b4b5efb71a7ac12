#include "Papy/N4/N4LodSwitch.h"

#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
const N4ArchiverLodSwitch g_N4ArchiverLodSwitch;

N4LodSwitch::N4LodSwitch(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    U32 count = archive.ReadU32();
    archive.ReadF64s(3, m_values);
    m_ignoresPreferences = archive.ReadU8();
    if (archive.ReadU32() != U64(count) * sizeof(F64))
        archive.Fail("N4 3do LodSwitch distance array size mismatch");
    m_distances = archive.ReadF64Vector(count);
    if (archive.ReadU32() != U64(count) * sizeof(U32))
        archive.Fail("N4 3do LodSwitch child array size mismatch");
    m_children = ReadChildren(archive, count);
}

double N4LodSwitch::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && i < 3);
    return m_values[i];
}

Util::CountedPointer<ThreeDObject> N4LodSwitch::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_children.size());
    return Child(m_children[i]);
}

double N4LodSwitch::GetSplitDistance(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && size_t(i) < m_distances.size());
    return m_distances[i];
}

void N4LodSwitch::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverLodSwitch, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteU32(U32(m_children.size()));
    archive.WriteF64s(m_values, 3);
    archive.WriteU8(m_ignoresPreferences);
    archive.WriteU32(U32(m_distances.size() * sizeof(F64)));
    archive.WriteF64s(m_distances.data(), m_distances.size());
    archive.WriteU32(U32(m_children.size() * sizeof(U32)));
    for (int child : m_children)
        WriteChild(child, stream);
}
} // namespace Velmo::Papy

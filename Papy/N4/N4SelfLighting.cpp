#include "Papy/N4/N4SelfLighting.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverSelfLighting g_N4ArchiverSelfLighting;

N4SelfLighting::N4SelfLighting(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    for (F64& value : m_reserved)
    {
        value = archive.ReadF64();
        if (value != 0.0)
            archive.Fail("N4 3do SelfLighting reserved4 not 0.0");
    }
    archive.Expect(1, "N4 3do SelfLighting reserved5 not 1");
    m_flags[0] = archive.ReadU8();
    m_flags[1] = archive.ReadU8();
    if (archive.ReadU8() != 1)
        archive.Fail("N4 3do SelfLighting reserved6 not 1");
    archive.ReadF64s(9, m_values);
    m_child = archive.ReadObject();
}

bool N4SelfLighting::GetBoolean(int i) const
{
    VELMO_ASSERT(i >= 0 && i < 2);
    return m_flags[i] != 0;
}

double N4SelfLighting::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && i < 9);
    return m_values[i];
}

void N4SelfLighting::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverSelfLighting, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteF64s(m_reserved, 6);
    archive.WriteS32(1);
    archive.WriteU8(m_flags[0]);
    archive.WriteU8(m_flags[1]);
    archive.WriteU8(1);
    archive.WriteF64s(m_values, 9);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy

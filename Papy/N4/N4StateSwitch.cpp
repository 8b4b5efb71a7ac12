#include "Papy/N4/N4StateSwitch.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverStateSwitch g_N4ArchiverStateSwitch;

N4StateSwitch::N4StateSwitch(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    S32 flagCount = archive.ReadS32();
    if (flagCount < 1)
        archive.Fail("N4 3do StateSwitch flag count less than 1");
    m_variable = archive.ReadString();
    archive.Require(U32(flagCount - 1), 1);
    m_flags.resize(U32(flagCount - 1));
    for (U8& flag : m_flags)
        flag = archive.ReadU8();
    U32 count = archive.ReadU32();
    archive.Expect(0, "N4 3do StateSwitch reserved5 not 0");
    archive.Expect(0, "N4 3do StateSwitch reserved5 not 0");
    if (archive.ReadU32() != U64(count) * sizeof(F64) + sizeof(F64))
        archive.Fail("N4 3do StateSwitch state array size mismatch");
    m_states = archive.ReadF64Vector(U64(count) + 1);
    if (archive.ReadU32() != U64(count) * sizeof(U32))
        archive.Fail("N4 3do StateSwitch child array size mismatch");
    m_children = ReadChildren(archive, count);
}

int N4StateSwitch::GetInteger(int i) const
{
    VELMO_ASSERT(i == 0);
    return int(m_flags.size() + 1);
}

bool N4StateSwitch::GetBoolean(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_flags.size());
    return m_flags[i] != 0;
}

Util::CountedPointer<ThreeDObject> N4StateSwitch::GetChild(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_children.size());
    return Child(m_children[i]);
}

double N4StateSwitch::GetStateValue(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_states.size());
    return m_states[i];
}

void N4StateSwitch::SetStateValue(int i, double value)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_states.size());
    m_states[i] = value;
}

void N4StateSwitch::RemoveChild(int i)
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_children.size());
    m_children.erase(m_children.begin() + i);
    m_states.erase(m_states.begin() + i);
}

void N4StateSwitch::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverStateSwitch, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteU32(U32(m_flags.size() + 1));
    archive.WriteString(m_variable);
    for (U8 flag : m_flags)
        archive.WriteU8(flag);
    archive.WriteU32(U32(m_children.size()));
    archive.WriteS32(0);
    archive.WriteS32(0);
    archive.WriteU32(U32(m_states.size() * sizeof(F64)));
    archive.WriteF64s(m_states.data(), m_states.size());
    archive.WriteU32(U32(m_children.size() * sizeof(U32)));
    for (int child : m_children)
        WriteChild(child, stream);
}
} // namespace Velmo::Papy

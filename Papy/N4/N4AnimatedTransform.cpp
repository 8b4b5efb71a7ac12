#include "Papy/N4/N4AnimatedTransform.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverAnimatedTransform g_N4ArchiverAnimatedTransform;

namespace
{
// Record positions of D0..D5 and of S1..S7 (index into the stored arrays, in file order).
constexpr int ValueOrder[6] = {0, 2, 1, 3, 4, 5};
constexpr int StateOrder[7] = {0, 2, 1, 3, 4, 5, 6};
constexpr U32 StateSize = 32;
} // namespace

N4AnimatedTransform::N4AnimatedTransform(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    for (int k : ValueOrder)
        m_values[k] = archive.ReadF64();
    m_child = archive.ReadObject();
    archive.Expect(1, "N4 3do AnimatedTransform reserved5 not 1");
    m_text = archive.ReadString();
    U32 count = archive.ReadU32();
    U32 bytes = archive.ReadU32();
    if (U64(bytes) != U64(count) * StateSize)
        archive.Fail("N4 3do AnimatedTransform state array size error");
    archive.Require(count, StateSize);
    m_states.resize(count);
    for (State& state : m_states)
    {
        state.s0 = archive.ReadS32();
        for (int k : StateOrder)
            state.s[k] = archive.ReadF32();
    }
}

N4AnimatedTransform::N4AnimatedTransform(N4TdoFile& file, int id, const std::string& name,
                                         const std::string& text, const double (&values)[6], int child)
    : N4Node(file, id, 0), m_name(name), m_text(text), m_child(child)
{
    for (int k = 0; k < 6; ++k)
        m_values[k] = values[k];
}

double N4AnimatedTransform::GetFloat(int i) const
{
    return GetStateFloat(i, 7);
}

void N4AnimatedTransform::SetFloat(int i, double value)
{
    SetStateFloat(i, 7, value);
}

void N4AnimatedTransform::InsertState(int i)
{
    VELMO_ASSERT(i >= 0 && i <= int(m_states.size()));
    m_states.insert(m_states.begin() + i, State());
}

int N4AnimatedTransform::GetStateValue(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_states.size()));
    return m_states[i].s0;
}

void N4AnimatedTransform::SetStateValue(int i, int value)
{
    VELMO_ASSERT(i >= 0 && i < int(m_states.size()));
    m_states[i].s0 = value;
}

double N4AnimatedTransform::GetStateFloat(int i, int k) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_states.size()));
    VELMO_ASSERT(k >= 1 && k <= 7);
    return m_states[i].s[k - 1];
}

void N4AnimatedTransform::SetStateFloat(int i, int k, double value)
{
    VELMO_ASSERT(i >= 0 && i < int(m_states.size()));
    VELMO_ASSERT(k >= 1 && k <= 7);
    m_states[i].s[k - 1] = F32(value);
}

void N4AnimatedTransform::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverAnimatedTransform, m_fileOffset))
        return;
    archive.WriteHead(*this);
    for (int k : ValueOrder)
        archive.WriteF64(m_values[k]);
    WriteChild(m_child, stream);
    archive.WriteS32(1);
    archive.WriteString(m_text);
    archive.WriteU32(U32(m_states.size()));
    archive.WriteU32(U32(m_states.size() * StateSize));
    for (const State& state : m_states)
    {
        archive.WriteS32(state.s0);
        for (int k : StateOrder)
            archive.WriteF32(state.s[k]);
    }
}
} // namespace Velmo::Papy

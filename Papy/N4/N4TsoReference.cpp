#include "Papy/N4/N4TsoReference.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverTsoReference g_N4ArchiverTsoReference;

namespace
{
// Record order of P0..P5.
constexpr int ValueOrder[6] = {0, 1, 2, 5, 4, 3};
constexpr U32 AnimationSize = 40;
} // namespace

N4TsoReference::N4TsoReference(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf TsoReference reserved0 not 1");
    archive.Expect(0, "N4 ptf TsoReference reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version != 1 && m_version != 6)
        archive.Fail("N4 ptf TsoReference unsupported version");
    for (int k : ValueOrder)
        m_p[k] = archive.ReadF64();
    m_child = archive.ReadObject();
    if (m_version < 6)
        return;
    m_windDirection = archive.ReadS32();
    if (m_windDirection != 0 && m_windDirection != 1)
        archive.Fail("N4 ptf TsoReference unknown wind direction");
    m_hasName = archive.ReadU8();
    if (m_hasName == 0)
    {
        m_pathFile.Read(archive);
        m_startWaypoint = archive.ReadS32();
        m_speed = archive.ReadF32();
        m_dynamicType = archive.ReadS32();
    }
    U32 count = archive.ReadU32();
    archive.Require(count, AnimationSize);
    m_animations.resize(count);
    for (Animation& animation : m_animations)
    {
        animation.name.Read(archive);
        animation.frameCount = archive.ReadS32();
        animation.framesPerSecond = archive.ReadF32();
    }
    m_soundFile = archive.ReadString();
}

DynamicTSOType N4TsoReference::GetDynamicType() const
{
    if (m_dynamicType == 0)
        return DynamicTSOBlimp;
    if (m_dynamicType == 1)
        return DynamicTSOHelicopter;
    return DynamicTSOUnknown;
}

void N4TsoReference::SetUsesWindDirection(bool uses)
{
    if (m_version >= 6)
        m_windDirection = uses ? 1 : 0;
}

const N4TsoReference::Animation& N4TsoReference::GetAnimation(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_animations.size()));
    return m_animations[i];
}

std::string N4TsoReference::GetAnimationName(int i) const
{
    return GetAnimation(i).name.GetText();
}

int N4TsoReference::GetAnimationFrameCount(int i) const
{
    return GetAnimation(i).frameCount;
}

double N4TsoReference::GetAnimationFramesPerSecond(int i) const
{
    return GetAnimation(i).framesPerSecond;
}

void N4TsoReference::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTsoReference, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    for (int k : ValueOrder)
        archive.WriteF64(m_p[k]);
    WriteChild(m_child, stream);
    if (m_version < 6)
        return;
    archive.WriteS32(m_windDirection);
    archive.WriteU8(m_hasName);
    if (m_hasName == 0)
    {
        m_pathFile.Write(archive);
        archive.WriteS32(m_startWaypoint);
        archive.WriteF32(m_speed);
        archive.WriteS32(m_dynamicType);
    }
    archive.WriteU32(U32(m_animations.size()));
    for (const Animation& animation : m_animations)
    {
        animation.name.Write(archive);
        archive.WriteS32(animation.frameCount);
        archive.WriteF32(animation.framesPerSecond);
    }
    archive.WriteString(m_soundFile);
}
} // namespace Velmo::Papy

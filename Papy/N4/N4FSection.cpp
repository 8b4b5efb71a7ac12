#include "Papy/N4/N4FSection.h"

#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverFSection g_N4ArchiverFSection;

namespace
{
// Surface code - 1 -> surface type.
constexpr SurfaceType SurfaceTypes[] = {
    SurfaceAsphalt, SurfaceConcrete, SurfacePaint,      SurfaceGrass,       SurfaceDirt,     SurfaceSand,
    SurfaceGravel,  SurfaceWater,    SurfaceTrainTrack, SurfaceUnreachable, SurfaceInvisible, SurfaceRumbleStrip,
};

// Function code -> track function.
constexpr TrackFunction TrackFunctions[] = {
    TrackFunctionUnreachable, TrackFunctionRacingSurface, TrackFunctionPitLane,
    TrackFunctionApron,       TrackFunctionPitStall,      TrackFunctionApronNearPits,
};
} // namespace

N4FSection::N4FSection(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf FSection reserved0 not 1");
    archive.Expect(0, "N4 ptf FSection reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version != 4 && m_version != 5)
        archive.Fail("N4 ptf FSection unsupported version");
    if (m_version == 4)
    {
        m_startLatitude = archive.ReadF64();
        m_endLatitude = archive.ReadF64();
    }
    else
    {
        m_startLatitude = m_readLatitudes[0] = archive.ReadF32();
        m_endLatitude = m_readLatitudes[1] = archive.ReadF32();
    }
    m_forcedStraight = archive.ReadU8();
    m_functionCode = archive.ReadS32();
    m_surfaceCode = archive.ReadS32();
    m_appearance = archive.ReadObject();
    if (m_appearance == 0)
        return;

    Util::CountedPointer<ThreeDObjectAppearance> a;
    a = Child(m_appearance);
    VELMO_ASSERT_TEXT(a.Get() != nullptr, "a != 0");
    if (a->HasSpecularTexture())
        archive.Fail("N4 ptf FSection with specular highlight");
    for (int i = 0; i < a->GetOtherTextureCount(); ++i)
        if (a->HasOtherTexture(i))
            archive.Fail("N4 ptf FSection with other texture");
    // After these checks the count covers the base texture and the light map only.
    const int count = a->GetLinkCount();
    if (count == 0)
        return;
    m_textureCoords = archive.ReadObject();
    m_hasBase = a->HasTexture();
    m_hasLightMap = a->HasLightMapTexture();
    m_texels.resize(count);
    for (Texel& texel : m_texels)
    {
        texel.useDefault = archive.ReadU8();
        if (texel.useDefault != 0)
            continue;
        texel.horizontalFixed = archive.ReadU8();
        texel.horizontalSize = archive.ReadF64();
        texel.verticalFixed = archive.ReadU8();
        texel.verticalSize = archive.ReadF64();
        texel.horizontalSkew1 = archive.ReadF64();
        texel.horizontalSkew2 = archive.ReadF64();
        texel.verticalSkew = archive.ReadF64();
    }
}

SurfaceType N4FSection::GetSurfaceType() const
{
    VELMO_ASSERT_TEXT(m_surfaceCode >= 1 && m_surfaceCode <= 12, "false");
    return SurfaceTypes[m_surfaceCode - 1];
}

TrackFunction N4FSection::GetTrackFunction() const
{
    if (m_functionCode >= 0 && m_functionCode <= 5)
        return TrackFunctions[m_functionCode];
    return TrackFunctionUnknown;
}

const N4FSection::Texel& N4FSection::GetTexel(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_texels.size()));
    return m_texels[i];
}

bool N4FSection::UsesDefaultTexelParameters(int i) const
{
    return GetTexel(i).useDefault != 0;
}

bool N4FSection::IsHorizontalTexelFixed(int i) const
{
    return GetTexel(i).horizontalFixed != 0;
}

double N4FSection::GetHorizontalTexelSize(int i) const
{
    return GetTexel(i).horizontalSize;
}

double N4FSection::GetHorizontalTexelSkew1(int i) const
{
    return GetTexel(i).horizontalSkew1;
}

double N4FSection::GetHorizontalTexelSkew2(int i) const
{
    return GetTexel(i).horizontalSkew2;
}

bool N4FSection::IsVerticalTexelFixed(int i) const
{
    return GetTexel(i).verticalFixed != 0;
}

double N4FSection::GetVerticalTexelSize(int i) const
{
    return GetTexel(i).verticalSize;
}

double N4FSection::GetVerticalTexelSkew(int i) const
{
    return GetTexel(i).verticalSkew;
}

void N4FSection::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverFSection, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    if (m_version == 4)
    {
        archive.WriteF64(m_startLatitude);
        archive.WriteF64(m_endLatitude);
    }
    else
    {
        archive.WriteF32(m_startLatitude, m_readLatitudes[0]);
        archive.WriteF32(m_endLatitude, m_readLatitudes[1]);
    }
    archive.WriteU8(m_forcedStraight);
    archive.WriteS32(m_functionCode);
    archive.WriteS32(m_surfaceCode);
    WriteChild(m_appearance, stream);
    if (m_texels.empty())
        return;
    WriteChild(m_textureCoords, stream);
    for (const Texel& texel : m_texels)
    {
        archive.WriteU8(texel.useDefault);
        if (texel.useDefault != 0)
            continue;
        archive.WriteU8(texel.horizontalFixed);
        archive.WriteF64(texel.horizontalSize);
        archive.WriteU8(texel.verticalFixed);
        archive.WriteF64(texel.verticalSize);
        archive.WriteF64(texel.horizontalSkew1);
        archive.WriteF64(texel.horizontalSkew2);
        archive.WriteF64(texel.verticalSkew);
    }
}
} // namespace Velmo::Papy

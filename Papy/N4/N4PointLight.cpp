#include "Papy/N4/N4PointLight.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverPointLight g_N4ArchiverPointLight;

N4PointLight::N4PointLight(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    m_version = archive.ReadU32();
    if (m_version != 2 && m_version != 3)
        archive.Fail("N4 3do PointLight unsupported version");
    m_glowRadius = archive.ReadF64();
    if (m_version == 2)
    {
        m_values = archive.ReadF64Vector(4);
        m_diffuseIntensity = archive.ReadF64();
        m_ambientIntensity = archive.ReadF64();
    }
    else
    {
        for (F32& c : m_diffuseColour)
            c = archive.ReadF32();
        for (F32& c : m_ambientColour)
            c = archive.ReadF32();
    }
    F64 xyz[3];
    archive.ReadF64s(3, xyz);
    m_position = Vertex(xyz[0], xyz[1], xyz[2]);
}

double N4PointLight::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < m_values.size());
    return m_values[i];
}

Colour N4PointLight::GetDiffuseIntensity() const
{
    if (m_version < 3)
        return Colour(float(m_diffuseIntensity), float(m_diffuseIntensity), float(m_diffuseIntensity), 1);
    return Colour(m_diffuseColour[0], m_diffuseColour[1], m_diffuseColour[2], 1);
}

Colour N4PointLight::GetAmbientIntensity() const
{
    if (m_version < 3)
        return Colour(float(m_ambientIntensity), float(m_ambientIntensity), float(m_ambientIntensity), 1);
    return Colour(m_ambientColour[0], m_ambientColour[1], m_ambientColour[2], 1);
}

void N4PointLight::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverPointLight, m_fileOffset))
        return;
    archive.WriteHead(*this);
    archive.WriteU32(m_version);
    archive.WriteF64(m_glowRadius);
    if (m_version < 3)
    {
        archive.WriteF64s(m_values.data(), m_values.size());
        archive.WriteF64(m_diffuseIntensity);
        archive.WriteF64(m_ambientIntensity);
    }
    else
    {
        for (F32 c : m_diffuseColour)
            archive.WriteF32(c);
        for (F32 c : m_ambientColour)
            archive.WriteF32(c);
    }
    const F64 xyz[3] = {m_position.GetX(), m_position.GetY(), m_position.GetZ()};
    archive.WriteF64s(xyz, 3);
}
} // namespace Velmo::Papy

#include "Papy/N4/N4XSection.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverXSection g_N4ArchiverXSection;

namespace
{
constexpr int TypeEntryCount = 2;
} // namespace

N4XSection::N4XSection(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf XSection reserved0 not 1");
    archive.Expect(0, "N4 ptf XSection reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version != 2 && m_version != 3)
        archive.Fail("N4 ptf XSection unsupported version");
    if (m_version == 2)
    {
        m_startLatitude = archive.ReadF64();
        m_startAltitude = archive.ReadF64();
        m_startSlope = archive.ReadF64();
        m_endLatitude = archive.ReadF64();
        m_endAltitude = archive.ReadF64();
        m_endSlope = archive.ReadF64();
        if (archive.ReadU8() != 0)
            archive.Fail("N4 ptf XSection reserved2 not 0");
        return;
    }
    m_startLatitude = m_readSingles[0] = archive.ReadF32();
    m_startAltitude = archive.ReadF64();
    m_startSlope = m_readSingles[2] = archive.ReadF32();
    m_endLatitude = m_readSingles[1] = archive.ReadF32();
    m_endAltitude = archive.ReadF64();
    m_endSlope = m_readSingles[3] = archive.ReadF32();
    if (archive.ReadU8() != 0)
        archive.Fail("N4 ptf XSection reserved2 not 0");
    for (int entry = 0; entry < TypeEntryCount; ++entry)
    {
        U8 type = archive.ReadU8();
        m_integers.push_back(type);
        switch (type)
        {
        case 0:
            break;
        case 1:
            for (int word = 0; word < 2; ++word)
                archive.Expect(0, "N4 ptf XSection reserved3 not 0");
            break;
        case 2:
            for (int k = 0; k < 2; ++k)
            {
                m_readFloats.push_back(archive.ReadF32());
                m_floats.push_back(m_readFloats.back());
            }
            m_integers.push_back(archive.ReadU8());
            m_integers.push_back(archive.ReadU8());
            break;
        default:
            archive.Fail("N4 ptf XSection unknown unknown type");
        }
    }
}

int N4XSection::GetInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_integers.size()));
    return m_integers[i];
}

double N4XSection::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_floats.size()));
    return m_floats[i];
}

void N4XSection::SetLatitude(double start, double end)
{
    m_startLatitude = start;
    m_endLatitude = end;
}

void N4XSection::SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope)
{
    m_startAltitude = startAltitude;
    m_endAltitude = endAltitude;
    m_startSlope = startSlope;
    m_endSlope = endSlope;
}

void N4XSection::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverXSection, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    if (m_version == 2)
    {
        archive.WriteF64(m_startLatitude);
        archive.WriteF64(m_startAltitude);
        archive.WriteF64(m_startSlope);
        archive.WriteF64(m_endLatitude);
        archive.WriteF64(m_endAltitude);
        archive.WriteF64(m_endSlope);
        archive.WriteU8(0);
        return;
    }
    archive.WriteF32(m_startLatitude, m_readSingles[0]);
    archive.WriteF64(m_startAltitude);
    archive.WriteF32(m_startSlope, m_readSingles[2]);
    archive.WriteF32(m_endLatitude, m_readSingles[1]);
    archive.WriteF64(m_endAltitude);
    archive.WriteF32(m_endSlope, m_readSingles[3]);
    archive.WriteU8(0);
    // The lists hold exactly what the type entries read; nothing changes them afterwards.
    std::size_t nextInteger = 0;
    std::size_t nextFloat = 0;
    auto integer = [&]() { return nextInteger < m_integers.size() ? m_integers[nextInteger++] : 0; };
    auto floating = [&]() {
        const std::size_t k = nextFloat++;
        if (k >= m_floats.size())
            archive.WriteF32(0.0f);
        else
            archive.WriteF32(m_floats[k], k < m_readFloats.size() ? m_readFloats[k] : F32(m_floats[k]));
    };
    for (int entry = 0; entry < TypeEntryCount; ++entry)
    {
        int type = integer();
        archive.WriteU8(U8(type));
        if (type == 1)
        {
            archive.WriteS32(0);
            archive.WriteS32(0);
        }
        else if (type == 2)
        {
            floating();
            floating();
            archive.WriteU8(U8(integer()));
            archive.WriteU8(U8(integer()));
        }
    }
}
} // namespace Velmo::Papy

#include "Papy/N4/N4TextureCoords.h"

#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
const N4ArchiverTextureCoords g_N4ArchiverTextureCoords;

N4TextureCoords::N4TextureCoords(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf TextureCoords reserved0 not 1");
    archive.Expect(0, "N4 ptf TextureCoords reserved1 not 0");
    archive.Expect(1, "N4 ptf TextureCoords reserved2 not 1");
    m_vertexCount = archive.ReadS32();
    archive.Expect(3, "N4 ptf TextureCoords reserved3 not 3");
    // A negative count can match no size word but 0.
    const U64 arrayBytes = m_vertexCount > 0 ? U64(m_vertexCount) * sizeof(F64) : 0;
    const U64 count = m_vertexCount > 0 ? U64(m_vertexCount) : 0;

    U32 size = archive.ReadU32();
    VELMO_ASSERT_TEXT(size == 0 || size == arrayBytes, "array_size == 0 || array_size == VertexCount * sizeof(F64)");
    const bool hasTextureVertices = size != 0;
    if (hasTextureVertices)
    {
        std::vector<F64> u = archive.ReadF64Vector(count);
        size = archive.ReadU32();
        VELMO_ASSERT_TEXT(size == arrayBytes,
                          "array_size == has_texture_vertices * VertexCount * sizeof(F64)");
        std::vector<F64> v = archive.ReadF64Vector(count);
        m_textureVertices.reserve(count);
        for (U64 i = 0; i < count; ++i)
            m_textureVertices.emplace_back(u[i], v[i]);
    }
    else
    {
        size = archive.ReadU32();
        VELMO_ASSERT_TEXT(size == 0, "array_size == has_texture_vertices * VertexCount * sizeof(F64)");
    }

    for (int channel = 0; channel < ChannelCount; ++channel)
    {
        size = archive.ReadU32();
        if (size == 0)
            continue;
        VELMO_ASSERT_TEXT(size == arrayBytes, "array_size == VertexCount * sizeof(F64)");
        archive.Require(count, sizeof(F64));
        std::size_t at = m_channelValues.size();
        m_channelValues.resize(at + count);
        archive.ReadF64s(count, m_channelValues.data() + at);
        m_channels.push_back(channel);
    }
}

int N4TextureCoords::GetInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_channels.size()));
    return m_channels[i];
}

double N4TextureCoords::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_channelValues.size()));
    return m_channelValues[i];
}

TextureVertex N4TextureCoords::GetTextureVertex(int i) const
{
    Util::WalkMeter::Tick();
    VELMO_ASSERT(i >= 0 && i < int(m_textureVertices.size()));
    return m_textureVertices[i];
}

void N4TextureCoords::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTextureCoords, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(1);
    archive.WriteS32(m_vertexCount);
    archive.WriteS32(3);
    const U32 textureBytes = U32(m_textureVertices.size() * sizeof(F64));
    archive.WriteU32(textureBytes);
    for (const TextureVertex& t : m_textureVertices)
        archive.WriteF64(t.GetU());
    archive.WriteU32(textureBytes);
    for (const TextureVertex& t : m_textureVertices)
        archive.WriteF64(t.GetV());

    const U64 perChannel = m_vertexCount > 0 ? U64(m_vertexCount) : 0;
    std::size_t next = 0;
    for (int channel = 0; channel < ChannelCount; ++channel)
    {
        if (next < m_channels.size() && m_channels[next] == channel)
        {
            archive.WriteU32(U32(perChannel * sizeof(F64)));
            archive.WriteF64s(m_channelValues.data() + next * perChannel, perChannel);
            ++next;
        }
        else
            archive.WriteU32(0);
    }
}
} // namespace Velmo::Papy

#include "Papy/N4/N4Texture.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverTexture g_N4ArchiverTexture;

N4Texture::N4Texture(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do Texture reserved0 not 1");
    archive.Expect(0, "N4 3do Texture reserved1 not 0");
    m_version = archive.ReadU32();
    if (!(0 < m_version && m_version < 3))
        archive.Fail("N4 3do Texture unsupported version");
    m_fileName = archive.ReadString();
    if (m_version == 2)
        m_shared = archive.ReadU8();
}

N4Texture::N4Texture(N4TdoFile& file, int id, const std::string& fileName)
    : N4Node(file, id, 0), m_fileName(fileName)
{
}

void N4Texture::SetShared(bool shared)
{
    if (m_version == 1)
        throw Util::XUsage("N4 3do Texture version 1 sharing not supported");
    m_shared = shared ? 1 : 0;
}

void N4Texture::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTexture, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteU32(m_version);
    archive.WriteString(m_fileName);
    if (m_version >= 2)
        archive.WriteU8(m_shared);
}
} // namespace Velmo::Papy

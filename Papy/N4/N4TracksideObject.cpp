#include "Papy/N4/N4TracksideObject.h"

namespace Velmo::Papy
{
const N4ArchiverTracksideObject g_N4ArchiverTracksideObject;

N4TracksideObject::N4TracksideObject(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf TracksideObject reserved0 not 1");
    archive.Expect(0, "N4 ptf TracksideObject reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version != 2 && m_version != 3)
        archive.Fail("N4 ptf TracksideObject unsupported version");
    m_name = archive.ReadString();
    m_text = archive.ReadString();
    if (m_version >= 3)
        m_flag = archive.ReadU8();
}

void N4TracksideObject::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTracksideObject, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    archive.WriteString(m_name);
    archive.WriteString(m_text);
    if (m_version >= 3)
        archive.WriteU8(m_flag);
}
} // namespace Velmo::Papy

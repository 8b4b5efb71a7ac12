#include "Papy/N4/N4Transform.h"

namespace Velmo::Papy
{
const N4ArchiverTransform g_N4ArchiverTransform;

N4Transform::N4Transform(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do Transform reserved0 not 1");
    m_name = archive.ReadString();
    archive.Expect(1, "N4 3do Transform reserved1 not 1");
    archive.Expect(1, "N4 3do Transform reserved2 not 1");
    m_box = ReadBox(archive);
    archive.Expect(1, "N4 3do Transform reserved4 not 1");
    archive.ReadF64s(6, m_values);
    m_child = archive.ReadObject();
}

void N4Transform::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTransform, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteString(m_name);
    archive.WriteS32(1);
    archive.WriteS32(1);
    WriteBox(archive, m_box);
    archive.WriteS32(1);
    archive.WriteF64s(m_values, 6);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy

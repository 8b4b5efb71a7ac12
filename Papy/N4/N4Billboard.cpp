#include "Papy/N4/N4Billboard.h"

namespace Velmo::Papy
{
const N4ArchiverBillboard g_N4ArchiverBillboard;

N4Billboard::N4Billboard(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do Billboard reserved0 not 1");
    archive.Expect(0, "N4 3do Billboard reserved1 not 0");
    archive.Expect(1, "N4 3do Billboard reserved2 not 1");
    archive.Expect(1, "N4 3do Billboard reserved3 not 1");
    m_box = ReadBox(archive);
    archive.Expect(1, "N4 3do Billboard reserved5 not 1");
    archive.ReadF64s(6, m_values);
    m_child = archive.ReadObject();
}

void N4Billboard::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverBillboard, m_fileOffset))
        return;
    for (S32 word : {1, 0, 1, 1})
        archive.WriteS32(word);
    WriteBox(archive, m_box);
    archive.WriteS32(1);
    archive.WriteF64s(m_values, 6);
    WriteChild(m_child, stream);
}
} // namespace Velmo::Papy

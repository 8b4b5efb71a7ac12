#include "Papy/N4/N4Empty.h"

namespace Velmo::Papy
{
const N4ArchiverEmpty g_N4ArchiverEmpty;

N4Empty::N4Empty(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do Empty reserved0 not 1");
    archive.Expect(0, "N4 3do Empty reserved1 not 0");
}

void N4Empty::Write(Util::BinaryStream&, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverEmpty, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
}
} // namespace Velmo::Papy

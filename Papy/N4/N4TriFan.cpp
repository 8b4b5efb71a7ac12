#include "Papy/N4/N4TriFan.h"

namespace Velmo::Papy
{
const N4ArchiverTriFan g_N4ArchiverTriFan;

N4TriFan::N4TriFan(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4IndexedPrimitive(file, archive, id, position)
{
}

void N4TriFan::Write(Util::BinaryStream& stream, U32)
{
    WriteRecord(stream, g_N4ArchiverTriFan);
}
} // namespace Velmo::Papy

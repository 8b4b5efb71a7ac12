#include "Papy/N4/N4TriStrip.h"

namespace Velmo::Papy
{
const N4ArchiverTriStrip g_N4ArchiverTriStrip;

N4TriStrip::N4TriStrip(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4IndexedPrimitive(file, archive, id, position)
{
}

void N4TriStrip::Write(Util::BinaryStream& stream, U32)
{
    WriteRecord(stream, g_N4ArchiverTriStrip);
}
} // namespace Velmo::Papy

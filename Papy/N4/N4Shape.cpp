#include "Papy/N4/N4Shape.h"

namespace Velmo::Papy
{
const N4ArchiverShape g_N4ArchiverShape;

N4Shape::N4Shape(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.ReadHead(*this);
    m_first = archive.ReadObject();
    m_second = archive.ReadObject();
}

N4Shape::N4Shape(N4TdoFile& file, int id, const std::string& name, int first, int second)
    : N4Node(file, id, 0), m_name(name), m_first(first), m_second(second)
{
}

void N4Shape::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverShape, m_fileOffset))
        return;
    archive.WriteHead(*this);
    WriteChild(m_first, stream);
    WriteChild(m_second, stream);
}
} // namespace Velmo::Papy

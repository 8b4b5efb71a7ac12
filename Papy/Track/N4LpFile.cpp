#include "Papy/Track/N4LpFile.h"

#include <iterator>

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
const char* const TypeNames[] = {"raceline", "race",  "maxrace", "minrace", "maxpanic", "minpanic", "pit0",
                                 "maxpit0",  "minpit0", "pit1", "maxpit1", "minpit1",  "limp"};
} // namespace

int N4LpFile::GetTypeCount()
{
    return int(std::size(TypeNames));
}

std::string N4LpFile::GetTypeName(int i)
{
    return TypeName(TypeNames, i);
}

N4LpFile::N4LpFile(Util::BinaryStream& stream)
{
    Read(stream, [&](S32 count) {
        if (count < 0)
            throw Util::XFileFormat(stream.GetName(), "N4 Lp file record count error");
    });
}

N4LpFile::N4LpFile(double length, double spacing)
{
    if (spacing != 0)
        m_spacing = spacing;
    m_records.resize(NewRecordCount(length / m_spacing));
    for (Record& record : m_records)
        record.PathLength = 3.0f;
}
} // namespace Velmo::Papy

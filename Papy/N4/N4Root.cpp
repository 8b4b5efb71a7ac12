#include "Papy/N4/N4Root.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
U64 N4Root::GetFileOffset() const
{
    VELMO_ASSERT(false);
    return 0;
}

void N4Root::Write(Util::BinaryStream& stream, U32)
{
    WriteChild(m_child, stream);
}

Util::CountedPointer<ThreeDObject> N4Root::GetChild(int i) const
{
    VELMO_ASSERT(i == 0);
    return Child(m_child);
}
} // namespace Velmo::Papy

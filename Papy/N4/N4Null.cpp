#include "Papy/N4/N4Null.h"

#include "Util/StreamIO.h"

namespace Velmo::Papy
{
void N4Null::Write(Util::BinaryStream& stream, U32)
{
    Util::WriteLE<S32>(stream, 0);
}
} // namespace Velmo::Papy

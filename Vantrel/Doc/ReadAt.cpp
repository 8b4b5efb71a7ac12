#include "Vantrel/Doc/ReadAt.h"

using Velmo::U32;
using Velmo::U64;

U32 ReadStreamAt(Velmo::Util::BinaryStream* stream, U64 offset, U32 count, void* buffer)
{
    if (stream == nullptr)
        return 0;
    const U64 size = stream->Size();
    if (offset >= size || count == 0)
        return 0;
    if (U64(count) > size - offset)
        count = U32(size - offset);
    stream->Seek(offset);
    stream->Read(count, buffer);
    return count;
}

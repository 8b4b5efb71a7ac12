#include "Papy/Container/CompressedSubFile.h"

#include <algorithm>
#include <vector>

#include "Util/Exception.h"
#include "Util/PkCompression.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
// The sizes come from the container's directory and are not trusted: nothing is allocated
// before they are checked. No entry may unpack to more than the one ceiling of the library;
// the decoder writes no further than the block it is given, one byte more than the directory
// size, so no stream takes more than that, whatever it truly unpacks to. The packed bytes must lie inside the parent (else the parent's
// read error, as a short read would give), and no stream of packedSize bytes can unpack to
// more than the format's largest expansion of it. The block for the unpacked bytes is left
// uninitialised, so a directory size that the stream does not live up to costs address
// space, not memory: the decoder touches only what it writes, and the bytes are served only
// when it wrote every one of them.
//
// The entry is decoded into one byte more than its directory size, so that an entry that
// unpacks to more than the directory says is refused like one that unpacks to less, instead
// of being cut short without notice.
CompressedSubFile::CompressedSubFile(const Util::CountedPointer<Util::BinaryStream>& parent, std::string name,
                                     U64 offset, U32 packedSize, U32 unpackedSize)
    : m_buffer(std::move(name))
{
    parent->Seek(offset);
    Util::RecordReader entry(*parent);
    entry.CheckCount(packedSize, 1);
    std::vector<U8> packed(packedSize);
    entry.ReadBytes(packed.data(), packedSize);

    U64 uncompressed_size = unpackedSize;
    U64 result_size = uncompressed_size + 1; // what an impossible directory size gives
    if (uncompressed_size <= Util::PkCompression::MaxDecompressedSize(packedSize))
    {
        Util::PkCompression::CheckUnpackedSize(parent->GetName(), m_buffer.GetName(), uncompressed_size);
        m_data = std::make_unique_for_overwrite<U8[]>(uncompressed_size + 1);
        result_size = Util::PkCompression::Decompress(packed.data(), packedSize, m_data.get(),
                                                      U32(std::min<U64>(uncompressed_size + 1, 0xFFFFFFFFu)));
    }
    // A damaged entry fails here (fewer bytes than its directory size, more, or a size beyond
    // any stream of its packed size) or in the decoder; either way no partial stream is made,
    // and the other entries of the container stay readable.
    VELMO_ASSERT_AT(result_size == uncompressed_size, "result_size == uncompressed_size", ".\\CompressedSubFile.cpp",
                    44);
    m_buffer.Attach(unpackedSize, m_data.get());
}
} // namespace Velmo::Papy

#include "Papy/Container/CompressedSubFile.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "Util/Exception.h"
#include "Util/PkCompression.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
U64 wholeUnpacks = 0;
}

// The sizes come from the container's directory and are not trusted: nothing is allocated
// before they are checked. No entry may unpack to more than the one ceiling of the library,
// and no stream of packedSize bytes can unpack to more than the format's largest expansion of
// it. The packed bytes must lie inside the parent (else the parent's read error, as a short
// read would give).
//
// The whole entry is decoded into one byte more than its directory size, so that an entry that
// unpacks to more than the directory says is refused like one that unpacks to less, instead
// of being cut short without notice. The decoder writes no further than the block it is given,
// so no stream takes more than that, whatever it truly unpacks to. The block is left
// uninitialised: a directory size that the stream does not live up to costs address space,
// not memory, as the decoder touches only what it writes.
CompressedSubFile::CompressedSubFile(const Util::CountedPointer<Util::BinaryStream>& parent, std::string name,
                                     U64 offset, U32 packedSize, U32 unpackedSize)
    : m_name(std::move(name)), m_parentName(parent->GetName()), m_size(unpackedSize)
{
    parent->Seek(offset);
    Util::RecordReader entry(*parent);
    entry.CheckCount(packedSize, 1);
    m_packedReservation = Util::MemoryBound::Reservation(m_name, packedSize);
    m_packed.resize(packedSize);
    entry.ReadBytes(m_packed.data(), packedSize);
    if (unpackedSize > Util::PkCompression::MaxDecompressedSize(packedSize))
    {
        std::ostringstream text;
        text << m_name << " is damaged: its directory gives " << unpackedSize << " bytes, more than any stream of "
             << packedSize << " bytes unpacks to";
        throw Util::XFileFormat(m_parentName, text.str());
    }
    Util::PkCompression::CheckUnpackedSize(m_parentName, m_name, unpackedSize);
    if (m_size <= PrefixSize)
        Unpack(m_size);
    else
    {
        // Decoded once without keeping a byte, so that a damaged entry fails at opening.
        const U64 produced = Util::PkCompression::Measure(m_packed.data(), packedSize, m_size);
        if (produced != m_size)
            ThrowDamaged(produced);
    }
}

U64 CompressedSubFile::GetWholeUnpackCount()
{
    return wholeUnpacks;
}

void CompressedSubFile::ThrowDamaged(U64 produced) const
{
    std::ostringstream text;
    text << m_name << " is damaged: it unpacks to ";
    if (produced > m_size)
        text << "more than the " << m_size << " bytes its directory gives";
    else
        text << produced << " bytes, not the " << m_size << " its directory gives";
    throw Util::XFileFormat(m_parentName, text.str());
}

// A damaged entry fails here (fewer bytes than its directory size, more) or in the decoder;
// either way no partial stream is served, and the other entries of the container stay
// readable.
void CompressedSubFile::Unpack(U64 end) const
{
    if (m_whole || (m_unpacked != 0 && end <= m_unpacked))
        return;
    const U32 packedSize = U32(m_packed.size());
    if (end <= PrefixSize && m_size > PrefixSize)
    {
        m_reservation.Resize(m_name, PrefixSize);
        m_data = std::make_unique_for_overwrite<U8[]>(PrefixSize);
        const U32 made = Util::PkCompression::DecompressPrefix(m_packed.data(), packedSize, m_data.get(), PrefixSize);
        if (made < PrefixSize)
            ThrowDamaged(made);
        m_unpacked = PrefixSize;
        return;
    }
    const U64 capacity = U64(m_size) + 1;
    // The prefix goes first: the two are never held together.
    m_data.reset();
    m_unpacked = 0;
    m_reservation.Release();
    m_reservation.Resize(m_name, capacity);
    m_data = std::make_unique_for_overwrite<U8[]>(capacity);
    ++wholeUnpacks;
    const U32 made = Util::PkCompression::Decompress(m_packed.data(), packedSize, m_data.get(),
                                                     U32(std::min<U64>(capacity, 0xFFFFFFFFu)));
    if (made != m_size)
    {
        m_data.reset();
        m_reservation.Release();
        ThrowDamaged(made);
    }
    m_unpacked = m_size;
    m_whole = true;
    // Nothing is unpacked again: the packed bytes go.
    std::vector<U8>().swap(m_packed);
    m_packedReservation.Release();
}

void CompressedSubFile::Read(U32 count, void* buffer)
{
    if (count > m_size - m_position)
        throw Util::XFileRead(m_name);
    if (count == 0)
        return;
    Unpack(U64(m_position) + count);
    std::memcpy(buffer, m_data.get() + m_position, count);
    m_position += count;
}

void CompressedSubFile::Write(U32, const void*)
{
    throw Util::XFileWrite(m_name);
}

void CompressedSubFile::Seek(U64 position)
{
    if (position > m_size)
        throw Util::XFileSeek(m_name);
    m_position = U32(position);
}

const U8* CompressedSubFile::GetBlock() const
{
    Unpack(U64(m_size) + 1);
    return m_data.get();
}
} // namespace Velmo::Papy

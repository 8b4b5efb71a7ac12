#pragma once
// One imploded entry of a container file as a stream of its own, served read-only from memory.
//
// Every entry is checked at construction: it must unpack to exactly its directory size, or the
// construction fails. An entry of up to PrefixSize bytes is unpacked then and kept. A larger
// one is decoded then without keeping anything (to count its bytes), and unpacked into memory
// as far as it is read: its first PrefixSize bytes on the first read (the header of a bitmap
// or an object, which tells what the rest will cost before the rest is made), the whole entry
// on the first read past them (or GetBlock). So a reader that weighs a header and stops holds
// little, whatever the directory says the entry holds.
//
// What is unpacked is reserved from the memory bound first (Util::MemoryBound): past it the
// read is refused with XMemoryBound and nothing is made. The packed bytes are held (and
// reserved likewise) from construction until the whole entry is unpacked.
#include <memory>
#include <string>
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/MemoryBound.h"

namespace Velmo::Papy
{
class CompressedSubFile : public Util::BinaryStream
{
public:
    // Reads the packedSize bytes at offset in parent, which must unpack to exactly
    // unpackedSize bytes. The parent is used only here and not kept.
    CompressedSubFile(const Util::CountedPointer<Util::BinaryStream>& parent, std::string name, U64 offset,
                      U32 packedSize, U32 unpackedSize);
    CompressedSubFile(const CompressedSubFile&) = delete;
    CompressedSubFile& operator=(const CompressedSubFile&) = delete;

    // A read past the end throws XFileRead and does not move. An entry that unpacks to another
    // size than its directory's fails the construction with the parent's XFileFormat
    // ("<entry> is damaged: it unpacks to N bytes, not the M its directory gives").
    void Read(U32 count, void* buffer) override;
    // Always refused: the entry is read-only.
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    void Seek(U64 position) override;
    U64 Size() const override { return m_size; }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return m_name; }
    // Unpacks the whole entry first.
    const U8* GetBlock() const override;
    // True while the whole entry is not unpacked.
    bool MakesBytesOnRead() const override { return !m_whole; }

    // The bytes unpacked ahead of what is read, on the first read of an entry larger than them.
    static constexpr U32 PrefixSize = U32(64) << 10;
    // The entries unpacked whole since the program started (tests weigh what a reader unpacked).
    static U64 GetWholeUnpackCount();

private:
    // Unpacks at least the first `end` bytes.
    void Unpack(U64 end) const;
    [[noreturn]] void ThrowDamaged(U64 produced) const;

    std::string m_name;
    std::string m_parentName;
    U32 m_size;
    U32 m_position = 0;
    mutable std::vector<U8> m_packed;
    mutable Util::MemoryBound::Reservation m_packedReservation;
    // The bytes unpacked so far: m_unpacked of them, the whole entry when it equals m_size.
    mutable std::unique_ptr<U8[]> m_data;
    mutable U32 m_unpacked = 0;
    mutable bool m_whole = false;
    mutable Util::MemoryBound::Reservation m_reservation;
};
} // namespace Velmo::Papy

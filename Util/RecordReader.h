#pragma once
// A bounded little-endian reader of the records of a file: over a stream, from its position
// to its end (or for a given length), or over a stretch of bytes in memory. Every read is
// checked against the reader's end in one place; reading past it fails as a short read
// (XFileRead naming the reader). A section is read through a Slice, a reader over its bytes
// only, so that a record can never read past its section; slicing copies nothing.
//
// A count read from a file is checked with CheckCount before anything is reserved for it:
// count elements of elementSize bytes must fit in what is left (computed in 64 bits, without
// multiplying), and the caller chooses the error.
//
//     RecordReader reader(bytes.data(), bytes.size(), "car.3do");
//     U32 count = reader.ReadU32();
//     reader.CheckCount(count, 12);                 // XFileRead("car.3do") unless 12 * count fit
//     RecordReader table = reader.Slice(12 * U64(count));
//     while (!table.AtEnd()) vertices.push_back({table.ReadF32(), table.ReadF32(), table.ReadF32()});
#include <concepts>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/StreamIO.h"
#include "Util/Types.h"

namespace Velmo::Util
{
class RecordReader
{
public:
    // The bytes of stream from its position to its end. The reader reads the stream from
    // where it left off (positioning it again when something else moved it) and never past
    // the end it was given.
    explicit RecordReader(BinaryStream& stream);
    // The next length bytes of stream; fails as a short read when fewer are left.
    RecordReader(BinaryStream& stream, U64 length);
    // size bytes at data, named name. The caller keeps the bytes alive while the reader and
    // its slices are used.
    RecordReader(const void* data, U64 size, std::string name);
    RecordReader(const std::vector<U8>& bytes, std::string name) : RecordReader(bytes.data(), bytes.size(), std::move(name)) {}
    RecordReader(std::vector<U8>&& bytes, std::string name) = delete;

    // One number of a fixed-width type, little-endian.
    template <class T>
    T Read()
    {
        static_assert(std::is_arithmetic_v<T>, "numbers only");
        if (m_data != nullptr && sizeof(T) <= m_size - m_position)
        {
            T value = DecodeLE<T>(m_data + m_position);
            m_position += sizeof(T);
            return value;
        }
        U8 bytes[sizeof(T)];
        ReadBytes(bytes, sizeof(T));
        return DecodeLE<T>(bytes);
    }
    U8 ReadU8() { return Read<U8>(); }
    S8 ReadS8() { return Read<S8>(); }
    U16 ReadU16() { return Read<U16>(); }
    S16 ReadS16() { return Read<S16>(); }
    U32 ReadU32() { return Read<U32>(); }
    S32 ReadS32() { return Read<S32>(); }
    U64 ReadU64() { return Read<U64>(); }
    S64 ReadS64() { return Read<S64>(); }
    F32 ReadF32() { return Read<F32>(); }
    F64 ReadF64() { return Read<F64>(); }

    // count numbers into values, with one bounds check for all of them.
    template <class T>
    void ReadArray(T* values, U64 count)
    {
        static_assert(std::is_arithmetic_v<T>, "numbers only");
        CheckCount(count, sizeof(T));
        if (m_data != nullptr)
        {
            const U8* p = m_data + m_position;
            for (U64 i = 0; i < count; ++i, p += sizeof(T))
                values[i] = DecodeLE<T>(p);
            m_position += count * sizeof(T);
            return;
        }
        for (U64 i = 0; i < count; ++i)
            values[i] = Read<T>();
    }

    // Copies the next count bytes.
    void ReadBytes(void* buffer, U64 count)
    {
        if (count > m_size - m_position)
            ThrowShortRead();
        if (m_data != nullptr)
        {
            if (count != 0)
                std::memcpy(buffer, m_data + m_position, std::size_t(count));
            m_position += count;
        }
        else
            ReadFromStream(buffer, count);
    }
    // A text field of size bytes: the characters up to the first zero byte within the field
    // (all of them when it has none). The whole field is consumed.
    std::string ReadFixedString(U64 size);
    void Skip(U64 count)
    {
        if (count > m_size - m_position)
            ThrowShortRead();
        m_position += count;
    }

    // A reader over the next count bytes; this reader moves past them.
    RecordReader Slice(U64 count);

    // Readers over memory only: the next count bytes in place; this reader moves past them.
    const U8* Take(U64 count);
    bool IsInMemory() const { return m_data != nullptr; }

    U64 Remaining() const { return m_size - m_position; }
    // The offset from the reader's start.
    U64 Tell() const { return m_position; }
    U64 Size() const { return m_size; }
    bool AtEnd() const { return m_position == m_size; }
    const std::string& GetName() const { return *m_name; }

    // Whether count elements of elementSize bytes fit in what is left.
    bool Fits(U64 count, U64 elementSize) const { return elementSize == 0 || count <= Remaining() / elementSize; }
    // Unless they fit: fails as reading them would have, with a short read.
    void CheckCount(U64 count, U64 elementSize) const
    {
        if (!Fits(count, elementSize))
            ThrowShortRead();
    }
    // Unless they fit: fails with XFileFormat(name, message).
    void CheckCount(U64 count, U64 elementSize, const char* message) const;
    // Unless they fit: calls fail, which throws the caller's error.
    template <class Fail>
        requires std::invocable<Fail&>
    void CheckCount(U64 count, U64 elementSize, Fail fail) const
    {
        if (!Fits(count, elementSize))
        {
            fail();
            ThrowShortRead();
        }
    }
    // A u32 count of elements of elementSize bytes, checked with the short-read error.
    U32 ReadCount(U64 elementSize)
    {
        U32 count = ReadU32();
        CheckCount(count, elementSize);
        return count;
    }

    // The short-read error of this reader: XFileRead with its name.
    [[noreturn]] void ThrowShortRead() const;

private:
    RecordReader(std::shared_ptr<const std::string> name, const U8* data, BinaryStream* stream, U64 base, U64 size);
    void ReadFromStream(void* buffer, U64 count);

    std::shared_ptr<const std::string> m_name;
    const U8* m_data = nullptr;
    BinaryStream* m_stream = nullptr;
    // Where the reader starts in the stream.
    U64 m_base = 0;
    U64 m_size = 0;
    U64 m_position = 0;
};
} // namespace Velmo::Util

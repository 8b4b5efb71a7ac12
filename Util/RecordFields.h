#pragma once
// A fixed record described once, for reading and for writing: the record names its fields in
// file order in a member template, and each direction visits that list.
//
//     struct NodeHeader
//     {
//         U32 Type;
//         U32 Size;
//         F32 Origin[3];
//         template <class IO>
//         void Fields(IO& io) { io(Type); io(Size); io(Origin); }
//     };
//     NodeHeader header;
//     Util::ReadFields(reader, header);     // from a RecordReader, bounded as every read
//     Util::WriteFields(stream, header);    // to a BinaryStream, with one write
//     Util::PutFields(out, header);         // appended to a ByteWriter
//
// A field is a number, an enumeration (stored as its underlying type), an array of fields or
// a record with Fields of its own; io.Expect(value, message) is a number that must have that
// value (reading refuses another with XFileFormat(name, message); writing writes the value).
// Fields only reads the fields when writing (the writer visits a const record through it).
#include <array>
#include <concepts>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Util
{
namespace Detail
{
template <class R, class IO>
concept HasFields = requires(R& r, IO& io) { r.Fields(io); };

// Visits the parts of one field; Leaf is called for each number.
template <class IO, class T, class Leaf>
void VisitField(IO& io, T& value, Leaf leaf)
{
    if constexpr (std::is_arithmetic_v<T>)
        leaf(value);
    else if constexpr (std::is_enum_v<T>)
    {
        std::underlying_type_t<T> raw = static_cast<std::underlying_type_t<T>>(value);
        leaf(raw);
        if constexpr (IO::Reads)
            value = static_cast<T>(raw);
    }
    else if constexpr (std::is_array_v<T>)
    {
        for (auto& element : value)
            io(element);
    }
    else if constexpr (requires { typename std::tuple_size<T>::type; })
    {
        for (auto& element : value)
            io(element);
    }
    else
    {
        static_assert(HasFields<T, IO>, "a field is a number, an enumeration, an array or a record with Fields");
        value.Fields(io);
    }
}
} // namespace Detail

// Reads each field from a record reader.
class FieldReader
{
public:
    static constexpr bool Reads = true;
    explicit FieldReader(RecordReader& reader) : m_reader(reader) {}
    template <class T>
    void operator()(T& value)
    {
        Detail::VisitField(*this, value, [this](auto& number) { number = m_reader.Read<std::remove_reference_t<decltype(number)>>(); });
    }
    template <class T>
    void Expect(T value, const char* message)
    {
        if (m_reader.Read<T>() != value)
            throw XFileFormat(m_reader.GetName(), message);
    }

private:
    RecordReader& m_reader;
};

// Adds up the bytes of the fields.
class FieldSizer
{
public:
    static constexpr bool Reads = false;
    template <class T>
    void operator()(T& value)
    {
        Detail::VisitField(*this, value, [this](auto& number) { m_size += sizeof(number); });
    }
    template <class T>
    void Expect(T, const char*)
    {
        m_size += sizeof(T);
    }
    std::size_t GetSize() const { return m_size; }

private:
    std::size_t m_size = 0;
};

// Encodes the fields into bytes, little-endian.
class FieldEncoder
{
public:
    static constexpr bool Reads = false;
    explicit FieldEncoder(U8* out) : m_out(out) {}
    template <class T>
    void operator()(T& value)
    {
        Detail::VisitField(*this, value, [this](auto& number) {
            EncodeLE(number, m_out);
            m_out += sizeof(number);
        });
    }
    template <class T>
    void Expect(T value, const char*)
    {
        (*this)(value);
    }

private:
    U8* m_out;
};

template <class Record>
void ReadFields(RecordReader& reader, Record& record)
{
    FieldReader io(reader);
    record.Fields(io);
}

// The size of the record in the file.
template <class Record>
std::size_t FieldsSize(const Record& record)
{
    FieldSizer io;
    const_cast<Record&>(record).Fields(io);
    return io.GetSize();
}

// Encodes the record at out (FieldsSize bytes).
template <class Record>
void EncodeFields(const Record& record, U8* out)
{
    FieldEncoder io(out);
    const_cast<Record&>(record).Fields(io);
}

// Writes the record with one write.
template <class Record>
void WriteFields(BinaryStream& stream, const Record& record)
{
    std::size_t size = FieldsSize(record);
    if (size <= 256)
    {
        U8 bytes[256];
        EncodeFields(record, bytes);
        stream.Write(U32(size), bytes);
        return;
    }
    std::vector<U8> bytes(size);
    EncodeFields(record, bytes.data());
    stream.Write(U32(size), bytes.data());
}

// Appends the record to the bytes of a file being saved.
template <class Record>
void PutFields(ByteWriter& out, const Record& record)
{
    EncodeFields(record, out.Append(FieldsSize(record)));
}

// Appends the record to a memory stream at its position, without an intermediate copy.
template <class Record>
void WriteFields(MemoryStream& stream, const Record& record)
{
    EncodeFields(record, stream.Append(FieldsSize(record)));
}
} // namespace Velmo::Util

#include "Papy/N4/N4Archiver.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <memory>

#include "Papy/N4/N4TdoFile.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
// Largest block moved by one stream call.
constexpr U64 Chunk = U64(1) << 30;

void WriteBlock(Util::BinaryStream& stream, U64 size, const void* data)
{
    const U8* bytes = static_cast<const U8*>(data);
    while (size > 0)
    {
        U32 part = U32(std::min(size, Chunk));
        stream.Write(part, bytes);
        bytes += part;
        size -= part;
    }
}
} // namespace

N4Archiver::N4Archiver(const N4ArchiverList& archivers) : m_archivers(archivers)
{
}

// -- loading ------------------------------------------------------------------------------

int N4Archiver::Load(Util::BinaryStream& source, N4TdoFile& file)
{
    // The records are decoded from memory: the rest of the stream is read into a block first
    // (positions count from the stream's position).
    const U64 base = source.Tell();
    const U64 size = Util::Remaining(source);
    if (size > std::numeric_limits<U32>::max())
        throw Util::XFileFormat(source.GetName(), "N4 archive too large");
    std::vector<U8> block(static_cast<std::size_t>(size));
    Util::RecordReader(source, size).ReadBytes(block.data(), size);
    Util::RecordReader reader(block, source.GetName());
    return Load(reader, file, base);
}

int N4Archiver::Load(Util::RecordReader& reader, N4TdoFile& file, U64 base)
{
    m_base = base;
    m_reader = &reader;
    m_stream = nullptr;
    m_file = &file;
    LoadClassMap.clear();
    m_saveClasses.clear();
    m_saveObjects.clear();
    m_entries.assign(2, Entry::Unused);
    m_expandedSizes.assign(2, 0);
    m_expanding.clear();
    m_counter = 1;
    m_depth = 0;
    m_padding = 0;

    int root = ReadObject();

    // A few zero bytes after the root object occur in shipped files: they are kept so that
    // the file can be written back unchanged. Anything else is an error.
    if (!reader.AtEnd())
    {
        U64 left = reader.Remaining();
        if (left > MaxPadding)
            Fail("N4 archive size mismatch");
        U8 tail[MaxPadding];
        reader.ReadBytes(tail, left);
        if (std::any_of(tail, tail + left, [](U8 b) { return b != 0; }))
            Fail("N4 archive size mismatch");
        m_padding = U32(left);
    }
    m_reader = nullptr;
    return root;
}

void N4Archiver::SetEntry(U32 number, Entry entry)
{
    if (number >= m_entries.size())
    {
        const size_t size = std::max<size_t>(size_t(number) + 1, m_entries.size() * 2);
        m_entries.resize(size, Entry::Unused);
        m_expandedSizes.resize(size, 0);
    }
    m_entries[number] = entry;
}

void N4Archiver::CountReference(U32 expandedSize)
{
    if (m_expanding.empty())
        return;
    U32& total = m_expanding.back();
    if (expandedSize > MaxExpandedNodes - total)
        Fail("N4 archive shared objects expand to too many nodes");
    total += expandedSize;
}

int N4Archiver::ReadObject()
{
    U64 position = m_base + m_reader->Tell();
    U32 id = ReadU32();
    if (id > m_counter)
        Fail("N4 archive object id error");
    if (id < m_counter)
    {
        if (id == 0)
            return 0;
        // A class number is no object; an object whose record is still being read is the
        // referring object itself or one that contains it, which would make the graph a cycle.
        Entry entry = id < m_entries.size() ? m_entries[id] : Entry::Unused;
        if (entry == Entry::Class || entry == Entry::Unused)
            Fail("N4 archive object id error");
        if (entry == Entry::Reading)
            Fail("N4 archive object refers to itself or to an object that contains it");
        CountReference(m_expandedSizes[id]);
        return int(id);
    }

    ++m_counter;
    SetEntry(id, Entry::Reading);
    if (m_depth >= MaxDepth)
        Fail("N4 archive objects nested too deeply");

    U32 classId = ReadU32();
    if (classId > m_counter)
        Fail("N4 archive object class id error");
    if (classId == m_counter)
    {
        auto p = LoadClassMap.find(classId);
        VELMO_ASSERT_AT(p == LoadClassMap.end(), "p == LoadClassMap.end()", ".\\Papy\\N4Archiver.cpp", __LINE__);
        ++m_counter;
        SetEntry(classId, Entry::Class);
        LoadClassMap[classId] = ReadClassAnnouncement();
    }
    auto p = LoadClassMap.find(classId);
    VELMO_ASSERT_AT(p != LoadClassMap.end(), "p != LoadClassMap.end()", ".\\Papy\\N4Archiver.cpp", __LINE__);

    ++m_depth;
    m_expanding.push_back(1);
    p->second->Create(*this, int(id), position, *m_file);
    const U32 expandedSize = m_expanding.back();
    m_expanding.pop_back();
    --m_depth;
    SetEntry(id, Entry::Object);
    m_expandedSizes[id] = expandedSize;
    CountReference(expandedSize);
    return int(id);
}

const N4ArchivedTdoType* N4Archiver::ReadClassAnnouncement()
{
    U32 length = ReadU32();
    if (length > MaxDescriptorLength)
        Fail("N4 archive descriptor name too long");
    char buffer[MaxDescriptorLength];
    m_reader->ReadBytes(buffer, length);
    const char* end = std::find(buffer, buffer + length, '\0');
    if (end == buffer + length)
        Fail("N4 archive descriptor name not terminated");
    std::string name(static_cast<const char*>(buffer), end);
    for (const N4ArchivedTdoType* type : m_archivers)
        if (name == type->GetDescriptorName())
            return type;
    Fail("N4 archive unknown descriptor " + name);
}

void N4Archiver::Fail(const std::string& message) const
{
    throw Util::XFileFormat(m_reader != nullptr ? m_reader->GetName() : m_stream->GetName(), message);
}

void N4Archiver::Expect(S32 expected, const char* message)
{
    if (ReadS32() != expected)
        Fail(message);
}

void N4Archiver::ReadF64s(U64 count, F64* out)
{
    m_reader->ReadArray(out, count);
}

std::vector<F64> N4Archiver::ReadF64Vector(U64 count)
{
    Require(count, sizeof(F64));
    std::vector<F64> values(count);
    m_reader->ReadArray(values.data(), count);
    return values;
}

std::vector<S32> N4Archiver::ReadS32Vector(U64 count)
{
    Require(count, sizeof(S32));
    std::vector<S32> values(count);
    m_reader->ReadArray(values.data(), count);
    return values;
}

std::string N4Archiver::ReadString(Util::RecordReader& reader)
{
    U32 length = reader.ReadU32();
    if (length == 0)
        return std::string();
    VELMO_ASSERT_TEXT(length <= 1024L * 1024L, "length <= 1024L * 1024L");
    reader.CheckCount(length, 1);
    std::string buffer(length, '\0');
    reader.ReadBytes(buffer.data(), length);
    VELMO_ASSERT_TEXT(buffer[length - 1] == 0, "buffer[length - 1] == 0");
    buffer.pop_back();
    return buffer;
}

std::string N4Archiver::ReadString(Util::BinaryStream& stream)
{
    // The reader leaves the stream behind the string.
    Util::RecordReader reader(stream);
    return ReadString(reader);
}

// -- saving -------------------------------------------------------------------------------

void N4Archiver::BeginSave(Util::BinaryStream& stream)
{
    m_stream = &stream;
    m_output = dynamic_cast<Util::MemoryStream*>(&stream);
    LoadClassMap.clear();
    m_entries.clear();
    m_saveClasses.clear();
    m_saveObjects.clear();
    m_counter = 0;
}

bool N4Archiver::BeginObject(const ThreeDObject& node, const N4ArchivedTdoType& type, U64& fileOffset)
{
    auto [object, isNew] = m_saveObjects.try_emplace(&node, 0);
    if (!isNew)
    {
        WriteU32(object->second);
        return false;
    }
    object->second = ++m_counter;
    fileOffset = m_stream->Tell();
    WriteU32(object->second);

    auto [cls, isNewClass] = m_saveClasses.try_emplace(&type, 0);
    if (!isNewClass)
    {
        WriteU32(cls->second);
        return true;
    }
    cls->second = ++m_counter;
    WriteU32(cls->second);
    const char* name = type.GetDescriptorName();
    U32 length = U32(std::strlen(name)) + 1;
    WriteU32(length);
    m_stream->Write(length, name);
    return true;
}

U8* N4Archiver::Append(U64 bytes)
{
    if (m_output == nullptr || !m_output->AtEnd())
        return nullptr;
    return m_output->Append(bytes);
}

void N4Archiver::WriteS32(S32 value)
{
    Util::WriteLE<S32>(*m_stream, value);
}

void N4Archiver::WriteU32(U32 value)
{
    Util::WriteLE<U32>(*m_stream, value);
}

void N4Archiver::WriteU8(U8 value)
{
    Util::WriteLE<U8>(*m_stream, value);
}

void N4Archiver::WriteF32(F32 value)
{
    Util::WriteLE<F32>(*m_stream, value);
}

void N4Archiver::WriteF32(F64 value, F32 read)
{
    const F64 readValue = read;
    WriteF32(std::memcmp(&value, &readValue, sizeof(F64)) == 0 ? read : F32(value));
}

void N4Archiver::WriteF64(F64 value)
{
    Util::WriteLE<F64>(*m_stream, value);
}

void N4Archiver::WriteF64s(const F64* values, U64 count)
{
    if constexpr (std::endian::native == std::endian::little)
        WriteBlock(*m_stream, count * sizeof(F64), values);
    else
        for (U64 i = 0; i < count; ++i)
            WriteF64(values[i]);
}

void N4Archiver::WriteS32s(const S32* values, U64 count)
{
    if constexpr (std::endian::native == std::endian::little)
        WriteBlock(*m_stream, count * sizeof(S32), values);
    else
        for (U64 i = 0; i < count; ++i)
            WriteS32(values[i]);
}

void N4Archiver::WriteString(const std::string& text)
{
    WriteString(*m_stream, text);
}

void N4Archiver::WriteString(Util::BinaryStream& stream, const std::string& text)
{
    if (text.empty())
    {
        Util::WriteLE<U32>(stream, 0);
        return;
    }
    Util::WriteLE<U32>(stream, U32(text.size() + 1));
    WriteBlock(stream, text.size(), text.data());
    const U8 nul = 0;
    stream.Write(1, &nul);
}
} // namespace Velmo::Papy

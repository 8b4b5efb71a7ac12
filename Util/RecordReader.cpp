#include "Util/RecordReader.h"

#include "Util/Exception.h"

namespace Velmo::Util
{
RecordReader::RecordReader(std::shared_ptr<const std::string> name, const U8* data, BinaryStream* stream, U64 base,
                           U64 size)
    : m_name(std::move(name)), m_data(data), m_stream(stream), m_base(base), m_size(size)
{
}

RecordReader::RecordReader(BinaryStream& stream)
    : RecordReader(std::make_shared<const std::string>(stream.GetName()), nullptr, &stream, stream.Tell(),
                   Util::Remaining(stream))
{
}

RecordReader::RecordReader(BinaryStream& stream, U64 length) : RecordReader(stream)
{
    if (length > m_size)
        ThrowShortRead();
    m_size = length;
}

RecordReader::RecordReader(const void* data, U64 size, std::string name)
    : RecordReader(std::make_shared<const std::string>(std::move(name)), static_cast<const U8*>(data), nullptr, 0, size)
{
    // A reader over no bytes still reads from memory (and fails at once).
    static const U8 none = 0;
    if (m_data == nullptr)
        m_data = &none;
}

void RecordReader::ThrowShortRead() const
{
    throw XFileRead(*m_name);
}

void RecordReader::CheckCount(U64 count, U64 elementSize, const char* message) const
{
    if (!Fits(count, elementSize))
        throw XFileFormat(*m_name, message);
}

void RecordReader::ReadFromStream(void* buffer, U64 count)
{
    U64 at = m_base + m_position;
    if (m_stream->Tell() != at)
        m_stream->Seek(at);
    U8* out = static_cast<U8*>(buffer);
    while (count != 0)
    {
        U32 chunk = count < (U64(1) << 30) ? U32(count) : U32(1) << 30;
        m_stream->Read(chunk, out);
        out += chunk;
        count -= chunk;
        m_position += chunk;
    }
}

std::string RecordReader::ReadFixedString(U64 size)
{
    if (size > Remaining())
        ThrowShortRead();
    std::string text;
    if (m_data != nullptr)
    {
        const char* field = reinterpret_cast<const char*>(m_data + m_position);
        const void* end = std::memchr(field, 0, std::size_t(size));
        text.assign(field, end != nullptr ? static_cast<const char*>(end) : field + size);
        m_position += size;
        return text;
    }
    text.resize(std::size_t(size));
    ReadFromStream(text.data(), size);
    text.resize(std::strlen(text.c_str()));
    return text;
}

RecordReader RecordReader::Slice(U64 count)
{
    if (count > Remaining())
        ThrowShortRead();
    RecordReader slice(m_name, m_data != nullptr ? m_data + m_position : nullptr, m_stream, m_base + m_position, count);
    m_position += count;
    return slice;
}

const U8* RecordReader::Take(U64 count)
{
    VELMO_ASSERT(m_data != nullptr);
    if (count > Remaining())
        ThrowShortRead();
    const U8* at = m_data + m_position;
    m_position += count;
    return at;
}
} // namespace Velmo::Util

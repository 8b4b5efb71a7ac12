#pragma once
// Builds GPL .3do files byte by byte for the tests, and loads them from memory.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/Options.h"
#include "Support/ByteBuilder.h"
#include "Util/CharBuffer.h"
#include "Util/CountedPointer.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct BytesHolder
{
    Bytes held;
};

// A writable memory stream that owns its bytes.
class OwnedBuffer : private BytesHolder, public Velmo::Util::CharBuffer
{
public:
    OwnedBuffer(const std::string& name, Bytes bytes)
        : BytesHolder{std::move(bytes)}, CharBuffer(name, std::uint32_t(held.size()), held.data())
    {
    }
    const Bytes& GetBytes() const { return held; }
};

inline Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> StreamOf(const Bytes& bytes,
                                                                        const std::string& name = "test.3do")
{
    return Velmo::Util::CountedPointer<Velmo::Util::BinaryStream>(new OwnedBuffer(name, bytes));
}

inline Velmo::Util::CountedPointer<Velmo::Papy::GPLTdoFile> Load(const Bytes& bytes,
                                                               const std::string& name = "test.3do")
{
    return Velmo::Util::CountedPointer<Velmo::Papy::GPLTdoFile>(new Velmo::Papy::GPLTdoFile(StreamOf(bytes, name)));
}

// The four letters of a chunk id as they stand in a file (reversed).
inline std::string ChunkLetters(const std::string& id)
{
    return std::string(id.rbegin(), id.rend());
}

struct Section
{
    std::string id;
    Bytes data;
    std::uint32_t version = 0;
    std::optional<std::uint32_t> size = std::nullopt; // as written in the header; default the data's
    std::uint8_t pad = 0;
};

inline Bytes SectionBytes(const Section& s)
{
    ByteBuilder b;
    b.Text(ChunkLetters(s.id)).U32(s.version).U32(s.size ? *s.size : std::uint32_t(s.data.size())).Bytes(s.data);
    for (std::size_t i = s.data.size(); i % 4 != 0; ++i)
        b.U8(s.pad);
    return b.Get();
}

// A whole file: header {"3DO4", version, size of what follows (or the given size)}, sections.
inline Bytes FileBytes(const std::vector<Section>& sections, std::uint32_t version = 1,
                       std::optional<std::uint32_t> headerSize = std::nullopt)
{
    Bytes body;
    for (const auto& s : sections)
    {
        Bytes one = SectionBytes(s);
        body.insert(body.end(), one.begin(), one.end());
    }
    ByteBuilder b;
    b.Text("4OD3").U32(version).U32(headerSize ? *headerSize : std::uint32_t(body.size())).Bytes(body);
    return b.Get();
}

// PRIM data: the root word, then the records as given.
inline Bytes Prim(std::uint32_t rootWord, const std::vector<Bytes>& records)
{
    ByteBuilder b;
    b.U32(rootWord);
    for (const auto& r : records)
        b.Bytes(r);
    return b.Get();
}

// Table records of four floats.
inline Bytes Floats4(const std::vector<std::vector<float>>& rows)
{
    ByteBuilder b;
    for (const auto& row : rows)
        for (float f : row)
            b.F32(f);
    return b.Get();
}

// Sets Options::Strict for the life of the guard.
class StrictGuard
{
public:
    explicit StrictGuard(bool strict) : m_old(Velmo::Papy::Options::Instance()->Strict)
    {
        Velmo::Papy::Options::Instance()->Strict = strict;
    }
    ~StrictGuard() { Velmo::Papy::Options::Instance()->Strict = m_old; }

private:
    bool m_old;
};
} // namespace VelmoTest

#pragma once
// Helpers of the N4 tests: an archive builder that numbers objects and classes like a writer
// (independently of the code under test), loading from bytes, saving to bytes, and checks of
// the exact error a load ends with.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/MemoryStream.h"
#include "Support/ByteBuilder.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

// An archive being built: New writes the reference to a new object of a class (announcing the
// class at its first object) and returns the object's number; the caller then writes the body.
class N4Builder : public ByteBuilder
{
public:
    std::uint32_t New(const std::string& descriptor)
    {
        std::uint32_t id = ++m_counter;
        S32(std::int32_t(id));
        auto p = m_classes.find(descriptor);
        if (p != m_classes.end())
        {
            U32(p->second);
            return id;
        }
        std::uint32_t cls = ++m_counter;
        m_classes[descriptor] = cls;
        U32(cls).U32(std::uint32_t(descriptor.size() + 1)).CString(descriptor);
        return id;
    }
    // The string format: length with the NUL, the bytes and the NUL; 0 for the empty string.
    N4Builder& Str(const std::string& text)
    {
        if (text.empty())
            U32(0);
        else
            U32(std::uint32_t(text.size() + 1)).CString(text);
        return *this;
    }
    N4Builder& Words(std::initializer_list<std::int32_t> words)
    {
        for (std::int32_t w : words)
            S32(w);
        return *this;
    }
    N4Builder& Doubles(std::initializer_list<double> values)
    {
        for (double v : values)
            F64(v);
        return *this;
    }
    // An array of doubles with its byte size.
    N4Builder& Array(const std::vector<double>& values)
    {
        U32(std::uint32_t(values.size() * 8));
        for (double v : values)
            F64(v);
        return *this;
    }
    std::uint32_t Counter() const { return m_counter; }

    // The byte builder's operations, chainable with the ones above.
    N4Builder& U8(std::uint8_t v) { return Self(ByteBuilder::U8(v)); }
    N4Builder& U32(std::uint32_t v) { return Self(ByteBuilder::U32(v)); }
    N4Builder& S32(std::int32_t v) { return Self(ByteBuilder::S32(v)); }
    N4Builder& F32(float v) { return Self(ByteBuilder::F32(v)); }
    N4Builder& F64(double v) { return Self(ByteBuilder::F64(v)); }
    N4Builder& Text(const std::string& s) { return Self(ByteBuilder::Text(s)); }
    N4Builder& CString(const std::string& s) { return Self(ByteBuilder::CString(s)); }
    N4Builder& Bytes(const std::vector<std::uint8_t>& b) { return Self(ByteBuilder::Bytes(b)); }
    N4Builder& Zeros(std::size_t n) { return Self(ByteBuilder::Zeros(n)); }

private:
    N4Builder& Self(ByteBuilder&) { return *this; }

    std::uint32_t m_counter = 0;
    std::map<std::string, std::uint32_t> m_classes;
};

inline const std::string SampleName = "sample.3do";

inline Velmo::Util::CountedPointer<Velmo::Papy::N4TdoFile> Load(const Bytes& bytes,
                                                                const Velmo::Papy::N4ArchiverList& archivers =
                                                                    Velmo::Papy::GetN4TdoArchivers())
{
    auto* buffer = new Velmo::Util::CharBuffer(SampleName);
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    buffer->Attach(std::uint32_t(bytes.size()), bytes.data());
    return Velmo::Util::CountedPointer<Velmo::Papy::N4TdoFile>(new Velmo::Papy::N4TdoFile(stream, archivers, nullptr));
}

inline Bytes Save(Velmo::Papy::N4TdoFile& file)
{
    auto* buffer = new Velmo::Util::MemoryStream("saved.3do");
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    file.Save(stream);
    return buffer->GetBytes();
}

// The message of the XFileFormat that loading bytes ends with (and that it names the file),
// or a description of what happened instead.
inline std::string FormatError(const Bytes& bytes,
                               const Velmo::Papy::N4ArchiverList& archivers = Velmo::Papy::GetN4TdoArchivers())
{
    try
    {
        Load(bytes, archivers);
    }
    catch (const Velmo::Util::XFileFormat& e)
    {
        EXPECT_NE(e.GetText().find(SampleName), std::string::npos);
        return e.GetMessage();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return "other error: " + e.GetText();
    }
    return "loaded";
}

// The expression of the XAssertion that loading bytes ends with.
inline std::string AssertionError(const Bytes& bytes)
{
    try
    {
        Load(bytes);
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return "other error: " + e.GetText();
    }
    return "loaded";
}

// A track naming one straight segment of length 3000 segmentReferences times; the segment names
// one cross section and two floor sections, in turn, sectionReferences times in all, and holds
// fillerRecords surface records of 16 bytes. Expanded, the track has about segmentReferences x
// sectionReferences nodes.
inline Bytes SharedSegmentTrack(std::uint32_t segmentReferences, std::uint32_t sectionReferences,
                         std::uint32_t fillerRecords = 0)
{
    N4Builder b;
    b.New("TrackDescriptor");
    b.Words({1, 0, 8}).U32(segmentReferences).U8(0).Doubles({1, 1, 1}).F32(0).U32(0);
    b.S32(0).U32(0).U32(0).U32(segmentReferences * 4);
    const std::uint32_t segment = b.New("SegmentDescriptor");
    b.Words({1, 0, 2});
    const std::uint32_t crosses = sectionReferences / 3;
    const std::uint32_t floors = sectionReferences - crosses;
    b.U32(crosses).U32(crosses * 4);
    const std::uint32_t cross = b.New("X_SectionDescriptor");
    b.Words({1, 0, 2}).Doubles({-20, 0, 0, 20, 0, 0}).U8(0);
    for (std::uint32_t i = 1; i < crosses; ++i)
        b.U32(cross);
    b.U32(floors).U32(floors * 4);
    std::uint32_t floor[2] = {};
    for (std::uint32_t i = 0; i < floors; ++i)
    {
        std::uint32_t& id = floor[i % 2];
        if (id != 0)
        {
            b.U32(id);
            continue;
        }
        id = b.New("F_SectionDescriptor");
        b.Words({1, 0, 4}).Doubles({i == 0 ? -4.0 : 4.0, i == 0 ? -4.0 : 4.0}).U8(0).Words({1, 1, 0});
    }
    b.U32(0).S32(0).Doubles({0, 0, 0, 3000, 0, 0}).U8(0).U8(0);
    b.U32(0).U32(fillerRecords);
    if (fillerRecords != 0)
        b.U32(fillerRecords * 16);
    for (std::uint32_t i = 0; i < fillerRecords; ++i)
        b.F32(0).F32(1).F32(1).F32(1);
    for (std::uint32_t i = 1; i < segmentReferences; ++i)
        b.U32(segment);
    return b.Get();
}

// A group naming one group outerReferences times, which names one empty node innerReferences
// times: the 3D object of the same expansion.
inline Bytes SharedGroups(std::uint32_t outerReferences, std::uint32_t innerReferences)
{
    N4Builder b;
    auto group = [&b](std::uint32_t count) {
        std::uint32_t id = b.New("GroupDescriptor");
        b.S32(1).Str("g").Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).S32(1).U32(count).U32(count * 4);
        return id;
    };
    group(outerReferences);
    const std::uint32_t inner = group(innerReferences);
    const std::uint32_t empty = b.New("EmptyDescriptor");
    b.Words({1, 0});
    for (std::uint32_t i = 1; i < innerReferences; ++i)
        b.U32(empty);
    for (std::uint32_t i = 1; i < outerReferences; ++i)
        b.U32(inner);
    return b.Get();
}
inline Bytes ReadSample(const std::string& name)
{
    std::ifstream in(std::string(VELMO_N4_SAMPLE_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace VelmoTest

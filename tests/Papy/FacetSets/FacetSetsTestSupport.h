#pragma once
// What the facet-set tests share: the other families' generated samples, small DAT writers of
// their own (stored entries only), and the name of the facet set a factory carries.
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/Factory/PurgeFactory.h"
#include "Support/ByteBuilder.h"
#include <gtest/gtest.h>

namespace FacetSetsTest
{
typedef std::vector<std::pair<std::string, std::string>> Entries;

// The process registry's factory of a folder or DAT (expected to exist).
inline Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory(const std::string& path)
{
    Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> factory =
        Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(path, false);
    EXPECT_TRUE(factory);
    return factory;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string GPLSample(const std::string& name)
{
    return ReadFile(std::string(VELMO_FACETSETS_GPL_SAMPLES) + "/" + name);
}
inline std::string N2Sample(const std::string& name)
{
    return ReadFile(std::string(VELMO_FACETSETS_N2_SAMPLES) + "/" + name);
}
inline std::string N4Sample(const std::string& name)
{
    return ReadFile(std::string(VELMO_FACETSETS_N4_SAMPLES) + "/" + name);
}
inline std::string TrackSample(const std::string& name)
{
    return ReadFile(std::string(VELMO_FACETSETS_TRACK_SAMPLES) + "/" + name);
}
inline std::string RaceSample(const std::string& name)
{
    return ReadFile(std::string(VELMO_FACETSETS_RACE_SAMPLES) + "/" + name);
}
inline std::string BitmapSample(const std::string& name)
{
    return ReadFile(std::string(VELMO_FACETSETS_BITMAP_SAMPLES) + "/" + name);
}

inline std::string Bytes(const VelmoTest::ByteBuilder& b)
{
    return std::string(b.Get().begin(), b.Get().end());
}

// An ICR2 archive: count, 27-byte records (5, 0, size, size, 13-byte name, offset), the data.
inline std::string ICR2Dat(const Entries& entries)
{
    VelmoTest::ByteBuilder b;
    b.U16(uint16_t(entries.size()));
    uint32_t offset = uint32_t(2 + 27 * entries.size());
    for (const auto& [name, data] : entries)
    {
        std::string field = name;
        field.resize(13, '\0');
        b.U8(5).U8(0).U32(uint32_t(data.size())).U32(uint32_t(data.size())).Text(field).U32(offset);
        offset += uint32_t(data.size());
    }
    for (const auto& entry : entries)
        b.Text(entry.second);
    return Bytes(b);
}

// An N4 archive: minus the count, directory size, 0, records (5, 0, size, size, offset, name
// length, name, NUL), the data.
inline std::string N4Dat(const Entries& entries)
{
    uint32_t directory = 0;
    for (const auto& entry : entries)
        directory += uint32_t(1 + 1 + 4 + 4 + 4 + 1 + entry.first.size() + 1);
    VelmoTest::ByteBuilder b;
    b.U16(uint16_t(-int(entries.size()))).U32(directory).U32(0);
    uint32_t offset = 10 + directory;
    for (const auto& [name, data] : entries)
    {
        b.U8(5).U8(0).U32(uint32_t(data.size())).U32(uint32_t(data.size())).U32(offset);
        b.U8(uint8_t(name.size())).Text(name).U8(0);
        offset += uint32_t(data.size());
    }
    for (const auto& entry : entries)
        b.Text(entry.second);
    return Bytes(b);
}

// Which facet set a factory carries, told by the kinds only one set has.
inline std::string FacetSetOf(const Velmo::Papy::FileFactory& factory)
{
    using namespace Velmo::Papy;
    if (!factory.HasFacet<PurgeFactory>())
        return "Sub";
    if (factory.HasFacet<MakePtf>())
        return "N4";
    if (factory.HasFacet<CreateCam>())
        return "GPL";
    return "N2";
}
} // namespace FacetSetsTest

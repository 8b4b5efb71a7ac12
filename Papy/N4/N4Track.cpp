#include "Papy/N4/N4Track.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverTrack g_N4ArchiverTrack;

namespace
{
constexpr int Version6ValueCount = 21;
constexpr U32 BumpMapSize = 48;
} // namespace

N4Track::N4Track(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf Track reserved0 not 1");
    archive.Expect(0, "N4 ptf Track reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version != 6 && m_version != 8)
        archive.Fail("N4 ptf Track unsupported version");
    const U32 segmentCount = archive.ReadU32();
    m_nightTime = archive.ReadU8();
    if (m_version == 6)
        m_values = archive.ReadF64Vector(Version6ValueCount);
    else
    {
        for (double& component : m_ambient)
            component = archive.ReadF64();
        m_skyRotation = archive.ReadF32();
        const U32 count = archive.ReadU32();
        // The byte count is stored only for a non-empty list, as for the details and objects.
        if (count != 0)
        {
            if (U64(archive.ReadU32()) != U64(count) * BumpMapSize)
                archive.Fail("N4 ptf Track bump map array size mismatch");
            archive.Require(count, BumpMapSize);
            m_bumpMaps.resize(count);
            for (BumpMap& bump : m_bumpMaps)
            {
                bump.name.Read(archive);
                for (F32& size : bump.sizes)
                    size = archive.ReadF32();
                for (F32& distance : bump.distances)
                    distance = archive.ReadF32();
            }
        }
    }
    archive.Expect(0, "N4 ptf Track reserved3 not 0");
    U32 count = archive.ReadU32();
    if (count != 0)
        ReadReferences(archive, m_details, count, "N4 ptf Track detail array size mismatch");
    count = archive.ReadU32();
    if (count != 0)
        ReadReferences(archive, m_tracksideObjects, count, "N4 ptf Track tso array size mismatch");
    ReadReferences(archive, m_segments, segmentCount, "N4 ptf Track segment array size mismatch");
}

void N4Track::ReadReferences(N4Archiver& archive, std::vector<int>& ids, U32 count, const char* sizeMessage)
{
    if (U64(archive.ReadU32()) != U64(count) * 4)
        archive.Fail(sizeMessage);
    archive.Require(count, 4);
    ids.reserve(count);
    for (U32 i = 0; i < count; ++i)
        ids.push_back(archive.ReadObject());
}

double N4Track::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_values.size()));
    return m_values[i];
}

Colour N4Track::GetAmbientColour() const
{
    return Colour(float(m_ambient[0]), float(m_ambient[1]), float(m_ambient[2]), 1.0f);
}

Util::CountedPointer<ThreeDObject> N4Track::GetDetail(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_details.size()));
    return Child(m_details[i]);
}

Util::CountedPointer<ThreeDObject> N4Track::GetTracksideObject(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_tracksideObjects.size()));
    return Child(m_tracksideObjects[i]);
}

Util::CountedPointer<ThreeDObjectTrackSegment> N4Track::GetSegment(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_segments.size()));
    Util::CountedPointer<ThreeDObjectTrackSegment> segment;
    segment = Child(m_segments[i]);
    return segment;
}

const N4Track::BumpMap& N4Track::GetBumpMap(int i, int j) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_bumpMaps.size()));
    VELMO_ASSERT(j >= 0 && j < 4);
    return m_bumpMaps[i];
}

std::string N4Track::GetBumpMapName(int i) const
{
    return GetBumpMap(i, 0).name.GetText();
}

double N4Track::GetBumpMapSize(int i, int j) const
{
    return GetBumpMap(i, j).sizes[j];
}

double N4Track::GetBumpMapDistance(int i, int j) const
{
    return GetBumpMap(i, j).distances[j];
}

void N4Track::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTrack, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    archive.WriteU32(U32(m_segments.size()));
    archive.WriteU8(m_nightTime);
    if (m_version == 6)
        archive.WriteF64s(m_values.data(), m_values.size());
    else
    {
        for (double component : m_ambient)
            archive.WriteF64(component);
        archive.WriteF32(m_skyRotation);
        archive.WriteU32(U32(m_bumpMaps.size()));
        if (!m_bumpMaps.empty())
        {
            archive.WriteU32(U32(m_bumpMaps.size() * BumpMapSize));
            for (const BumpMap& bump : m_bumpMaps)
            {
                bump.name.Write(archive);
                for (F32 size : bump.sizes)
                    archive.WriteF32(size);
                for (F32 distance : bump.distances)
                    archive.WriteF32(distance);
            }
        }
    }
    archive.WriteS32(0);
    auto writeList = [&](const std::vector<int>& ids, bool sizeWhenEmpty) {
        if (!ids.empty() || sizeWhenEmpty)
            archive.WriteU32(U32(ids.size() * 4));
        for (int id : ids)
            WriteChild(id, stream);
    };
    archive.WriteU32(U32(m_details.size()));
    writeList(m_details, false);
    archive.WriteU32(U32(m_tracksideObjects.size()));
    writeList(m_tracksideObjects, false);
    writeList(m_segments, true);
}
} // namespace Velmo::Papy

#include "Papy/N4/N4TrackSegment.h"

#include <algorithm>
#include <cmath>

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverTrackSegment g_N4ArchiverTrackSegment;

namespace
{
constexpr U32 BmSize = 12;
constexpr U32 BsSize = 16;

template <class Kind>
Util::CountedPointer<Kind> AsKind(const Util::CountedPointer<ThreeDObject>& node)
{
    Util::CountedPointer<Kind> kind;
    kind = node;
    return kind;
}
} // namespace

N4TrackSegment::N4TrackSegment(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf TrackSegment reserved0 not 1");
    archive.Expect(0, "N4 ptf TrackSegment reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version != 1 && m_version != 2)
        archive.Fail("N4 ptf TrackSegment unsupported version");
    ReadReferences(archive, m_xSections, "N4 ptf TrackSegment X section array size mismatch");
    ReadReferences(archive, m_fSections, "N4 ptf TrackSegment F section array size mismatch");
    ReadReferences(archive, m_wSections, "N4 ptf TrackSegment W section array size mismatch");
    m_type = archive.ReadS32();
    if (m_type != 0 && m_type != 1)
        archive.Fail("N4 ptf TrackSegment unknown type");
    m_startX = archive.ReadF64();
    m_startY = archive.ReadF64();
    m_startHeading = archive.ReadF64();
    m_endX = archive.ReadF64();
    m_endY = archive.ReadF64();
    m_endHeading = archive.ReadF64();
    m_bytes[0] = archive.ReadU8();
    m_bytes[1] = archive.ReadU8();
    if (m_version < 2)
        return;

    U32 count = archive.ReadU32();
    if (count != 0)
    {
        if (U64(archive.ReadU32()) != U64(count) * BmSize)
            archive.Fail("N4 ptf TrackSegment bm array size mismatch");
        archive.Require(count, BmSize);
        m_bm.resize(count);
        for (BmRecord& r : m_bm)
        {
            r.a = archive.ReadF32();
            r.b = archive.ReadF32();
            r.c = archive.ReadS32();
        }
    }
    count = archive.ReadU32();
    if (count != 0)
    {
        if (U64(archive.ReadU32()) != U64(count) * BsSize)
            archive.Fail("N4 ptf TrackSegment bs array size mismatch");
        archive.Require(count, BsSize);
        m_bs.resize(count);
        for (BsRecord& r : m_bs)
        {
            r.a = archive.ReadF32();
            r.b = archive.ReadF32();
            r.c = archive.ReadF32();
            r.d = archive.ReadF32();
        }
    }

    m_surfaceIndex.reserve(m_bm.size() + m_bs.size());
    for (std::size_t i = 0; i < m_bm.size(); ++i)
        m_surfaceIndex.push_back({true, U32(i), m_bm[i].a + m_bm[i].b});
    for (std::size_t i = 0; i < m_bs.size(); ++i)
        m_surfaceIndex.push_back({false, U32(i), m_bs[i].a + m_bs[i].b});
    // Equal keys keep their record order (bm before bs), so the answers do not depend on the
    // sort's implementation; a key that is not a number sorts after all others.
    std::stable_sort(m_surfaceIndex.begin(), m_surfaceIndex.end(), [](const SurfaceEntry& x, const SurfaceEntry& y) {
        if (std::isnan(x.key))
            return false;
        return std::isnan(y.key) || x.key < y.key;
    });
}

void N4TrackSegment::ReadReferences(N4Archiver& archive, std::vector<int>& ids, const char* sizeMessage)
{
    U32 count = archive.ReadU32();
    if (count == 0)
        return;
    if (U64(archive.ReadU32()) != U64(count) * 4)
        archive.Fail(sizeMessage);
    archive.Require(count, 4);
    ids.reserve(count);
    for (U32 i = 0; i < count; ++i)
        ids.push_back(archive.ReadObject());
}

void N4TrackSegment::WriteReferences(N4Archiver& archive, Util::BinaryStream& stream,
                                     const std::vector<int>& ids) const
{
    archive.WriteU32(U32(ids.size()));
    if (ids.empty())
        return;
    archive.WriteU32(U32(ids.size() * 4));
    for (int id : ids)
        WriteChild(id, stream);
}

bool N4TrackSegment::GetBoolean(int i) const
{
    VELMO_ASSERT(i >= 0 && i < 2);
    return m_bytes[i] != 0;
}

Util::CountedPointer<ThreeDObjectXSection> N4TrackSegment::GetXSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_xSections.size()));
    return AsKind<ThreeDObjectXSection>(Child(m_xSections[i]));
}

Util::CountedPointer<ThreeDObjectFSection> N4TrackSegment::GetFSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_fSections.size()));
    return AsKind<ThreeDObjectFSection>(Child(m_fSections[i]));
}

Util::CountedPointer<ThreeDObjectWSection> N4TrackSegment::GetWSection(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_wSections.size()));
    return AsKind<ThreeDObjectWSection>(Child(m_wSections[i]));
}

const N4TrackSegment::SurfaceEntry& N4TrackSegment::GetSurfaceEntry(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_surfaceIndex.size()));
    return m_surfaceIndex[i];
}

double N4TrackSegment::GetBumpMapStartLatitude(int i) const
{
    const SurfaceEntry& e = GetSurfaceEntry(i);
    return e.isBm ? m_bm[e.index].a : m_bs[e.index].a;
}

double N4TrackSegment::GetBumpMapEndLatitude(int i) const
{
    const SurfaceEntry& e = GetSurfaceEntry(i);
    return e.isBm ? m_bm[e.index].b : m_bs[e.index].b;
}

int N4TrackSegment::GetBumpMapIndex(int i) const
{
    const SurfaceEntry& e = GetSurfaceEntry(i);
    return e.isBm ? m_bm[e.index].c : 0;
}

double N4TrackSegment::GetBumpMapStartScale(int i) const
{
    const SurfaceEntry& e = GetSurfaceEntry(i);
    return e.isBm ? 1.0 : m_bs[e.index].c;
}

double N4TrackSegment::GetBumpMapEndScale(int i) const
{
    const SurfaceEntry& e = GetSurfaceEntry(i);
    return e.isBm ? 1.0 : m_bs[e.index].d;
}

void N4TrackSegment::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverTrackSegment, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    WriteReferences(archive, stream, m_xSections);
    WriteReferences(archive, stream, m_fSections);
    WriteReferences(archive, stream, m_wSections);
    archive.WriteS32(m_type);
    archive.WriteF64(m_startX);
    archive.WriteF64(m_startY);
    archive.WriteF64(m_startHeading);
    archive.WriteF64(m_endX);
    archive.WriteF64(m_endY);
    archive.WriteF64(m_endHeading);
    archive.WriteU8(m_bytes[0]);
    archive.WriteU8(m_bytes[1]);
    if (m_version < 2)
        return;
    archive.WriteU32(U32(m_bm.size()));
    if (!m_bm.empty())
    {
        archive.WriteU32(U32(m_bm.size() * BmSize));
        for (const BmRecord& r : m_bm)
        {
            archive.WriteF32(r.a);
            archive.WriteF32(r.b);
            archive.WriteS32(r.c);
        }
    }
    archive.WriteU32(U32(m_bs.size()));
    if (!m_bs.empty())
    {
        archive.WriteU32(U32(m_bs.size() * BsSize));
        for (const BsRecord& r : m_bs)
        {
            archive.WriteF32(r.a);
            archive.WriteF32(r.b);
            archive.WriteF32(r.c);
            archive.WriteF32(r.d);
        }
    }
}
} // namespace Velmo::Papy

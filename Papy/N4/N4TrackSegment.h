#pragma once
// One piece of a .ptf track, straight or a circular arc in plan, with its cross, floor and wall
// sections and two lists of surface (bump map) records.
//
// Record: 1, 0, version 1 or 2; three reference arrays (X, F and W sections), each an int32
// count followed, only when it is not 0, by the byte count (count x 4) and the references;
// type (0 straight, 1 corner); six doubles start x, start y, start heading, end x, end y, end
// heading; two bytes; version 2 only: the bm array (count, and when not 0 the byte count and
// 12-byte records float a, float b, int32 c) and the bs array (16-byte records of four floats).
#include <vector>

#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4TrackSegment : public N4Node<ThreeDObjectTrackSegment>
{
public:
    static constexpr const char* DescriptorName = "SegmentDescriptor";

    N4TrackSegment(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Segment"; }
    // The boolean list: the two bytes of the record.
    int GetBooleanCount() const override { return 2; }
    bool GetBoolean(int i) const override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    bool IsCorner() const override { return m_type == 1; }
    double GetStartX() const override { return m_startX; }
    double GetStartY() const override { return m_startY; }
    double GetEndX() const override { return m_endX; }
    double GetEndY() const override { return m_endY; }
    double GetStartHeading() const override { return m_startHeading; }
    double GetEndHeading() const override { return m_endHeading; }
    int GetXSectionCount() const override { return int(m_xSections.size()); }
    Util::CountedPointer<ThreeDObjectXSection> GetXSection(int i) const override;
    int GetFSectionCount() const override { return int(m_fSections.size()); }
    Util::CountedPointer<ThreeDObjectFSection> GetFSection(int i) const override;
    int GetWSectionCount() const override { return int(m_wSections.size()); }
    Util::CountedPointer<ThreeDObjectWSection> GetWSection(int i) const override;
    int GetBumpMapEntryCount() const override { return int(m_surfaceIndex.size()); }
    double GetBumpMapStartLatitude(int i) const override;
    double GetBumpMapEndLatitude(int i) const override;
    int GetBumpMapIndex(int i) const override;
    double GetBumpMapStartScale(int i) const override;
    double GetBumpMapEndScale(int i) const override;

    int GetVersion() const { return m_version; }

private:
    struct BmRecord
    {
        F32 a = 0;
        F32 b = 0;
        S32 c = 0;
    };
    struct BsRecord
    {
        F32 a = 0;
        F32 b = 0;
        F32 c = 0;
        F32 d = 0;
    };
    struct SurfaceEntry
    {
        bool isBm = false;
        U32 index = 0; // into the bm or the bs list
        F32 key = 0;   // a + b
    };

    void ReadReferences(N4Archiver& archive, std::vector<int>& ids, const char* sizeMessage);
    void WriteReferences(N4Archiver& archive, Util::BinaryStream& stream, const std::vector<int>& ids) const;
    const SurfaceEntry& GetSurfaceEntry(int i) const;

    int m_version = 2;
    S32 m_type = 0;
    double m_startX = 0;
    double m_startY = 0;
    double m_endX = 0;
    double m_endY = 0;
    double m_startHeading = 0;
    double m_endHeading = 0;
    std::vector<int> m_xSections;
    std::vector<int> m_fSections;
    std::vector<int> m_wSections;
    U8 m_bytes[2] = {};
    std::vector<BmRecord> m_bm;
    std::vector<BsRecord> m_bs;
    std::vector<SurfaceEntry> m_surfaceIndex; // sorted by key, equal keys in record order
};

class N4ArchiverTrackSegment final : public N4ArchivedNode<N4TrackSegment>
{
};
extern const N4ArchiverTrackSegment g_N4ArchiverTrackSegment;
} // namespace Velmo::Papy

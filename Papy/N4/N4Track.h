#pragma once
// The top of a .ptf track: its segments, trackside details and objects, bump maps and
// lighting values.
//
// Record: 1, 0, version 6 or 8, segment count S, night-time byte; version 6: 21 doubles;
// version 8: ambient red, green, blue (doubles), sky rotation (float), bump map count B and,
// when B is not 0, the byte count B x 48 and B records (16-byte name, four floats size, four
// floats distance); then 0; detail count D and, when D is not 0, the byte count D x 4 and the
// references; trackside object count T likewise; the segment byte count S x 4 (always) and
// the S segment references.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4FixedText.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Track : public N4Node<ThreeDObjectTrack>
{
public:
    static constexpr const char* DescriptorName = "TrackDescriptor";

    N4Track(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "Track"; }
    // The float list: the 21 values of a version-6 record (none for version 8).
    int GetFloatCount() const override { return int(m_values.size()); }
    double GetFloat(int i) const override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    // A version-6 record stores no sky rotation and no ambient colour: it answers 0 and black.
    double GetSkyRotation() const override { return m_skyRotation; }
    bool IsNightTime() const override { return m_nightTime != 0; }
    Colour GetAmbientColour() const override;
    int GetDetailCount() const override { return int(m_details.size()); }
    Util::CountedPointer<ThreeDObject> GetDetail(int i) const override;
    int GetTracksideObjectCount() const override { return int(m_tracksideObjects.size()); }
    Util::CountedPointer<ThreeDObject> GetTracksideObject(int i) const override;
    int GetSegmentCount() const override { return int(m_segments.size()); }
    Util::CountedPointer<ThreeDObjectTrackSegment> GetSegment(int i) const override;
    int GetBumpMapCount() const override { return int(m_bumpMaps.size()); }
    std::string GetBumpMapName(int i) const override;
    double GetBumpMapSize(int i, int j) const override;
    double GetBumpMapDistance(int i, int j) const override;

    int GetVersion() const { return m_version; }

private:
    struct BumpMap
    {
        N4FixedText<16> name;
        F32 sizes[4] = {};
        F32 distances[4] = {};
    };

    void ReadReferences(N4Archiver& archive, std::vector<int>& ids, U32 count, const char* sizeMessage);
    const BumpMap& GetBumpMap(int i, int j) const;

    int m_version = 8;
    double m_ambient[3] = {};
    F32 m_skyRotation = 0;
    U8 m_nightTime = 0;
    std::vector<int> m_details;
    std::vector<int> m_tracksideObjects;
    std::vector<int> m_segments;
    std::vector<BumpMap> m_bumpMaps;
    std::vector<double> m_values;
};

class N4ArchiverTrack final : public N4ArchivedNode<N4Track>
{
};
extern const N4ArchiverTrack g_N4ArchiverTrack;
} // namespace Velmo::Papy

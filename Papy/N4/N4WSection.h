#pragma once
// A wall section of a .ptf track segment: position, height, wall type, an optional curved
// profile and a grid of surface entries (five per subsection) that point to appearances.
//
// Record: 1, 0, version 5, 6 or 7; W0 and W1 (doubles in version 5, floats in 6 and 7); the
// forced-straight byte; header int 0; W2 to W7 (doubles); direction (int32 0 or 1); version 7
// only: profile (int32 0 or 1) and for profile 1 the float -1, the profile point count and four
// floats x and four floats y; the wall code; the subsection count K; header ints 1 and 2; then
// per subsection (a boundary double before every subsection but the first) five entries:
//   appearance reference (0 = no entry); when the appearance has links, a texture-coordinates
//   reference; per link a byte "use default" and, when it is 0, h-fixed byte, h-size double,
//   h-skew double, v-fixed byte, v-size double, v-skew double.
#include <vector>

#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4WSection : public N4Node<ThreeDObjectWSection>
{
public:
    static constexpr const char* DescriptorName = "W_SectionDescriptor";

    N4WSection(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "W_Section"; }
    // The integer list: the three header ints of the record.
    int GetIntegerCount() const override { return 3; }
    int GetInteger(int i) const override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    bool IsForcedStraight() const override { return m_flag != 0; }
    double GetStartLatitude() const override { return m_w[0]; }
    double GetEndLatitude() const override { return m_w[1]; }
    double GetStartHeight() const override { return m_w[2]; }
    double GetEndHeight() const override { return m_w[3]; }
    double GetStartHalfWidth() const override { return m_w[4]; }
    double GetEndHalfWidth() const override { return m_w[5]; }
    double GetStartCollisionHalfWidth() const override { return m_w[6]; }
    double GetEndCollisionHalfWidth() const override { return m_w[7]; }
    WallType GetWallType() const override;
    bool IsVertical() const override { return m_direction == 0; }
    bool IsProfileCurved() const override { return m_profile == 1; }
    // The stored count, limited to the four points the record holds.
    int GetProfilePointCount() const override;
    Vertex GetProfilePoint(int i) const override;
    int GetSubsectionCount() const override { return int(m_entries.size() / EntryCount); }
    double GetSplitPoint(int i) const override;
    bool HasEntry(int subsection, int entry) const override;
    Util::CountedPointer<ThreeDObjectAppearance> GetEntryAppearance(int subsection, int entry) const override;
    Util::CountedPointer<ThreeDObject> GetEntryTextureCoords(int subsection, int entry) const override;
    bool HasEntryBaseTexture(int subsection, int entry) const override;
    bool HasEntryLightMapTexture(int subsection, int entry) const override;
    bool UsesDefaultTexelParameters(int subsection, int entry, int link) const override;
    bool IsHorizontalTexelFixed(int subsection, int entry, int link) const override;
    double GetHorizontalTexelSize(int subsection, int entry, int link) const override;
    double GetHorizontalTexelSkew(int subsection, int entry, int link) const override;
    bool IsVerticalTexelFixed(int subsection, int entry, int link) const override;
    double GetVerticalTexelSize(int subsection, int entry, int link) const override;
    double GetVerticalTexelSkew(int subsection, int entry, int link) const override;

    int GetVersion() const { return m_version; }
    int GetWallCode() const { return m_wallCode; }
    // The number of link records of an entry (the link count of its appearance).
    int GetEntryLinkCount(int subsection, int entry) const;

private:
    struct Entry
    {
        int appearance = 0;
        int textureCoords = 0;
        int linkCount = 0;
        bool hasBase = false;
        bool hasLightMap = false;
        std::size_t firstLink = 0; // index of the entry's first record in m_links
    };
    struct Link
    {
        U8 useDefault = 1;
        U8 horizontalFixed = 0;
        double horizontalSize = 0;
        double horizontalSkew = 0;
        U8 verticalFixed = 0;
        double verticalSize = 0;
        double verticalSkew = 0;
    };

    const Entry& GetEntry(int subsection, int entry) const;
    const Link& GetLink(int subsection, int entry, int link) const;

    int m_version = 6;
    U8 m_flag = 0;
    double m_w[8] = {};
    F32 m_readW[2] = {}; // versions 6 and 7: W0 and W1 as read (see N4Archiver::WriteF32)
    S32 m_wallCode = 0;
    S32 m_direction = 0;
    S32 m_profile = 0;
    S32 m_profilePointCount = 0;
    F32 m_profileX[4] = {};
    F32 m_profileY[4] = {};
    S32 m_headerInts[3] = {};
    std::vector<double> m_boundaries;
    std::vector<Entry> m_entries; // EntryCount per subsection
    std::vector<Link> m_links;
};

class N4ArchiverWSection final : public N4ArchivedNode<N4WSection>
{
};
extern const N4ArchiverWSection g_N4ArchiverWSection;
} // namespace Velmo::Papy

#include "Papy/N4/N4WSection.h"

#include <algorithm>

#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverWSection g_N4ArchiverWSection;

namespace
{
struct WallCode
{
    S32 code;
    WallType type;
};

constexpr WallCode WallCodes[] = {
    {2049, WallConcrete},   {2050, WallArmcoLeft},  {2051, WallTyres},         {2052, WallHayBales},
    {2053, WallWireFenceLeft}, {2054, WallShrubs}, {2055, WallForest},        {2056, WallWood},
    {2057, WallInvisible},  {2058, WallWireFenceRight}, {2059, WallArmcoRight},
};

constexpr int ProfileSize = 4;
// The fewest bytes a subsection occupies: five null references.
constexpr U64 MinimumSubsectionSize = 5 * 4;
} // namespace

N4WSection::N4WSection(N4TdoFile& file, N4Archiver& archive, int id, U64 position) : N4Node(file, id, position)
{
    archive.Expect(1, "N4 ptf WSection reserved0 not 1");
    archive.Expect(0, "N4 ptf WSection reserved1 not 0");
    m_version = archive.ReadS32();
    if (m_version < 5 || m_version > 7)
        archive.Fail("N4 ptf WSection unsupported version");
    for (int k = 0; k < 2; ++k)
        m_w[k] = m_version == 5 ? archive.ReadF64() : (m_readW[k] = archive.ReadF32());
    m_flag = archive.ReadU8();
    m_headerInts[0] = archive.ReadS32();
    for (int k = 2; k < 8; ++k)
        m_w[k] = archive.ReadF64();
    m_direction = archive.ReadS32();
    if (m_direction != 0 && m_direction != 1)
        archive.Fail("N4 ptf WSection unknown direction");
    if (m_version == 7)
    {
        m_profile = archive.ReadS32();
        if (m_profile != 0 && m_profile != 1)
            archive.Fail("N4 ptf WSection unknown profile");
        if (m_profile == 1)
        {
            if (archive.ReadF32() != -1.0f)
                archive.Fail("N4 ptf WSection reserved2 not -1");
            m_profilePointCount = archive.ReadS32();
            for (F32& x : m_profileX)
                x = archive.ReadF32();
            for (F32& y : m_profileY)
                y = archive.ReadF32();
        }
    }
    m_wallCode = archive.ReadS32();
    U32 subsections = archive.ReadU32();
    m_headerInts[1] = archive.ReadS32();
    m_headerInts[2] = archive.ReadS32();
    archive.Require(subsections, MinimumSubsectionSize);
    m_entries.reserve(std::size_t(subsections) * EntryCount);
    for (U32 k = 0; k < subsections; ++k)
    {
        if (k > 0)
            m_boundaries.push_back(archive.ReadF64());
        for (int l = 0; l < EntryCount; ++l)
        {
            Entry entry;
            entry.appearance = archive.ReadObject();
            entry.firstLink = m_links.size();
            if (entry.appearance != 0)
            {
                Util::CountedPointer<ThreeDObjectAppearance> a;
                a = Child(entry.appearance);
                VELMO_ASSERT_TEXT(a.Get() != nullptr, "a != 0");
                if (a->HasSpecularTexture())
                    archive.Fail("N4 ptf WSection with specular highlight");
                for (int i = 0; i < a->GetOtherTextureCount(); ++i)
                    if (a->HasOtherTexture(i))
                        archive.Fail("N4 ptf WSection with other texture");
                entry.linkCount = a->GetLinkCount();
                entry.hasBase = a->HasTexture();
                entry.hasLightMap = a->HasLightMapTexture();
                if (entry.linkCount != 0)
                    entry.textureCoords = archive.ReadObject();
                for (int m = 0; m < entry.linkCount; ++m)
                {
                    Link link;
                    link.useDefault = archive.ReadU8();
                    if (link.useDefault == 0)
                    {
                        link.horizontalFixed = archive.ReadU8();
                        link.horizontalSize = archive.ReadF64();
                        link.horizontalSkew = archive.ReadF64();
                        link.verticalFixed = archive.ReadU8();
                        link.verticalSize = archive.ReadF64();
                        link.verticalSkew = archive.ReadF64();
                    }
                    m_links.push_back(link);
                }
            }
            m_entries.push_back(entry);
        }
    }
}

int N4WSection::GetInteger(int i) const
{
    VELMO_ASSERT(i >= 0 && i < 3);
    return m_headerInts[i];
}

WallType N4WSection::GetWallType() const
{
    for (const WallCode& known : WallCodes)
        if (known.code == m_wallCode)
            return known.type;
    return WallUnknown;
}

int N4WSection::GetProfilePointCount() const
{
    return std::clamp(int(m_profilePointCount), 0, ProfileSize);
}

Vertex N4WSection::GetProfilePoint(int i) const
{
    const int count = GetProfilePointCount();
    VELMO_ASSERT(i >= 0 && i < count);
    // The points are the last count entries of the four.
    const int at = i + ProfileSize - count;
    return Vertex(m_profileX[at], m_profileY[at], 0.0);
}

double N4WSection::GetSplitPoint(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_boundaries.size()));
    return m_boundaries[i];
}

const N4WSection::Entry& N4WSection::GetEntry(int subsection, int entry) const
{
    VELMO_ASSERT(subsection >= 0 && subsection < GetSubsectionCount());
    VELMO_ASSERT(entry >= 0 && entry < EntryCount);
    return m_entries[std::size_t(subsection) * EntryCount + entry];
}

const N4WSection::Link& N4WSection::GetLink(int subsection, int entry, int link) const
{
    const Entry& e = GetEntry(subsection, entry);
    VELMO_ASSERT(link >= 0 && link < e.linkCount);
    return m_links[e.firstLink + link];
}

bool N4WSection::HasEntry(int subsection, int entry) const
{
    return GetEntry(subsection, entry).appearance != 0;
}

Util::CountedPointer<ThreeDObjectAppearance> N4WSection::GetEntryAppearance(int subsection, int entry) const
{
    Util::CountedPointer<ThreeDObjectAppearance> appearance;
    appearance = Child(GetEntry(subsection, entry).appearance);
    return appearance;
}

Util::CountedPointer<ThreeDObject> N4WSection::GetEntryTextureCoords(int subsection, int entry) const
{
    return Child(GetEntry(subsection, entry).textureCoords);
}

bool N4WSection::HasEntryBaseTexture(int subsection, int entry) const
{
    return GetEntry(subsection, entry).hasBase;
}

bool N4WSection::HasEntryLightMapTexture(int subsection, int entry) const
{
    return GetEntry(subsection, entry).hasLightMap;
}

int N4WSection::GetEntryLinkCount(int subsection, int entry) const
{
    return GetEntry(subsection, entry).linkCount;
}

bool N4WSection::UsesDefaultTexelParameters(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).useDefault != 0;
}

bool N4WSection::IsHorizontalTexelFixed(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).horizontalFixed != 0;
}

double N4WSection::GetHorizontalTexelSize(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).horizontalSize;
}

double N4WSection::GetHorizontalTexelSkew(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).horizontalSkew;
}

bool N4WSection::IsVerticalTexelFixed(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).verticalFixed != 0;
}

double N4WSection::GetVerticalTexelSize(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).verticalSize;
}

double N4WSection::GetVerticalTexelSkew(int subsection, int entry, int link) const
{
    return GetLink(subsection, entry, link).verticalSkew;
}

void N4WSection::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverWSection, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteS32(0);
    archive.WriteS32(m_version);
    for (int k = 0; k < 2; ++k)
    {
        if (m_version == 5)
            archive.WriteF64(m_w[k]);
        else
            archive.WriteF32(m_w[k], m_readW[k]);
    }
    archive.WriteU8(m_flag);
    archive.WriteS32(m_headerInts[0]);
    for (int k = 2; k < 8; ++k)
        archive.WriteF64(m_w[k]);
    archive.WriteS32(m_direction);
    if (m_version == 7)
    {
        archive.WriteS32(m_profile);
        if (m_profile == 1)
        {
            archive.WriteF32(-1.0f);
            archive.WriteS32(m_profilePointCount);
            for (F32 x : m_profileX)
                archive.WriteF32(x);
            for (F32 y : m_profileY)
                archive.WriteF32(y);
        }
    }
    archive.WriteS32(m_wallCode);
    // The subsections held, so that a record without any is written back as it was read.
    const std::size_t subsections = m_entries.size() / EntryCount;
    archive.WriteU32(U32(subsections));
    archive.WriteS32(m_headerInts[1]);
    archive.WriteS32(m_headerInts[2]);
    for (std::size_t k = 0; k < subsections; ++k)
    {
        if (k > 0)
            archive.WriteF64(m_boundaries[k - 1]);
        for (int l = 0; l < EntryCount; ++l)
        {
            const Entry& entry = m_entries[k * EntryCount + l];
            WriteChild(entry.appearance, stream);
            if (entry.appearance == 0)
                continue;
            if (entry.linkCount != 0)
                WriteChild(entry.textureCoords, stream);
            for (int m = 0; m < entry.linkCount; ++m)
            {
                const Link& link = m_links[entry.firstLink + m];
                archive.WriteU8(link.useDefault);
                if (link.useDefault != 0)
                    continue;
                archive.WriteU8(link.horizontalFixed);
                archive.WriteF64(link.horizontalSize);
                archive.WriteF64(link.horizontalSkew);
                archive.WriteU8(link.verticalFixed);
                archive.WriteF64(link.verticalSize);
                archive.WriteF64(link.verticalSkew);
            }
        }
    }
}
} // namespace Velmo::Papy

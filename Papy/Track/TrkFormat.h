#pragma once
// Where the GPL and ICR2 track files are laid out alike, how they differ, side by side:
//
//          version  header    lateral slots  section record (13 words)
//   GPL    3000     92 bytes  16             type, start, length, heading, flags, S1 to S5,
//                                            first trace, boundary count, first boundary
//   ICR2   1        68 bytes  10             type, start, length, heading, S1 to S5,
//                                            first trace, boundary count, first boundary, wall count
//
// Both headers hold the id TRAK, the version word, the length, the lateral and section counts,
// the sizes of the boundary records and of the section data, then the lateral slots. The
// boundaries and ICR2's wall items differ more; each file describes its own.
#include <array>

#include "Papy/Model/ChunkHeader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
struct GPLTrkFormat
{
    static constexpr S32 Version = 3000;
    static constexpr U64 HeaderSize = 92;
    static constexpr int MaxLaterals = 16;
    static constexpr bool Flags = true;
    static constexpr bool WallCount = false;
    static constexpr const char* IdError = "GPL trk file id not TRAK";
    static constexpr const char* VersionError = "GPL trk file version not 3000";
    static constexpr const char* LateralCountError = "GPL trk file lateral count error";
};

struct ICR2TrkFormat
{
    static constexpr S32 Version = 1;
    static constexpr U64 HeaderSize = 68;
    static constexpr int MaxLaterals = 10;
    static constexpr bool Flags = false;
    static constexpr bool WallCount = true;
    static constexpr const char* IdError = "ICR2 trk file id not TRAK";
    static constexpr const char* VersionError = "ICR2 trk file type not 1";
    static constexpr const char* LateralCountError = "ICR2 trk file lateral count error";
};

template <class Format>
struct TrkHeader
{
    static constexpr U32 Id = MakeChunkId('T', 'R', 'A', 'K');

    S32 Length = 0;
    S32 LateralCount = 0;
    S32 SectionCount = 0;
    S32 BoundarySize = 0;
    S32 SectionDataSize = 0;
    // The laterals, then zeros.
    std::array<S32, Format::MaxLaterals> Laterals{};

    template <class IO>
    void Fields(IO& io)
    {
        io.Expect(Id, Format::IdError);
        io.Expect(Format::Version, Format::VersionError);
        io(Length);
        io(LateralCount);
        io(SectionCount);
        io(BoundarySize);
        io(SectionDataSize);
        io(Laterals);
    }
};

// A section as either file holds it; a field that a format's record does not have stays 0.
struct TrkSection
{
    S32 Type = 0;
    S32 Start = 0;
    S32 Length = 0;
    S32 Heading = 0;
    // Bits 0 and 1: flags 0 and 1 (GPL).
    S32 Flags = 0;
    // S1 to S5.
    std::array<S32, 5> Values{};
    S32 FirstTrace = 0;
    S32 BoundaryCount = 0;
    S32 FirstBoundary = 0;
    // The wall items after the record (ICR2).
    S32 WallCount = 0;
    // Not in the file: the index of the section's first wall item (ICR2).
    S32 FirstWall = 0;
};

// The record of a section in a format.
template <class Format>
struct TrkSectionRecord
{
    TrkSection Section;

    template <class IO>
    void Fields(IO& io)
    {
        io(Section.Type);
        io(Section.Start);
        io(Section.Length);
        io(Section.Heading);
        if constexpr (Format::Flags)
            io(Section.Flags);
        io(Section.Values);
        io(Section.FirstTrace);
        io(Section.BoundaryCount);
        io(Section.FirstBoundary);
        if constexpr (Format::WallCount)
            io(Section.WallCount);
    }
};
} // namespace Velmo::Papy

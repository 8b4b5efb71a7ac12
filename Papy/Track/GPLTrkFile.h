#pragma once
// The GPL track file (.trk): a 92-byte header with up to 16 laterals, the section offset table,
// the trace records (one per section and lateral), the boundary records and the section records
// (see TrkFormat.h). Walls are boundaries of their own kind among the floor boundaries.
#include <string>
#include <vector>

#include "Papy/Track/TraceTrkFile.h"
#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class GPLTrkFile : public TraceTrkFile
{
public:
    // Reads and checks a whole file; format errors raise XFileFormat with the stream's name.
    explicit GPLTrkFile(Util::BinaryStream& stream);
    // A GPL track made from any track file, through its interface only (see GPLTrkConversion);
    // a source with more than 16 laterals raises XUsage.
    explicit GPLTrkFile(const TrkFile& source);

    static constexpr int MaxLaterals = GPLTrkFormat::MaxLaterals;

    bool GetFlag0(int s) const override { return (Section(s).Flags & 1) != 0; }
    bool GetFlag1(int s) const override { return (Section(s).Flags & 2) != 0; }
    int GetFloorCount(int s) const override;
    int GetFloorRightFrom(int s, int b) const override { return Floor(s, b, 0).From; }
    int GetFloorRightTo(int s, int b) const override { return Floor(s, b, 0).To; }
    int GetFloorLeftFrom(int s, int b) const override { return Floor(s, b, 1).From; }
    int GetFloorLeftTo(int s, int b) const override { return Floor(s, b, 1).To; }
    int GetFloorHeight(int s, int b) const override;
    bool IsFloorWall(int s, int b) const override { return (Floor(s, b, 0).Kind & WallBit) != 0; }
    SurfaceType GetFloorType(int s, int b) const override;
    int GetFloorGrip(int, int) const override { return 0; }
    int GetFloorClass(int s, int b) const override { return IsFloorWall(s, b) ? 0 : 2; }
    int GetFloorValue(int s, int b, int i) const override;
    int GetWallCount(int s) const override;
    int GetWallInnerFrom(int s, int w) const override { return Wall(s, w, 0).From; }
    int GetWallInnerTo(int s, int w) const override { return Wall(s, w, 0).To; }
    int GetWallOuterFrom(int s, int w) const override { return Wall(s, w, 1).From; }
    int GetWallOuterTo(int s, int w) const override { return Wall(s, w, 1).To; }
    int GetWallHeight(int s, int w) const override { return Wall(s, w, 0).Height; }
    WallType GetWallType(int s, int w) const override;
    int GetWallValueCount() const override { return 3; }
    int GetWallValue(int s, int w, int i) const override;
    void Save(Util::BinaryStream& stream) const override;

    // The kind bit of a boundary whose strip to the next boundary is a wall; the rest of the
    // kind is the floor's or the wall's code (GPLTrkCodes).
    static constexpr S32 WallBit = 0x800;
    // The kind of the boundary that closes every section.
    static constexpr S32 ClosingKind = 10;

    // One boundary running through a section.
    struct Boundary
    {
        S32 From = 0;
        S32 To = 0;
        S32 Kind = 0;
        S32 ValueA = 0;
        S32 Height = 0;
        S32 ValueB = 0;

        // The record ends in two words that are not read, and are written as 0.
        template <class IO>
        void Fields(IO& io)
        {
            S32 unused[2] = {0, 0};
            io(From);
            io(To);
            io(Kind);
            io(ValueA);
            io(Height);
            io(ValueB);
            io(unused);
        }
    };

private:
    friend class GPLTrkConversion;

    // Boundary b + offset of section s.
    const Boundary& Floor(int s, int b, int offset) const;
    // The boundary of wall w of section s (offset 0) or the one after it (offset 1).
    const Boundary& Wall(int s, int w, int offset) const;
    void Load(Util::BinaryStream& stream);
    void CheckAltitudes(const std::string& name) const;
    // Lists the wall boundaries of every section, so that a wall is found without walking the
    // section's boundaries.
    void IndexWalls();

    std::vector<Boundary> m_surfaces;
    // The boundary index of every wall, section by section, and where each section's walls begin
    // in that list (one more entry than sections).
    std::vector<std::size_t> m_walls;
    std::vector<std::size_t> m_firstWall;
};
} // namespace Velmo::Papy

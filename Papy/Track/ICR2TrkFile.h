#pragma once
// The ICR2 track file (.trk), also the track format of N2 and N3 folders: a 68-byte header with
// up to 10 laterals, the section offset table, the trace records, 12-byte boundary records and
// the section records (see TrkFormat.h), each followed by its wall items.
#include <vector>

#include "Papy/Track/TraceTrkFile.h"
#include "Util/BinaryStream.h"

namespace Velmo::Papy
{
class ICR2TrkFile : public TraceTrkFile
{
public:
    // Reads and checks a whole file (every check, Strict or not); format errors raise
    // XFileFormat with the stream's name.
    explicit ICR2TrkFile(Util::BinaryStream& stream);

    static constexpr int MaxLaterals = ICR2TrkFormat::MaxLaterals;
    // Every wall stands this high.
    static constexpr int WallHeight = 20000;

    bool GetFlag0(int) const override { return false; }
    bool GetFlag1(int) const override { return false; }
    int GetFloorCount(int s) const override { return Section(s).BoundaryCount; }
    int GetFloorRightFrom(int s, int b) const override { return Boundary(s, b).From; }
    int GetFloorRightTo(int s, int b) const override { return Boundary(s, b).To; }
    int GetFloorLeftFrom(int s, int b) const override { return LeftEdge(s, b).From; }
    int GetFloorLeftTo(int s, int b) const override { return LeftEdge(s, b).To; }
    int GetFloorHeight(int, int) const override { return 0; }
    bool IsFloorWall(int, int) const override { return false; }
    SurfaceType GetFloorType(int s, int b) const override;
    int GetFloorGrip(int s, int b) const override;
    int GetFloorClass(int, int) const override { return 0; }
    int GetFloorValue(int, int, int) const override { return 0; }
    int GetWallCount(int s) const override { return Section(s).WallCount; }
    int GetWallInnerFrom(int s, int w) const override { return Wall(s, w).From; }
    int GetWallInnerTo(int s, int w) const override { return Wall(s, w).To; }
    int GetWallOuterFrom(int s, int w) const override { return Wall(s, w).From; }
    int GetWallOuterTo(int s, int w) const override { return Wall(s, w).To; }
    int GetWallHeight(int, int) const override { return WallHeight; }
    WallType GetWallType(int s, int w) const override;
    int GetWallValueCount() const override { return 0; }
    int GetWallValue(int, int, int) const override { return 0; }
    void Save(Util::BinaryStream& stream) const override;

    // A boundary or a wall: latitudes at the section's start and end, and its code. The fields
    // are in the order of a boundary record (a wall item holds the code first).
    struct Edge
    {
        S32 From = 0;
        S32 To = 0;
        S32 Code = 0;

        template <class IO>
        void Fields(IO& io)
        {
            io(From);
            io(To);
            io(Code);
        }
    };

private:
    const Edge& Boundary(int s, int b) const;
    const Edge& LeftEdge(int s, int b) const;
    const Edge& Wall(int s, int w) const;
    void Load(Util::BinaryStream& stream);

    std::vector<Edge> m_boundaries;
    std::vector<Edge> m_walls;
};
} // namespace Velmo::Papy

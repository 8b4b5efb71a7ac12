#pragma once
// A track file as the game stores it: integer sections, laterals, per-lateral altitude cubics and
// per-section floor and wall boundaries; and the geometry every game's track file shares: the
// 3D and 2D longitude maps and the integer position computation.
//
// Units of the file: lengths in 0.0000508 m, angles as 2^32 per turn, fractions and directions
// with 2^30 = 1, grades with 8192 = 1.
#include <vector>

#include "Papy/Model/SurfaceType.h"
#include "Papy/Model/WallType.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
// A place on the track in file units: x, y, z (altitude), heading, pitch and bank in angle
// units, and the surface type of the floor strip under it.
struct TrkFilePosition
{
    S64 X = 0;
    S64 Y = 0;
    S64 Z = 0;
    S64 Heading = 0;
    S64 Pitch = 0;
    S64 Bank = 0;
    SurfaceType Surface = SurfaceUnknown;
};

class TrkFile
{
public:
    // Metres per file length unit, radians per file angle unit.
    static constexpr double LengthUnit = 0.0000508;
    static constexpr double AngleUnit = 6.283185307179586 / 4294967296.0;

    virtual ~TrkFile() = default;

    virtual int GetLength() const = 0;
    virtual int GetLateralCount() const = 0;
    virtual int GetLateral(int l) const = 0;
    // Stores only a value strictly between the neighbouring laterals.
    virtual void SetLateral(int l, int value) = 0;
    virtual int GetSectionCount() const = 0;
    virtual bool IsCorner(int s) const = 0;
    virtual bool GetFlag0(int s) const = 0;
    virtual bool GetFlag1(int s) const = 0;
    virtual int GetSectionStart(int s) const = 0;
    virtual int GetSectionLength(int s) const = 0;
    virtual int GetSectionHeading(int s) const = 0;
    // Corner: centre and half the turn angle.
    virtual int GetCentreX(int s) const = 0;
    virtual int GetCentreY(int s) const = 0;
    virtual int GetHalfTurn(int s) const = 0;
    // Straight: direction of travel.
    virtual int GetDirectionX(int s) const = 0;
    virtual int GetDirectionY(int s) const = 0;
    virtual int GetSectionValue5(int s) const = 0;
    // Straight: sideways direction (to the left).
    virtual int GetSidewaysX(int s) const = 0;
    virtual int GetSidewaysY(int s) const = 0;
    virtual int GetSectionValue6(int s) const = 0;
    virtual int GetSectionValue7(int s) const = 0;
    virtual int GetAltitudeConstant(int s, int l) const = 0;
    virtual int GetAltitudeLinear(int s, int l) const = 0;
    virtual int GetAltitudeSquare(int s, int l) const = 0;
    virtual int GetAltitudeCube(int s, int l) const = 0;
    virtual int GetLinearGrade(int s, int l) const = 0;
    virtual int GetSquareGrade(int s, int l) const = 0;
    // Sets the four coefficients through the four setters below, in their order.
    virtual void SetAltitude(int s, int l, int constant, int linear, int square, int cube);
    // Straight: x and y of the lateral line at the section's start; corner: its radius.
    virtual int GetTraceX(int s, int l) const = 0;
    virtual int GetTraceY(int s, int l) const = 0;
    virtual int GetTraceRadius(int s, int l) const = 0;
    virtual int GetTraceValue3(int s, int l) const = 0;
    virtual int GetTraceValue4(int s, int l) const = 0;
    virtual int GetFloorCount(int s) const = 0;
    virtual int GetFloorRightFrom(int s, int b) const = 0;
    virtual int GetFloorRightTo(int s, int b) const = 0;
    virtual int GetFloorLeftFrom(int s, int b) const = 0;
    virtual int GetFloorLeftTo(int s, int b) const = 0;
    virtual int GetFloorHeight(int s, int b) const = 0;
    virtual bool IsFloorWall(int s, int b) const = 0;
    virtual SurfaceType GetFloorType(int s, int b) const = 0;
    virtual int GetFloorGrip(int s, int b) const = 0;
    virtual int GetFloorClass(int s, int b) const = 0;
    virtual int GetFloorValue(int s, int b, int i) const = 0;
    virtual int GetWallCount(int s) const = 0;
    virtual int GetWallInnerFrom(int s, int w) const = 0;
    virtual int GetWallInnerTo(int s, int w) const = 0;
    virtual int GetWallOuterFrom(int s, int w) const = 0;
    virtual int GetWallOuterTo(int s, int w) const = 0;
    virtual int GetWallHeight(int s, int w) const = 0;
    virtual WallType GetWallType(int s, int w) const = 0;
    virtual int GetWallValueCount() const = 0;
    virtual int GetWallValue(int s, int w, int i) const = 0;
    // Writes the whole file at position 0 of the stream.
    virtual void Save(Util::BinaryStream& stream) const = 0;
    virtual void SetAltitudeConstant(int s, int l, int value) = 0;
    virtual void SetAltitudeLinear(int s, int l, int value) = 0;
    virtual void SetAltitudeSquare(int s, int l, int value) = 0;
    virtual void SetAltitudeCube(int s, int l, int value) = 0;

    // The length of the lap in plan, metres (single precision, as the sums are kept).
    float GetLength2D() const { return m_length2D; }
    float GetSection2DStart(int s) const;
    float GetSection2DLength(int s) const;
    // Metres along the file's own length per metre in plan.
    double GetSectionRatio(int s) const;

    // The 3D longitude (file units) of a 2D longitude (metres, any lap).
    int Convert2DTo3D(double longitude2D) const;
    // The section holding a 2D longitude (metres, any lap) and the offset from its 2D start.
    int Find2DSection(double longitude2D, double& offset2D) const;
    // The section holding a 3D longitude (file units, any lap) and the offset from its start.
    int Find3DSection(S64 longitude3D, S64& offset) const;
    // The place at a 3D longitude and a latitude, both in file units; without withSurface the
    // floor strip under it is not looked up (Surface stays Unknown).
    TrkFilePosition ComputePosition(S64 longitude3D, S64 latitude, bool withSurface = true) const;

    // The longitude wrapped into one lap of the given length (a length of 0 or less gives 0).
    static double WrapLongitude(double longitude, double length);
    static S64 WrapLongitude(S64 longitude, S64 length);
    // Metres (or radians) to whole file units, truncated toward zero and held within 32 bits.
    static int MetresToUnits(double metres);

protected:
    // Builds both longitude maps and the 2D lengths; called once the file's sections are final.
    void Build2DData();

private:
    struct Section2D
    {
        float Start;
        float Length;
        double Ratio;
    };

    int FindSurface(int s, S64 latitude, S64 t) const;
    // Find2DSection with the line its look-up assertion names.
    int Find2DSection(double longitude2D, double& offset2D, int line) const;

    float m_length2D = 0;
    std::vector<Section2D> m_sections2D;
    // Section start longitudes in both measures, ascending: the two longitude maps.
    std::vector<S64> m_starts3D;
    std::vector<float> m_starts2D;
};
} // namespace Velmo::Papy

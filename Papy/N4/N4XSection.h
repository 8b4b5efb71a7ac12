#pragma once
// A cross section of a .ptf track segment: the latitude span and the altitude curve of a strip
// of road.
//
// Record: 1, 0, version 2 or 3.
//   Version 2: six doubles start latitude, start altitude, start slope, end latitude, end
//   altitude, end slope, then one byte 0.
//   Version 3: start latitude (float), start altitude (double), start slope (float), end
//   latitude (float), end altitude (double), end slope (float), one byte 0, then two type
//   entries: a type byte, followed for type 1 by two int32 0, for type 2 by two floats and two
//   bytes, for type 0 by nothing.
// The type bytes and the two bytes of a type-2 entry form the integer list (in stream order),
// the floats of type-2 entries the float list.
#include <vector>

#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4XSection : public N4Node<ThreeDObjectXSection>
{
public:
    static constexpr const char* DescriptorName = "X_SectionDescriptor";

    N4XSection(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "X_Section"; }
    int GetIntegerCount() const override { return int(m_integers.size()); }
    int GetInteger(int i) const override;
    int GetFloatCount() const override { return int(m_floats.size()); }
    double GetFloat(int i) const override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    double GetStartLatitude() const override { return m_startLatitude; }
    double GetEndLatitude() const override { return m_endLatitude; }
    void SetLatitude(double start, double end) override;
    double GetStartAltitude() const override { return m_startAltitude; }
    double GetEndAltitude() const override { return m_endAltitude; }
    double GetStartSlope() const override { return m_startSlope; }
    double GetEndSlope() const override { return m_endSlope; }
    void SetAltitude(double startAltitude, double endAltitude, double startSlope, double endSlope) override;

    int GetVersion() const { return m_version; }

private:
    int m_version = 2;
    double m_startLatitude = 0;
    double m_endLatitude = 0;
    double m_startAltitude = 0;
    double m_endAltitude = 0;
    double m_startSlope = 0;
    double m_endSlope = 0;
    std::vector<int> m_integers;
    std::vector<double> m_floats;
    // The single floats as read (start and end latitude, start and end slope, then the type
    // entries' floats), written back with their bits while the values are unchanged.
    F32 m_readSingles[4] = {};
    std::vector<F32> m_readFloats;
};

class N4ArchiverXSection final : public N4ArchivedNode<N4XSection>
{
};
extern const N4ArchiverXSection g_N4ArchiverXSection;
} // namespace Velmo::Papy

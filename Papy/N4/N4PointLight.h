#pragma once
// A point light. Record: 1, 0, 1, version 2 or 3, glow radius (double); version 2: four
// doubles (the float list), diffuse and ambient intensity (doubles); version 3: diffuse and
// ambient colour (three floats each); then the position (three doubles).
#include <vector>

#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4PointLight : public N4Node<ThreeDObjectPointLight>
{
public:
    static constexpr const char* DescriptorName = "PointLightDescriptor";

    N4PointLight(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "PointLight"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;
    int GetFloatCount() const override { return int(m_values.size()); }
    double GetFloat(int i) const override;

    Vertex GetPosition() const override { return m_position; }
    // Version 2: the intensity as grey; version 3: the colour; alpha 1.
    Colour GetDiffuseIntensity() const override;
    Colour GetAmbientIntensity() const override;
    double GetGlowRadius() const override { return m_glowRadius; }

    // The fixed fields that open the record (N4Archiver::ReadHead and WriteHead).
    template <class IO>
    void Head(IO& io)
    {
        io.Expect(1, "N4 3do PointLight reserved0 not 1");
        io.Expect(0, "N4 3do PointLight reserved1 not 0");
        io.Expect(1, "N4 3do PointLight reserved2 not 1");
    }

private:
    U32 m_version = 3;
    F64 m_glowRadius = 0;
    F64 m_diffuseIntensity = 0;
    F64 m_ambientIntensity = 0;
    F32 m_diffuseColour[3] = {};
    F32 m_ambientColour[3] = {};
    Vertex m_position;
    std::vector<double> m_values;
};

class N4ArchiverPointLight final : public N4ArchivedNode<N4PointLight>
{
};
extern const N4ArchiverPointLight g_N4ArchiverPointLight;
} // namespace Velmo::Papy

#pragma once
// One textured detail placed beside a .ptf track.
//
// Record: 1, 0, 0, the appearance (reference), longitude, latitude, width, height and
// orientation (doubles), then two arrays of four doubles (u values, v values), each with its
// byte count 32 before it.
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4TrackDetail : public N4Node<ThreeDObjectTrackDetail>
{
public:
    static constexpr const char* DescriptorName = "TrackDetailDescriptor";

    N4TrackDetail(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "TrackDetail"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    double GetLongitude() const override { return m_longitude; }
    double GetHeight() const override { return m_height; }
    double GetLatitude() const override { return m_latitude; }
    double GetWidth() const override { return m_width; }
    double GetOrientation() const override { return m_orientation; }
    Util::CountedPointer<ThreeDObject> GetAppearance() const override { return Child(m_appearance); }
    TextureVertex GetTextureVertex(int i) const override;

private:
    int m_appearance = 0;
    double m_longitude = 0;
    double m_latitude = 0;
    double m_width = 0;
    double m_height = 0;
    double m_orientation = 0;
    TextureVertex m_textureVertices[VertexCount];
};

class N4ArchiverTrackDetail final : public N4ArchivedNode<N4TrackDetail>
{
};
extern const N4ArchiverTrackDetail g_N4ArchiverTrackDetail;
} // namespace Velmo::Papy

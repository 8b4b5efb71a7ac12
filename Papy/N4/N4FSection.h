#pragma once
// The floor section of a .ptf track segment: surface type, track function, latitudes and the
// texel parameters of its textures.
//
// Record: 1, 0, version 4 or 5; start and end latitude (doubles in version 4, floats in 5);
// forced-straight byte; function code; surface code; the appearance (reference); when the
// appearance has links, the texture coordinates (reference); one texel entry per link: a
// "use default" byte and, when it is 0, h-fixed byte, h-size double, v-fixed byte, v-size
// double, h-skew 1, h-skew 2 and v-skew doubles.
#include <vector>

#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4FSection : public N4Node<ThreeDObjectFSection>
{
public:
    static constexpr const char* DescriptorName = "F_SectionDescriptor";

    N4FSection(N4TdoFile& file, N4Archiver& archive, int id, U64 position);

    std::string GetType() const override { return "F_Section"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    Util::CountedPointer<ThreeDObject> GetAppearance() const override { return Child(m_appearance); }
    Util::CountedPointer<ThreeDObject> GetTextureCoords() const override { return Child(m_textureCoords); }
    bool IsForcedStraight() const override { return m_forcedStraight != 0; }
    double GetStartLatitude() const override { return m_startLatitude; }
    double GetEndLatitude() const override { return m_endLatitude; }
    // A surface code outside 1 to 12 fails the assertion "false".
    SurfaceType GetSurfaceType() const override;
    int GetGripModifier() const override { return 0; }
    TrackFunction GetTrackFunction() const override;
    bool HasBaseTexture() const override { return m_hasBase; }
    bool HasLightMapTexture() const override { return m_hasLightMap; }
    bool UsesDefaultTexelParameters(int i) const override;
    bool IsHorizontalTexelFixed(int i) const override;
    double GetHorizontalTexelSize(int i) const override;
    double GetHorizontalTexelSkew1(int i) const override;
    double GetHorizontalTexelSkew2(int i) const override;
    bool IsVerticalTexelFixed(int i) const override;
    double GetVerticalTexelSize(int i) const override;
    double GetVerticalTexelSkew(int i) const override;

    int GetVersion() const { return m_version; }
    // The number of texel entries (the link count of the appearance).
    int GetTexelCount() const { return int(m_texels.size()); }

private:
    struct Texel
    {
        U8 useDefault = 1;
        U8 horizontalFixed = 0;
        double horizontalSize = 0;
        U8 verticalFixed = 0;
        double verticalSize = 0;
        double horizontalSkew1 = 0;
        double horizontalSkew2 = 0;
        double verticalSkew = 0;
    };

    const Texel& GetTexel(int i) const;

    int m_version = 4;
    double m_startLatitude = 0;
    double m_endLatitude = 0;
    F32 m_readLatitudes[2] = {}; // version 5: the floats as read (see N4Archiver::WriteF32)
    U8 m_forcedStraight = 0;
    S32 m_functionCode = 0;
    S32 m_surfaceCode = 0;
    int m_appearance = 0;
    int m_textureCoords = 0;
    bool m_hasBase = false;
    bool m_hasLightMap = false;
    std::vector<Texel> m_texels;
};

class N4ArchiverFSection final : public N4ArchivedNode<N4FSection>
{
};
extern const N4ArchiverFSection g_N4ArchiverFSection;
} // namespace Velmo::Papy

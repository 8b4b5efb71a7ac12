#pragma once
// How a shape is drawn: a name, seven linked nodes (textures and the like), a colour, nine
// further values and a texture function. Occurs in .3do and .ptf files.
//
// Record: 1, name (string), version 2, seven object references (links 0 to 6), red, green,
// blue (doubles), nine doubles, texture function (int32: 0, 1, 2, 3, 18 or 19).
// Links 0, 2 and 5 are the first, second and third link; links 1, 3, 4 and 6 are the extra
// links, in that order.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/N4/N4ArchivedNode.h"
#include "Papy/N4/N4Node.h"

namespace Velmo::Papy
{
class N4Appearance : public N4Node<ThreeDObjectAppearance>
{
public:
    static constexpr const char* DescriptorName = "AppearanceDescriptor";

    N4Appearance(N4TdoFile& file, N4Archiver& archive, int id, U64 position);
    // textureFunction is the enumeration value 0 to 5; the extra links are set to the null
    // node and the nine values to 0.
    N4Appearance(N4TdoFile& file, int id, const std::string& name, double red, double green, double blue,
                 int first, int second, int third, int textureFunction);

    std::string GetType() const override { return "Appearance"; }
    std::string GetName() const override { return m_name; }
    void SetName(const std::string& name) override { m_name = name; }
    int GetFloatCount() const override { return int(m_values.size()); }
    double GetFloat(int i) const override;
    void SetFloat(int i, double value) override;
    void Write(Util::BinaryStream& stream, U32 offset) override;

    int GetLinkCount() const override { return m_linkCount; }
    bool HasTexture() const override { return m_links[0] != 0; }
    Util::CountedPointer<ThreeDObject> GetTexture() const override { return Child(m_links[0]); }
    bool HasLightMapTexture() const override { return m_links[1] != 0; }
    Util::CountedPointer<ThreeDObject> GetLightMapTexture() const override { return Child(m_links[1]); }
    bool HasSpecularTexture() const override { return m_links[2] != 0; }
    Util::CountedPointer<ThreeDObject> GetSpecularTexture() const override { return Child(m_links[2]); }
    int GetOtherTextureCount() const override { return int(m_extraLinks.size()); }
    bool HasOtherTexture(int i) const override;
    Util::CountedPointer<ThreeDObject> GetOtherTexture(int i) const override;
    Colour GetColour() const override;
    int GetTextureFunction() const override;

    // The file's texture function code.
    int GetTextureFunctionCode() const { return int(m_textureFunction); }

private:
    std::string m_name;
    int m_links[3] = {0, 0, 0}; // first, second, third
    double m_colour[3] = {0, 0, 0};
    U32 m_textureFunction = 0;
    std::vector<int> m_extraLinks;
    std::vector<double> m_values;
    int m_linkCount = 0;
};

class N4ArchiverAppearance final : public N4ArchivedNode<N4Appearance>
{
};
extern const N4ArchiverAppearance g_N4ArchiverAppearance;
} // namespace Velmo::Papy

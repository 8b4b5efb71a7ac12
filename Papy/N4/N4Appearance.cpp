#include "Papy/N4/N4Appearance.h"

#include "Papy/Model/ThreeDObjectNull.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
const N4ArchiverAppearance g_N4ArchiverAppearance;

namespace
{
// File code of the texture function -> enumeration value; the index is the enumeration value.
constexpr U32 TextureFunctionCodes[] = {1, 2, 0, 3, 18, 19};
constexpr int UnknownTextureFunction = 6;

bool IsTextureFunctionCode(U32 code)
{
    for (U32 known : TextureFunctionCodes)
        if (known == code)
            return true;
    return false;
}
} // namespace

N4Appearance::N4Appearance(N4TdoFile& file, N4Archiver& archive, int id, U64 position)
    : N4Node(file, id, position)
{
    archive.Expect(1, "N4 3do Appearance reserved0 not 1");
    m_name = archive.ReadString();
    archive.Expect(2, "N4 3do Appearance unsupported version");
    // Record order of the links: first, extra, second, extra, extra, third, extra.
    m_extraLinks.reserve(4);
    for (int link = 0; link < 7; ++link)
    {
        int child = archive.ReadObject();
        if (child != 0)
            ++m_linkCount;
        if (link == 0)
            m_links[0] = child;
        else if (link == 2)
            m_links[1] = child;
        else if (link == 5)
            m_links[2] = child;
        else
            m_extraLinks.push_back(child);
    }
    for (double& component : m_colour)
        component = archive.ReadF64();
    m_values = archive.ReadF64Vector(9);
    m_textureFunction = archive.ReadU32();
    if (!IsTextureFunctionCode(m_textureFunction))
        archive.Fail("N4 3do Appearance unknown texture function");
}

N4Appearance::N4Appearance(N4TdoFile& file, int id, const std::string& name, double red, double green,
                           double blue, int first, int second, int third, int textureFunction)
    : N4Node(file, id, 0), m_name(name), m_links{first, second, third}, m_colour{red, green, blue},
      m_extraLinks(4, file.GetNull()->GetId()), m_values(9, 0.0)
{
    VELMO_ASSERT_TEXT(textureFunction >= 0 && textureFunction < 6, "false");
    m_textureFunction = TextureFunctionCodes[textureFunction];
    for (int link : m_links)
        if (link != 0)
            ++m_linkCount;
}

double N4Appearance::GetFloat(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_values.size()));
    return m_values[i];
}

void N4Appearance::SetFloat(int i, double value)
{
    VELMO_ASSERT(i >= 0 && i < int(m_values.size()));
    m_values[i] = value;
}

bool N4Appearance::HasOtherTexture(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_extraLinks.size()));
    return m_extraLinks[i] != 0;
}

Util::CountedPointer<ThreeDObject> N4Appearance::GetOtherTexture(int i) const
{
    VELMO_ASSERT(i >= 0 && i < int(m_extraLinks.size()));
    return Child(m_extraLinks[i]);
}

Colour N4Appearance::GetColour() const
{
    return Colour(float(m_colour[0]), float(m_colour[1]), float(m_colour[2]), 1.0f);
}

int N4Appearance::GetTextureFunction() const
{
    for (int value = 0; value < 6; ++value)
        if (TextureFunctionCodes[value] == m_textureFunction)
            return value;
    return UnknownTextureFunction;
}

void N4Appearance::Write(Util::BinaryStream& stream, U32)
{
    N4Archiver& archive = Archive();
    if (!archive.BeginObject(*this, g_N4ArchiverAppearance, m_fileOffset))
        return;
    archive.WriteS32(1);
    archive.WriteString(m_name);
    archive.WriteS32(2);
    // The extra links are always four after reading and after the value constructor.
    auto extra = [this](std::size_t i) { return i < m_extraLinks.size() ? m_extraLinks[i] : 0; };
    const int record[7] = {m_links[0], extra(0), m_links[1], extra(1), extra(2), m_links[2], extra(3)};
    for (int child : record)
        WriteChild(child, stream);
    for (double component : m_colour)
        archive.WriteF64(component);
    archive.WriteF64s(m_values.data(), m_values.size());
    archive.WriteU32(m_textureFunction);
}
} // namespace Velmo::Papy

#pragma once
// Record builders and checks shared by the tests of appearances, strips, fans, portals,
// texture coordinates and the .ptf track nodes. Every record is written here by hand, apart
// from the reader under test.
#include <functional>
#include <string>
#include <vector>

#include "N4TestSupport.h"

namespace VelmoTest
{
// A texture of version 2 (the usual link target of an appearance); returns its object id.
inline std::uint32_t TextureObject(N4Builder& b, const std::string& name = "t.mip")
{
    std::uint32_t id = b.New("TextureDescriptor");
    b.Words({1, 0, 2}).Str(name).U8(0);
    return id;
}

// The body of an appearance; each link writes its reference (0 for none).
typedef std::function<void(N4Builder&)> Link;
inline Link NoLink()
{
    return [](N4Builder& b) { b.S32(0); };
}
inline Link NewTexture(const std::string& name = "t.mip")
{
    return [name](N4Builder& b) { TextureObject(b, name); };
}

inline std::uint32_t AppearanceObject(N4Builder& b, const std::vector<Link>& links, std::uint32_t function = 1,
                                      std::int32_t version = 2, const std::string& name = "app")
{
    std::uint32_t id = b.New("AppearanceDescriptor");
    b.S32(1).Str(name).S32(version);
    for (const Link& link : links)
        link(b);
    b.Doubles({0.25, 0.5, 0.75});
    for (int i = 0; i < 9; ++i)
        b.F64(10.0 + i);
    b.U32(function);
    return id;
}

// An appearance with only its first link (a base texture) or with none.
inline std::uint32_t BaseTextureAppearance(N4Builder& b)
{
    return AppearanceObject(b, {NewTexture(), NoLink(), NoLink(), NoLink(), NoLink(), NoLink(), NoLink()});
}
inline std::uint32_t BareAppearance(N4Builder& b)
{
    return AppearanceObject(b, std::vector<Link>(7, NoLink()));
}

inline const Velmo::Papy::N4ArchiverList& Ptf()
{
    return Velmo::Papy::GetN4PtfArchivers();
}

// The expression of the XAssertion that loading bytes with the archiver list ends with.
inline std::string AssertionWith(const Bytes& bytes, const Velmo::Papy::N4ArchiverList& archivers)
{
    try
    {
        Load(bytes, archivers);
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    catch (const Velmo::Util::Exception& e)
    {
        return "other error: " + e.GetText();
    }
    return "loaded";
}

// The node under archive object id, as its kind.
template <class Kind>
Velmo::Util::CountedPointer<Kind> NodeAs(Velmo::Papy::N4TdoFile& file, int id)
{
    Velmo::Util::CountedPointer<Kind> node;
    node = file.GetSubObject(id);
    EXPECT_TRUE(node.Get() != nullptr) << "object " << id;
    return node;
}

// Loads bytes, checks that saving gives them back unchanged, and returns the file.
inline Velmo::Util::CountedPointer<Velmo::Papy::N4TdoFile> RoundTrip(const Bytes& bytes,
                                                                    const Velmo::Papy::N4ArchiverList& archivers)
{
    auto file = Load(bytes, archivers);
    EXPECT_EQ(Save(*file), bytes);
    return file;
}
} // namespace VelmoTest

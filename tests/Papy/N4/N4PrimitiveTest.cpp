#include <gtest/gtest.h>

#include <algorithm>

#include "N4F2Support.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectPortal.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectVisitor.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
// A strip or fan: 1, 0, 1, the child reference written by child, 1, n, byte count, indices.
void IndexedObject(N4Builder& b, const std::string& descriptor, const std::vector<std::int32_t>& indices,
                   const std::function<void(N4Builder&)>& child, std::int32_t byteCount = -1)
{
    b.New(descriptor);
    b.Words({1, 0, 1});
    child(b);
    b.S32(1).S32(std::int32_t(indices.size()));
    b.S32(byteCount >= 0 ? byteCount : std::int32_t(4 * indices.size()));
    for (std::int32_t i : indices)
        b.S32(i);
}

void NoChild(N4Builder& b)
{
    b.S32(0);
}

void TriListChild(N4Builder& b)
{
    b.New("TriListDescriptor");
    b.Words({1, 0, 1, 0, 1, 3, 12, 0, 1, 2});
}

// Collects the types of the nodes a walk enters or visits, in order.
class TypeVisitor : public ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override
    {
        types.push_back(node.GetType());
        return true;
    }
    void Visit(ThreeDObject& node) override { types.push_back(node.GetType()); }
    std::vector<std::string> types;
};
} // namespace

TEST(N4TriStrip, ChildIsTheNextPrimitiveOfAChain)
{
    // strip -> strip -> triangle list: the child is walked as it is, never taken for vertices.
    N4Builder b;
    IndexedObject(b, "TriStripDescriptor", {0, 1, 2, 3}, [](N4Builder& c) {
        IndexedObject(c, "TriStripDescriptor", {4, 5, 6}, TriListChild);
    });
    auto file = RoundTrip(b.Get(), GetN4TdoArchivers());
    auto strip = NodeAs<ThreeDObjectTriangleStrip>(*file, 1);
    EXPECT_EQ(strip->GetType(), "TriStrip");
    ASSERT_EQ(strip->GetIndexCount(), 4);
    EXPECT_EQ(strip->GetIndex(3), 3);
    EXPECT_EQ(strip->GetVertices()->GetType(), "TriStrip");
    TypeVisitor walk;
    file->GetRoot()->Accept(walk);
    EXPECT_EQ(walk.types, (std::vector<std::string>{"", "TriStrip", "TriStrip", "TriList"}));

    // Set index changes only that entry; the next write emits it.
    strip->SetIndex(1, 77);
    auto reloaded = Load(Save(*file));
    EXPECT_EQ(NodeAs<ThreeDObjectTriangleStrip>(*reloaded, 1)->GetIndex(1), 77);
    EXPECT_EQ(NodeAs<ThreeDObjectTriangleStrip>(*reloaded, 1)->GetIndex(2), 2);
}

TEST(N4TriStrip, StripAndFanChecks)
{
    struct Case
    {
        const char* descriptor;
        std::vector<std::int32_t> header; // the three words before the child
        std::int32_t reserved3;
        const char* message;
    };
    const Case cases[] = {
        {"TriStripDescriptor", {2, 0, 1}, 1, "N4 3do TriStrip reserved0 not 1"},
        {"TriStripDescriptor", {1, 1, 1}, 1, "N4 3do TriStrip reserved1 not 0"},
        {"TriStripDescriptor", {1, 0, 0}, 1, "N4 3do TriStrip reserved2 not 1"},
        {"TriStripDescriptor", {1, 0, 1}, 0, "N4 3do TriStrip reserved3 not 1"},
        {"TriFanDescriptor", {2, 0, 1}, 1, "N4 3do TriFan reserved0 not 1"},
        {"TriFanDescriptor", {1, 1, 1}, 1, "N4 3do TriFan reserved1 not 0"},
        {"TriFanDescriptor", {1, 0, 0}, 1, "N4 3do TriFan reserved2 not 1"},
        {"TriFanDescriptor", {1, 0, 1}, 0, "N4 3do TriFan reserved3 not 1"},
    };
    for (const Case& c : cases)
    {
        N4Builder b;
        b.New(c.descriptor);
        for (std::int32_t w : c.header)
            b.S32(w);
        b.S32(0).S32(c.reserved3).Words({0, 0});
        EXPECT_EQ(FormatError(b.Get()), c.message);
    }

    N4Builder strip;
    IndexedObject(strip, "TriStripDescriptor", {0, 1, 2}, NoChild, 16);
    EXPECT_EQ(AssertionError(strip.Get()), "byte_count == vertex_count * sizeof(U32)");
    N4Builder fan;
    IndexedObject(fan, "TriFanDescriptor", {0, 1, 2}, NoChild, 16);
    EXPECT_EQ(AssertionError(fan.Get()), "array_size == vertex_count * sizeof(U32)");
    // A count whose byte count does not fit 32 bits cannot match any size word.
    N4Builder wrap;
    wrap.New("TriFanDescriptor");
    wrap.Words({1, 0, 1, 0, 1, 0x40000000, 0});
    EXPECT_EQ(AssertionError(wrap.Get()), "array_size == vertex_count * sizeof(U32)");
    // A consistent count larger than the file is a short file.
    N4Builder big;
    big.New("TriFanDescriptor");
    big.Words({1, 0, 1, 0, 1, 0x10000000, 0x40000000});
    EXPECT_EQ(FormatError(big.Get()), "other error: " + Util::XFileRead(SampleName).GetText());
}

TEST(N4TriFan, RoundTripAndAnswers)
{
    N4Builder b;
    IndexedObject(b, "TriFanDescriptor", {}, TriListChild);
    auto file = RoundTrip(b.Get(), GetN4TdoArchivers());
    auto fan = NodeAs<ThreeDObjectTriangleFan>(*file, 1);
    EXPECT_EQ(fan->GetType(), "TriFan");
    EXPECT_EQ(fan->GetIndexCount(), 0);
    EXPECT_EQ(fan->GetVertices()->GetType(), "TriList");
}

namespace
{
void PortalObject(N4Builder& b, std::int32_t count, std::int32_t byteCount, int indices)
{
    b.New("PortalDescriptor");
    b.S32(1).Str("door").Words({1, 1});
    TriListChild(b);
    b.S32(count).S32(byteCount);
    for (int i = 0; i < indices; ++i)
        b.S32(i);
}
} // namespace

TEST(N4Portal, RecordAndChecks)
{
    N4Builder b;
    PortalObject(b, 6, 24, 6);
    auto file = RoundTrip(b.Get(), GetN4TdoArchivers());
    auto portal = NodeAs<ThreeDObjectPortal>(*file, 1);
    EXPECT_EQ(portal->GetType(), "Portal");
    EXPECT_EQ(portal->GetName(), "door");
    EXPECT_EQ(portal->GetIndexCount(), 6);
    EXPECT_EQ(portal->GetIndex(5), 5);
    EXPECT_EQ(portal->GetVertices()->GetType(), "TriList");
    EXPECT_EQ(portal->GetIntegerCount(), 0);
    EXPECT_EQ(portal->GetFloatCount(), 0);

    N4Builder none;
    PortalObject(none, 0, 0, 0);
    RoundTrip(none.Get(), GetN4TdoArchivers());

    // The count is checked before the size word is read: 7 indices and nothing behind them.
    N4Builder seven;
    seven.New("PortalDescriptor");
    seven.S32(1).Str("").Words({1, 1, 0, 7});
    EXPECT_EQ(FormatError(seven.Get()), "N4 tdo Portal vertex count % 3 not zero");
    N4Builder size;
    PortalObject(size, 3, 8, 3);
    EXPECT_EQ(AssertionError(size.Get()), "array_size == vertex_count * sizeof(U32)");

    const std::pair<std::vector<std::int32_t>, const char*> headers[] = {
        {{0}, "N4 3do Portal reserved0 not 1"},
        {{1, 0, 0, 1}, "N4 3do Portal reserved1 not 1"},
        {{1, 0, 1, 2}, "N4 3do Portal reserved2 not 1"},
    };
    for (const auto& [words, message] : headers)
    {
        N4Builder h;
        h.New("PortalDescriptor");
        for (std::int32_t w : words)
            h.S32(w);
        h.Zeros(8);
        EXPECT_EQ(FormatError(h.Get()), message);
    }
}

namespace
{
// Texture coordinates: V, the two texture arrays (u values, v values, or size words), and
// channels: number -> values.
Bytes TextureCoords(std::int32_t count, const std::vector<double>& u, const std::vector<double>& v,
                    const std::map<int, std::vector<double>>& channels, std::int32_t reserved3 = 3)
{
    N4Builder b;
    b.New("TextureCoordsDescriptor");
    b.Words({1, 0, 1, count, reserved3});
    b.Array(u).Array(v);
    for (int channel = 0; channel < 22; ++channel)
    {
        auto p = channels.find(channel);
        if (p == channels.end())
            b.U32(0);
        else
            b.Array(p->second);
    }
    return b.Get();
}
} // namespace

TEST(N4TextureCoords, VerticesAndChannels)
{
    const Bytes bytes = TextureCoords(2, {0.0, 1.0}, {0.5, 0.25}, {{3, {3.0, 3.5}}, {20, {20.0, 20.5}}});
    auto file = RoundTrip(bytes, Ptf());
    auto coords = NodeAs<ThreeDObjectTextureCoords>(*file, 1);
    EXPECT_EQ(coords->GetType(), "TextureCoords");
    EXPECT_EQ(coords->GetVertexCount(), 2);
    ASSERT_TRUE(coords->HasTextureVertices());
    EXPECT_EQ(coords->GetTextureVertex(1), TextureVertex(1.0, 0.25));
    ASSERT_EQ(coords->GetIntegerCount(), 2);
    EXPECT_EQ(coords->GetInteger(0), 3);
    EXPECT_EQ(coords->GetInteger(1), 20);
    ASSERT_EQ(coords->GetFloatCount(), 4);
    EXPECT_EQ(coords->GetFloat(1), 3.5);
    EXPECT_EQ(coords->GetFloat(2), 20.0);

    // Without texture vertices both size words are 0.
    auto bare = RoundTrip(TextureCoords(3, {}, {}, {{0, {1, 2, 3}}}), Ptf());
    auto c = NodeAs<ThreeDObjectTextureCoords>(*bare, 1);
    EXPECT_FALSE(c->HasTextureVertices());
    EXPECT_EQ(c->GetIntegerCount(), 1);
    EXPECT_EQ(c->GetFloatCount(), 3);
}

TEST(N4TextureCoords, Checks)
{
    EXPECT_EQ(AssertionWith(TextureCoords(2, {}, {1.0, 2.0}, {}), Ptf()),
              "array_size == has_texture_vertices * VertexCount * sizeof(F64)");
    EXPECT_EQ(AssertionWith(TextureCoords(2, {1.0, 2.0}, {}, {}), Ptf()),
              "array_size == has_texture_vertices * VertexCount * sizeof(F64)");
    EXPECT_EQ(AssertionWith(TextureCoords(2, {1.0}, {1.0}, {}), Ptf()),
              "array_size == 0 || array_size == VertexCount * sizeof(F64)");
    EXPECT_EQ(AssertionWith(TextureCoords(2, {}, {}, {{21, {1.0}}}), Ptf()), "array_size == VertexCount * sizeof(F64)");
    // A negative vertex count matches no array.
    EXPECT_EQ(AssertionWith(TextureCoords(-1, {}, {}, {{4, {1.0}}}), Ptf()), "array_size == VertexCount * sizeof(F64)");
    EXPECT_EQ(FormatError(TextureCoords(0, {}, {}, {}, 2), Ptf()), "N4 ptf TextureCoords reserved3 not 3");
    N4Builder b;
    b.New("TextureCoordsDescriptor");
    b.Words({1, 0, 2});
    EXPECT_EQ(FormatError(b.Get(), Ptf()), "N4 ptf TextureCoords reserved2 not 1");
}

TEST(N4Primitives, GeneratedSampleLoadsAnswersAndSavesUnchanged)
{
    auto file = RoundTrip(ReadSample("primitives.3do"), GetN4TdoArchivers());
    TypeVisitor walk;
    file->GetRoot()->Accept(walk);
    // Group, animated transform, geometry, strip, strip, triangle list, vertices; fan (vertices
    // already written: a reference only, but walked again), portal, shape, appearance, textures.
    for (const char* type : {"AnimatedTransform", "TriStrip", "TriList", "TriFan", "Portal", "Appearance", "Texture"})
        EXPECT_NE(std::find(walk.types.begin(), walk.types.end(), type), walk.types.end()) << type;

    Util::CountedPointer<ThreeDObjectAppearance> look;
    for (int id = 1; id < 64 && !look; ++id)
    {
        try
        {
            look = file->GetSubObject(id);
        }
        catch (const Util::XAssertion&)
        {
        }
    }
    ASSERT_TRUE(look.Get() != nullptr);
    EXPECT_EQ(look->GetLinkCount(), 4);
    EXPECT_TRUE(look->HasSpecularTexture());
    EXPECT_TRUE(look->HasOtherTexture(3));
    // The extra link is the base texture again: one node.
    EXPECT_EQ(look->GetOtherTexture(3).Get(), look->GetTexture().Get());
    EXPECT_EQ(look->GetTextureFunction(), 5);
}

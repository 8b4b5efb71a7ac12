// What the structural, mesh, morph, grouping and light nodes answer, and how edits are
// written, checked on the generator's structure sample and on small built records.
#include <gtest/gtest.h>

#include "N4TestSupport.h"
#include "Papy/Model/ThreeDObjectAppNode.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectSelfLighting.h"
#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectVisitor.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
template <class Kind>
Util::CountedPointer<Kind> As(const TdoFile::Node& node)
{
    Util::CountedPointer<Kind> kind;
    kind = node;
    EXPECT_TRUE(kind) << node->GetType();
    return kind;
}

std::vector<int> Integers(const ThreeDObject& node)
{
    std::vector<int> out;
    for (int i = 0; i < node.GetIntegerCount(); ++i)
        out.push_back(node.GetInteger(i));
    return out;
}

std::vector<double> Floats(const ThreeDObject& node)
{
    std::vector<double> out;
    for (int i = 0; i < node.GetFloatCount(); ++i)
        out.push_back(node.GetFloat(i));
    return out;
}

std::vector<bool> Booleans(const ThreeDObject& node)
{
    std::vector<bool> out;
    for (int i = 0; i < node.GetBooleanCount(); ++i)
        out.push_back(node.GetBoolean(i));
    return out;
}

std::string AssertionOf(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    return "none";
}

// The top group of the structure sample and its children (see n4archive.py).
struct Structure
{
    Util::CountedPointer<N4TdoFile> file = Load(ReadSample("structure.3do"));
    Util::CountedPointer<ThreeDObjectGroup> top = As<ThreeDObjectGroup>(file->GetRoot()->GetChild(0));
    TdoFile::Node Child(int i) const { return top->GetChild(i); }
};
} // namespace

TEST(N4Node, GroupsAndSwitchesOfTheSample)
{
    Structure s;
    EXPECT_EQ(s.top->GetName(), "root");
    EXPECT_EQ(s.top->GetBoundingBox(), BoundingBox(Vertex(-10, -10, -10), Vertex(10, 10, 10)));
    ASSERT_EQ(s.top->GetChildCount(), 9);
    EXPECT_EQ(s.Child(7)->GetId(), 0); // a null child
    EXPECT_EQ(As<ThreeDObjectGroup>(s.Child(8))->GetChildCount(), 0);

    auto lod = As<ThreeDObjectLodSwitch>(s.Child(0));
    EXPECT_EQ(lod->GetType(), "LodSwitch");
    EXPECT_EQ(lod->GetChildCount(), 2);
    EXPECT_EQ(lod->GetSplitDistance(1), 100.0);
    EXPECT_TRUE(lod->IgnoresPreferences());
    EXPECT_EQ(Floats(*lod), (std::vector<double>{1.5, 2.5, 3.5}));
    EXPECT_EQ(lod->GetIntegerCount(), 0);
    EXPECT_EQ(lod->GetChild(1)->GetType(), "Empty");
    EXPECT_EQ(lod->GetBoundingBox().MaxVertex, Vertex(1, 1, 1));

    auto state = As<ThreeDObjectStateSwitch>(s.Child(1));
    EXPECT_EQ(state->GetName(), "lights");
    EXPECT_EQ(state->GetVariable(), "night");
    EXPECT_EQ(Integers(*state), std::vector<int>{4});
    EXPECT_EQ(Booleans(*state), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(state->GetChildCount(), 2);
    EXPECT_EQ(state->GetStateValue(2), 2.0);

    auto transform = As<ThreeDObjectTransform>(s.Child(2));
    EXPECT_EQ(transform->GetName(), "door");
    EXPECT_EQ(transform->GetZTranslation(), 3.0);
    EXPECT_EQ(transform->GetYRotation(), 20.0);
    EXPECT_TRUE(transform->GetBoundingBox().IsEmpty());

    auto billboard = As<ThreeDObjectBillboard>(s.Child(3));
    EXPECT_EQ(billboard->GetName(), "");
    EXPECT_EQ(billboard->GetXTranslation(), 5.0);
    EXPECT_EQ(billboard->GetRotationAxisZ(), 1.0);
    // The billboard shows the shape that the level-of-detail switch shows: one node.
    EXPECT_EQ(billboard->GetChild().Get(), lod->GetChild(0).Get());

    auto app = As<ThreeDObjectAppNode>(s.Child(4));
    EXPECT_EQ(app->GetText(), "app text");
    EXPECT_EQ(app->GetIntegerCount(), 15);
    EXPECT_EQ(app->GetInteger(14), 114);
    EXPECT_EQ(app->GetChild()->GetId(), 0);

    auto lit = As<ThreeDObjectSelfLighting>(s.Child(5));
    EXPECT_EQ(Booleans(*lit), (std::vector<bool>{true, false}));
    EXPECT_EQ(Floats(*lit), std::vector<double>(9, 0.5));
    EXPECT_EQ(lit->GetChild()->GetType(), "Shape");
}

TEST(N4Node, MeshesAndTexturesOfTheSample)
{
    Structure s;
    auto shape = As<ThreeDObjectShape>(As<ThreeDObjectLodSwitch>(s.Child(0))->GetChild(0));
    EXPECT_EQ(shape->GetName(), "wheel");
    auto texture = As<ThreeDObjectTexture2>(shape->GetAppearance());
    EXPECT_EQ(texture->GetFileName(), "road.mip");
    EXPECT_TRUE(texture->IsShared());
    auto geometry = As<ThreeDObjectGeometry>(shape->GetGeometry());

    auto vertices = As<ThreeDObjectVertices>(geometry->GetVertices());
    ASSERT_EQ(vertices->GetVertexCount(), 6);
    EXPECT_EQ(vertices->GetVertex(4), Vertex(4, 8, -4));
    EXPECT_EQ(vertices->GetNormal(5), Normal(0, 0, 1));
    ASSERT_TRUE(vertices->HasTextureVertices());
    EXPECT_EQ(vertices->GetTextureVertex(3).GetV(), 0.5);
    EXPECT_FALSE(vertices->HasSpecularTextureVertices());
    EXPECT_EQ(Integers(*vertices), (std::vector<int>{5, 21}));
    EXPECT_EQ(vertices->GetFloatCount(), 12);
    EXPECT_EQ(vertices->GetFloat(0), 50.0);
    EXPECT_EQ(vertices->GetFloat(11), 215.0);

    auto triangles = As<ThreeDObjectTriangles>(geometry->GetPolygons());
    EXPECT_EQ(triangles->GetIndexCount(), 6);
    EXPECT_EQ(triangles->GetIndex(5), 5u);

    // A version 1 texture has no sharing flag and cannot be given one.
    auto lit = As<ThreeDObjectSelfLighting>(s.Child(5));
    auto old = As<ThreeDObjectTexture2>(As<ThreeDObjectShape>(lit->GetChild())->GetAppearance());
    EXPECT_FALSE(old->IsShared());
    try
    {
        old->SetShared(true);
        ADD_FAILURE();
    }
    catch (const Util::XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "N4 3do Texture version 1 sharing not supported");
    }

    auto bare = As<ThreeDObjectVertices>(As<ThreeDObjectGeometry>(As<ThreeDObjectTransform>(s.Child(2))->GetChild())
                                             ->GetVertices());
    EXPECT_FALSE(bare->HasTextureVertices());
    EXPECT_EQ(bare->GetIntegerCount(), 0);
}

TEST(N4Node, MorphsOfTheSample)
{
    Structure s;
    auto morph = As<ThreeDObjectMorphVertices>(s.Child(6));
    EXPECT_EQ(morph->GetType(), "RegionMorphVertexList");
    EXPECT_EQ(morph->GetVertexCount(), 4);
    EXPECT_TRUE(morph->HasTextureVertices());
    EXPECT_EQ(morph->GetSpecularTextureVertex(3), TextureVertex(1, 1));
    EXPECT_EQ(Integers(*morph), (std::vector<int>{2, 21}));
    EXPECT_EQ(morph->GetFloatCount(), 8);
    ASSERT_EQ(morph->GetMorphCount(), 2);
    EXPECT_EQ(morph->GetMorphName(0), "open");
    EXPECT_EQ(morph->GetMorphValue(1), -1);

    // Morph 0 replaces vertex 1 twice (the first entry counts) and vertex 3.
    EXPECT_TRUE(morph->IsMorphed(0, 1));
    EXPECT_EQ(morph->GetMorphedVertex(0, 1), Vertex(9, 9, 9));
    EXPECT_EQ(morph->GetMorphedVertex(0, 3), Vertex(8, 8, 8));
    EXPECT_EQ(morph->GetMorphedNormal(0, 3), Normal(0, 1, 0));
    EXPECT_FALSE(morph->IsMorphed(0, 0));
    EXPECT_EQ(AssertionOf([&] { morph->GetMorphedVertex(0, 0); }), "index < MorphedIndices[i].size()");
    // Morph 1 replaces nothing.
    for (int v = 0; v < 4; ++v)
        EXPECT_FALSE(morph->IsMorphed(1, v));
}

TEST(N4Node, LightsOfTheSample)
{
    Structure s;
    auto state = As<ThreeDObjectStateSwitch>(s.Child(1));
    auto grey = As<ThreeDObjectPointLight>(state->GetChild(0));
    EXPECT_EQ(grey->GetDiffuseIntensity(), Colour(0.5f, 0.5f, 0.5f, 1));
    EXPECT_EQ(grey->GetAmbientIntensity(), Colour(0.25f, 0.25f, 0.25f, 1));
    EXPECT_EQ(grey->GetGlowRadius(), 4.0);
    EXPECT_EQ(grey->GetPosition(), Vertex(1, 2, 3));
    EXPECT_EQ(Floats(*grey), (std::vector<double>{1, 2, 3, 4}));

    auto red = As<ThreeDObjectPointLight>(state->GetChild(1));
    EXPECT_EQ(red->GetDiffuseIntensity(), Colour(1, 0, 0, 1));
    EXPECT_EQ(red->GetAmbientIntensity(), Colour(0, 0.5f, 0, 1));
    EXPECT_EQ(red->GetFloatCount(), 0);
}

TEST(N4Node, EditsAreWritten)
{
    Structure s;
    auto state = As<ThreeDObjectStateSwitch>(s.Child(1));
    // Removing child 0 removes state value 0 as well: one child, two values.
    state->RemoveChild(0);
    state->SetStateValue(1, 7.5);
    auto transform = As<ThreeDObjectTransform>(s.Child(2));
    transform->SetXRotation(-90);
    // Inserting at position 0 makes the node the group's first child.
    TdoFile::Node empty = As<ThreeDObjectLodSwitch>(s.Child(0))->GetChild(1);
    s.top->InsertChild(empty, 0);
    s.top->RemoveChild(8); // the null child, now at 8

    // A group may not be put below itself: the saved file could never be read again.
    auto inner = As<ThreeDObjectGroup>(s.Child(8));
    for (auto [group, child] : {std::pair{s.top, TdoFile::Node(s.top)}, std::pair{inner, TdoFile::Node(s.top)}})
    {
        try
        {
            group->InsertChild(child, 0);
            ADD_FAILURE();
        }
        catch (const Util::XUsage& e)
        {
            EXPECT_EQ(e.GetText(), "N4 3do Group cannot contain itself");
        }
    }

    auto file = Load(Save(*s.file));
    auto top = As<ThreeDObjectGroup>(file->GetRoot()->GetChild(0));
    ASSERT_EQ(top->GetChildCount(), 9);
    EXPECT_EQ(top->GetChild(0)->GetType(), "Empty");
    EXPECT_EQ(top->GetChild(8)->GetType(), "Group");
    auto lod = As<ThreeDObjectLodSwitch>(top->GetChild(1));
    EXPECT_EQ(lod->GetChild(1).Get(), top->GetChild(0).Get());
    auto switched = As<ThreeDObjectStateSwitch>(top->GetChild(2));
    ASSERT_EQ(switched->GetChildCount(), 1);
    EXPECT_EQ(switched->GetStateValue(0), 1.0);
    EXPECT_EQ(switched->GetStateValue(1), 7.5);
    EXPECT_EQ(As<ThreeDObjectPointLight>(switched->GetChild(0))->GetFloatCount(), 0);
    EXPECT_EQ(As<ThreeDObjectTransform>(top->GetChild(3))->GetXRotation(), -90.0);
}

TEST(N4Node, SmallRecords)
{
    // An empty node is eight bytes of body, and its walk is one visit.
    N4Builder empty;
    empty.New("EmptyDescriptor");
    size_t start = empty.Size();
    empty.Words({1, 0});
    EXPECT_EQ(empty.Size() - start, 8u);
    EXPECT_EQ(Save(*Load(empty.Get())), empty.Get());

    // Reserved doubles of -0.0 compare equal to 0.0 and are written back as they were.
    N4Builder lit;
    lit.New("SelfLightingDescriptor");
    lit.Words({1, 0, 1, 1}).Doubles({-0.0, 0, 0, 0, 0, -0.0}).S32(1).U8(2).U8(0).U8(1).Zeros(9 * 8).S32(0);
    auto file = Load(lit.Get());
    EXPECT_EQ(Booleans(*file->GetSubObject(1)), (std::vector<bool>{true, false}));
    EXPECT_EQ(Save(*file), lit.Get());

    // A state switch with flag count 1 has no flag bytes; 2 children carry 3 state values.
    N4Builder state;
    state.New("GroupDescriptor");
    state.S32(1).Str("").Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).Words({1, 1, 4});
    state.New("StateSwitchDescriptor");
    state.S32(1).Str("s").Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).S32(1).Str("v").Words({2, 0, 0, 24});
    state.Doubles({1, 2, 3}).Words({8, 0, 0});
    file = Load(state.Get());
    auto node = As<ThreeDObjectStateSwitch>(file->GetSubObject(3));
    EXPECT_EQ(node->GetBooleanCount(), 0);
    EXPECT_EQ(Integers(*node), std::vector<int>{1});
    EXPECT_EQ(node->GetChildCount(), 2);
    EXPECT_EQ(Save(*file), state.Get());

    // A triangle list of no indices is valid and empty.
    N4Builder tris;
    tris.New("TriListDescriptor");
    tris.Words({1, 0, 1, 0, 1, 0, 0});
    EXPECT_EQ(As<ThreeDObjectTriangles>(Load(tris.Get())->GetSubObject(1))->GetIndexCount(), 0);
}

TEST(N4Node, VertexListArraysAreWrittenInChannelOrder)
{
    // Two vertices, no texture sets, channel 5 only: 17 empty channel arrays around one full.
    N4Builder b;
    b.New("PlainVertexListDescriptor");
    b.Words({1, 0, 1, 1, 2}).Array({1, 2}).Array({3, 4}).Array({5, 6}).S32(0);
    b.Array({1, 1}).Array({0, 0}).Array({0, 0}).S32(3).Words({0, 0});
    for (int channel = 0; channel < 18; ++channel)
        channel == 5 ? b.Array({0.5, 0.25}) : b.S32(0);
    b.Words({0, 0, 0, 0});
    auto file = Load(b.Get());
    auto list = As<ThreeDObjectVertices>(file->GetSubObject(1));
    EXPECT_EQ(list->GetVertex(1), Vertex(2, 4, 6));
    EXPECT_EQ(Integers(*list), std::vector<int>{5});
    EXPECT_EQ(Floats(*list), (std::vector<double>{0.5, 0.25}));
    list->SetVertex(0, Vertex(7, 8, 9));
    Bytes saved = Save(*file);
    EXPECT_EQ(As<ThreeDObjectVertices>(Load(saved)->GetSubObject(1))->GetVertex(0), Vertex(7, 8, 9));
    list->SetVertex(0, Vertex(1, 3, 5));
    EXPECT_EQ(Save(*file), b.Get());
}

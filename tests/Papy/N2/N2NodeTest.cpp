// The node classes' own behaviour beyond the samples: setters that would overflow, positions
// out of range, refused edits, texture preparation, the track nodes' edges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "N2Builder.h"
#include "N2TestSupport.h"
#include "Papy/Model/N2Length.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/Model/ThreeDObjectTransformation.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using R = N2Builder::Ref;

namespace
{
// "expression @ unit" of the assertion f fails, "usage: text" of its XUsage, or "(none)".
std::string Failure(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        return std::string(e.GetExpression()) + " @ " + e.GetFile();
    }
    catch (const Velmo::Util::XUsage& e)
    {
        return "usage: " + e.GetText();
    }
    return "(none)";
}

template <class Kind>
CountedPointer<Kind> As(const CountedPointer<N2TdoFile>& file, int id)
{
    CountedPointer<Kind> node;
    node = file->GetSubObject(id);
    EXPECT_TRUE(node.Get() != nullptr) << id;
    return node;
}

struct Loaded
{
    TestFactory factory;
    CountedPointer<N2TdoFile> file;
    explicit Loaded(const std::string& sample) : file(Load(ReadFile(SampleFolder() + "/" + sample), factory.Factory))
    {
    }
    Loaded(const N2Builder& b, const std::string& root, const std::vector<Bytes>& sections = {})
        : file(Load(b.File(root, sections), factory.Factory))
    {
    }
};

// Offsets of the allkinds sample (see allkinds.list).
constexpr int Transformation13 = 558;
constexpr int DistanceSplitter = 653;
constexpr int StateSplitter = 690;
constexpr int TopList = 1229;
constexpr int Line21 = 748;
constexpr int MultiLine = 773;
constexpr int PlaneOrder3 = 441;
constexpr int PlaneOrder2 = 478;
constexpr int PlaneOrder2CullFrontBack = 330;
} // namespace

TEST(N2Nodes, TransformationSettersWrapAnglesAndRefuseWhatHasNoWord)
{
    Loaded l("allkinds.3do");
    auto t = As<ThreeDObjectTransformation>(l.file, Transformation13);
    EXPECT_DOUBLE_EQ(t->GetXRotation(), 90);
    EXPECT_DOUBLE_EQ(t->GetYRotation(), -90);
    EXPECT_DOUBLE_EQ(t->GetScale(), 1.5);
    EXPECT_DOUBLE_EQ(t->GetXTranslation(), 1.609344);

    typedef void (ThreeDObjectTransformation::*Set)(double);
    typedef double (ThreeDObjectTransformation::*Get)() const;
    const std::pair<Set, Get> angles[] = {
        {&ThreeDObjectTransformation::SetXRotation, &ThreeDObjectTransformation::GetXRotation},
        {&ThreeDObjectTransformation::SetYRotation, &ThreeDObjectTransformation::GetYRotation},
        {&ThreeDObjectTransformation::SetZRotation, &ThreeDObjectTransformation::GetZRotation},
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [set, get] : angles)
    {
        ((*t).*set)(45);
        EXPECT_DOUBLE_EQ(((*t).*get)(), 45);
        ((*t).*set)(-30);
        EXPECT_NEAR(((*t).*get)(), -30, 1e-7);
        // Whole turns wrap; half a turn is its own opposite.
        ((*t).*set)(405);
        EXPECT_DOUBLE_EQ(((*t).*get)(), 45);
        ((*t).*set)(180);
        EXPECT_DOUBLE_EQ(std::fabs(((*t).*get)()), 180);
        ((*t).*set)(1e300);
        EXPECT_LE(std::fabs(((*t).*get)()), 180);
        ((*t).*set)(45);
        EXPECT_EQ(Failure([&] { ((*t).*set)(inf); }), "usage: N2 3do angle out of range");
        EXPECT_EQ(Failure([&] { ((*t).*set)(std::nan("")); }), "usage: N2 3do angle out of range");
        EXPECT_DOUBLE_EQ(((*t).*get)(), 45);
    }

    t->SetXTranslation(-2.5);
    EXPECT_NEAR(t->GetXTranslation(), -2.5, 3e-5);
    EXPECT_EQ(Failure([&] { t->SetYTranslation(1e6); }), "usage: N2 3do length out of range");
    EXPECT_EQ(Failure([&] { t->SetZTranslation(-1e6); }), "usage: N2 3do length out of range");
    EXPECT_DOUBLE_EQ(t->GetYTranslation(), -1.609344);

    t->SetScale(-32768);
    EXPECT_DOUBLE_EQ(t->GetScale(), -32768);
    t->SetScale(0.25);
    EXPECT_DOUBLE_EQ(t->GetScale(), 0.25);
    EXPECT_EQ(Failure([&] { t->SetScale(32768); }), "usage: N2 3do scale out of range");
    EXPECT_EQ(Failure([&] { t->SetScale(std::nan("")); }), "usage: N2 3do scale out of range");
    EXPECT_DOUBLE_EQ(t->GetScale(), 0.25);

    t->SetChild(l.file->GetSubObject(62));
    EXPECT_EQ(t->GetChild()->GetId(), 62);
}

TEST(N2Nodes, SplittersCheckPositionsAndThresholdLengths)
{
    Loaded l("allkinds.3do");
    auto d = As<ThreeDObjectDistanceSplitter>(l.file, DistanceSplitter);
    EXPECT_EQ(d->GetVertex(), l.file->GetVertex(3));
    d->SetSplitDistance(1, 10);
    EXPECT_NEAR(d->GetSplitDistance(1), 10, 3e-5);
    EXPECT_EQ(Failure([&] { d->SetSplitDistance(1, 2e5); }), "usage: N2 3do length out of range");
    EXPECT_EQ(Failure([&] { d->GetChild(2); }).substr(0, 5), "i >= ");
    EXPECT_EQ(Failure([&] { d->GetSplitDistance(-1); }).substr(0, 5), "i >= ");
    EXPECT_EQ(Failure([&] { d->DeleteChild(2); }).substr(0, 5), "i >= ");
    d->DeleteChild(0);
    ASSERT_EQ(d->GetChildCount(), 1);
    EXPECT_EQ(d->GetChild(0)->GetId(), 62);
    EXPECT_NEAR(d->GetSplitDistance(0), 10, 3e-5);
    d->SetVertexId(5);
    EXPECT_EQ(d->GetVertexId(), 5);

    auto s = As<ThreeDObjectStateSplitter>(l.file, StateSplitter);
    EXPECT_EQ(s->GetValue(0), 0xFFFFFFFFu);
    EXPECT_EQ(Failure([&] { s->GetValue(2); }).substr(0, 5), "i >= ");
}

TEST(N2Nodes, ListsCheckPositionsAndMultiLinesRefuseEdits)
{
    Loaded l("allkinds.3do");
    auto list = As<ThreeDObjectObjectList>(l.file, TopList);
    const int n = list->GetChildCount();
    EXPECT_EQ(Failure([&] { list->GetChild(n); }).substr(0, 5), "i >= ");
    EXPECT_EQ(Failure([&] { list->RemoveChild(-1); }).substr(0, 5), "i >= ");
    EXPECT_EQ(Failure([&] { list->InsertChild(l.file->GetSubObject(4), n + 1); }).substr(0, 5), "i >= ");
    list->InsertChild(l.file->GetSubObject(62), n);
    EXPECT_EQ(list->GetChild(n)->GetId(), 62);
    list->RemoveChild(0);
    EXPECT_EQ(list->GetChild(0)->GetId(), 33);
    EXPECT_EQ(list->GetChildCount(), n);

    auto numbers = As<ThreeDObjectNumberList>(l.file, 632);
    numbers->SetNumber(0, 0xFFFFFFFF);
    EXPECT_EQ(numbers->GetNumber(0), 0xFFFFFFFFu);
    EXPECT_EQ(Failure([&] { numbers->GetNumber(3); }).substr(0, 5), "i >= ");
    EXPECT_EQ(Failure([&] { numbers->SetNumberCount(1); }), "false @ .\\N2NumberList.cpp");

    auto multi = As<ThreeDObjectObjectList>(l.file, MultiLine);
    EXPECT_EQ(Failure([&] { multi->InsertChild(l.file->GetSubObject(4), 0); }),
              "usage: N2MultiLine adding line segments not supported");
    EXPECT_EQ(Failure([&] { multi->RemoveChild(0); }), "usage: N2MultiLine deleting line segments not supported");
    EXPECT_EQ(multi->GetChildCount(), 2);
    EXPECT_EQ(multi->GetChild(0)->GetId(), 0x40000005);
    EXPECT_EQ(Failure([&] { multi->GetChild(0)->GetFileOffset(); }), "false @ .\\N2MultiLineSegment.cpp");
    EXPECT_EQ(multi->GetIntegerCount(), 1);
    // A multi-line of 0 or 1 points has no segments.
    EXPECT_EQ(As<ThreeDObjectObjectList>(l.file, 802)->GetChildCount(), 0);
    EXPECT_EQ(As<ThreeDObjectObjectList>(l.file, 819)->GetChildCount(), 0);

    auto line = As<ThreeDObjectLine>(l.file, Line21);
    EXPECT_EQ(line->GetInteger(5), -5);
    EXPECT_EQ(line->GetIntegerCount(), 1);
    EXPECT_EQ(line->GetFloatCount(), 0);
    EXPECT_EQ(Failure([&] { line->SetInteger(0, 1); }).substr(0, 5), "false");
    EXPECT_EQ(l.file->GetSubObject(MultiLine + 29)->GetIntegerCount(), 1);
}

TEST(N2Nodes, NamesCannotBeChanged)
{
    Loaded l("allkinds.3do");
    EXPECT_EQ(Failure([&] { As<ThreeDObjectTexture>(l.file, 1212)->SetTextureName("x"); }), "false @ .\\N2Texture.cpp");
    EXPECT_EQ(Failure([&] { As<ThreeDObjectClassTexture>(l.file, 280)->SetTextureName("x"); }),
              "false @ .\\N2ClassTexture.cpp");
    EXPECT_EQ(Failure([&] { As<ThreeDObjectExtObject>(l.file, 532)->SetObjectName("x"); }),
              "false @ .\\N2ExtObject.cpp");
    EXPECT_EQ(Failure([&] { As<ThreeDObjectScaledBitmap>(l.file, 144)->SetSrbName("x"); }),
              "false @ .\\N2ScaledBitmap.cpp");
}

TEST(N2Nodes, PlaneOrdersNameTheirChildrenFromTheLastWordAndClearToTheNullNode)
{
    Loaded l("allkinds.3do");
    auto po2 = As<ThreeDObjectPlaneOrder2>(l.file, PlaneOrder2);
    // Words 5 and 6 are 62 and 103: the first child is the last word.
    EXPECT_EQ(po2->GetFarChild()->GetId(), 103);
    EXPECT_EQ(po2->GetNearChild()->GetId(), 62);
    auto cfb = As<ThreeDObjectPlaneOrder2CullFrontBack>(l.file, PlaneOrder2CullFrontBack);
    EXPECT_EQ(cfb->GetBackChild()->GetId(), 62);
    EXPECT_EQ(cfb->GetFrontChild()->GetId(), 4);
    cfb->ClearBackChild();
    EXPECT_EQ(cfb->GetBackChild()->GetId(), -1);
    auto po3 = As<ThreeDObjectPlaneOrder3>(l.file, PlaneOrder3);
    EXPECT_EQ(po3->GetPlaneId(), 0);
    po3->SetPlaneId(9);
    EXPECT_EQ(po3->GetPlaneId(), 0);
    po3->SetFarChild(l.file->GetSubObject(103));
    EXPECT_EQ(po3->GetFarChild()->GetId(), 103);
    po3->ClearFarChild();
    EXPECT_EQ(po3->GetFarChild()->GetId(), -1);
}

TEST(N2Nodes, TextureVerticesArePreparedOnceAndSafelyForDegenerateTextures)
{
    N2Builder b;
    b.Record("p", 2, {1, 4, 2, 0, 0, 0x001F003F, 0x00100020});
    Loaded l(b, "p");
    auto p = As<ThreeDObjectPolygon>(l.file, 4);
    // No texture above it: pixels as read.
    EXPECT_EQ(p->GetTextureVertex(0), TextureVertex(63, 31));
    EXPECT_EQ(Failure([&] { p->GetTextureVertex(2); }).substr(0, 5), "i >= ");
    EXPECT_EQ(Failure([&] { p->GetShade(0); }), "false @ .\\ThreeDObjectPolygon.cpp");
    EXPECT_EQ(Failure([&] { p->GetNormalId(0); }), "false @ .\\ThreeDObjectPolygon.cpp");
    EXPECT_FALSE(p->HasColourMapIndex());
    EXPECT_TRUE(p->HasColour());
    // An empty texture prepares nothing.
    p->PrepareTextureVertices(CountedPointer<MipFile>(new SizedMip(0, 32)));
    p->PrepareTextureVertices(CountedPointer<MipFile>());
    EXPECT_EQ(p->GetTextureVertex(1), TextureVertex(32, 16));
    p->PrepareTextureVertices(CountedPointer<MipFile>(new SizedMip(64, 32)));
    EXPECT_EQ(p->GetTextureVertex(0), TextureVertex(1, 1));
    p->PrepareTextureVertices(CountedPointer<MipFile>(new SizedMip(128, 128)));
    EXPECT_EQ(p->GetTextureVertex(0), TextureVertex(1, 1));

    // Width or height 1: the divisor is 1, not 0.
    Loaded m(b, "p");
    auto q = As<ThreeDObjectPolygon>(m.file, 4);
    q->PrepareTextureVertices(CountedPointer<MipFile>(new SizedMip(1, 1)));
    EXPECT_EQ(q->GetTextureVertex(0), TextureVertex(63, 31));
    // Edits stay in the record written back.
    q->SetVertexId(1, 7);
    EXPECT_EQ(q->GetVertexId(1), 7);
}

TEST(N2Nodes, ScaledBitmapKindsAndDetailSplitGroups)
{
    for (std::uint32_t word : {0x00001000u, 0xC0001000u, 0xFF001000u, 0x01000000u, 0x80000000u})
    {
        N2Builder b;
        b.Record("b", 3, {0, 0, word});
        TestFactory factory;
        const std::string error = LoadError(b.File("b"), factory.Factory);
        const std::uint32_t kind = word >> 24;
        EXPECT_EQ(error, kind == 0 || kind == 0xC0 || kind == 0xFF
                             ? "loaded"
                             : "format: N2 Scaled Bitmap scale/height type unrecognized")
            << std::hex << word;
    }

    Loaded l("track.3do");
    auto sections = As<ThreeDObjectTrackSections>(l.file, 514);
    EXPECT_EQ(sections->GetTracksideObjects()->GetId(), -1);
    auto split = As<ThreeDObjectTrackDetailSplit>(l.file, 432);
    EXPECT_EQ(split->GetLevelCount(), 3);
    EXPECT_EQ(split->GetLevelChildCount(3), 0);
    EXPECT_EQ(split->GetLevelChildCount(-1), 0);
    EXPECT_EQ(Failure([&] { split->GetLevelChild(3, 0); }), "false @ .\\N2TrackDetailSplit.cpp");
    EXPECT_EQ(Failure([&] { split->GetLevelChild(2, 1); }).substr(0, 5), "i >= ");
    EXPECT_EQ(split->GetLevelChild(1, 0)->GetId(), -1);
    // Without a groove, the groove child is the null node.
    auto sub = As<ThreeDObjectTrackSubSection1>(l.file, 245);
    EXPECT_FALSE(sub->HasGrooveChild());
    EXPECT_EQ(sub->GetGrooveChild()->GetId(), -1);
    EXPECT_EQ(sub->GetTrackChildCount(), 1);

    Loaded g("groove.3do");
    auto grooved = As<ThreeDObjectTrackSubSection1>(g.file, 245);
    EXPECT_TRUE(grooved->HasGrooveChild());
    EXPECT_EQ(grooved->GetGrooveChild()->GetId(), 162);
    EXPECT_EQ(grooved->GetTrackChildCount(), 0);
}

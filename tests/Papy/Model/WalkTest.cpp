#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectWalk.h"
#include "Papy/Model/Support/RecordingVisitor.h"
#include "Papy/Model/Support/StubNodes.h"
#include "Util/Exception.h"

using namespace VelmoTest;

namespace
{
typedef StubData::Node Node;
typedef std::vector<std::string> Calls;

template <class Stub>
Util::CountedPointer<Stub> Make(int id)
{
    Util::CountedPointer<Stub> stub(new Stub);
    stub->Id = id;
    return stub;
}

Node Null(int id)
{
    return Make<StubNull>(id);
}

StubData& Data(const Node& node)
{
    return dynamic_cast<StubData&>(*node);
}

Node MakeKind(const std::string& kind, int id)
{
    for (const auto& entry : AllStubKinds())
        if (entry.first == kind)
        {
            Node node = entry.second();
            Data(node).Id = id;
            return node;
        }
    ADD_FAILURE() << "no stub of kind " << kind;
    return Node();
}

Calls Walk(const Node& node, RecordingVisitor& visitor)
{
    node->Accept(visitor);
    return visitor.Calls;
}

Calls Walk(const Node& node)
{
    RecordingVisitor visitor;
    return Walk(node, visitor);
}

// Records the generic operations only: what a visitor that overrides nothing else sees.
class GenericVisitor : public ThreeDObjectVisitor
{
public:
    Calls Seen;
    std::vector<const ThreeDObject*> Nodes;
    int RefuseId = -1000;

    bool Enter(ThreeDObject& node) override
    {
        Note("Enter", node);
        return node.GetId() != RefuseId;
    }
    void Leave(ThreeDObject& node) override { Note("Leave", node); }
    void Visit(ThreeDObject& node) override { Note("Visit", node); }

private:
    void Note(const char* what, ThreeDObject& node)
    {
        Seen.push_back(std::string(what) + " " + std::to_string(node.GetId()));
        Nodes.push_back(&node);
    }
};
// A root (1) over a list (2) of a polygon (4) and a line (5), and a handle (3) of an external
// object (6).
Node SmallTree()
{
    auto root = Make<StubRoot>(1);
    auto list = Make<StubObjectList>(2);
    auto handle = Make<StubHandle>(3);
    root->Lists["GetChild"] = {list, handle};
    list->Lists["GetChild"] = {Make<StubPolygon>(4), Make<StubLine>(5)};
    handle->Lists["GetObject"] = {Make<StubExtObject>(6)};
    return root;
}
} // namespace

TEST(Walk, LeafKindsMakeTheirOneCall)
{
    for (const char* kind : {"Empty",
                             "ExtObject",
                             "Line",
                             "MorphVertices",
                             "Null",
                             "NumberList",
                             "PointLight",
                             "Polygon",
                             "ScaledBitmap",
                             "StateValueSetter",
                             "Texture2",
                             "TextureCoords",
                             "TrackDrawingDistances",
                             "TrackIndex",
                             "TrackLink",
                             "TracksideObject",
                             "Triangles",
                             "U1",
                             "VertexFixer",
                             "Vertices",
                             "XSection"})
        EXPECT_EQ(Walk(MakeKind(kind, 1)), Calls({std::string("Visit") + kind + " 1"})) << kind;
}

TEST(Walk, OneChildKindsVisitTheChildOnlyWhenEnterAgrees)
{
    const std::pair<const char*, const char*> cases[] = {
        {"AnimatedTransform", "GetChild"},
        {"AppNode", "GetChild"},
        {"Billboard", "GetChild"},
        {"BoundingBox", "GetChild"},
        {"ClassMaterial", "GetChild"},
        {"ClassTexture", "GetChild"},
        {"ClassTextureMaterial", "GetChild"},
        {"ClassTextureSelector", "GetChild"},
        {"ClassTextureSelectorMaterial", "GetChild"},
        {"ColourMap", "GetChild"},
        {"DisplayClass", "GetChild"},
        {"Handle", "GetObject"},
        {"Material", "GetChild"},
        {"MultipleTextures", "GetChild"},
        {"PlaneCullFront", "GetFrontChild"},
        {"Portal", "GetVertices"},
        {"Proxy", "GetChild"},
        {"SelfLighting", "GetChild"},
        {"Texture", "GetChild"},
        {"TextureSelector", "GetChild"},
        {"TrackDetail", "GetAppearance"},
        {"TrackLevelPlane", "GetChild"},
        {"Transform", "GetChild"},
        {"Transformation", "GetChild"},
        {"TriangleFan", "GetVertices"},
        {"TriangleStrip", "GetVertices"},
        {"TsoReference", "GetChild"},
        {"U3", "GetChild"},
    };
    for (const auto& [kind, getter] : cases)
    {
        const std::string k = kind;
        Node node = MakeKind(kind, 1);
        Data(node).Lists[getter] = {Null(2)};
        EXPECT_EQ(Walk(node), Calls({"Enter" + k + " 1", "VisitNull 2", "Leave" + k + " 1"})) << kind;

        RecordingVisitor refusing;
        refusing.Refuse = {"Enter" + k + " 1"};
        EXPECT_EQ(Walk(node, refusing), Calls({"Enter" + k + " 1", "Leave" + k + " 1"})) << kind;
    }
}

TEST(Walk, ListsSkipAChildWhoseBeforeRefusesButStillCallItsAfter)
{
    // Open lists visit every child whatever before answers.
    const std::pair<const char*, bool> cases[] = {
        {"AnimationSplitter", false}, {"DistanceSplitter", false},  {"Group", true},
        {"LatitudeSplitter", false},  {"LodSwitch", false},         {"LongitudeSplitter", false},
        {"ObjectList", true},         {"ObjectLocatorList", false}, {"Root", false},
        {"StateSplitter", false},     {"StateSwitch", false},
    };
    for (const auto& [kind, open] : cases)
    {
        const std::string k = kind;
        Node node = MakeKind(kind, 1);
        Data(node).Lists["GetChild"] = {Null(10), Null(11), Null(12)};
        RecordingVisitor visitor;
        visitor.Refuse = {"Before" + k + "Child 1 1"};
        Calls expected = {"Enter" + k + " 1"};
        for (int i = 0; i < 3; ++i)
        {
            const std::string index = " 1 " + std::to_string(i);
            expected.push_back("Before" + k + "Child" + index);
            if (i != 1 || open)
                expected.push_back("VisitNull " + std::to_string(10 + i));
            expected.push_back("After" + k + "Child" + index);
        }
        expected.push_back("Leave" + k + " 1");
        EXPECT_EQ(Walk(node, visitor), expected) << kind;

        RecordingVisitor refusing;
        refusing.Refuse = {"Enter" + k + " 1"};
        EXPECT_EQ(Walk(node, refusing), Calls({"Enter" + k + " 1", "Leave" + k + " 1"})) << kind;
    }
}

TEST(Walk, PairsRunInTheirFixedOrder)
{
    struct Case
    {
        const char* kind;
        std::vector<std::pair<std::string, std::string>> children; // role, getter
    };
    const Case cases[] = {
        {"CarRoot", {{"Shadow", "GetShadow"}, {"Cockpit", "GetCockpit"}, {"Car", "GetCar"}}},
        {"FSection", {{"Appearance", "GetAppearance"}, {"TextureCoords", "GetTextureCoords"}}},
        {"Geometry", {{"Vertices", "GetVertices"}, {"Polygons", "GetPolygons"}}},
        {"Shape", {{"Appearance", "GetAppearance"}, {"Geometry", "GetGeometry"}}},
        {"TrackRoot", {{"Child", "GetChild"}, {"DrawingDistances", "GetDrawingDistances"}}},
    };
    for (const Case& c : cases)
    {
        const std::string k = c.kind;
        Node node = MakeKind(k, 1);
        for (std::size_t i = 0; i < c.children.size(); ++i)
            Data(node).Lists[c.children[i].second] = {Null(int(10 + i))};
        RecordingVisitor visitor;
        visitor.Refuse = {"Before" + k + c.children[0].first + " 1"};
        Calls expected = {"Enter" + k + " 1"};
        for (std::size_t i = 0; i < c.children.size(); ++i)
        {
            expected.push_back("Before" + k + c.children[i].first + " 1");
            if (i != 0)
                expected.push_back("VisitNull " + std::to_string(10 + i));
            expected.push_back("After" + k + c.children[i].first + " 1");
        }
        expected.push_back("Leave" + k + " 1");
        EXPECT_EQ(Walk(node, visitor), expected) << k;
    }
}

TEST(Walk, PlaneOrdersRunForwardOrExactlyBackward)
{
    struct Case
    {
        const char* kind;
        std::vector<std::pair<std::string, std::string>> children; // role, getter, in slot order
    };
    const Case cases[] = {
        {"PlaneOrder2", {{"FarChild", "GetFarChild"}, {"NearChild", "GetNearChild"}}},
        {"PlaneOrder2CullFrontBack", {{"BackChild", "GetBackChild"}, {"FrontChild", "GetFrontChild"}}},
        {"PlaneOrder3",
         {{"FarChild", "GetFarChild"}, {"MiddleChild", "GetMiddleChild"}, {"NearChild", "GetNearChild"}}},
        {"PlaneOrder3CullFront",
         {{"FarChild", "GetFarChild"}, {"FrontChild", "GetFrontChild"}, {"NearChild", "GetNearChild"}}},
        {"PlaneOrder4CullFrontBack",
         {{"FarChild", "GetFarChild"},
          {"BackChild", "GetBackChild"},
          {"FrontChild", "GetFrontChild"},
          {"NearChild", "GetNearChild"}}},
    };
    for (const Case& c : cases)
    {
        const std::string k = c.kind;
        Node node = MakeKind(k, 1);
        const int n = int(c.children.size());
        for (int i = 0; i < n; ++i)
            Data(node).Lists[c.children[i].second] = {Null(10 + i)};
        for (bool reverse : {false, true})
        {
            RecordingVisitor visitor;
            if (reverse)
                visitor.Reverse = {1};
            Calls expected = {"Enter" + k + " 1"};
            for (int step = 0; step < n; ++step)
            {
                const int i = reverse ? n - 1 - step : step;
                expected.push_back("Before" + k + c.children[i].first + " 1");
                expected.push_back("VisitNull " + std::to_string(10 + i));
                expected.push_back("After" + k + c.children[i].first + " 1");
            }
            expected.push_back("Leave" + k + " 1");
            EXPECT_EQ(Walk(node, visitor), expected) << k << (reverse ? " reversed" : "");
        }
    }
}

TEST(Walk, AnEnterThatLeavesReverseAloneReadsFalse)
{
    // An override that ignores the flag: the walk has set it before the call.
    class Careless : public ThreeDObjectVisitor
    {
    public:
        Calls Seen;
        bool EnterPlaneOrder2(ThreeDObjectPlaneOrder2&, bool&) override { return true; }
        void Visit(ThreeDObject& node) override { Seen.push_back(std::to_string(node.GetId())); }
    };
    Node node = MakeKind("PlaneOrder2", 1);
    Data(node).Lists["GetFarChild"] = {Null(10)};
    Data(node).Lists["GetNearChild"] = {Null(11)};
    Careless visitor;
    node->Accept(visitor);
    EXPECT_EQ(visitor.Seen, Calls({"10", "11"}));
}

TEST(Walk, TrackDetailSplitGrid)
{
    auto node = Make<StubTrackDetailSplit>(1);
    node->Counts["GetLevel"] = 3;
    node->Lists["GetLevelChild/0"] = {Null(10), Null(11), Null(12), Null(13)};
    node->Lists["GetLevelChild/1"] = {Null(20), Null(21)};
    node->Lists["GetLevelChild/2"] = {Null(30)};
    node->Lists["GetLinks"] = {Null(40)};
    auto grid = [](const std::vector<std::pair<int, int>>& order, int refusedLevel, int refusedIndex)
    {
        Calls expected = {"EnterTrackDetailSplit 1", "EnterTrackDetailSplitLevels 1"};
        for (auto [level, i] : order)
        {
            const std::string index = " 1 " + std::to_string(level) + " " + std::to_string(i);
            expected.push_back("BeforeTrackDetailSplitLevelChild" + index);
            if (level != refusedLevel || i != refusedIndex)
                expected.push_back("VisitNull " + std::to_string(10 * (level + 1) + i));
            expected.push_back("AfterTrackDetailSplitLevelChild" + index);
        }
        for (const char* tail : {"LeaveTrackDetailSplitLevels 1", "BeforeTrackDetailSplitLinks 1", "VisitNull 40",
                                 "AfterTrackDetailSplitLinks 1", "LeaveTrackDetailSplit 1"})
            expected.push_back(tail);
        return expected;
    };

    RecordingVisitor forward;
    forward.Refuse = {"BeforeTrackDetailSplitLevelChild 1 1 0"};
    EXPECT_EQ(Walk(node, forward), grid({{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {2, 0}}, 1, 0));

    // Reversed, the seven children run in a fixed order without asking the counts.
    node->Counts["GetLevel"] = 0;
    RecordingVisitor backward;
    backward.Reverse = {1};
    EXPECT_EQ(Walk(node, backward), grid({{0, 0}, {0, 1}, {1, 0}, {0, 2}, {0, 3}, {1, 1}, {2, 0}}, -1, -1));

    // A refused grid bracket still gets its leave; the links follow.
    RecordingVisitor noGrid;
    noGrid.Refuse = {"EnterTrackDetailSplitLevels 1"};
    EXPECT_EQ(Walk(node, noGrid), Calls({"EnterTrackDetailSplit 1", "EnterTrackDetailSplitLevels 1",
                                         "LeaveTrackDetailSplitLevels 1", "BeforeTrackDetailSplitLinks 1",
                                         "VisitNull 40", "AfterTrackDetailSplitLinks 1", "LeaveTrackDetailSplit 1"}));
}

TEST(Walk, ObjectLocatorSkipsItsSiblingsByDefault)
{
    auto node = Make<StubObjectLocator>(1);
    node->Lists["GetSibling"] = {Null(10), Null(11), Null(12), Null(13)};
    node->Lists["GetChild"] = {Null(20)};
    node->Lists["GetObject"] = {Null(30), Null(31)};
    GenericVisitor generic;
    node->Accept(generic);
    EXPECT_EQ(generic.Seen, Calls({"Enter 1", "Visit 20", "Visit 30", "Visit 31", "Leave 1"}));

    // A visitor whose before agrees visits the four siblings, two indices each.
    RecordingVisitor visitor;
    visitor.Refuse = {"BeforeObjectLocatorSibling 1 2", "BeforeObjectLocatorObject 1 0"};
    EXPECT_EQ(Walk(node, visitor), Calls({"EnterObjectLocator 1",
                                          "EnterObjectLocatorSiblings 1",
                                          "BeforeObjectLocatorSibling 1 0",
                                          "VisitNull 10",
                                          "AfterObjectLocatorSibling 1 0",
                                          "BeforeObjectLocatorSibling 1 1",
                                          "VisitNull 11",
                                          "AfterObjectLocatorSibling 1 1",
                                          "BeforeObjectLocatorSibling 1 2",
                                          "AfterObjectLocatorSibling 1 2",
                                          "BeforeObjectLocatorSibling 1 3",
                                          "VisitNull 13",
                                          "AfterObjectLocatorSibling 1 3",
                                          "LeaveObjectLocatorSiblings 1",
                                          "BeforeObjectLocatorChild 1",
                                          "VisitNull 20",
                                          "AfterObjectLocatorChild 1",
                                          "EnterObjectLocatorObjects 1",
                                          "BeforeObjectLocatorObject 1 0",
                                          "AfterObjectLocatorObject 1 0",
                                          "BeforeObjectLocatorObject 1 1",
                                          "VisitNull 31",
                                          "AfterObjectLocatorObject 1 1",
                                          "LeaveObjectLocatorObjects 1",
                                          "LeaveObjectLocator 1"}));
}

TEST(Walk, SubListsAreBracketedAndLeftEvenWhenRefused)
{
    auto sections = Make<StubTrackSections>(1);
    sections->Lists["GetIndex"] = {Null(10)};
    sections->Lists["GetSection"] = {Null(20), Null(21)};
    sections->Lists["GetTracksideObjects"] = {Null(30)};
    RecordingVisitor visitor;
    visitor.Refuse = {"BeforeTrackSectionsSection 1 0"};
    EXPECT_EQ(Walk(sections, visitor),
              Calls({"EnterTrackSections 1", "BeforeTrackSectionsIndex 1", "VisitNull 10", "AfterTrackSectionsIndex 1",
                     "EnterTrackSectionsSections 1", "BeforeTrackSectionsSection 1 0", "AfterTrackSectionsSection 1 0",
                     "BeforeTrackSectionsSection 1 1", "VisitNull 21", "AfterTrackSectionsSection 1 1",
                     "LeaveTrackSectionsSections 1", "BeforeTrackSectionsTracksideObjects 1", "VisitNull 30",
                     "AfterTrackSectionsTracksideObjects 1", "LeaveTrackSections 1"}));

    auto list = Make<StubExtObjectList>(1);
    list->Lists["GetChild"] = {Null(10)};
    list->Lists["GetObject"] = {Null(20)};
    RecordingVisitor refusing;
    refusing.Refuse = {"EnterExtObjectListObjects 1"};
    EXPECT_EQ(Walk(list, refusing),
              Calls({"EnterExtObjectList 1", "BeforeExtObjectListChild 1", "VisitNull 10", "AfterExtObjectListChild 1",
                     "EnterExtObjectListObjects 1", "LeaveExtObjectListObjects 1", "LeaveExtObjectList 1"}));
}

TEST(Walk, TrackSubSection1SkipsAMissingGrooveChild)
{
    auto node = Make<StubTrackSubSection1>(1);
    node->Lists["GetObjectsChild"] = {Null(10)};
    node->Lists["GetTrackChild"] = {Null(20)};
    node->Lists["GetGrooveChild"] = {Null(30)};
    node->Lists["GetMarkingsChild"] = {Null(40)};
    const Calls head = {"EnterTrackSubSection1 1",
                        "BeforeTrackSubSection1ObjectsChild 1",
                        "VisitNull 10",
                        "AfterTrackSubSection1ObjectsChild 1",
                        "EnterTrackSubSection1TrackChildren 1",
                        "BeforeTrackSubSection1TrackChild 1 0",
                        "VisitNull 20",
                        "AfterTrackSubSection1TrackChild 1 0",
                        "LeaveTrackSubSection1TrackChildren 1"};
    const Calls groove = {"BeforeTrackSubSection1GrooveChild 1", "VisitNull 30", "AfterTrackSubSection1GrooveChild 1"};
    const Calls tail = {"BeforeTrackSubSection1MarkingsChild 1", "VisitNull 40", "AfterTrackSubSection1MarkingsChild 1",
                        "LeaveTrackSubSection1 1"};
    Calls expected = head;
    expected.insert(expected.end(), groove.begin(), groove.end());
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Walk(node), expected);

    node->Flags["HasGrooveChild"] = false;
    expected = head;
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(Walk(node), expected);
}

TEST(Walk, AppearanceOptionalLinksAndFurtherLinks)
{
    auto node = Make<StubAppearance>(1);
    node->Lists["GetTexture"] = {Null(10)};
    node->Lists["GetLightMapTexture"] = {Null(20)};
    node->Lists["GetSpecularTexture"] = {Null(30)};
    node->Lists["GetOtherTexture"] = {Null(40), Null(41)};
    node->Flags["HasLightMapTexture"] = false;
    EXPECT_EQ(Walk(node), Calls({"EnterAppearance 1", "BeforeAppearanceTexture 1", "VisitNull 10",
                                 "AfterAppearanceTexture 1", "BeforeAppearanceSpecularTexture 1", "VisitNull 30",
                                 "AfterAppearanceSpecularTexture 1", "EnterAppearanceOtherTextures 1", "VisitNull 40",
                                 "VisitNull 41", "LeaveAppearanceOtherTextures 1", "LeaveAppearance 1"}));
}

TEST(Walk, TrackWalksSegmentsThenDetailsThenTracksideObjects)
{
    auto track = Make<StubTrack>(1);
    track->Lists["GetSegment"] = {Make<StubTrackSegment>(10)};
    track->Lists["GetDetail"] = {Null(20)};
    track->Lists["GetTracksideObject"] = {Null(30)};
    RecordingVisitor visitor;
    visitor.Refuse = {"BeforeTrackDetail 1 0", "EnterTrackSegment 10"}; // the open lists ignore before
    EXPECT_EQ(Walk(track, visitor), Calls({"EnterTrack 1", "BeforeTrackSegment 1 0", "EnterTrackSegment 10",
                                           "LeaveTrackSegment 10", "AfterTrackSegment 1 0", "BeforeTrackDetail 1 0",
                                           "VisitNull 20", "AfterTrackDetail 1 0", "BeforeTrackTracksideObject 1 0",
                                           "VisitNull 30", "AfterTrackTracksideObject 1 0", "LeaveTrack 1"}));
}

TEST(Walk, TrackSegmentWalksFloorThenWallThenCrossSections)
{
    auto segment = Make<StubTrackSegment>(1);
    segment->Lists["GetXSection"] = {Make<StubXSection>(10)};
    segment->Lists["GetFSection"] = {Make<StubFSection>(20)};
    segment->Lists["GetWSection"] = {Make<StubWSection>(30), Make<StubWSection>(31)};
    RecordingVisitor visitor;
    visitor.Refuse = {"BeforeTrackSegmentFSection 1 0", "BeforeTrackSegmentWSection 1 1"};
    EXPECT_EQ(Walk(segment, visitor),
              Calls({"EnterTrackSegment 1", "BeforeTrackSegmentFSection 1 0", "AfterTrackSegmentFSection 1 0",
                     "BeforeTrackSegmentWSection 1 0", "EnterWSection 30", "LeaveWSection 30",
                     "AfterTrackSegmentWSection 1 0", "BeforeTrackSegmentWSection 1 1", "AfterTrackSegmentWSection 1 1",
                     "BeforeTrackSegmentXSection 1 0", "VisitXSection 10", "AfterTrackSegmentXSection 1 0",
                     "LeaveTrackSegment 1"}));
}

TEST(Walk, WSectionEntriesTakeTwoIndicesAndAbsentOnesAreSkipped)
{
    auto wall = Make<StubWSection>(1);
    wall->Counts["GetSubsection"] = 2;
    for (int subsection = 0; subsection < 2; ++subsection)
        for (int entry = 0; entry < ThreeDObjectWSection::EntryCount; ++entry)
            wall->Flags[StubData::Key("HasEntry", subsection, entry)] = false;
    wall->Flags["HasEntry/0/3"] = true;
    wall->Flags["HasEntry/1/0"] = true;
    wall->Lists["GetEntryAppearance/0"] = {Node(), Node(), Node(), Make<StubAppearance>(10)};
    wall->Lists["GetEntryTextureCoords/0"] = {Node(), Node(), Node(), Null(11)};
    wall->Lists["GetEntryAppearance/1"] = {Make<StubAppearance>(20)};
    wall->Lists["GetEntryTextureCoords/1"] = {Null(21)};
    RecordingVisitor visitor;
    visitor.Refuse = {"EnterAppearance 10", "EnterAppearance 20", "BeforeWSectionTextureCoords 1 1 0"};
    EXPECT_EQ(Walk(wall, visitor),
              Calls({"EnterWSection 1", "BeforeWSectionAppearance 1 0 3", "EnterAppearance 10", "LeaveAppearance 10",
                     "AfterWSectionAppearance 1 0 3", "BeforeWSectionTextureCoords 1 0 3", "VisitNull 11",
                     "AfterWSectionTextureCoords 1 0 3", "BeforeWSectionAppearance 1 1 0", "EnterAppearance 20",
                     "LeaveAppearance 20", "AfterWSectionAppearance 1 1 0", "BeforeWSectionTextureCoords 1 1 0",
                     "AfterWSectionTextureCoords 1 1 0", "LeaveWSection 1"}));
}

TEST(Walk, DefaultVisitorSeesEveryNodeOnceDepthFirst)
{
    const Node root = SmallTree();
    GenericVisitor generic;
    root->Accept(generic);
    EXPECT_EQ(generic.Seen, Calls({"Enter 1", "Enter 2", "Visit 4", "Visit 5", "Leave 2", "Enter 3", "Visit 6",
                                   "Leave 3", "Leave 1"}));

    // Refusing the root: its leave and nothing else.
    GenericVisitor refusing;
    refusing.RefuseId = 1;
    root->Accept(refusing);
    EXPECT_EQ(refusing.Seen, Calls({"Enter 1", "Leave 1"}));
}

// Every descent asks Descends first: a visitor that stops after a number of descents (as a
// budget of work does) passes every later child by, none of its operations called, and the
// walk unwinds with every enter matched by its leave.
TEST(Walk, DescendsPassesAChildByAndTheWalkUnwinds)
{
    class Stopping : public GenericVisitor
    {
    public:
        int Left = 0;
        bool Descends(ThreeDObject&) override { return Left-- > 0; }
    };
    const Node root = SmallTree();
    const Calls expected[] = {
        {"Enter 1", "Leave 1"},
        {"Enter 1", "Enter 2", "Leave 2", "Leave 1"},
        {"Enter 1", "Enter 2", "Visit 4", "Leave 2", "Leave 1"},
        {"Enter 1", "Enter 2", "Visit 4", "Visit 5", "Leave 2", "Leave 1"},
        {"Enter 1", "Enter 2", "Visit 4", "Visit 5", "Leave 2", "Enter 3", "Leave 3", "Leave 1"},
    };
    for (int descents = 0; descents < 5; ++descents)
    {
        Stopping visitor;
        visitor.Left = descents;
        root->Accept(visitor);
        EXPECT_EQ(visitor.Seen, expected[descents]) << descents;
    }
}

TEST(Walk, AVisitorExceptionEndsTheWalkAndReleasesTheChildren)
{
    class Thrower : public ThreeDObjectVisitor
    {
    public:
        Calls Seen;
        bool Enter(ThreeDObject& node) override
        {
            Seen.push_back("Enter " + std::to_string(node.GetId()));
            return true;
        }
        void Leave(ThreeDObject& node) override { Seen.push_back("Leave " + std::to_string(node.GetId())); }
        void Visit(ThreeDObject&) override { throw Util::XUsage("stop"); }
    };
    auto root = Make<StubRoot>(1);
    auto list = Make<StubObjectList>(2);
    Node leaf = Null(3);
    root->Lists["GetChild"] = {list};
    list->Lists["GetChild"] = {leaf, Null(4)};
    Thrower visitor;
    EXPECT_THROW(root->Accept(visitor), Util::XUsage);
    EXPECT_EQ(visitor.Seen, Calls({"Enter 1", "Enter 2"}));
    EXPECT_EQ(leaf.GetCount(), 2); // the test and the list: the walk let go
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(ThreeDObjectWalk::GetDepth(), 0);
}

TEST(Walk, AGetterThatYieldsNoNodeFailsCleanly)
{
    auto handle = Make<StubHandle>(1);
    handle->Lists["GetObject"] = {Node()};
    try
    {
        RecordingVisitor visitor;
        handle->Accept(visitor);
        FAIL() << "no exception";
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "child != 0");
        EXPECT_STREQ(e.GetFile(), ".\\ThreeDObjectWalk.cpp");
    }
}

namespace
{
// A chain of nodes of one kind, each holding the next through getter, ending in a leaf at the
// given depth below the top; every other child is a null node.
template <class Stub>
Util::CountedPointer<Stub> Chain(int depth, const char* getter)
{
    Node leaf = Null(-1);
    auto top = Make<Stub>(0);
    Util::CountedPointer<Stub> last = top;
    for (int i = 1; i <= depth; ++i)
    {
        auto next = Make<Stub>(i);
        last->Fallback = leaf;
        last->Lists[getter] = {i < depth ? Node(next) : leaf};
        last = next;
    }
    return top;
}

// Takes a chain apart from the top, without a deep recursion of destructors.
template <class Stub>
void Release(Util::CountedPointer<Stub> node, const char* getter)
{
    while (node)
    {
        Util::CountedPointer<Stub> next;
        next = node->Lists[getter].front();
        node->Lists.clear();
        node = next;
    }
}

template <class Stub>
void CheckDepthLimit(const char* getter)
{
    const int limit = ThreeDObjectWalk::MaxDepth;
    {
        // The deepest leaf lies exactly at the limit.
        auto deepest = Chain<Stub>(limit, getter);
        GenericVisitor visitor;
        deepest->Accept(visitor);
        EXPECT_EQ(std::count(visitor.Seen.begin(), visitor.Seen.end(), "Enter " + std::to_string(limit - 1)), 1)
            << getter;
        Release(deepest, getter);
    }
    auto tooDeep = Chain<Stub>(limit + 1, getter);
    GenericVisitor visitor;
    try
    {
        tooDeep->Accept(visitor);
        ADD_FAILURE() << "no exception for " << getter;
    }
    catch (const Util::XUsage& e)
    {
        EXPECT_EQ(e.GetText(), "3D object tree nested more than 2000 levels deep");
    }
    EXPECT_EQ(ThreeDObjectWalk::GetDepth(), 0);
    Release(tooDeep, getter);
}
} // namespace

TEST(Walk, DepthGuard)
{
    ASSERT_EQ(ThreeDObjectWalk::MaxDepth, 2000);
    // The kinds whose walks take the most stack per level.
    CheckDepthLimit<StubObjectList>("GetChild");
    CheckDepthLimit<StubObjectLocator>("GetObject");
    CheckDepthLimit<StubPlaneOrder4CullFrontBack>("GetFarChild");
    CheckDepthLimit<StubTrackSubSection1>("GetMarkingsChild");
    CheckDepthLimit<StubTrackSections>("GetTracksideObjects");

    // A list that holds itself.
    auto cycle = Make<StubObjectList>(1);
    cycle->Lists["GetChild"] = {cycle};
    GenericVisitor visitor;
    EXPECT_THROW(cycle->Accept(visitor), Util::XUsage);
    EXPECT_EQ(ThreeDObjectWalk::GetDepth(), 0);
    cycle->Lists.clear(); // break the cycle so the node is released
}

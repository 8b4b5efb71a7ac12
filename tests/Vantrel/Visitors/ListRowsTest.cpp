// The rows of the field pane for single nodes, compared with rows written out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "FakeNodes.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"
#include "VisitorSupport.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
Rows ListOf(ThreeDObject& node)
{
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    node.Accept(visitor);
    return sink.rows;
}

const double pi = std::acos(-1.0);
} // namespace

TEST(ListRows, NodesListAsWrittenOutByHand)
{
    FakeTransform transform;
    transform.id = 12;
    transform.t[0] = 1;
    transform.t[1] = -2.5;
    transform.r[0] = pi / 2;
    transform.r[2] = -pi / 2;

    FakeTransformation transformation;
    transformation.id = 13;
    transformation.t[2] = 0.5;
    transformation.r[0] = 90;
    transformation.r[2] = -90;
    transformation.scale = 2;
    transformation.reset = true;
    transformation.child = Leaf(40);

    FakeLatitudeSplitter index;
    index.id = 20;
    index.op = 5;
    index.children = {Leaf(30), Null()};
    index.latitudes = {1.5, 2.5};
    FakeLatitudeSplitter ge = index;
    ge.op = 2;

    auto fan = [](std::vector<int> indices) {
        FakeFan node;
        node.id = 5;
        node.name = "fan";
        node.indices = std::move(indices);
        return node;
    };
    FakeFan fan2 = fan({4, 9}), fan3 = fan({4, 9, 2}), fan4 = fan({4, 9, 2, 6});
    auto strip = [](std::vector<int> indices) {
        FakeStrip node;
        node.id = 5;
        node.name = "strip";
        node.indices = std::move(indices);
        return node;
    };
    FakeStrip strip2 = strip({4, 9}), strip3 = strip({4, 9, 2}), strip4 = strip({4, 9, 2, 6});

    auto wall = [](int subsections, std::vector<double> splits) {
        FakeWSection node;
        node.id = 50;
        node.subsections = subsections;
        node.splits = std::move(splits);
        return node;
    };
    FakeWSection wall0 = wall(0, {}), wall1 = wall(1, {}), wall3 = wall(3, {0.25, 0.75});

    FakeNode<ThreeDObjectEmpty> unknowns;
    unknowns.id = 3;
    unknowns.name = "empty \xE9";
    unknowns.strings = {"abc", ""};
    unknowns.booleans = {true, false};
    unknowns.integers = {26, -1, 0};
    unknowns.floats = {1.5, -0.25};

    FakeFSection floor;
    FakeTsoReference windy;
    windy.name = "tree";
    FakeTsoReference moving = windy;
    moving.dynamic = true;
    moving.wind = false;
    moving.sound = true;
    FakeTrackDetailSplit split;
    // The drawing distances list no unknown values, even when the node has some.
    FakeDrawingDistances distances;
    distances.integers = {5};

    const std::pair<const char*, ThreeDObject*> cases[] = {
        {"transform-90.rows", &transform},   {"transformation-90.rows", &transformation},
        {"splitter-index.rows", &index},     {"splitter-ge.rows", &ge},
        {"fan-2.rows", &fan2},               {"fan-3.rows", &fan3},
        {"fan-4.rows", &fan4},               {"strip-2.rows", &strip2},
        {"strip-3.rows", &strip3},           {"strip-4.rows", &strip4},
        {"wsection-0.rows", &wall0},         {"wsection-1.rows", &wall1},
        {"wsection-3.rows", &wall3},         {"unknown-values.rows", &unknowns},
        {"fsection.rows", &floor},           {"tso-wind.rows", &windy},
        {"tso-dynamic.rows", &moving},       {"detail-split.rows", &split},
        {"drawing-distances.rows", &distances},
    };
    for (const auto& [file, node] : cases)
    {
        const std::string expected = ExpectedRows(file);
        ASSERT_FALSE(expected.empty()) << file;
        EXPECT_EQ(RowText(ListOf(*node)), expected) << file;
    }
}

TEST(ListRows, PolygonLabelsFollowTheirVertexData)
{
    std::vector<std::string> labels;
    std::istringstream lines(ExpectedRows("polygon-labels.txt"));
    for (std::string line; std::getline(lines, line);)
        labels.push_back(line);
    ASSERT_EQ(labels.size(), 8u);

    GPLTdoFile file;
    const std::vector<Vertex> vertices = {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)};
    const std::vector<Colour> shades(3, Colour(1, 1, 1, 1));
    const std::vector<Normal> normals(3, Normal(0, 0, 1));
    const std::vector<TextureVertex> uvs(3, TextureVertex(0, 0));
    // The table's order: textured, static shaded, dynamic shaded, each yes before no.
    for (int row = 0; row < 8; ++row)
    {
        const bool textured = (row & 4) == 0, shaded = (row & 2) == 0, dynamic = (row & 1) == 0;
        auto polygon = file.CreatePolygon(file.NewId(), vertices, Colour(1, 0, 0, 1), shaded,
                                          shaded ? shades : std::vector<Colour>(), dynamic,
                                          dynamic ? normals : std::vector<Normal>(), textured,
                                          textured ? uvs : std::vector<TextureVertex>());
        const Rows rows = ListOf(*polygon);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows[0], std::make_pair(std::string("Type"), labels[std::size_t(row)]));
        EXPECT_EQ(ThreeDObjectListVisitor::GetPolygonLabel(textured, shaded, dynamic), labels[std::size_t(row)]);
        // Per vertex: the vertex, then texture vertex, shade and normal as present.
        std::vector<std::string> perVertex;
        for (const auto& [label, value] : rows)
            if (label.size() > 2 && label.substr(label.size() - 2) == " 1")
                perVertex.push_back(label);
        std::vector<std::string> expected = {"Vertex 1"};
        if (textured)
            expected.push_back("Texture Vertex 1");
        if (shaded)
            expected.push_back("Shade 1");
        if (dynamic)
            expected.push_back("Normal 1");
        EXPECT_EQ(perVertex, expected) << labels[std::size_t(row)];
    }
}

TEST(ListRows, APolygonWithoutColourStartsWithItsVertexCount)
{
    FakeBarePolygon polygon;
    EXPECT_EQ(ListOf(polygon), (Rows{{"Type", "Polygon"},
                                     {"Id", "1"},
                                     {"Name", ""},
                                     {"Vertex Count", "1"},
                                     {"Vertex 0", "(1.000000 2.000000 3.000000)"}}));
}

TEST(ListRows, RootHandleNullAndListOpenings)
{
    GPLTdoFile file;
    auto list = file.CreateObjectList(file.NewId(), {file.GetNull(), file.GetNull()});
    auto root = file.CreateRoot(GPLTdoFile::RootId, {list});
    auto handle = file.CreateHandle("body", list);

    EXPECT_EQ(ListOf(*root), (Rows{{"Type", "Root Pseudo-Node"}}));
    EXPECT_EQ(ListOf(*handle), (Rows{{"Type", "Handle Pseudo-Node"}, {"Name", "body"}, {"Child", "1073741828"}}));
    // Only the list's own rows: its children are ids.
    EXPECT_EQ(ListOf(*list), (Rows{{"Type", "Object List"},
                                   {"Id", "1073741828"},
                                   {"Name", ""},
                                   {"Count", "2"},
                                   {"Child 0", ""},
                                   {"Child 1", ""}}));
    auto proxy = file.CreateProxy(file.NewId(), list);
    EXPECT_EQ(ListOf(*proxy), (Rows{{"Type", "Proxy Pseudo-Node"},
                                    {"Id", std::to_string(proxy->GetId())},
                                    {"Name", ""},
                                    {"Child", "1073741828"}}));
    // The null node lists nothing.
    EXPECT_TRUE(ListOf(*file.GetNull()).empty());
}

TEST(ListRows, LeadingBlanksOfTheFourWayPlaneOrder)
{
    GPLTdoFile file;
    const int a = file.NewId();
    auto first = file.CreateExtObject(a, "a.3do");
    auto order = file.CreatePlaneOrder4CullFrontBack(file.NewId(), Plane(0, 0, 1, -1), first, file.GetNull(),
                                                     first, file.GetNull());
    const Rows rows = ListOf(*order);
    const Rows expected = {{"Type", " Plane Order 4 Cull Front/Back"},
                           {"Id", std::to_string(order->GetId())},
                           {"Name", ""},
                           {"Plane", "(0.000000 0.000000 1.000000 -1.000000)"},
                           {"Far Child", std::to_string(a)},
                           {"Back Child", ""},
                           {"Front Child", std::to_string(a)},
                           {"Near Child", ""}};
    EXPECT_EQ(rows, expected);
}

TEST(ListRows, AValueWithoutANameStopsTheListingAndKeepsItsRows)
{
    FakeLatitudeSplitter splitter;
    splitter.id = 8;
    splitter.op = 9;
    splitter.children = {Leaf(30)};
    splitter.latitudes = {1};
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    EXPECT_THROW(splitter.Accept(visitor), Velmo::Util::XAssertion);
    EXPECT_EQ(sink.rows, (Rows{{"Type", "Latitude Splitter"}, {"Id", "8"}, {"Name", ""}}));
}

TEST(ListRows, AnIndexOutsideTheNodesTablesReachesTheCaller)
{
    // A wall of two subsections whose split point the node cannot give fails at that row;
    // the rows before it stay.
    FakeWSection wall;
    wall.subsections = 2;
    wall.splits = {};
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    EXPECT_THROW(wall.Accept(visitor), Velmo::Util::XAssertion);
    ASSERT_FALSE(sink.rows.empty());
    EXPECT_EQ(sink.rows.back(), std::make_pair(std::string("Subsections"), std::string("2")));
}

TEST(ListRows, OwnTables)
{
    const char* functions[] = {"Modulate",
                               "Decal",
                               "Blend",
                               "Replace",
                               "Modulate Alpha Add Colour (?)",
                               "Modulate Colour Add Alpha (?)",
                               "Unknown"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ThreeDObjectListVisitor::GetTextureFunctionName(i), functions[i]);
    EXPECT_EQ(ThreeDObjectListVisitor::GetTextureFunctionName(-1), "Unknown");
    const char* faces[] = {"Right Face", "Top Face", "Left Face", "Near Face", "Far Face"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ThreeDObjectListVisitor::GetFaceName(i), faces[i]);
}

TEST(ListRows, SharedRowOperationsGiveTheLastRowIndex)
{
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    FakeNode<ThreeDObjectEmpty> node;
    node.integers = {1, 2};
    EXPECT_EQ(visitor.ListHeaderRows(node, "Kind"), 2);
    EXPECT_EQ(visitor.ListUnknownValues(node), 4);
    EXPECT_EQ(sink.rows.size(), 5u);
}

// The field editor with its dialogs answered from a script: what each row opens, what an OK
// writes, and what a Cancel, a foreign label or an index the node lacks leave alone.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <set>

#include "EditDialogsScript.h"
#include "FakeNodes.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/Angles.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectEditVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"
#include "VisitorSupport.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
const std::string NotEditable = "Message|This item is not editable";
const std::string DeleteChild = "Ask|Delete Child ?";

// A row of a node, as the cases of a table name it.
struct NodeRow
{
    ThreeDObject* node;
    const char* caption;
};

struct Result
{
    bool modified;
    bool nameChanged;
    std::string newName;
};

Result Edit(ThreeDObject& node, const std::string& caption, ScriptedDialogs& dialogs, int row = -1)
{
    ThreeDObjectEditVisitor visitor(row, caption, dialogs);
    node.Accept(visitor);
    return {visitor.Modified(), visitor.NameChanged(), visitor.GetNewName()};
}

Rows List(ThreeDObject& node)
{
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    node.Accept(visitor);
    return sink.rows;
}

std::string ValueOf(ThreeDObject& node, const std::string& label)
{
    for (const auto& [l, v] : List(node))
        if (l == label)
            return v;
    return "(no row)";
}

struct GplFile
{
    CountedPointer<GPLTdoFile> gpl{new GPLTdoFile};
    CountedPointer<ThreeDObjectRoot> root = gpl->CreateRoot(GPLTdoFile::RootId, {gpl->GetNull()});
    NodePointer Null() const { return NodePointer(gpl->GetNull()); }
    template <class Node>
    static NodePointer P(const CountedPointer<Node>& node)
    {
        return NodePointer(node);
    }
    CountedPointer<ThreeDObjectTransformation> Transformation()
    {
        return gpl->CreateTransformation(gpl->NewId(), 1, 2, 3, 10, 20, 45, 1.5, Null());
    }
    // Objects placed at (1, 3, 5), (2, 4, 6) and so on, inside four planes.
    CountedPointer<ThreeDObjectObjectLocator> Locator(const TdoFile::Nodes& objects)
    {
        const std::vector<Plane> planes = {Plane(1, 0, 0, 0), Plane(0, 1, 0, 0), Plane(-1, 0, 0, 5),
                                           Plane(0, -1, 0, 5)};
        std::vector<double> x, y, z;
        for (std::size_t i = 0; i < objects.size(); ++i)
        {
            x.push_back(double(i) + 1);
            y.push_back(double(i) + 3);
            z.push_back(double(i) + 5);
        }
        return gpl->CreateObjectLocator(gpl->NewId(), planes, {Null(), Null(), Null(), Null()}, Null(), x, y, z,
                                        objects);
    }
    CountedPointer<ThreeDObjectObjectList> ListOfThree()
    {
        TdoFile::Nodes children;
        for (const char* name : {"a.3do", "b.3do", "c.3do"})
            children.push_back(P(gpl->CreateExtObject(gpl->NewId(), name)));
        return gpl->CreateObjectList(gpl->NewId(), children);
    }
};

struct N4File
{
    CountedPointer<N4TdoFile> n4{new N4TdoFile(GetN4TdoArchivers(), nullptr)};
    NodePointer Null() const { return NodePointer(n4->GetNull()); }
};

// A reference whose values the test can read back: rotations in radians.
class StoringTsoReference : public FakeTsoReference
{
public:
    double t[3] = {};
    double r[3] = {};
    double GetXTranslation() const override { return t[0]; }
    void SetXTranslation(double v) override { t[0] = v; }
    double GetXRotation() const override { return r[0]; }
    void SetXRotation(double v) override { r[0] = v; }
    double GetZRotation() const override { return r[2]; }
    void SetZRotation(double v) override { r[2] = v; }
};

class FakeMultipleTextures : public FakeNode<ThreeDObjectMultipleTextures>
{
public:
    std::vector<std::string> names{"one", "two"};
    NodePointer GetChild() const override { return Leaf(5); }
    int GetTextureCount() const override { return int(names.size()); }
    void SetTextureCount(int count) override { names.resize(std::size_t(count)); }
    std::string GetTextureName(int i) const override { return At(names, i); }
    void SetTextureName(int i, const std::string& name) override { names.at(std::size_t(i)) = name; }
};

class FakeStateSwitch : public FakeNode<ThreeDObjectStateSwitch>
{
public:
    std::vector<NodePointer> children{Leaf(1), Leaf(2)};
    std::vector<double> states{0, 10, 20};
    std::string GetVariable() const override { return "v"; }
    int GetChildCount() const override { return int(children.size()); }
    NodePointer GetChild(int i) const override { return At(children, i); }
    double GetStateValue(int i) const override { return At(states, i); }
    void SetStateValue(int i, double value) override { states.at(std::size_t(i)) = value; }
    void RemoveChild(int i) override
    {
        children.erase(children.begin() + i);
        states.erase(states.begin() + i);
    }
    BoundingBox GetBoundingBox() const override { return BoundingBox(); }
};

class FakeShadedPolygon : public FakeNode<ThreeDObjectPolygon>
{
public:
    std::vector<Colour> shades{Colour(1, 1, 1, 1), Colour(0.5f, 0.5f, 0.5f, 1), Colour(0, 0, 0, 1)};
    int GetVertexCount() const override { return 3; }
    Vertex GetVertex(int i) const override { return Vertex(At(shades, i).GetRed(), 0, 0); }
    int GetVertexId(int i) const override { return At(std::vector<int>{0, 1, 2}, i); }
    void SetVertexId(int, int) override {}
    bool HasColour() const override { return false; }
    bool HasShades() const override { return true; }
    Colour GetShade(int i) const override { return At(shades, i); }
    void SetShade(int i, const Colour& shade) override { shades.at(std::size_t(i)) = shade; }
};

// A billboard whose six float fields hold 1 to 6: translation, then the rotation axis.
class StoringBillboard : public FakeNode<ThreeDObjectBillboard>
{
public:
    double f[6] = {1, 2, 3, 4, 5, 6};
    NodePointer GetChild() const override { return VelmoTest::Null(); }
    double GetXTranslation() const override { return f[0]; }
    void SetXTranslation(double v) override { f[0] = v; }
    double GetYTranslation() const override { return f[1]; }
    void SetYTranslation(double v) override { f[1] = v; }
    double GetZTranslation() const override { return f[2]; }
    void SetZTranslation(double v) override { f[2] = v; }
    double GetRotationAxisX() const override { return f[3]; }
    void SetRotationAxisX(double v) override { f[3] = v; }
    double GetRotationAxisY() const override { return f[4]; }
    void SetRotationAxisY(double v) override { f[4] = v; }
    double GetRotationAxisZ() const override { return f[5]; }
    void SetRotationAxisZ(double v) override { f[5] = v; }
    BoundingBox GetBoundingBox() const override { return BoundingBox(); }
};

class ThrowingTransform : public FakeTransform
{
public:
    void SetXTranslation(double) override { throw Velmo::Util::XUsage("cannot move"); }
};
} // namespace

TEST(EditVisitor, TransformationRotationsAreEditedAsListed)
{
    FakeTransformation node;
    node.r[2] = 45;
    node.scale = 1.5;
    EXPECT_EQ(ValueOf(node, "Z Rotation"), "45.000000\xB0");
    ScriptedDialogs dialogs;
    dialogs.number = 90;
    EXPECT_TRUE(Edit(node, "Z Rotation", dialogs).modified);
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{"Float|Z Rotation|45"});
    // Stored as entered: the rotations of a transformation are degrees throughout.
    EXPECT_EQ(node.r[2], 90);
    EXPECT_EQ(ValueOf(node, "Z Rotation"), "90.000000\xB0");

    dialogs.number = -2.5;
    Edit(node, "Y Translation", dialogs);
    EXPECT_EQ(node.t[1], -2.5);
    dialogs.number = 2;
    Edit(node, "Scale", dialogs);
    EXPECT_EQ(node.scale, 2);
    EXPECT_EQ(dialogs.asked.back(), "Float|Scale|1.5");

    // The same in a GPL file, which keeps its angles to a fixed precision.
    GplFile f;
    auto gpl = f.Transformation();
    dialogs.number = 90;
    Edit(*gpl, "Z Rotation", dialogs);
    EXPECT_TRUE(dialogs.asked.back().starts_with("Float|Z Rotation|45.0000")) << dialogs.asked.back();
    EXPECT_NEAR(gpl->GetZRotation(), 90, 1e-4);
}

TEST(EditVisitor, RadianKindsAreEditedInDegrees)
{
    FakeTransform transform;
    transform.r[1] = Velmo::Util::pi / 2;
    ScriptedDialogs dialogs;
    dialogs.number = 180;
    EXPECT_TRUE(Edit(transform, "Y Rotation", dialogs).modified);
    EXPECT_EQ(dialogs.asked.back(), "Float|Y Rotation|90");
    EXPECT_DOUBLE_EQ(transform.r[1], Velmo::Util::pi);
    EXPECT_EQ(ValueOf(transform, "Y Rotation"), "180.000000\xB0");
    dialogs.number = 4;
    Edit(transform, "X Translation", dialogs);
    EXPECT_EQ(transform.t[0], 4);

    StoringTsoReference reference;
    reference.wind = false;
    dialogs.number = -90;
    Edit(reference, "Z Rotation", dialogs);
    EXPECT_DOUBLE_EQ(reference.r[2], -Velmo::Util::pi / 2);
    dialogs.number = 7;
    Edit(reference, "X Translation", dialogs);
    EXPECT_EQ(reference.t[0], 7);
    dialogs.flag = true;
    EXPECT_TRUE(Edit(reference, "Use Wind Direction", dialogs).modified);
    EXPECT_EQ(dialogs.asked.back(), "Bool|Use Wind Direction|false");
    EXPECT_TRUE(reference.wind);

    N4File n4;
    auto animated = n4.n4->CreateAnimatedTransform(n4.n4->NewId(), "anim", "var", 1, 2, 3, 0, 0, 0, n4.Null());
    dialogs.number = 45;
    Edit(*animated, "X Rotation", dialogs);
    EXPECT_EQ(dialogs.asked.back(), "Float|X Rotation|0");
    EXPECT_NEAR(animated->GetXRotation(), Velmo::Util::pi / 4, 1e-6);
}

TEST(EditVisitor, TheRowsOfAnAnimatedTransformStateEditThatState)
{
    N4File n4;
    auto node = n4.n4->CreateAnimatedTransform(n4.n4->NewId(), "anim", "var", 1, 2, 3, 0, 0, 0, n4.Null());
    node->InsertState(0);
    node->InsertState(1);
    node->SetStateXTranslation(1, 5);
    node->SetStateZRotation(0, float(Velmo::Util::pi));
    const Rows rows = List(*node);
    // The rows of a label in listing order: the node's own first, then one per state.
    auto rowsOf = [&](const std::string& label) {
        std::vector<int> found;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].first == label)
                found.push_back(int(r));
        return found;
    };
    const std::vector<int> xRows = rowsOf("X Translation");
    ASSERT_EQ(xRows.size(), 3u);

    ScriptedDialogs dialogs;
    dialogs.number = 7;
    EXPECT_TRUE(Edit(*node, "X Translation", dialogs, xRows[2]).modified);
    EXPECT_EQ(dialogs.asked.back(), "Float|X Translation|5");
    EXPECT_EQ(node->GetStateXTranslation(1), 7);
    EXPECT_EQ(node->GetStateXTranslation(0), 0);
    EXPECT_EQ(node->GetXTranslation(), 1);

    const std::vector<int> zRows = rowsOf("Z Rotation");
    dialogs.number = 90;
    Edit(*node, "Z Rotation", dialogs, zRows[1]);
    EXPECT_TRUE(dialogs.asked.back().starts_with("Float|Z Rotation|180.0000")) << dialogs.asked.back();
    EXPECT_NEAR(node->GetStateZRotation(0), Velmo::Util::pi / 2, 1e-6);
    EXPECT_EQ(node->GetZRotation(), 0);

    // The node's own row, and a row index that does not hold the label: the node's own value.
    dialogs.number = 9;
    Edit(*node, "X Translation", dialogs, xRows[0]);
    Edit(*node, "Y Translation", dialogs, xRows[2]);
    EXPECT_EQ(node->GetXTranslation(), 9);
    EXPECT_EQ(node->GetYTranslation(), 9);
    EXPECT_EQ(node->GetStateYTranslation(1), 0);
    // The "State" rows themselves are not edited.
    dialogs.asked.clear();
    EXPECT_FALSE(Edit(*node, "State 1", dialogs, rowsOf("State 1")[0]).modified);
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{NotEditable});
}

TEST(EditVisitor, NamesAndFileNamesStopAtTheirLength)
{
    GplFile f;
    N4File n4;
    auto handle = f.gpl->CreateHandle("wheel", f.Null());
    auto classTexture = f.gpl->CreateClassTexture(f.gpl->NewId(), DisplayClass(0), "old", f.Null());
    auto texture = f.gpl->CreateTexture(f.gpl->NewId(), "old", f.Null());
    auto external = f.gpl->CreateExtObject(f.gpl->NewId(), "old");
    auto texture2 = n4.n4->CreateTexture2(n4.n4->NewId(), "old");
    auto appearance = n4.n4->CreateAppearance(n4.n4->NewId(), "look", 1, 1, 1, n4.Null(), n4.Null(), n4.Null(), 0);
    const std::string long300(300, 'n');
    const struct
    {
        ThreeDObject* node;
        const char* caption;
        int length;
        std::function<std::string()> stored;
    } cases[] = {
        {handle.Get(), "Name", 255, [&] { return handle->GetName(); }},
        {classTexture.Get(), "MIP", 8, [&] { return classTexture->GetTextureName(); }},
        {texture.Get(), "MIP", 8, [&] { return texture->GetTextureName(); }},
        {external.Get(), "3DO", 8, [&] { return external->GetObjectName(); }},
        // Names with their extension.
        {texture2.Get(), "MIP", 255, [&] { return texture2->GetFileName(); }},
        {appearance.Get(), "Name", 255, [&] { return appearance->GetName(); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        ScriptedDialogs dialogs;
        dialogs.text = long300;
        const std::string before = c.stored();
        EXPECT_TRUE(Edit(*c.node, c.caption, dialogs).modified);
        EXPECT_EQ(dialogs.asked,
                  std::vector<std::string>{"String(" + std::to_string(c.length) + ")|" + c.caption + "|" + before});
        EXPECT_EQ(c.stored(), std::string(std::size_t(c.length), 'n'));
    }
    // A name the file holds longer than its length is written back whole when left alone.
    {
        auto longName = f.gpl->CreateExtObject(f.gpl->NewId(), "longer_than_8.3do");
        ScriptedDialogs dialogs;
        EXPECT_TRUE(Edit(*longName, "3DO", dialogs).modified);
        EXPECT_EQ(longName->GetObjectName(), "longer_than_8.3do");
        dialogs.text = "longer_than_9.3do";
        Edit(*longName, "3DO", dialogs);
        EXPECT_EQ(longName->GetObjectName(), "longer_t");
    }
    // Only a handle's name is news for the tree.
    ScriptedDialogs dialogs;
    dialogs.text = "rear \xE9";
    const Result renamed = Edit(*handle, "Name", dialogs);
    EXPECT_TRUE(renamed.nameChanged);
    EXPECT_EQ(renamed.newName, "rear \xE9");
    EXPECT_FALSE(Edit(*appearance, "Name", dialogs).nameChanged);
}

TEST(EditVisitor, CountsAndVertexIndicesStayInTheirRange)
{
    GplFile f;
    N4File n4;
    auto numbers = f.gpl->CreateNumberList(f.gpl->NewId(), {4, -1});
    auto triangles = n4.n4->CreateTriangles(n4.n4->NewId(), {0, 1, 2});
    FakeFan fan;
    fan.indices = {0, 1, 2, 3};
    FakeMultipleTextures textures;
    const struct
    {
        ThreeDObject* node;
        const char* caption;
        int answer;
        const char* asked;
        std::function<long long()> stored;
    } cases[] = {
        {numbers.Get(), "Count", 5, "Int 0..65535|Count|2", [&] { return numbers->GetNumberCount(); }},
        {numbers.Get(), "Number 1", -7, "Int -2147483648..2147483647|Number 1|-1",
         [&] { return (long long)(Velmo::S32(numbers->GetNumber(1))); }},
        {&textures, "MIP Count", 0, "Int 0..65535|MIP Count|2", [&] { return textures.GetTextureCount(); }},
        {triangles.Get(), "Vertex Index 2", 9, "Int 0..2147483647|Vertex Index 2|2",
         [&] { return triangles->GetIndex(2); }},
        {&fan, "Vertex Index 3", 1, "Int 0..2147483647|Vertex Index 3|3", [&] { return fan.indices[3]; }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        ScriptedDialogs dialogs;
        dialogs.integer = c.answer;
        EXPECT_TRUE(Edit(*c.node, c.caption, dialogs).modified);
        EXPECT_EQ(dialogs.asked, std::vector<std::string>{c.asked});
        EXPECT_EQ(c.stored(), c.answer);
    }
    EXPECT_EQ(numbers->GetNumber(4), 0u) << "new numbers are 0";

    // A dialog that let a value outside the range through: refused before it reaches the node.
    const struct
    {
        ThreeDObject* node;
        const char* caption;
        int answer;
    } outside[] = {{numbers.Get(), "Count", 70000}, {numbers.Get(), "Count", -1}, {&fan, "Vertex Index 0", -1}};
    for (const auto& c : outside)
    {
        SCOPED_TRACE(c.caption);
        ScriptedDialogs dialogs;
        dialogs.integer = c.answer;
        ThreeDObjectEditVisitor visitor(-1, c.caption, dialogs);
        EXPECT_THROW(c.node->Accept(visitor), Velmo::Util::XAssertion);
        EXPECT_FALSE(visitor.Modified());
    }
    EXPECT_EQ(numbers->GetNumberCount(), 5);
    EXPECT_EQ(fan.indices[0], 0);
}

TEST(EditVisitor, DeleteChildAsksAndRemovesOnlyOnOk)
{
    GplFile f;
    auto list = f.ListOfThree();
    const int second = list->GetChild(1)->GetId();
    ScriptedDialogs dialogs;
    dialogs.ok = false;
    EXPECT_FALSE(Edit(*list, "Child 1", dialogs).modified);
    EXPECT_EQ(dialogs.asked, std::vector<std::string>{DeleteChild});
    EXPECT_EQ(list->GetChildCount(), 3);
    dialogs.ok = true;
    EXPECT_TRUE(Edit(*list, "Child 1", dialogs).modified);
    ASSERT_EQ(list->GetChildCount(), 2);
    EXPECT_NE(list->GetChild(1)->GetId(), second);

    FakeStateSwitch states;
    EXPECT_TRUE(Edit(states, "Child 0", dialogs).modified);
    EXPECT_EQ(states.children.size(), 1u);
    EXPECT_EQ(states.states, (std::vector<double>{10, 20}));
    dialogs.number = 15;
    Edit(states, "State 1", dialogs);
    EXPECT_EQ(states.states, (std::vector<double>{10, 15}));

    auto a = f.gpl->CreateExtObject(f.gpl->NewId(), "a");
    auto b = f.gpl->CreateExtObject(f.gpl->NewId(), "b");
    auto order = f.gpl->CreatePlaneOrder2(f.gpl->NewId(), Plane(0, 0, 1, 0), NodePointer(a), NodePointer(b));
    EXPECT_TRUE(Edit(*order, "Near Child", dialogs).modified);
    EXPECT_EQ(order->GetNearChild()->GetId(), -1);
    EXPECT_EQ(order->GetFarChild()->GetId(), a->GetId());

    auto splitter = f.gpl->CreateDistanceSplitter(f.gpl->NewId(), Vertex(), {NodePointer(a), NodePointer(b)}, {1, 2});
    dialogs.number = 3.5;
    Edit(*splitter, "Split Distance 1", dialogs);
    EXPECT_EQ(splitter->GetSplitDistance(1), 3.5);
    EXPECT_TRUE(Edit(*splitter, "Child 0", dialogs).modified);
    ASSERT_EQ(splitter->GetChildCount(), 1);
    EXPECT_EQ(splitter->GetChild(0)->GetId(), b->GetId());

    auto locator = f.Locator({NodePointer(a), NodePointer(b)});
    EXPECT_TRUE(Edit(*locator, "Object 0", dialogs).modified);
    EXPECT_EQ(dialogs.asked.back(), DeleteChild);
    ASSERT_EQ(locator->GetObjectCount(), 1);
    EXPECT_EQ(locator->GetObject(0)->GetId(), b->GetId());
}

TEST(EditVisitor, CancelChangesNothing)
{
    GplFile f;
    N4File n4;
    auto transformation = f.Transformation();
    auto handle = f.gpl->CreateHandle("wheel", f.Null());
    auto numbers = f.gpl->CreateNumberList(f.gpl->NewId(), {4, 5});
    auto list = f.ListOfThree();
    auto vertices = n4.n4->CreateVertices(n4.n4->NewId(), {Vertex(1, 2, 3)}, {Normal(0, 0, 1)}, {TextureVertex(0.5, 0.5)},
                                          {});
    FakeTransform transform;
    const NodeRow cases[] = {
        {transformation.Get(), "X Translation"}, {transformation.Get(), "Z Rotation"}, {handle.Get(), "Name"},
        {numbers.Get(), "Count"},                {numbers.Get(), "Number 0"},          {list.Get(), "Child 0"},
        {vertices.Get(), "Vertex 0"},            {vertices.Get(), "Texture Vertex 0"}, {&transform, "Y Rotation"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        const Rows before = List(*c.node);
        ScriptedDialogs dialogs;
        dialogs.ok = false;
        dialogs.number = 1;
        dialogs.integer = 1;
        dialogs.text = "x";
        dialogs.x = dialogs.y = dialogs.z = 9;
        const Result result = Edit(*c.node, c.caption, dialogs);
        EXPECT_FALSE(result.modified);
        EXPECT_FALSE(result.nameChanged);
        EXPECT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(List(*c.node), before);
    }
}

TEST(EditVisitor, RowsThatAreNotEditableSaySo)
{
    GplFile f;
    auto root = f.root;
    auto transformation = f.Transformation();
    auto handle = f.gpl->CreateHandle("wheel", NodePointer(transformation));
    auto list = f.ListOfThree();
    auto numbers = f.gpl->CreateNumberList(f.gpl->NewId(), {4});
    auto polygon = f.gpl->CreatePolygon(f.gpl->NewId(), {Vertex(), Vertex(1, 0, 0), Vertex(0, 1, 0)},
                                        Colour(1, 0, 0, 1), false, {}, false, {}, false, {});
    auto display = f.gpl->CreateDisplayClass(f.gpl->NewId(), DisplayClass(0), NodePointer(list));
    const NodeRow cases[] = {
        {root.Get(), "Type"},
        {root.Get(), "Name"},
        {f.gpl->GetNull().Get(), ""},
        {f.gpl->GetNull().Get(), "Name"},
        {transformation.Get(), "Child"},
        {transformation.Get(), "Id"},
        {transformation.Get(), "x rotation"},
        {transformation.Get(), "X Rotation "},
        {transformation.Get(), "Unknown"},
        {handle.Get(), "Child"},
        {handle.Get(), "Type"},
        {list.Get(), "Count"},
        {list.Get(), "Child"},
        {list.Get(), "Child 1x"},
        {list.Get(), "Child -1"},
        {list.Get(), "Child +1"},
        {list.Get(), "Child 99999999999"},
        {numbers.Get(), "Number"},
        {polygon.Get(), "Vertex Count"},
        {polygon.Get(), "Vertex 0"},
        {display.Get(), "Child 0"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.caption));
        const Rows before = List(*c.node);
        ScriptedDialogs dialogs;
        EXPECT_FALSE(Edit(*c.node, c.caption, dialogs).modified);
        // One message, and nothing below the node was asked (the walk stops at the node).
        EXPECT_EQ(dialogs.asked, std::vector<std::string>{NotEditable});
        EXPECT_EQ(List(*c.node), before);
    }
    EXPECT_EQ(list->GetChildCount(), 3);
}

TEST(EditVisitor, AnIndexTheNodeLacksIsRefusedBeforeAnyDialog)
{
    GplFile f;
    N4File n4;
    auto list = f.ListOfThree();
    auto numbers = f.gpl->CreateNumberList(f.gpl->NewId(), {4, 5});
    auto polygon = f.gpl->CreatePolygon(f.gpl->NewId(), {Vertex(), Vertex(1, 0, 0), Vertex(0, 1, 0)},
                                        Colour(1, 0, 0, 1), true, {Colour(), Colour(), Colour()}, false, {}, false, {});
    auto vertices = n4.n4->CreateVertices(n4.n4->NewId(), {Vertex(1, 2, 3)}, {Normal(0, 0, 1)}, {}, {});
    auto triangles = n4.n4->CreateTriangles(n4.n4->NewId(), {0, 1, 2});
    FakeStateSwitch states;
    FakeMultipleTextures textures;
    auto locator = f.Locator({f.P(list)});
    const NodeRow cases[] = {
        {list.Get(), "Child 3"},          {numbers.Get(), "Number 2"}, {polygon.Get(), "Shade 3"},
        {vertices.Get(), "Vertex 1"},     {vertices.Get(), "Normal 7"}, {triangles.Get(), "Vertex Index 3"},
        {&states, "State 3"},             {&states, "Child 2"},        {&textures, "MIP 2"},
        {list.Get(), "Child 2147483647"}, {locator.Get(), "Object 1"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        ScriptedDialogs dialogs;
        ThreeDObjectEditVisitor visitor(-1, c.caption, dialogs);
        EXPECT_THROW(c.node->Accept(visitor), Velmo::Util::XAssertion);
        EXPECT_TRUE(dialogs.asked.empty());
        EXPECT_FALSE(visitor.Modified());
    }
    EXPECT_EQ(list->GetChildCount(), 3);
    EXPECT_EQ(states.children.size(), 2u);
}

TEST(EditVisitor, VerticesNormalsTextureVerticesAndShades)
{
    N4File n4;
    auto vertices = n4.n4->CreateVertices(n4.n4->NewId(), {Vertex(1, 2, 3), Vertex(4, 5, 6)},
                                          {Normal(0, 0, 1), Normal(0, 1, 0)},
                                          {TextureVertex(0.1, 0.2), TextureVertex(0.3, 0.4)},
                                          {TextureVertex(0.5, 0.6), TextureVertex(0.7, 0.8)});
    ScriptedDialogs dialogs;
    dialogs.x = -1;
    Edit(*vertices, "Vertex 1", dialogs);
    EXPECT_EQ(dialogs.asked.back(), "Vertex|Vertex 1|4 5 6");
    EXPECT_EQ(vertices->GetVertex(1), Vertex(-1, 5, 6));
    dialogs.x = 1;
    dialogs.y = 0;
    dialogs.z = 0;
    Edit(*vertices, "Normal 0", dialogs);
    EXPECT_EQ(vertices->GetNormal(0), Normal(1, 0, 0));
    // A texture vertex: u in X, v in Y; Z shown greyed, and whatever comes back of it is dropped.
    const struct
    {
        const char* caption;
        const char* shown;
        TextureVertex (ThreeDObjectVertices::*get)(int) const;
        double u, v;
    } kinds[] = {
        {"Texture Vertex 1", "0.3 0.4 0", &ThreeDObjectVertices::GetTextureVertex, 0.75, 0.5},
        {"Specular Highlight Texture Vertex 1", "0.7 0.8 0", &ThreeDObjectVertices::GetSpecularTextureVertex, 0.25,
         0.125},
    };
    for (const auto& kind : kinds)
    {
        SCOPED_TRACE(kind.caption);
        dialogs.x = kind.u;
        dialogs.y = kind.v;
        dialogs.z = 99;
        EXPECT_TRUE(Edit(*vertices, kind.caption, dialogs).modified);
        EXPECT_EQ(dialogs.asked.back(), "Vertex NoZ|" + std::string(kind.caption) + "|" + kind.shown);
        EXPECT_NEAR(((*vertices).*kind.get)(1).GetU(), kind.u, 1e-6);
        EXPECT_NEAR(((*vertices).*kind.get)(1).GetV(), kind.v, 1e-6);
    }
    // Each kind wrote its own vertex.
    EXPECT_NEAR(vertices->GetTextureVertex(1).GetU(), 0.75, 1e-6);
    EXPECT_NEAR(vertices->GetSpecularTextureVertex(0).GetU(), 0.5, 1e-6);

    FakeShadedPolygon polygon;
    dialogs.colour = Colour(0, 1, 0, 0.5f);
    EXPECT_TRUE(Edit(polygon, "Shade 1", dialogs).modified);
    EXPECT_EQ(dialogs.asked.back(), "Colour|Shade 1|0.5 0.5 0.5 1");
    EXPECT_EQ(ValueOf(polygon, "Shade 1"), "(0 1 0 0.5)");
    EXPECT_EQ(polygon.shades[0], Colour(1, 1, 1, 1));
}

TEST(EditVisitor, EachFloatRowShowsAndWritesTheFieldItNames)
{
    const struct
    {
        const char* caption;
        int field;
    } cases[] = {
        {"X Translation", 0},   {"Y Translation", 1},   {"Z Translation", 2},
        {"Rotation Axis X", 3}, {"Rotation Axis Y", 4}, {"Rotation Axis Z", 5},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.caption);
        StoringBillboard billboard;
        ScriptedDialogs dialogs;
        dialogs.number = -7.5;
        EXPECT_TRUE(Edit(billboard, c.caption, dialogs).modified);
        EXPECT_EQ(dialogs.asked, std::vector<std::string>{"Float|" + std::string(c.caption) + "|" +
                                                          ValueParse::FormatDouble(c.field + 1)});
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(billboard.f[k], k == c.field ? -7.5 : k + 1) << k;
    }
}

TEST(EditVisitor, AFailingSetterLeavesModifiedAsItWas)
{
    ThrowingTransform transform;
    ScriptedDialogs dialogs;
    dialogs.number = 3;
    ThreeDObjectEditVisitor visitor(-1, "X Translation", dialogs);
    EXPECT_THROW(transform.Accept(visitor), Velmo::Util::XUsage);
    EXPECT_FALSE(visitor.Modified());
}

// Each delete label of each plane-order kind clears its own slot and no other; a label of
// another kind is not editable there.
TEST(EditVisitor, PlaneOrderDeleteLabelsClearTheirOwnSlot)
{
    GplFile f;
    typedef std::function<NodePointer()> Slot;
    struct Case
    {
        NodePointer order;
        std::vector<std::pair<std::string, Slot>> slots;
    };
    std::vector<NodePointer> objects;
    for (const char* name : {"a.3do", "b.3do", "c.3do", "d.3do"})
        objects.push_back(GplFile::P(f.gpl->CreateExtObject(f.gpl->NewId(), name)));
    const Plane plane(0, 0, 1, 0);
    const auto make = [&]() -> std::vector<Case> {
        auto two = f.gpl->CreatePlaneOrder2CullFrontBack(f.gpl->NewId(), plane, objects[0], objects[1]);
        auto three = f.gpl->CreatePlaneOrder3(f.gpl->NewId(), plane, objects[0], objects[1], objects[2]);
        auto threeFront = f.gpl->CreatePlaneOrder3CullFront(f.gpl->NewId(), plane, objects[0], objects[1], objects[2]);
        auto four = f.gpl->CreatePlaneOrder4CullFrontBack(f.gpl->NewId(), plane, objects[0], objects[1], objects[2],
                                                          objects[3]);
        return {{GplFile::P(two), {{"Front Child", [two] { return two->GetFrontChild(); }},
                                   {"Back Child", [two] { return two->GetBackChild(); }}}},
                {GplFile::P(three), {{"Far Child", [three] { return three->GetFarChild(); }},
                                     {"Middle Child", [three] { return three->GetMiddleChild(); }},
                                     {"Near Child", [three] { return three->GetNearChild(); }}}},
                {GplFile::P(threeFront), {{"Far Child", [threeFront] { return threeFront->GetFarChild(); }},
                                          {"Front Child", [threeFront] { return threeFront->GetFrontChild(); }},
                                          {"Near Child", [threeFront] { return threeFront->GetNearChild(); }}}},
                {GplFile::P(four), {{"Far Child", [four] { return four->GetFarChild(); }},
                                    {"Back Child", [four] { return four->GetBackChild(); }},
                                    {"Front Child", [four] { return four->GetFrontChild(); }},
                                    {"Near Child", [four] { return four->GetNearChild(); }}}}};
    };
    const std::size_t kinds = make().size();
    for (std::size_t k = 0; k < kinds; ++k)
    {
        const std::size_t labels = make()[k].slots.size();
        for (std::size_t deleted = 0; deleted < labels; ++deleted)
        {
            Case c = make()[k];
            SCOPED_TRACE(c.order->GetType() + " " + c.slots[deleted].first);
            std::vector<int> before;
            for (const auto& slot : c.slots)
                before.push_back(slot.second()->GetId());
            ScriptedDialogs dialogs;
            EXPECT_TRUE(Edit(*c.order, c.slots[deleted].first, dialogs).modified);
            EXPECT_EQ(dialogs.asked, std::vector<std::string>{DeleteChild});
            for (std::size_t s = 0; s < c.slots.size(); ++s)
                EXPECT_EQ(c.slots[s].second()->GetId(), s == deleted ? -1 : before[s]) << c.slots[s].first;
        }
        // "Middle Child" belongs to the three-way order alone.
        Case c = make()[k];
        ScriptedDialogs dialogs;
        const bool middle = c.slots.size() == 3 && c.slots[1].first == "Middle Child";
        EXPECT_EQ(Edit(*c.order, "Middle Child", dialogs).modified, middle);
        if (!middle)
        {
            EXPECT_EQ(dialogs.asked, std::vector<std::string>{NotEditable});
        }
    }
}

// The tree pane's context menu on an empty GPL file in memory: which popup fits a node, and
// the inserts.
#include <gtest/gtest.h>

#include "FakeNodes.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectTreeEditVisitor.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
struct EmptyFile
{
    CountedPointer<GPLTdoFile> gpl{new GPLTdoFile};
    CountedPointer<TdoFile> file{gpl};
    CountedPointer<ThreeDObjectRoot> root = gpl->CreateRoot(GPLTdoFile::RootId, {gpl->GetNull()});
};

int Query(ThreeDObjectTreeEditVisitor& visitor, ThreeDObject& node)
{
    visitor.SetMode(ThreeDObjectTreeEditVisitor::Query);
    visitor.SetPopupIndex(-1);
    node.Accept(visitor);
    return visitor.GetPopupIndex();
}

bool Apply(ThreeDObjectTreeEditVisitor& visitor, ThreeDObject& node, int command)
{
    visitor.SetMode(ThreeDObjectTreeEditVisitor::Apply);
    visitor.SetCommand(command);
    visitor.SetChanged(false);
    node.Accept(visitor);
    return visitor.IsChanged();
}
} // namespace

TEST(TreeEdit, InsertsWithNewIdsAndPopups)
{
    EmptyFile f;
    ThreeDObjectTreeEditVisitor visitor;
    visitor.SetFile(f.file);
    EXPECT_EQ(visitor.GetPopupIndex(), -1);
    EXPECT_EQ(Query(visitor, *f.root), 0);

    // Insert Handle: an unnamed handle over the null node, last under the root.
    ASSERT_TRUE(Apply(visitor, *f.root, 34000));
    ASSERT_EQ(f.root->GetChildCount(), 2);
    CountedPointer<ThreeDObjectHandle> handle;
    handle = f.root->GetChild(1);
    ASSERT_TRUE(handle.Get() != nullptr);
    EXPECT_EQ(handle->GetName(), "");
    EXPECT_EQ(handle->GetObject()->GetId(), -1);
    EXPECT_EQ(Query(visitor, *handle), 1);

    // Insert Object List under the handle: the handle now shows it.
    ASSERT_TRUE(Apply(visitor, *handle, 34001));
    CountedPointer<ThreeDObjectObjectList> list;
    list = handle->GetObject();
    ASSERT_TRUE(list.Get() != nullptr);
    EXPECT_EQ(list->GetId(), 0x40000004);
    EXPECT_EQ(list->GetChildCount(), 0);
    EXPECT_EQ(Query(visitor, *list), 2);

    // Insert Transformation into the list: appended, a unit transformation over the null node.
    ASSERT_TRUE(Apply(visitor, *list, 34002));
    ASSERT_EQ(list->GetChildCount(), 1);
    CountedPointer<ThreeDObjectTransformation> transformation;
    transformation = list->GetChild(0);
    ASSERT_TRUE(transformation.Get() != nullptr);
    EXPECT_EQ(transformation->GetId(), 0x40000008);
    EXPECT_EQ(transformation->GetScale(), 1.0);
    EXPECT_EQ(transformation->GetXTranslation(), 0.0);
    EXPECT_EQ(transformation->GetZRotation(), 0.0);
    EXPECT_EQ(transformation->GetChild()->GetId(), -1);
    EXPECT_EQ(Query(visitor, *transformation), 3);

    // Insert External Object on the transformation: it replaces the child.
    ASSERT_TRUE(Apply(visitor, *transformation, 34003));
    CountedPointer<ThreeDObjectExtObject> external;
    external = transformation->GetChild();
    ASSERT_TRUE(external.Get() != nullptr);
    EXPECT_EQ(external->GetId(), 0x4000000C);
    EXPECT_EQ(external->GetObjectName(), "");
    EXPECT_EQ(Query(visitor, *external), -1);

    // Insert Number List into the list: appended after the transformation.
    ASSERT_TRUE(Apply(visitor, *list, 34004));
    ASSERT_EQ(list->GetChildCount(), 2);
    EXPECT_EQ(list->GetChild(0)->GetId(), 0x40000008);
    CountedPointer<ThreeDObjectNumberList> numbers;
    numbers = list->GetChild(1);
    ASSERT_TRUE(numbers.Get() != nullptr);
    EXPECT_EQ(numbers->GetId(), 0x40000010);
    EXPECT_EQ(numbers->GetNumberCount(), 0);

    // Insert External Object on the handle replaces the list; the list stays in the file.
    ASSERT_TRUE(Apply(visitor, *handle, 34003));
    EXPECT_EQ(handle->GetObject()->GetId(), 0x40000014);
    EXPECT_EQ(f.file->GetSubObject(0x40000004).Get(), list.Get());
}

TEST(TreeEdit, CommandsThatDoNotFitChangeNothing)
{
    EmptyFile f;
    ThreeDObjectTreeEditVisitor visitor;
    visitor.SetFile(f.file);
    // The root takes only Insert Handle; a handle, list or transformation not Insert Handle.
    EXPECT_FALSE(Apply(visitor, *f.root, 34001));
    EXPECT_EQ(f.root->GetChildCount(), 1);
    auto list = f.gpl->CreateObjectList(f.gpl->NewId(), {});
    EXPECT_FALSE(Apply(visitor, *list, 34000));
    EXPECT_FALSE(Apply(visitor, *list, 12345));
    EXPECT_EQ(list->GetChildCount(), 0);
    // Other kinds: no popup, nothing made, no child walked.
    auto external = f.gpl->CreateExtObject(f.gpl->NewId(), "x.3do");
    EXPECT_EQ(Query(visitor, *external), -1);
    EXPECT_FALSE(Apply(visitor, *external, 34001));
    // Every id so far went to a node that exists.
    EXPECT_EQ(f.gpl->NewId(), external->GetId() + 4);
}

TEST(TreeEdit, AFactoryTheGameLacksReachesTheCaller)
{
    // A file of a game without the factory: the base's assertion "false" passes through.
    class NoFactories : public TdoFile
    {
    public:
        CountedPointer<ThreeDObjectRoot> GetRoot() const override { return {}; }
        Node GetSubObject(int) const override { return Null(); }
        CountedPointer<ThreeDObjectNull> GetNull() const override
        {
            CountedPointer<ThreeDObjectNull> null;
            null = Null();
            return null;
        }
        CountedPointer<ThreeDObjectHandle> FindHandle(const std::string&) const override { return {}; }
        int NewId() override { return ++ids; }
        void Save(CountedPointer<Velmo::Util::BinaryStream>&) override {}
        int ids = 0;
    };
    CountedPointer<NoFactories> file(new NoFactories);
    ThreeDObjectTreeEditVisitor visitor;
    visitor.SetFile(CountedPointer<TdoFile>(file));
    FakeTransformation transformation;
    try
    {
        Apply(visitor, transformation, 34004);
        ADD_FAILURE() << "no exception";
    }
    catch (const Velmo::Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
    }
    EXPECT_FALSE(visitor.IsChanged());
    EXPECT_EQ(file->ids, 1) << "the id is taken before the node is made";
}

TEST(TreeEdit, OtherKindsAnswerNoPopupAndChangeNothingBelowThem)
{
    // A display class over an object list over two more lists: nothing below it may answer.
    EmptyFile f;
    auto inner1 = f.gpl->CreateObjectList(f.gpl->NewId(), {});
    auto inner2 = f.gpl->CreateObjectList(f.gpl->NewId(), {});
    auto transformation = f.gpl->CreateTransformation(f.gpl->NewId(), 0, 0, 0, 0, 0, 0, 1, f.gpl->GetNull());
    auto list = f.gpl->CreateObjectList(f.gpl->NewId(), {NodePointer(inner1), NodePointer(transformation),
                                                          NodePointer(inner2)});
    auto display = f.gpl->CreateDisplayClass(f.gpl->NewId(), DisplayClass(0), NodePointer(list));
    auto proxy = f.gpl->CreateProxy(f.gpl->NewId(), NodePointer(display));
    const int nextId = f.gpl->NewId();

    ThreeDObjectTreeEditVisitor visitor;
    visitor.SetFile(f.file);
    for (ThreeDObject* node : {static_cast<ThreeDObject*>(display.Get()), static_cast<ThreeDObject*>(proxy.Get())})
    {
        EXPECT_EQ(Query(visitor, *node), -1);
        for (int command : {34000, 34001, 34002, 34003, 34004})
            EXPECT_FALSE(Apply(visitor, *node, command)) << command;
    }
    EXPECT_EQ(list->GetChildCount(), 3);
    EXPECT_EQ(inner1->GetChildCount(), 0);
    EXPECT_EQ(inner2->GetChildCount(), 0);
    EXPECT_EQ(transformation->GetChild()->GetId(), -1);
    EXPECT_EQ(f.root->GetChildCount(), 1);
    EXPECT_EQ(f.gpl->NewId(), nextId + 4) << "no id was taken";
}

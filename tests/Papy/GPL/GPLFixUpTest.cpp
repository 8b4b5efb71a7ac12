// The track and car fix-ups: a loaded track becomes its track tree, a car file its car root,
// and every shape a fix-up relies on is checked.
#include <gtest/gtest.h>

#include "GPLPrimBuilder.h"
#include "Papy/GPL/GPLCarRoot.h"
#include "Papy/GPL/GPLObjectLocator.h"
#include "Papy/GPL/GPLObjectLocatorList.h"
#include "Papy/GPL/GPLTrackDetailSplit.h"
#include "Papy/GPL/GPLTrackDrawingDistances.h"
#include "Papy/GPL/GPLTrackIndex.h"
#include "Papy/GPL/GPLTrackLink.h"
#include "Papy/GPL/GPLTrackRoot.h"
#include "Papy/GPL/GPLTrackSections.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XAssertion;
using PB = VelmoTest::PrimBuilder;

namespace
{
template <class T>
bool Is(const CountedPointer<GPLTdoFile>& file, std::uint32_t id)
{
    return dynamic_cast<T*>(file->GetSubObject(int(id)).Get()) != nullptr;
}

// The expression of the assertion a load fails with, or "(loaded)".
std::string AssertionOf(const Bytes& bytes)
{
    try
    {
        Load(bytes);
    }
    catch (const XAssertion& e)
    {
        // The conversions' checks name the loader's unit and a fixed line.
        if (std::string(e.GetFile()) == ".\\GPLTdoFile.cpp")
            return std::string(e.GetExpression()) + " (" + e.GetFile() + ": " + std::to_string(e.GetLine()) + ")";
        return e.GetExpression();
    }
    return "(loaded)";
}
} // namespace

TEST(GPLFixUp, TrackFileBecomesItsTrackTree)
{
    PB b;
    b.AddTrack({"loc1", "loc2"}, 3);
    b.Add("loc1", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Ref("detail"), {PB::Ref("detail")}));
    b.Add("loc2", PB::Locator({PB::Ref("loc1"), PB::Null, PB::Null, PB::Null}, PB::Null, {}));
    auto file = Load(FileWithPrim(b.Build("top")));

    EXPECT_TRUE(Is<GPLTrackRoot>(file, b.Offset("top")));
    EXPECT_TRUE(Is<GPLTrackSections>(file, b.Offset("sections")));
    EXPECT_TRUE(Is<GPLTrackDrawingDistances>(file, b.Offset("distances")));
    EXPECT_TRUE(Is<GPLTrackIndex>(file, b.Offset("index")));
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_TRUE(Is<GPLTrackDetailSplit>(file, b.Offset("split" + std::to_string(i))));
        EXPECT_TRUE(Is<GPLTrackLink>(file, b.Offset("links" + std::to_string(i))));
    }
    EXPECT_TRUE(Is<GPLObjectLocatorList>(file, b.Offset("locators")));
    EXPECT_TRUE(Is<GPLObjectLocator>(file, b.Offset("loc1")));
    EXPECT_EQ(file->GetRoot()->GetChild(0)->GetType(), "4");

    // The typed nodes answer from the lists they replaced ...
    CountedPointer<ThreeDObjectTrackSections> sections;
    sections = file->GetSubObject(int(b.Offset("sections")));
    ASSERT_EQ(sections->GetSectionCount(), 3);
    EXPECT_EQ(sections->GetSection(2)->GetId(), int(b.Offset("split2")));
    CountedPointer<ThreeDObjectTrackDrawingDistances> distances;
    distances = file->GetSubObject(int(b.Offset("distances")));
    ASSERT_EQ(distances->GetRecordCount(), 2);
    EXPECT_EQ(distances->GetFourthValue(1), 8);

    CountedPointer<ThreeDObjectTrackDetailSplit> split;
    split = file->GetSubObject(int(b.Offset("split1")));
    EXPECT_EQ(split->GetLevelCount(), 3);
    EXPECT_EQ(split->GetLevelChildCount(3), 0);
    try
    {
        split->GetLevelChild(3, 0);
        ADD_FAILURE();
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
    }
    CountedPointer<ThreeDObjectTrackLink> links;
    links = split->GetLinks();
    ASSERT_TRUE(links.Get());
    EXPECT_EQ(links->GetLink(0), 1);

    // ... and write back the records they were read from; the two distances after the last
    // whole record are kept too.
    for (const char* label : {"top", "sections", "index", "split1", "links1", "locators", "distances"})
        EXPECT_EQ(WrittenBytes(*file->GetSubObject(int(b.Offset(label))), b.Offset(label)), b.RecordOf(label))
            << label;
    EXPECT_EQ(WrittenBytes(*distances, 0), WordBytes({16, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(distances->GetFileOffset(), 0u);
}

TEST(GPLFixUp, CarFileGetsItsCarRootAndOtherNodesKeepTheirKinds)
{
    PB b;
    b.Add("top", PB::ObjectList({PB::Ref("shadow"), PB::Ref("cockpit"), PB::Ref("car")}));
    b.Add("shadow", PB::StateValueSetter());
    b.Add("cockpit", PB::ObjectList({PB::Ref("fixer")}));
    b.Add("car", PB::StateValueSetter());
    b.Add("fixer", PB::VertexFixer());
    auto file = Load(FileWithPrim(b.Build("top")));
    CountedPointer<ThreeDObjectCarRoot> car;
    car = file->GetSubObject(int(b.Offset("top")));
    ASSERT_TRUE(car.Get());
    EXPECT_EQ(car->GetType(), "4");
    EXPECT_EQ(car->GetShadow()->GetId(), int(b.Offset("shadow")));
    EXPECT_EQ(car->GetCar()->GetId(), int(b.Offset("car")));
    EXPECT_EQ(car->GetCockpit()->GetType(), "4");
    EXPECT_TRUE(dynamic_cast<ThreeDObjectObjectList*>(car->GetCockpit().Get()) != nullptr);
    EXPECT_EQ(WrittenBytes(*car, b.Offset("top")), b.RecordOf("top"));
}

TEST(GPLFixUp, AFileWithLocatorAndFixerIsATrack)
{
    PB b;
    b.AddTrack({"loc"});
    b.Add("loc", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Ref("fixer"), {}));
    b.Add("fixer", PB::VertexFixer());
    auto file = Load(FileWithPrim(b.Build("top")));
    EXPECT_TRUE(Is<GPLTrackRoot>(file, b.Offset("top")));
}

TEST(GPLFixUp, EachShapeCheckIsReachedByACraftedFile)
{
    struct Case
    {
        const char* name;
        std::function<void(PB&)> change; // replaces records of a valid track
        const char* assertion;
    };
    auto setter = [](PB& b, const std::string& label) { b.Add(label, PB::StateValueSetter()); };
    const std::vector<Case> cases = {
        {"top not a list", [&](PB& b) { b.Add("top", PB::NumberList({1})); }, "ol != 0 (.\\GPLTdoFile.cpp: 2070)"},
        {"top of three", [](PB& b) { b.Add("top", PB::ObjectList({PB::Ref("sections"), PB::Ref("distances"),
                                                                   PB::Ref("detail")})); },
         "ol.GetChildCount() == 2"},
        {"sections not a list", [](PB& b) { b.Add("top", PB::ObjectList({PB::Ref("index"), PB::Ref("distances")})); },
         "ol != 0 (.\\GPLTdoFile.cpp: 2070)"},
        {"distances not numbers",
         [](PB& b) { b.Add("top", PB::ObjectList({PB::Ref("sections"), PB::Ref("locators")})); }, "nl != 0 (.\\GPLTdoFile.cpp: 2063)"},
        {"two sections", [](PB& b) { b.Add("sections", PB::ObjectList({PB::Ref("index"), PB::Ref("locators")})); },
         "object_count >= 3"},
        {"index not numbers",
         [](PB& b) { b.Add("sections", PB::ObjectList({PB::Ref("detail"), PB::Ref("split0"), PB::Ref("locators")})); },
         "nl != 0 (.\\GPLTdoFile.cpp: 2063)"},
        {"section not a list",
         [](PB& b) { b.Add("sections", PB::ObjectList({PB::Ref("index"), PB::Ref("index"), PB::Ref("locators")})); },
         "ol != 0 (.\\GPLTdoFile.cpp: 2070)"},
        {"locators not a list",
         [](PB& b) { b.Add("sections", PB::ObjectList({PB::Ref("index"), PB::Ref("split0"), PB::Ref("detail")})); },
         "ol != 0 (.\\GPLTdoFile.cpp: 2070)"},
        {"split of seven",
         [](PB& b) {
             b.Add("split0", PB::ObjectList({PB::Ref("detail"), PB::Ref("detail"), PB::Ref("detail"), PB::Ref("detail"),
                                             PB::Ref("detail"), PB::Ref("detail"), PB::Ref("links0")}));
         },
         "object_count == 8"},
        {"links not numbers",
         [](PB& b) {
             std::vector<PB::Word> levels(8, PB::Ref("detail"));
             b.Add("split0", PB::ObjectList(levels));
         },
         "nl != 0 (.\\GPLTdoFile.cpp: 2063)"},
        {"three links", [](PB& b) { b.Add("links0", PB::NumberList({1, 2, 3})); }, "number_count == 4"},
    };
    for (const auto& c : cases)
    {
        PB b;
        b.AddTrack({"loc"});
        b.Add("loc", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Null, {}));
        c.change(b); // a record added again under a label takes the label's references
        setter(b, "spare");
        EXPECT_EQ(AssertionOf(FileWithPrim(b.Build("top"))), c.assertion) << c.name;
    }

    // The car's top: not a list, or not of three.
    PB notList;
    notList.Add("fixer", PB::VertexFixer());
    EXPECT_EQ(AssertionOf(FileWithPrim(notList.Build("fixer"))), "ol != 0 (.\\GPLTdoFile.cpp: 2132)");
    PB two;
    two.Add("top", PB::ObjectList({PB::Ref("fixer"), PB::Ref("fixer")}));
    two.Add("fixer", PB::VertexFixer());
    EXPECT_EQ(AssertionOf(FileWithPrim(two.Build("top"))), "ol.GetChildCount() == 3");
}

TEST(GPLFixUp, SharedNodesAndHandlesAreConvertedOnce)
{
    // Two sections share one detail split, and handles name the track's top and a split.
    PB b;
    b.Add("top", PB::ObjectList({PB::Ref("sections"), PB::Ref("distances")}));
    b.Add("sections", PB::ObjectList({PB::Ref("index"), PB::Ref("split0"), PB::Ref("split0"), PB::Ref("locators")}));
    b.Add("distances", PB::NumberList({1, 2, 3, 4}));
    b.Add("index", PB::NumberList({}));
    std::vector<PB::Word> levels(7, PB::Ref("detail"));
    levels.push_back(PB::Ref("links0"));
    b.Add("split0", PB::ObjectList(levels));
    b.Add("links0", PB::NumberList({1, 2, 3, 4}));
    b.Add("detail", PB::StateValueSetter());
    b.Add("locators", PB::ObjectList({PB::Ref("loc"), PB::Null}));
    b.Add("loc", PB::Locator({PB::Null, PB::Null, PB::Null, PB::Null}, PB::Null, {}));
    ByteBuilder hand;
    hand.U32(0).U32(b.Offset("top")).U32(0).U32(b.Offset("split0"));
    auto file = Load(FileWithPrim(b.Build("top"), {{"HAND", hand.Get()}}));
    EXPECT_TRUE(Is<GPLTrackRoot>(file, b.Offset("top")));
    EXPECT_TRUE(Is<GPLTrackDetailSplit>(file, b.Offset("split0")));
    EXPECT_TRUE(Is<GPLTrackLink>(file, b.Offset("links0")));
    EXPECT_EQ(file->GetRoot()->GetChildCount(), 3);
}

TEST(GPLFixUp, TypedNodesFromValues)
{
    GPLTdoFile file;
    const std::uint32_t null = 0xFFFFFFFF;
    GPLTrackSections sections(file, file.NewId(), null, {null}, null);
    EXPECT_EQ(sections.GetSectionCount(), 1);
    EXPECT_EQ(WrittenBytes(sections, 8), WordBytes({4, 3, null, null, null}));
    EXPECT_EQ(sections.GetFileOffset(), 8u);
    const int links[4] = {5, 6, 7, -1};
    GPLTrackLink link(file, file.NewId(), links);
    EXPECT_EQ(WrittenBytes(link, 0), WordBytes({16, 4, 5, 6, 7, 0xFFFFFFFF}));
    GPLTrackDrawingDistances distances(file, file.NewId(), {{1, 2, 3, 4}});
    EXPECT_EQ(WrittenBytes(distances, 0), WordBytes({16, 4, 1, 2, 3, 4}));
    const std::uint32_t grid[7] = {null, null, null, null, null, null, null};
    GPLTrackDetailSplit split(file, file.NewId(), grid, null);
    EXPECT_EQ(WrittenBytes(split, 0).size(), 40u);
}

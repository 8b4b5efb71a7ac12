// Number lists, object locators and external objects.
#include <gtest/gtest.h>

#include "GPLPrimBuilder.h"
#include "Papy/GPL/GPLObjectLocator.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XFileFormat;
using PB = VelmoTest::PrimBuilder;

namespace
{
// A locator at 4 with siblings and child -1 and n objects naming the anchor behind it.
std::vector<std::uint32_t> LocatorWords(std::uint32_t n, std::vector<std::uint32_t> reserved = {0xFFFFFFFF, 0, 0, 0, 0})
{
    std::vector<std::uint32_t> words{15, 3, 0xFFFFFFFF, 2, 0xFFFFFFFF, 1, 0xFFFFFFFF, 0, 0xFFFFFFFF, 0xFFFFFFFF};
    words.insert(words.end(), reserved.begin(), reserved.end());
    words.push_back(n);
    const std::uint32_t anchor = 4 + 64 + 16 * n;
    for (std::uint32_t i = 0; i < n; ++i)
        for (std::uint32_t w : {0x3F800000u + i, 0x40000000u, 0xC0400000u, anchor})
            words.push_back(w);
    return words;
}

template <class E>
std::string MessageOf(const Bytes& file)
{
    try
    {
        Load(file);
    }
    catch (const E& e)
    {
        return e.GetMessage();
    }
    return "(loaded)";
}
} // namespace

TEST(GPLNumberList, ReadsWritesAndResizes)
{
    const Bytes record = WordBytes({16, 5, 1, 2, 3, 4, 0xFFFFFFFF});
    auto file = LoadWithAnchor(record);
    CountedPointer<ThreeDObjectNumberList> list;
    list = file->GetSubObject(4);
    ASSERT_TRUE(list.Get());
    EXPECT_EQ(list->GetType(), "16");
    EXPECT_EQ(WrittenBytes(*list, 4), record);
    EXPECT_EQ(list->GetNumber(4), 0xFFFFFFFFu);
    list->SetNumberCount(3);
    EXPECT_EQ(WrittenBytes(*list, 4), WordBytes({16, 3, 1, 2, 3}));
    list->SetNumberCount(7);
    list->SetNumber(6, 9);
    EXPECT_EQ(WrittenBytes(*list, 4), WordBytes({16, 7, 1, 2, 3, 0, 0, 0, 9}));
    EXPECT_EQ(WrittenBytes(*LoadWithAnchor(WordBytes({16, 0}))->GetSubObject(4), 4), WordBytes({16, 0}));
    EXPECT_THROW(Load(FileWithPrim(WordBytes({4, 16, 0x10000000, 1}))), Velmo::Util::XFileRead);
}

TEST(GPLObjectLocator, ReservedWordsAreCheckedInOrderWithOrWithoutStrict)
{
    struct Case
    {
        std::vector<std::uint32_t> reserved;
        const char* message;
    };
    const Case cases[] = {
        {{0, 1, 1, 1, 1}, "GPL 3DO Object Locator reserved1 not -1"},
        {{0xFFFFFFFF, 1, 1, 0, 0}, "GPL 3DO Object Locator reserved2 not zero"},
        {{0xFFFFFFFF, 0, 1, 1, 0}, "GPL 3DO Object Locator reserved3 not zero"},
        {{0xFFFFFFFF, 0, 0, 0x80000000, 1}, "GPL 3DO Object Locator reserved4 not zero"},
        {{0xFFFFFFFF, 0, 0, 0, 1}, "GPL 3DO Object Locator reserved5 not zero"},
    };
    for (bool strict : {false, true})
    {
        StrictGuard guard(strict);
        for (const auto& c : cases)
        {
            std::vector<std::uint32_t> prim{4};
            for (std::uint32_t w : LocatorWords(0, c.reserved))
                prim.push_back(w);
            EXPECT_EQ(MessageOf<XFileFormat>(FileWithPrim(WordBytes(prim))), c.message);
        }
    }
    // Entries counted beyond the section are a short read, refused before room is made.
    std::vector<std::uint32_t> prim{4};
    for (std::uint32_t w : LocatorWords(0))
        prim.push_back(w);
    prim.back() = 0x0FFFFFFF;
    EXPECT_THROW(Load(FileWithPrim(WordBytes(prim))), Velmo::Util::XFileRead);
}

// A file holding a locator is a track, so locators are tested inside a minimal track.
TEST(GPLObjectLocator, ReadsInterleavedPairsAndWritesBack)
{
    PB b;
    b.AddTrack({"loc"});
    std::vector<PB::Word> words{15, 3, PB::Null, 2, PB::Null, 1, PB::Null, 0, PB::Null, PB::Null,
                                0xFFFFFFFF, 0, 0, 0, 0, 2};
    for (std::uint32_t i = 0; i < 2; ++i)
        for (PB::Word w : {PB::Word(0x3F800000u + i), PB::Word(0x40000000u), PB::Word(0xC0400000u), PB::Ref("obj")})
            words.push_back(w);
    b.Add("loc", words);
    b.Add("obj", PB::StateValueSetter());
    auto file = Load(FileWithPrim(b.Build("top")));
    const int at = int(b.Offset("loc"));
    const int obj = int(b.Offset("obj"));
    CountedPointer<ThreeDObjectObjectLocator> locator;
    locator = file->GetSubObject(at);
    ASSERT_TRUE(locator.Get());
    EXPECT_EQ(locator->GetType(), "15");
    EXPECT_EQ(WrittenBytes(*locator, at), b.RecordOf("loc"));
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(locator->GetPlaneId(i), std::uint32_t(3 - i));
        EXPECT_EQ(locator->GetSibling(i)->GetId(), -1);
    }
    EXPECT_EQ(locator->GetPlane(3), Plane(1, 0, 0, 0));
    ASSERT_EQ(locator->GetObjectCount(), 2);
    EXPECT_EQ(locator->GetObjectX(1), 1.0000001f);
    EXPECT_EQ(locator->GetObjectY(0), 2.0f);
    EXPECT_EQ(locator->GetObjectZ(0), -3.0f);
    EXPECT_EQ(locator->GetObject(1)->GetId(), obj);
    EXPECT_EQ(locator->GetChild()->GetId(), -1);

    // Editing: an equal plane is reused, objects are added and removed in step.
    locator->SetPlane(0, Plane(0, 1, 0, 0));
    EXPECT_EQ(locator->GetPlaneId(0), 1u);
    locator->SetPlane(1, Plane(5, 5, 5, 5));
    EXPECT_EQ(locator->GetPlaneId(1), 4u);
    locator->DeleteObject(0);
    locator->AddObject(file->GetNull(), 0.1, 0.2, 0.3);
    ASSERT_EQ(locator->GetObjectCount(), 2);
    EXPECT_EQ(locator->GetObjectX(0), 1.0000001f);
    EXPECT_EQ(locator->GetObjectZ(1), 0.3f);
    locator->SetSibling(2, file->GetSubObject(obj));
    locator->SetChild(file->GetSubObject(obj));
    EXPECT_EQ(locator->GetSibling(2)->GetId(), obj);
    const Bytes written = WrittenBytes(*locator, 8);
    EXPECT_EQ(written.size(), 64u + 32u);
    EXPECT_EQ(Bytes(written.begin() + 20, written.begin() + 44),
              WordBytes({1, std::uint32_t(obj), 0, 0xFFFFFFFF, std::uint32_t(obj), 0xFFFFFFFF}));
    EXPECT_EQ(Bytes(written.begin() + 92, written.end()), WordBytes({0xFFFFFFFF}));
}

TEST(GPLObjectLocator, EmptyLocatorIsSixtyFourBytesAndWalksSkipTheSiblings)
{
    PB b;
    b.AddTrack({"loc"});
    b.Add("loc", PB::Locator({PB::Ref("s"), PB::Ref("s"), PB::Ref("s"), PB::Ref("s")}, PB::Ref("c"), {}));
    b.Add("s", PB::StateValueSetter());
    b.Add("c", PB::StateValueSetter());
    auto file = Load(FileWithPrim(b.Build("top")));
    auto node = file->GetSubObject(int(b.Offset("loc")));
    EXPECT_EQ(WrittenBytes(*node, 4), b.RecordOf("loc"));
    EXPECT_EQ(b.RecordOf("loc").size(), 64u);

    struct Seen : ThreeDObjectVisitor
    {
        void Visit(ThreeDObject& n) override { ids.push_back(n.GetId()); }
        std::vector<int> ids;
    } seen;
    node->Accept(seen);
    EXPECT_EQ(seen.ids, std::vector<int>{int(b.Offset("c"))});
}

TEST(GPLExtObject, SecondWordIsCheckedOnlyUnderStrictAndWrittenAsZero)
{
    const Bytes record = WordBytes({14, 0, 5});
    {
        StrictGuard strict(false);
        auto file = LoadWithAnchor(record);
        CountedPointer<ThreeDObjectExtObject> ext;
        ext = file->GetSubObject(4);
        ASSERT_TRUE(ext.Get());
        EXPECT_EQ(ext->GetType(), "14");
        EXPECT_EQ(ext->GetObjectName(), "obj");
        EXPECT_EQ(WrittenBytes(*ext, 4), WordBytes({14, 0, 0}));
        // An equal string is reused; a new one is appended after the last.
        ext->SetObjectName("obj");
        EXPECT_EQ(file->GetStrings().size(), 1u);
        ext->SetObjectName("car");
        EXPECT_EQ(WrittenBytes(*ext, 4), WordBytes({14, 4, 0}));
    }
    StrictGuard strict(true);
    EXPECT_EQ(MessageOf<XFileFormat>(FileWithPrim(WordBytes({4}) + record)), "GPL 3DO type 14 second word not zero");
    EXPECT_NO_THROW(LoadWithAnchor(WordBytes({14, 0, 0})));
    // A name that is no string of the file fails at load.
    EXPECT_THROW(LoadWithAnchor(WordBytes({14, 1, 0})), Velmo::Util::XAssertion);
}

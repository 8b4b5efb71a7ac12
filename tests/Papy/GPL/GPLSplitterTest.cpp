// The five splitters: records read and written back, their checks and answers.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "GPLPrimBuilder.h"
#include "Papy/GPL/GPLDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XFileFormat;
using Velmo::Util::XFileRead;

namespace
{
std::uint32_t FloatWord(float f)
{
    std::uint32_t w;
    std::memcpy(&w, &f, 4);
    return w;
}

// A splitter record whose entries all name the anchor behind it.
Bytes Splitter(std::uint32_t sub, std::uint32_t word, std::uint32_t op, const std::vector<std::uint32_t>& thresholds)
{
    const std::uint32_t anchor = 4 + 20 + 8 * std::uint32_t(thresholds.size());
    std::vector<std::uint32_t> words{17, sub, word, op, std::uint32_t(thresholds.size())};
    for (std::uint32_t t : thresholds)
    {
        words.push_back(t);
        words.push_back(anchor);
    }
    return WordBytes(words);
}
} // namespace

TEST(GPLSplitter, EachKindReadsAndWritesBackByteIdentically)
{
    struct Case
    {
        const char* type;
        Bytes record;
    };
    const Case cases[] = {
        {"17.0", Splitter(0, 0, 2, {FloatWord(10.5f), FloatWord(std::nanf("1")), FloatWord(-0.0f)})},
        {"17.1", Splitter(1, 0, 1, {7, 0xFFFFFFFF})},
        {"17.2", Splitter(2, 0, 3, {})},
        {"17.3", Splitter(3, 12, 4, {1, 2, 3})},
        {"17.4", Splitter(4, 0xFFFFFFFF, 5, {0, 9})},
    };
    for (const auto& c : cases)
    {
        auto file = LoadWithAnchor(c.record);
        auto node = file->GetSubObject(4);
        EXPECT_EQ(node->GetType(), c.type);
        EXPECT_EQ(WrittenBytes(*node, 4), c.record) << c.type;
        // The anchor was read from where the splitter ended.
        EXPECT_EQ(file->GetSubObject(4 + int(c.record.size()))->GetType(), "20") << c.type;
    }
}

TEST(GPLSplitter, AnswersByKind)
{
    // Nodes resolve their children through their file, which must stay alive.
    auto stateFile = LoadWithAnchor(Splitter(4, 33, 3, {5, 6}));
    CountedPointer<ThreeDObjectStateSplitter> state;
    state = stateFile->GetSubObject(4);
    ASSERT_TRUE(state.Get());
    EXPECT_EQ(state->GetVariable(), 33u);
    EXPECT_EQ(state->GetComparisonOperator(), 3u);
    ASSERT_EQ(state->GetChildCount(), 2);
    EXPECT_EQ(state->GetValue(1), 6u);
    EXPECT_EQ(state->GetChild(0)->GetId(), 4 + 20 + 16);
    EXPECT_TRUE(state->IsChildActive(1, 6.0));
    EXPECT_FALSE(state->IsChildActive(0, 6.0));

    CountedPointer<ThreeDObjectAnimationSplitter> animation;
    auto animationFile = LoadWithAnchor(Splitter(3, 100, 1, {25}));
    animation = animationFile->GetSubObject(4);
    ASSERT_TRUE(animation.Get());
    EXPECT_EQ(animation->GetPeriod(), 100u);
    EXPECT_EQ(animation->GetTick(0), 25u);

    // Thresholds are unsigned: the largest is not -1.
    CountedPointer<ThreeDObjectLatitudeSplitter> latitude;
    auto latitudeFile = LoadWithAnchor(Splitter(2, 0, 2, {4294967295u}));
    latitude = latitudeFile->GetSubObject(4);
    ASSERT_TRUE(latitude.Get());
    EXPECT_EQ(latitude->GetLatitude(0), 4294967295.0);

    CountedPointer<ThreeDObjectLongitudeSplitter> longitude;
    auto longitudeFile = LoadWithAnchor(Splitter(1, 0, 2, {0x80000000u}));
    longitude = longitudeFile->GetSubObject(4);
    ASSERT_TRUE(longitude.Get());
    EXPECT_EQ(longitude->GetLongitude(0), 2147483648.0);
    EXPECT_EQ(longitude->GetComparisonOperator(), 2u);
}

TEST(GPLSplitter, OperatorIsCheckedBeforeTheReservedWordWithOrWithoutStrict)
{
    struct Case
    {
        Bytes record;
        const char* message;
    };
    const Case cases[] = {
        {Splitter(4, 0, 0, {}), "GPL State Splitter unknown comparison operator"},
        {Splitter(4, 0, 6, {}), "GPL State Splitter unknown comparison operator"},
        {Splitter(0, 0, 0, {}), "GPL Distance Splitter unknown comparison operator"},
        {Splitter(3, 0, 0xFFFFFFFF, {}), "GPL Animation Splitter unknown comparison operator"},
        {Splitter(2, 1, 7, {}), "GPL Latitude Splitter unknown comparison operator"},
        {Splitter(2, 1, 5, {}), "GPL Latitude Splitter reserved not zero"},
        {Splitter(1, 0, 6, {}), "GPL Longitude Splitter unknown comparison operator"},
        {Splitter(1, 0x100, 1, {}), "GPL Longitude Splitter reserved not zero"},
    };
    for (bool strict : {false, true})
    {
        StrictGuard guard(strict);
        for (const auto& c : cases)
        {
            try
            {
                LoadWithAnchor(c.record);
                ADD_FAILURE() << c.message;
            }
            catch (const XFileFormat& e)
            {
                EXPECT_EQ(e.GetMessage(), c.message);
                EXPECT_EQ(e.GetText(), XFileFormat("test.3do", c.message).GetText());
            }
        }
    }
}

TEST(GPLSplitter, UnknownSubTypeAndShortEntries)
{
    try
    {
        LoadWithAnchor(Splitter(5, 0, 1, {}));
        ADD_FAILURE();
    }
    catch (const XFileFormat& e)
    {
        EXPECT_EQ(e.GetMessage(), "GPL TDO File unknown instruction type");
    }
    // A count far beyond the section fails as a short read, before room is made for it.
    Bytes huge = WordBytes({4, 17, 4, 0, 1, 0x7FFFFFFF, 1, 4});
    EXPECT_THROW(Load(FileWithPrim(huge)), XFileRead);
    Bytes cut = WordBytes({4, 17, 4, 0, 1, 2, 1, 4});
    EXPECT_THROW(Load(FileWithPrim(cut)), XFileRead);
}

TEST(GPLSplitter, DistanceSplitterEdits)
{
    auto file = LoadWithAnchor(Splitter(0, 2, 1, {FloatWord(100.0f), FloatWord(250.0f)}));
    CountedPointer<ThreeDObjectDistanceSplitter> d;
    d = file->GetSubObject(4);
    ASSERT_TRUE(d.Get());
    EXPECT_EQ(d->GetVertexId(), 2);
    EXPECT_EQ(d->GetComparisonOperator(), 1u);
    EXPECT_TRUE(d->IsChildActive(0, 99.0));
    EXPECT_FALSE(d->IsChildActive(0, 101.0));

    d->DeleteChild(0);
    ASSERT_EQ(d->GetChildCount(), 1);
    EXPECT_EQ(d->GetSplitDistance(0), 250.0);
    d->SetSplitDistance(0, 0.1);
    EXPECT_EQ(d->GetSplitDistance(0), double(0.1f));
    d->SetVertexId(7);
    EXPECT_EQ(d->GetVertexId(), 7);
    // The file has no vertices: the lookup fails in the file.
    EXPECT_THROW(d->GetVertex(), Velmo::Util::XAssertion);
    EXPECT_EQ(WrittenBytes(*d, 8), WordBytes({17, 0, 7, 1, 1, FloatWord(0.1f), 40}));
    EXPECT_EQ(d->GetFileOffset(), 8u);
}

TEST(GPLSplitter, ValueConstructorStartsUnwritten)
{
    GPLTdoFile file;
    GPLDistanceSplitter d(file, file.NewId(), 3, 2, {std::uint32_t(-1), std::uint32_t(-1)}, {5.0f, 7.5f});
    EXPECT_EQ(d.GetFileOffset(), 0u);
    EXPECT_EQ(d.GetType(), "17.0");
    EXPECT_EQ(d.GetChild(1)->GetId(), -1);
    EXPECT_EQ(WrittenBytes(d, 12),
              WordBytes({17, 0, 3, 2, 2, FloatWord(5.0f), 0xFFFFFFFF, FloatWord(7.5f), 0xFFFFFFFF}));
}

#include <gtest/gtest.h>

#include <array>

#include "N4F2Support.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTexture2.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

TEST(N4Appearance, LinksInRecordOrder)
{
    // Links 0 (first), 2 (second) and 4 (an extra link) set; 1, 3, 5, 6 null.
    N4Builder b;
    AppearanceObject(b, {NewTexture("base"), NoLink(), NewTexture("light"), NoLink(), NewTexture("extra"), NoLink(),
                         NoLink()},
                     18);
    auto file = RoundTrip(b.Get(), GetN4TdoArchivers());
    auto a = NodeAs<ThreeDObjectAppearance>(*file, 1);
    EXPECT_EQ(a->GetType(), "Appearance");
    EXPECT_EQ(a->GetName(), "app");
    EXPECT_EQ(a->GetLinkCount(), 3);
    ASSERT_TRUE(a->HasTexture());
    EXPECT_EQ(NodeAs<ThreeDObjectTexture2>(*file, a->GetTexture()->GetId())->GetFileName(), "base");
    ASSERT_TRUE(a->HasLightMapTexture());
    EXPECT_EQ(NodeAs<ThreeDObjectTexture2>(*file, a->GetLightMapTexture()->GetId())->GetFileName(), "light");
    EXPECT_FALSE(a->HasSpecularTexture());
    ASSERT_EQ(a->GetOtherTextureCount(), 4);
    // The extra links are links 1, 3, 4 and 6: link 4 is the third of them.
    EXPECT_FALSE(a->HasOtherTexture(0));
    EXPECT_FALSE(a->HasOtherTexture(1));
    EXPECT_TRUE(a->HasOtherTexture(2));
    EXPECT_FALSE(a->HasOtherTexture(3));
    EXPECT_EQ(NodeAs<ThreeDObjectTexture2>(*file, a->GetOtherTexture(2)->GetId())->GetFileName(), "extra");
    EXPECT_EQ(a->GetColour(), Colour(0.25f, 0.5f, 0.75f, 1.0f));
    EXPECT_EQ(a->GetTextureFunction(), 4);
    ASSERT_EQ(a->GetFloatCount(), 9);
    EXPECT_EQ(a->GetFloat(8), 18.0);
    a->SetFloat(8, -1.5);
    EXPECT_EQ(a->GetFloat(8), -1.5);
}

TEST(N4Appearance, AllLinksNullWriteSevenZeros)
{
    N4Builder b;
    BareAppearance(b);
    auto file = RoundTrip(b.Get(), GetN4TdoArchivers());
    auto a = NodeAs<ThreeDObjectAppearance>(*file, 1);
    EXPECT_EQ(a->GetLinkCount(), 0);
    ASSERT_EQ(a->GetOtherTextureCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a->GetOtherTexture(i)->GetId(), 0);
    EXPECT_EQ(a->GetTexture()->GetId(), 0);
}

TEST(N4Appearance, TextureFunctionCodes)
{
    const std::pair<std::uint32_t, int> known[] = {{0, 2}, {1, 0}, {2, 1}, {3, 3}, {18, 4}, {19, 5}};
    for (auto [code, value] : known)
    {
        N4Builder b;
        AppearanceObject(b, std::vector<Link>(7, NoLink()), code);
        EXPECT_EQ(NodeAs<ThreeDObjectAppearance>(*Load(b.Get()), 1)->GetTextureFunction(), value) << code;
    }
    for (std::uint32_t code : {4u, 17u, 20u, 0xFFFFFFFFu})
    {
        N4Builder b;
        AppearanceObject(b, std::vector<Link>(7, NoLink()), code);
        EXPECT_EQ(FormatError(b.Get()), "N4 3do Appearance unknown texture function") << code;
    }
}

TEST(N4Appearance, HeaderChecks)
{
    N4Builder version1;
    AppearanceObject(version1, std::vector<Link>(7, NoLink()), 1, 1);
    EXPECT_EQ(FormatError(version1.Get()), "N4 3do Appearance unsupported version");
    N4Builder reserved;
    reserved.New("AppearanceDescriptor");
    reserved.S32(0);
    EXPECT_EQ(FormatError(reserved.Get()), "N4 3do Appearance reserved0 not 1");
    // In a .ptf file the messages still say 3do.
    EXPECT_EQ(FormatError(version1.Get(), Ptf()), "N4 3do Appearance unsupported version");
}

TEST(N4Appearance, FactoryStoresTheFileCodeAndSavesBack)
{
    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    auto texture = file.CreateTexture2(file.NewId(), "base.mip");
    Util::CountedPointer<ThreeDObject> textureNode = texture;
    Util::CountedPointer<ThreeDObject> null = file.GetNull();
    Util::CountedPointer<ThreeDObject> otherNull = file.GetSubObject(-1);
    auto a = file.CreateAppearance(file.NewId(), "made", 1.0, 0.5, 0.0, textureNode, null, otherNull, 4);
    EXPECT_EQ(a->GetLinkCount(), 1);
    EXPECT_TRUE(a->HasTexture());
    EXPECT_FALSE(a->HasLightMapTexture());
    // The second null node is no link either.
    EXPECT_FALSE(a->HasSpecularTexture());
    EXPECT_EQ(a->GetOtherTextureCount(), 4);
    EXPECT_FALSE(a->HasOtherTexture(3));
    EXPECT_EQ(a->GetFloatCount(), 9);
    EXPECT_EQ(a->GetFloat(0), 0.0);
    EXPECT_EQ(a->GetTextureFunction(), 4);
    EXPECT_EQ(a->GetColour(), Colour(1.0f, 0.5f, 0.0f, 1.0f));

    Util::CountedPointer<ThreeDObject> top = a;
    file.CreateRoot(file.NewId(), {top});
    Bytes saved = Save(file);
    // The texture function is stored as its file code (18 for value 4), last in the record.
    ASSERT_GE(saved.size(), 4u);
    EXPECT_EQ(Bytes(saved.end() - 4, saved.end()), (Bytes{18, 0, 0, 0}));
    auto reloaded = Load(saved);
    auto back = NodeAs<ThreeDObjectAppearance>(*reloaded, 1);
    EXPECT_EQ(back->GetLinkCount(), 1);
    EXPECT_EQ(back->GetTextureFunction(), 4);
    EXPECT_EQ(back->GetName(), "made");

    try
    {
        file.CreateAppearance(file.NewId(), "bad", 0, 0, 0, null, null, null, 6);
        ADD_FAILURE() << "texture function 6 accepted";
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
        EXPECT_STREQ(e.GetFile(), ".\\N4Appearance.cpp");
    }
}

namespace
{
// An animated transform with D = 1..6 (written in file order D0, D2, D1, ...) and the records
// given as {S0, S1 .. S7} (written S0, S1, S3, S2, S4 .. S7).
Bytes AnimatedTransform(const std::vector<std::array<float, 8>>& states, std::int32_t byteCount = -1,
                        int badReserved3 = -1)
{
    N4Builder b;
    b.New("AnimatedTransformDescriptor");
    b.S32(1).Str("door").Words({1, 1});
    for (int i = 0; i < 12; ++i)
        b.S32(i == badReserved3 ? 5 : 0);
    b.S32(1).Doubles({1, 3, 2, 4, 5, 6});
    b.S32(0);
    b.S32(1).Str("open");
    b.S32(std::int32_t(states.size())).S32(byteCount >= 0 ? byteCount : std::int32_t(32 * states.size()));
    for (const auto& s : states)
    {
        b.S32(std::int32_t(s[0]));
        for (int k : {1, 3, 2, 4, 5, 6, 7})
            b.F32(s[k]);
    }
    return b.Get();
}
} // namespace

TEST(N4AnimatedTransform, FieldsKeepTheirFilePositions)
{
    const Bytes bytes = AnimatedTransform({{7, 1, 2, 3, 4, 5, 6, 70}, {8, 11, 12, 13, 14, 15, 16, 80}});
    auto file = RoundTrip(bytes, GetN4TdoArchivers());
    auto t = NodeAs<ThreeDObjectAnimatedTransform>(*file, 1);
    EXPECT_EQ(t->GetType(), "AnimatedTransform");
    EXPECT_EQ(t->GetName(), "door");
    EXPECT_EQ(t->GetVariable(), "open");
    EXPECT_EQ(t->GetChild()->GetId(), 0);
    const double d[] = {t->GetXTranslation(), t->GetYTranslation(), t->GetZTranslation(),
                        t->GetXRotation(),    t->GetYRotation(),    t->GetZRotation()};
    EXPECT_EQ(std::vector<double>(d, d + 6), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(t->GetStateCount(), 2);
    EXPECT_EQ(t->GetStateValue(1), 8);
    EXPECT_EQ(t->GetStateXTranslation(1), 11);
    EXPECT_EQ(t->GetStateYTranslation(1), 12);
    EXPECT_EQ(t->GetStateZTranslation(1), 13);
    EXPECT_EQ(t->GetStateZRotation(1), 16);
    // S7 is the float list.
    ASSERT_EQ(t->GetFloatCount(), 2);
    EXPECT_EQ(t->GetFloat(0), 70);
    EXPECT_EQ(t->GetFloat(1), 80);
}

TEST(N4AnimatedTransform, RecordChecks)
{
    EXPECT_EQ(FormatError(AnimatedTransform({{}, {}}, 60)), "N4 3do AnimatedTransform state array size error");
    EXPECT_EQ(FormatError(AnimatedTransform({}, 32)), "N4 3do AnimatedTransform state array size error");
    EXPECT_EQ(FormatError(AnimatedTransform({}, -1, 11)), "N4 3do AnimatedTransform reserved3 not 0");
    // A count that the bytes left cannot hold is a short file, found before any allocation.
    N4Builder shortCount;
    shortCount.Bytes(AnimatedTransform({}));
    shortCount.PatchU32(shortCount.Size() - 8, 1000).PatchU32(shortCount.Size() - 4, 32000);
    EXPECT_EQ(FormatError(shortCount.Get()), "other error: " + Util::XFileRead(SampleName).GetText());
}

TEST(N4AnimatedTransform, EditsAreWritten)
{
    auto file = Load(AnimatedTransform({{1, 1, 1, 1, 1, 1, 1, 1}}));
    auto t = NodeAs<ThreeDObjectAnimatedTransform>(*file, 1);
    t->InsertState(0);
    t->SetStateValue(0, 9);
    t->SetStateYTranslation(0, 2.5);
    t->SetFloat(0, 0.5);
    t->SetYTranslation(-3);
    auto reloaded = Load(Save(*file));
    auto back = NodeAs<ThreeDObjectAnimatedTransform>(*reloaded, 1);
    ASSERT_EQ(back->GetStateCount(), 2);
    EXPECT_EQ(back->GetStateValue(0), 9);
    EXPECT_EQ(back->GetStateYTranslation(0), 2.5);
    EXPECT_EQ(back->GetStateXTranslation(0), 0);
    EXPECT_EQ(back->GetFloat(0), 0.5);
    EXPECT_EQ(back->GetStateValue(1), 1);
    EXPECT_EQ(back->GetYTranslation(), -3);
    EXPECT_EQ(back->GetXTranslation(), 1);
}

TEST(N4AnimatedTransform, Factory)
{
    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    Util::CountedPointer<ThreeDObject> child = file.CreateTexture2(file.NewId(), "x.mip");
    auto t = file.CreateAnimatedTransform(file.NewId(), "arm", "swing", 1, 2, 3, 4, 5, 6, child);
    EXPECT_EQ(t->GetName(), "arm");
    EXPECT_EQ(t->GetVariable(), "swing");
    EXPECT_EQ(t->GetZRotation(), 6);
    EXPECT_EQ(t->GetStateCount(), 0);
    EXPECT_EQ(t->GetChild().Get(), child.Get());
    Util::CountedPointer<ThreeDObject> top = t;
    file.CreateRoot(file.NewId(), {top});
    auto reloaded = Load(Save(file));
    auto back = NodeAs<ThreeDObjectAnimatedTransform>(*reloaded, 1);
    EXPECT_EQ(back->GetYTranslation(), 2);
    EXPECT_EQ(back->GetChild()->GetType(), "Texture");
}

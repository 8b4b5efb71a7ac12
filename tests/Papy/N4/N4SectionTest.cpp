#include <gtest/gtest.h>

#include <memory>

#include "N4F2Support.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectXSection.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
Bytes XSection2(std::uint8_t reserved2 = 0)
{
    N4Builder b;
    b.New("X_SectionDescriptor");
    // start latitude, start altitude, start slope, end latitude, end altitude, end slope
    b.Words({1, 0, 2}).Doubles({-4, 1, 0.5, 6, 3, -0.5}).U8(reserved2);
    return b.Get();
}

// Version 3 with two type entries written by entries.
Bytes XSection3(const std::function<void(N4Builder&)>& entries)
{
    N4Builder b;
    b.New("X_SectionDescriptor");
    b.Words({1, 0, 3}).F32(-4).F64(1).F32(0.5f).F32(6).F64(3).F32(-0.5f).U8(0);
    entries(b);
    return b.Get();
}

// The byte size of the only record of a one-object archive (after its id, class id and
// class announcement).
std::size_t RecordSize(const Bytes& bytes, const std::string& descriptor)
{
    return bytes.size() - 4 - 4 - 4 - (descriptor.size() + 1);
}
} // namespace

TEST(N4XSection, Version2)
{
    const Bytes bytes = XSection2();
    EXPECT_EQ(RecordSize(bytes, "X_SectionDescriptor"), 12u + 49u);
    auto file = RoundTrip(bytes, Ptf());
    auto x = NodeAs<ThreeDObjectXSection>(*file, 1);
    EXPECT_EQ(x->GetType(), "X_Section");
    EXPECT_EQ(x->GetStartLatitude(), -4);
    EXPECT_EQ(x->GetEndLatitude(), 6);
    EXPECT_EQ(x->GetStartAltitude(), 1);
    EXPECT_EQ(x->GetEndAltitude(), 3);
    EXPECT_EQ(x->GetStartSlope(), 0.5);
    EXPECT_EQ(x->GetEndSlope(), -0.5);
    EXPECT_EQ(x->GetIntegerCount(), 0);
    EXPECT_EQ(x->GetFloatCount(), 0);
    // The curves of the section: latitude halfway 1; altitude 1 + 0.5 f + 5.5 f^2 - 4 f^3.
    EXPECT_DOUBLE_EQ(x->GetLatitude(0.5), 1.0);
    EXPECT_DOUBLE_EQ(x->GetAltitude(0.5), 1 + 0.25 + 1.375 - 0.5);
    EXPECT_DOUBLE_EQ(x->GetAltitude(1.0), 3.0);

    x->SetLatitude(-1, 1);
    x->SetAltitude(0, 0, 0, 0);
    auto reloaded = Load(Save(*file), Ptf());
    auto y = NodeAs<ThreeDObjectXSection>(*reloaded, 1);
    EXPECT_EQ(y->GetEndLatitude(), 1);
    EXPECT_EQ(y->GetEndAltitude(), 0);
}

TEST(N4XSection, Version3TypeEntries)
{
    const Bytes bytes = XSection3([](N4Builder& b) {
        b.U8(1).Words({0, 0});
        b.U8(2).F32(0.5f).F32(0.25f).U8(7).U8(9);
    });
    EXPECT_EQ(RecordSize(bytes, "X_SectionDescriptor"), 12u + 33u + 9u + 11u);
    auto file = RoundTrip(bytes, Ptf());
    auto x = NodeAs<ThreeDObjectXSection>(*file, 1);
    EXPECT_EQ(x->GetStartLatitude(), -4);
    EXPECT_EQ(x->GetEndSlope(), -0.5);
    ASSERT_EQ(x->GetIntegerCount(), 4);
    EXPECT_EQ((std::vector<int>{x->GetInteger(0), x->GetInteger(1), x->GetInteger(2), x->GetInteger(3)}),
              (std::vector<int>{1, 2, 7, 9}));
    ASSERT_EQ(x->GetFloatCount(), 2);
    EXPECT_EQ(x->GetFloat(1), 0.25);

    const Bytes plain = XSection3([](N4Builder& b) { b.U8(0).U8(0); });
    EXPECT_EQ(RecordSize(plain, "X_SectionDescriptor"), 12u + 33u + 2u);
    RoundTrip(plain, Ptf());
}

TEST(N4XSection, Checks)
{
    EXPECT_EQ(FormatError(XSection3([](N4Builder& b) { b.U8(0).U8(3); }), Ptf()),
              "N4 ptf XSection unknown unknown type");
    EXPECT_EQ(FormatError(XSection3([](N4Builder& b) { b.U8(1).Words({0, 1}); }), Ptf()),
              "N4 ptf XSection reserved3 not 0");
    EXPECT_EQ(FormatError(XSection2(1), Ptf()), "N4 ptf XSection reserved2 not 0");
    const std::pair<std::vector<std::int32_t>, const char*> headers[] = {
        {{0, 0, 2}, "N4 ptf XSection reserved0 not 1"},
        {{1, 1, 2}, "N4 ptf XSection reserved1 not 0"},
        {{1, 0, 4}, "N4 ptf XSection unsupported version"},
        {{1, 0, 1}, "N4 ptf XSection unsupported version"},
    };
    for (const auto& [words, message] : headers)
    {
        N4Builder b;
        b.New("X_SectionDescriptor");
        for (std::int32_t w : words)
            b.S32(w);
        EXPECT_EQ(FormatError(b.Get(), Ptf()), message);
    }
}

namespace
{
// One wall entry: the bytes after its appearance reference.
struct WallEntry
{
    std::function<void(N4Builder&)> appearance; // writes the reference (and the object)
    std::function<void(N4Builder&)> rest;       // texture coordinates and link records
};

WallEntry NoEntry()
{
    return {[](N4Builder& b) { b.S32(0); }, [](N4Builder&) {}};
}

struct Wall
{
    std::int32_t version = 6;
    std::int32_t direction = 0;
    std::function<void(N4Builder&)> profile; // version 7: the profile words
    std::int32_t wallCode = 2049;
    std::int32_t subsections = 1;
    std::vector<WallEntry> entries = std::vector<WallEntry>(5, NoEntry());
};

Bytes WallBytes(const Wall& w)
{
    N4Builder b;
    b.New("W_SectionDescriptor");
    b.Words({1, 0, w.version});
    if (w.version == 5)
        b.Doubles({1, 2});
    else
        b.F32(1).F32(2);
    b.U8(1).S32(11).Doubles({3, 4, 5, 6, 7, 8}).S32(w.direction);
    if (w.version == 7)
        w.profile(b);
    b.S32(w.wallCode).S32(w.subsections).Words({12, 13});
    for (std::size_t i = 0; i < w.entries.size(); ++i)
    {
        if (i > 0 && i % 5 == 0)
            b.F64(double(i / 5));
        w.entries[i].appearance(b);
        w.entries[i].rest(b);
    }
    return b.Get();
}
} // namespace

TEST(N4WSection, HeaderValuesAndVersions)
{
    Wall w6;
    auto file = RoundTrip(WallBytes(w6), Ptf());
    auto w = NodeAs<ThreeDObjectWSection>(*file, 1);
    EXPECT_EQ(w->GetType(), "W_Section");
    EXPECT_TRUE(w->IsForcedStraight());
    const double values[] = {w->GetStartLatitude(),         w->GetEndLatitude(),          w->GetStartHeight(),
                             w->GetEndHeight(),             w->GetStartHalfWidth(),       w->GetEndHalfWidth(),
                             w->GetStartCollisionHalfWidth(), w->GetEndCollisionHalfWidth()};
    EXPECT_EQ(std::vector<double>(values, values + 8), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(w->IsVertical());
    EXPECT_FALSE(w->IsProfileCurved());
    EXPECT_EQ(w->GetProfilePointCount(), 0);
    EXPECT_EQ(w->GetSubsectionCount(), 1);
    EXPECT_FALSE(w->HasEntry(0, 4));
    ASSERT_EQ(w->GetIntegerCount(), 3);
    EXPECT_EQ((std::vector<int>{w->GetInteger(0), w->GetInteger(1), w->GetInteger(2)}), (std::vector<int>{11, 12, 13}));

    Wall w5;
    w5.version = 5;
    w5.direction = 1;
    auto file5 = RoundTrip(WallBytes(w5), Ptf());
    EXPECT_FALSE(NodeAs<ThreeDObjectWSection>(*file5, 1)->IsVertical());

    // Version 6 has no profile word, version 7 with profile 0 exactly one.
    Wall w7;
    w7.version = 7;
    w7.profile = [](N4Builder& b) { b.S32(0); };
    EXPECT_EQ(WallBytes(w7).size(), WallBytes(w6).size() + 4);
    RoundTrip(WallBytes(w7), Ptf());
}

TEST(N4WSection, ProfilePointsAreTheLastEntries)
{
    Wall w7;
    w7.version = 7;
    auto profile = [](std::int32_t count) {
        return [count](N4Builder& b) {
            b.S32(1).F32(-1).S32(count);
            for (float v : {10.f, 11.f, 12.f, 13.f, 20.f, 21.f, 22.f, 23.f})
                b.F32(v);
        };
    };
    w7.profile = profile(2);
    auto file = RoundTrip(WallBytes(w7), Ptf());
    auto w = NodeAs<ThreeDObjectWSection>(*file, 1);
    EXPECT_TRUE(w->IsProfileCurved());
    ASSERT_EQ(w->GetProfilePointCount(), 2);
    EXPECT_EQ(w->GetProfilePoint(0), Vertex(12, 22, 0));
    EXPECT_EQ(w->GetProfilePoint(1), Vertex(13, 23, 0));

    // A count beyond the four stored points (or below 0) is limited to them, and written back
    // as it was read.
    for (std::int32_t count : {9, -3})
    {
        w7.profile = profile(count);
        auto odd = RoundTrip(WallBytes(w7), Ptf());
        auto o = NodeAs<ThreeDObjectWSection>(*odd, 1);
        EXPECT_EQ(o->GetProfilePointCount(), count > 0 ? 4 : 0);
        if (count > 0)
        {
            EXPECT_EQ(o->GetProfilePoint(0), Vertex(10, 20, 0));
        }
    }

    w7.profile = [](N4Builder& b) { b.S32(1).F32(1).S32(0); };
    EXPECT_EQ(FormatError(WallBytes(w7), Ptf()), "N4 ptf WSection reserved2 not -1");
    w7.profile = [](N4Builder& b) { b.S32(2); };
    EXPECT_EQ(FormatError(WallBytes(w7), Ptf()), "N4 ptf WSection unknown profile");
}

TEST(N4WSection, SubsectionsAndEntries)
{
    // Entry (0, 0): an appearance without links: no texture coordinates, no link records.
    // Entry (1, 2): an appearance with a base texture: texture coordinates and one link record
    // in full; entry (1, 3) shares that appearance with a default link record (one byte).
    Wall w;
    w.subsections = 2;
    w.entries = std::vector<WallEntry>(10, NoEntry());
    w.entries[0] = {[](N4Builder& b) { BareAppearance(b); }, [](N4Builder&) {}};
    auto keep = std::make_shared<std::uint32_t>(0); // the appearance's object id
    w.entries[7] = {[keep](N4Builder& b) { *keep = BaseTextureAppearance(b); },
                    [](N4Builder& b) {
                        b.New("TextureCoordsDescriptor");
                        b.Words({1, 0, 1, 0, 3, 0, 0});
                        b.Zeros(22 * 4);
                        b.U8(0).U8(1).F64(0.5).F64(0.25).U8(0).F64(2).F64(-1);
                    }};
    w.entries[8] = {[keep](N4Builder& b) { b.U32(*keep); }, [](N4Builder& b) { b.S32(0).U8(1); }};
    auto file = RoundTrip(WallBytes(w), Ptf());
    auto s = NodeAs<ThreeDObjectWSection>(*file, 1);
    ASSERT_EQ(s->GetSubsectionCount(), 2);
    EXPECT_EQ(s->GetSplitPoint(0), 1.0);
    EXPECT_EQ(s->GetEntryCount(), 5);
    EXPECT_TRUE(s->HasEntry(0, 0));
    EXPECT_FALSE(s->HasEntry(0, 1));
    EXPECT_FALSE(s->HasEntryBaseTexture(0, 0));
    EXPECT_EQ(s->GetEntryTextureCoords(0, 0)->GetId(), 0);
    EXPECT_EQ(s->GetEntryAppearance(0, 0)->GetLinkCount(), 0);
    EXPECT_TRUE(s->HasEntryBaseTexture(1, 2));
    EXPECT_FALSE(s->HasEntryLightMapTexture(1, 2));
    EXPECT_EQ(s->GetEntryTextureCoords(1, 2)->GetType(), "TextureCoords");
    EXPECT_FALSE(s->UsesDefaultTexelParameters(1, 2, 0));
    EXPECT_TRUE(s->IsHorizontalTexelFixed(1, 2, 0));
    EXPECT_EQ(s->GetHorizontalTexelSize(1, 2, 0), 0.5);
    EXPECT_EQ(s->GetHorizontalTexelSkew(1, 2, 0), 0.25);
    EXPECT_FALSE(s->IsVerticalTexelFixed(1, 2, 0));
    EXPECT_EQ(s->GetVerticalTexelSize(1, 2, 0), 2);
    EXPECT_EQ(s->GetVerticalTexelSkew(1, 2, 0), -1);
    EXPECT_TRUE(s->UsesDefaultTexelParameters(1, 3, 0));
    EXPECT_EQ(s->GetHorizontalTexelSize(1, 3, 0), 0);
    EXPECT_EQ(s->GetEntryAppearance(1, 3).Get(), s->GetEntryAppearance(1, 2).Get());
}

TEST(N4WSection, NoSubsectionsReadsBackAsNone)
{
    // A record with K = 0 has no entries; it is answered and written back as such.
    Wall w;
    w.subsections = 0;
    w.entries.clear();
    auto file = RoundTrip(WallBytes(w), Ptf());
    EXPECT_EQ(NodeAs<ThreeDObjectWSection>(*file, 1)->GetSubsectionCount(), 0);
    // A count that the bytes left cannot hold is a short file.
    w.subsections = 0x7FFFFFFF;
    EXPECT_EQ(FormatError(WallBytes(w), Ptf()), "other error: " + Util::XFileRead(SampleName).GetText());
}

TEST(N4WSection, WallCodes)
{
    const std::pair<std::int32_t, WallType> codes[] = {
        {2049, WallConcrete},        {2050, WallArmcoLeft}, {2051, WallTyres},     {2052, WallHayBales},
        {2053, WallWireFenceLeft},   {2054, WallShrubs},    {2055, WallForest},    {2056, WallWood},
        {2057, WallInvisible},       {2058, WallWireFenceRight}, {2059, WallArmcoRight}, {2048, WallUnknown},
        {2060, WallUnknown},         {0, WallUnknown},
    };
    for (auto [code, type] : codes)
    {
        Wall w;
        w.wallCode = code;
        auto file = Load(WallBytes(w), Ptf());
        EXPECT_EQ(NodeAs<ThreeDObjectWSection>(*file, 1)->GetWallType(), type) << code;
    }
}

TEST(N4WSection, Checks)
{
    auto withAppearance = [](const std::vector<Link>& links) {
        Wall w;
        w.entries[0] = {[links](N4Builder& b) { AppearanceObject(b, links); }, [](N4Builder&) {}};
        return WallBytes(w);
    };
    std::vector<Link> specular(7, NoLink());
    specular[5] = NewTexture();
    EXPECT_EQ(FormatError(withAppearance(specular), Ptf()), "N4 ptf WSection with specular highlight");
    std::vector<Link> other(7, NoLink());
    other[6] = NewTexture();
    EXPECT_EQ(FormatError(withAppearance(other), Ptf()), "N4 ptf WSection with other texture");

    Wall notAppearance;
    notAppearance.entries[0] = {[](N4Builder& b) { TextureObject(b); }, [](N4Builder&) {}};
    EXPECT_EQ(AssertionWith(WallBytes(notAppearance), Ptf()), "a != 0");

    Wall direction;
    direction.direction = 2;
    EXPECT_EQ(FormatError(WallBytes(direction), Ptf()), "N4 ptf WSection unknown direction");
    for (std::int32_t version : {4, 8})
    {
        Wall v;
        v.version = version;
        EXPECT_EQ(FormatError(WallBytes(v), Ptf()), "N4 ptf WSection unsupported version");
    }
    N4Builder reserved;
    reserved.New("W_SectionDescriptor");
    reserved.Words({1, 7});
    EXPECT_EQ(FormatError(reserved.Get(), Ptf()), "N4 ptf WSection reserved1 not 0");
}

namespace
{
struct Floor
{
    std::int32_t version = 4;
    std::int32_t function = 1;
    std::int32_t surface = 1;
    std::function<void(N4Builder&)> appearance = [](N4Builder& b) { b.S32(0); };
    std::function<void(N4Builder&)> rest = [](N4Builder&) {};
};

Bytes FloorBytes(const Floor& f)
{
    N4Builder b;
    b.New("F_SectionDescriptor");
    b.Words({1, 0, f.version});
    if (f.version == 4)
        b.Doubles({-7.5, 7.25});
    else
        b.F32(-7.5f).F32(7.25f);
    b.U8(1).S32(f.function).S32(f.surface);
    f.appearance(b);
    f.rest(b);
    return b.Get();
}
} // namespace

TEST(N4FSection, LatitudesByVersion)
{
    Floor f4;
    Floor f5;
    f5.version = 5;
    EXPECT_EQ(FloorBytes(f4).size(), FloorBytes(f5).size() + 8);
    for (const Floor& f : {f4, f5})
    {
        auto file = RoundTrip(FloorBytes(f), Ptf());
        auto s = NodeAs<ThreeDObjectFSection>(*file, 1);
        EXPECT_EQ(s->GetType(), "F_Section");
        EXPECT_EQ(s->GetStartLatitude(), -7.5);
        EXPECT_EQ(s->GetEndLatitude(), 7.25);
        EXPECT_TRUE(s->IsForcedStraight());
        // No appearance: no texture coordinates, no texel entries, no textures.
        EXPECT_EQ(s->GetAppearance()->GetId(), 0);
        EXPECT_EQ(s->GetTextureCoords()->GetId(), 0);
        EXPECT_FALSE(s->HasBaseTexture());
        EXPECT_FALSE(s->HasLightMapTexture());
        EXPECT_EQ(s->GetGripModifier(), 0);
    }
}

TEST(N4FSection, TexelEntriesFollowTheAppearanceLinks)
{
    // Base texture and light map: two texel entries, the first in full, the second default.
    Floor f;
    f.appearance = [](N4Builder& b) {
        AppearanceObject(b, {NewTexture("a"), NoLink(), NewTexture("b"), NoLink(), NoLink(), NoLink(), NoLink()});
    };
    f.rest = [](N4Builder& b) {
        b.S32(0); // no texture coordinates object
        b.U8(0).U8(1).F64(1.5).U8(0).F64(2.5).F64(0.1).F64(0.2).F64(0.3);
        b.U8(1);
    };
    auto file = RoundTrip(FloorBytes(f), Ptf());
    auto s = NodeAs<ThreeDObjectFSection>(*file, 1);
    EXPECT_TRUE(s->HasBaseTexture());
    EXPECT_TRUE(s->HasLightMapTexture());
    EXPECT_FALSE(s->UsesDefaultTexelParameters(0));
    EXPECT_TRUE(s->IsHorizontalTexelFixed(0));
    EXPECT_EQ(s->GetHorizontalTexelSize(0), 1.5);
    EXPECT_FALSE(s->IsVerticalTexelFixed(0));
    EXPECT_EQ(s->GetVerticalTexelSize(0), 2.5);
    EXPECT_EQ(s->GetHorizontalTexelSkew1(0), 0.1);
    EXPECT_EQ(s->GetHorizontalTexelSkew2(0), 0.2);
    EXPECT_EQ(s->GetVerticalTexelSkew(0), 0.3);
    EXPECT_TRUE(s->UsesDefaultTexelParameters(1));
    EXPECT_EQ(s->GetVerticalTexelSkew(1), 0);

    // An appearance without links has no texture-coordinates reference.
    Floor bare;
    bare.appearance = [](N4Builder& b) { BareAppearance(b); };
    auto bareFile = RoundTrip(FloorBytes(bare), Ptf());
    EXPECT_FALSE(NodeAs<ThreeDObjectFSection>(*bareFile, 1)->HasBaseTexture());
}

TEST(N4FSection, Checks)
{
    auto withLinks = [](std::vector<Link> links) {
        Floor f;
        f.appearance = [links](N4Builder& b) { AppearanceObject(b, links); };
        return FloorBytes(f);
    };
    std::vector<Link> specular(7, NoLink());
    specular[5] = NewTexture();
    EXPECT_EQ(FormatError(withLinks(specular), Ptf()), "N4 ptf FSection with specular highlight");
    std::vector<Link> other(7, NoLink());
    other[1] = NewTexture();
    EXPECT_EQ(FormatError(withLinks(other), Ptf()), "N4 ptf FSection with other texture");
    Floor notAppearance;
    notAppearance.appearance = [](N4Builder& b) { TextureObject(b); };
    EXPECT_EQ(AssertionWith(FloorBytes(notAppearance), Ptf()), "a != 0");
    Floor v3;
    v3.version = 3;
    EXPECT_EQ(FormatError(FloorBytes(v3), Ptf()), "N4 ptf FSection unsupported version");
}

TEST(N4FSection, SurfaceAndFunctionCodes)
{
    const SurfaceType surfaces[] = {SurfaceAsphalt,     SurfaceConcrete, SurfacePaint,       SurfaceGrass,
                                    SurfaceDirt,        SurfaceSand,     SurfaceGravel,      SurfaceWater,
                                    SurfaceTrainTrack, SurfaceUnreachable, SurfaceInvisible, SurfaceRumbleStrip};
    for (int code = 1; code <= 12; ++code)
    {
        Floor f;
        f.surface = code;
        auto file = Load(FloorBytes(f), Ptf());
        EXPECT_EQ(NodeAs<ThreeDObjectFSection>(*file, 1)->GetSurfaceType(), surfaces[code - 1]) << code;
    }
    for (std::int32_t code : {0, 13})
    {
        Floor f;
        f.surface = code;
        auto file = Load(FloorBytes(f), Ptf());
        try
        {
            NodeAs<ThreeDObjectFSection>(*file, 1)->GetSurfaceType();
            ADD_FAILURE() << "surface code " << code << " answered";
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), "false");
            EXPECT_STREQ(e.GetFile(), ".\\N4FSection.cpp");
        }
    }
    const std::pair<std::int32_t, TrackFunction> functions[] = {
        {0, TrackFunctionUnreachable}, {1, TrackFunctionRacingSurface}, {2, TrackFunctionPitLane},
        {3, TrackFunctionApron},       {4, TrackFunctionPitStall},      {5, TrackFunctionApronNearPits},
        {6, TrackFunctionUnknown},     {-1, TrackFunctionUnknown},
    };
    for (auto [code, function] : functions)
    {
        Floor f;
        f.function = code;
        auto file = Load(FloorBytes(f), Ptf());
        EXPECT_EQ(NodeAs<ThreeDObjectFSection>(*file, 1)->GetTrackFunction(), function) << code;
    }
}

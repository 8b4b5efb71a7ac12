#include <gtest/gtest.h>

#include <map>

#include "CountingMake.h"
#include "DrawingSamples.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Bitmap/SrbFile.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"

namespace
{
using DrawingTest::CountingMake;
using DrawingTest::Samples;
using Velmo::Util::CountedPointer;
using namespace Velmo::Papy;

// A factory over the GPL sample folder that counts texture and object requests.
struct CountingFactory
{
    CountingFactory(bool scaledBitmaps = true)
    {
        const auto gpl = Samples::Get().Factory("gpl");
        Mip = new CountingMake<MakeMip>(gpl->GetFacet<MakeMip>());
        Tdo = new CountingMake<MakeTdo>(gpl->GetFacet<MakeTdo>());
        Factory->AddFacet<MakeMip>(Mip);
        Factory->AddFacet<MakeTdo>(Tdo);
        if (scaledBitmaps)
            Factory->AddFacet<MakeSrb>(new CountingMake<MakeSrb>(gpl->GetFacet<MakeSrb>()));
    }
    CountedPointer<FileFactory> Factory{new FileFactory};
    CountingMake<MakeMip>* Mip;
    CountingMake<MakeTdo>* Tdo;
};

std::string CheckText(const std::string& name, const CountedPointer<FileFactory>& factory)
{
    ThreeDObjectCheckVisitor visitor(factory);
    try
    {
        Samples::Root(Samples::Get().Gpl(name))->Accept(visitor);
    }
    catch (const Velmo::Util::Exception& e)
    {
        return e.GetText();
    }
    return "passed";
}
} // namespace

TEST(CheckVisitor, EachTextureIsOpenedOnceARun)
{
    CountingFactory counting;
    ThreeDObjectCheckVisitor visitor(counting.Factory);
    const auto root = Samples::Root(Samples::Get().Gpl("textured"));
    // 50 textured polygons over two textures.
    root->Accept(visitor);
    EXPECT_EQ(counting.Mip->Requests, (std::map<std::string, int>{{"tex0", 1}, {"tex1", 1}}));
    // The same run walked again opens nothing more; a new run opens them again, and so does a
    // run whose records were cleared.
    root->Accept(visitor);
    EXPECT_EQ(counting.Mip->Requests, (std::map<std::string, int>{{"tex0", 1}, {"tex1", 1}}));
    ThreeDObjectCheckVisitor next(counting.Factory);
    root->Accept(next);
    EXPECT_EQ(counting.Mip->Requests, (std::map<std::string, int>{{"tex0", 2}, {"tex1", 2}}));
    visitor.ClearRecords();
    root->Accept(visitor);
    EXPECT_EQ(counting.Mip->Requests, (std::map<std::string, int>{{"tex0", 3}, {"tex1", 3}}));
}

TEST(CheckVisitor, ValidTreesPassAndBrokenReferencesFailWithTheirMessages)
{
    const auto gpl = Samples::Get().Factory("gpl");
    for (const char* name : {"rotated", "fixed-kept", "state", "sprite", "textured", "deep"})
        EXPECT_EQ(CheckText(name, gpl), "passed") << name;
    // A missing external object: the factory's message.
    const std::string lost = CheckText("lost", gpl);
    EXPECT_EQ(lost.rfind("Couldn't open ", 0), 0u) << lost;
    EXPECT_NE(lost.find("nowhere"), std::string::npos) << lost;
    EXPECT_NE(lost.find("\nFile not found\n"), std::string::npos) << lost;
    // Cycles name their chain.
    EXPECT_EQ(CheckText("a", gpl),
              "A possible error was found in file b\nExternal object refers to itself: b -> a -> b\n");
    EXPECT_EQ(CheckText("self", gpl),
              "A possible error was found in file self\nExternal object refers to itself: self -> self\n");
    // A scaled bitmap where the folder's game has none.
    CountingFactory noScaledBitmaps(false);
    EXPECT_EQ(CheckText("sprite", noScaledBitmaps.Factory),
              "A possible error was found in file flag\nScaled bitmap in a folder without scaled bitmaps\n");
}

TEST(CheckVisitor, AnObjectThatFailedIsNotRecordedAsChecked)
{
    CountingFactory counting;
    ThreeDObjectCheckVisitor visitor(counting.Factory);
    // "self" fails; its failed name is not recorded, so a second walk fails again.
    for (int run = 0; run < 2; ++run)
        EXPECT_THROW(Samples::Root(Samples::Get().Gpl("self"))->Accept(visitor), Velmo::Util::XFileFormat);
    EXPECT_EQ(counting.Tdo->Requests["self"], 2);
}

// Each file loads but holds one bad reference that only one kind's reads meet: the check walk
// reports it with the reader's message.
TEST(CheckVisitor, EachKindsReadsAreChecked)
{
    const auto gpl = Samples::Get().Factory("gpl");
    const std::pair<const char*, const char*> cases[] = {
        {"check-polygon-vertex", "?"},  {"check-polygon-normal", "?"}, {"check-line-vertex", "?"},
        {"check-distance-vertex", "?"}, {"check-plane-order", "?"},    {"check-plane-cull", "?"},
        {"check-locator-plane", "?"},   {"check-sprite-vertex", "?"},  {"check-missing-texture", "?"},
        {"check-missing-textures", "?"}, {"check-missing-class-texture", "?"}, {"check-car-fixer", "?"},
    };
    for (const auto& [name, message] : cases)
    {
        std::string text;
        try
        {
            text = CheckText(name, gpl);
        }
        catch (const Velmo::Util::Exception& e)
        {
            text = "load: " + e.GetText();
        }
        EXPECT_EQ(text, message) << name;
    }
}

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
    // Files passed over are the answer of a walk that ended.
    if (!visitor.GetReport().IsEmpty())
        return visitor.GetReport().GetText();
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
    // A new run opens them again; a cleared record does too.
    ThreeDObjectCheckVisitor(counting.Factory).ClearRecords();
    root->Accept(visitor);
    EXPECT_EQ(counting.Mip->Requests["tex0"], 1);
    visitor.ClearRecords();
    root->Accept(visitor);
    EXPECT_EQ(counting.Mip->Requests["tex0"], 2);
}

TEST(CheckVisitor, ValidTreesPassAndBrokenReferencesFailWithTheirMessages)
{
    const auto gpl = Samples::Get().Factory("gpl");
    for (const char* name : {"rotated", "fixed-kept", "state", "sprite", "textured", "deep"})
        EXPECT_EQ(CheckText(name, gpl), "passed") << name;
    // A missing external object: the factory's message, told after the walk.
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
    // "self" fails; its failed name is not recorded, so a second walk fails again. A run asks
    // for it twice: to walk it, and to find the file it names on its own chain.
    for (int run = 0; run < 2; ++run)
        EXPECT_THROW(Samples::Root(Samples::Get().Gpl("self"))->Accept(visitor), Velmo::Util::XFileFormat);
    EXPECT_EQ(counting.Tdo->Requests["self"], 4);
}

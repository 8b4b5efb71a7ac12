#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <tuple>
#include <utility>

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
    if (!visitor.GetReport().HasNoProblems())
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

// Each file loads but holds one bad reference that only one kind's reads meet: the check walk
// reports it with the reader's message (an assertion's line number shown as N, the samples'
// folder as GPL).
TEST(CheckVisitor, EachKindsReadsAreChecked)
{
    const auto gpl = Samples::Get().Factory("gpl");
    const std::string vertex = "Assertion failure at .\\GPLTdoFile.cpp: N\nid < GetVertexCount()\n";
    const std::string plane = "Assertion failure at .\\GPLTdoFile.cpp: N\nid < Planes.size()\n";
    const std::string missing = "Couldn't open GPL/nothere.mip\nFile not found\n";
    const std::pair<const char*, std::string> cases[] = {
        {"check-polygon-vertex", vertex},
        {"check-polygon-normal", "Assertion failure at .\\GPLTdoFile.cpp: N\nid < Normals.size()\n"},
        {"check-line-vertex", vertex},
        {"check-distance-vertex", vertex},
        {"check-plane-order", plane},
        {"check-plane-cull", plane},
        {"check-plane-order7", plane},
        {"check-plane-order8", plane},
        {"check-plane-order9", plane},
        {"check-plane-order10", plane},
        {"check-locator-plane", plane},
        {"check-sprite-vertex", vertex},
        {"check-car-fixer", vertex},
        {"check-missing-texture", missing},
        {"check-missing-textures", missing},
        // A class texture's own file is not the check's: only its display class is read.
        {"check-missing-class-texture", "passed"},
    };
    const std::string folder = Samples::Get().Path("gpl");
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
        text = std::regex_replace(text, std::regex(": [0-9]+\n"), ": N\n");
        for (std::size_t at; (at = text.find(folder)) != std::string::npos;)
            text.replace(at, folder.size(), "GPL");
        EXPECT_EQ(text, message) << name;
    }
    // The N4 texture and trackside object kinds open their files; a missing one is passed over
    // and told.
    const auto n4 = Samples::Get().Factory("n4");
    for (const auto& [name, extension, message] :
         {std::tuple{"check-texture", "3do", "Couldn't open N4/nothere.mip\nFile not found\n"},
          std::tuple{"check-trackside", "ptf", "Couldn't open N4/nothere.3do\nFile not found\n"}})
    {
        std::string text = "passed";
        try
        {
            CountedPointer<TdoFile> file;
            if (std::string(extension) == "ptf")
                n4->GetFacet<MakePtf>()->Make(file, name, extension, false);
            else
                n4->GetFacet<MakeTdo>()->Make(file, name, extension, false);
            ThreeDObjectCheckVisitor visitor(n4);
            Samples::Root(file)->Accept(visitor);
            // A file that cannot be opened is passed over and told after the walk.
            if (!visitor.GetReport().HasNoProblems())
                text = visitor.GetReport().GetText();
        }
        catch (const Velmo::Util::Exception& e)
        {
            text = e.GetText();
        }
        const std::string n4Folder = Samples::Get().Path("n4");
        for (std::size_t at; (at = text.find(n4Folder)) != std::string::npos;)
            text.replace(at, n4Folder.size(), "N4");
        EXPECT_EQ(text, message) << name;
    }
}

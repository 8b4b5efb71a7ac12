// The panes' rows over tracks and replays made as the documents make them: by the Make facets of
// the factories of generated game folders (a GPL track folder and replay folder, an N3 replay
// folder, an N4 track folder whose DAT holds the .ptf).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Papy/FacetSets/GameRecognizers.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "TrkViewsSamples.h"
#include "Vantrel/Rows/RpyListRows.h"
#include "Vantrel/Rows/RpyTreeRows.h"
#include "Vantrel/Rows/TrkHint.h"
#include "Vantrel/Rows/TrkListRows.h"
#include "Vantrel/Text/CodePage1252.h"
#include "Vantrel/Rows/TrkTreeRows.h"

using namespace VelmoTest;
using namespace Velmo;
using Util::CountedPointer;

namespace
{
CountedPointer<Papy::FileFactory> Factory(const std::string& relative)
{
    Papy::RegisterGameRecognizers();
    return Papy::FileFactoryRegistry::Instance()->GetFactory(TrkViewsFolder() + "/games/" + relative, false);
}

// Every item of the tree and its rows, as in NAME.tree and NAME.rows.
template <class Model, class Tree, class List>
void ExpectViews(const Model& model, const std::string& sample, bool cp1252)
{
    TrkTreeItem root;
    Tree::Build(&model, root);
    std::vector<const TrkTreeItem*> items;
    std::vector<int> depths;
    std::function<void(const TrkTreeItem&, int)> flatten = [&](const TrkTreeItem& item, int depth) {
        items.push_back(&item);
        depths.push_back(depth);
        for (const TrkTreeItem& child : item.Children)
            flatten(child, depth + 1);
    };
    flatten(root, 0);
    const auto expectedItems = ReadExpected(TrkViewsPath(sample + ".tree"), true);
    ASSERT_EQ(items.size(), expectedItems.size());
    std::map<int, std::vector<TrkRow>> expected;
    for (const ExpectedLine& line : ReadExpected(TrkViewsPath(sample + ".rows"), false))
        expected[line.Hint].push_back({line.First, line.Second});
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        EXPECT_EQ(depths[i], expectedItems[i].Depth);
        EXPECT_EQ(items[i]->Hint, expectedItems[i].Hint);
        EXPECT_EQ(items[i]->Text, expectedItems[i].First);
        std::vector<TrkRow> rows;
        List::Add(model, items[i]->Hint, rows);
        if (cp1252)
            for (TrkRow& row : rows)
                row.Value = CodePage1252::ToUtf8(row.Value);
        EXPECT_EQ(rows, expected[items[i]->Hint]) << items[i]->Text;
    }
}
} // namespace

TEST(TrkFolderRows, GplTrackAndReplayFolders)
{
    CountedPointer<Papy::Track> track;
    Factory("gpl/tracks/Monza")->GetFacet<Papy::MakeTrack>()->Make(track, "", "", false);
    ASSERT_TRUE(track);
    ExpectViews<Papy::Track, TrkTreeRows, TrkListRows>(*track, "gpl-corners.trk", true);

    CountedPointer<Papy::RpyFile> replay;
    Factory("gpl/Replays")->GetFacet<Papy::MakeRpy>()->Make(replay, "race", "");
    ASSERT_TRUE(replay);
    EXPECT_EQ(replay->GetTrackName(), "Monza");
    ExpectViews<Papy::RpyFile, RpyTreeRows, RpyListRows>(*replay, "laps.rpy", false);
}

TEST(TrkFolderRows, N3ReplayFolder)
{
    CountedPointer<Papy::RpyFile> replay;
    Factory("n3/Replays")->GetFacet<Papy::MakeRpy>()->Make(replay, "race", "");
    ASSERT_TRUE(replay);
    ExpectViews<Papy::RpyFile, RpyTreeRows, RpyListRows>(*replay, "n3.rpl", false);
}

TEST(TrkFolderRows, PtfTrackFromTheFoldersDat)
{
    CountedPointer<Papy::Track> track;
    Factory("n4/tracks/Sebring")->GetFacet<Papy::MakeTrack>()->Make(track, "", "", false);
    ASSERT_TRUE(track);
    TrkTreeItem root;
    TrkTreeRows::Build(track.Get(), root);
    ASSERT_EQ(root.Children.size(), 2u);
    std::vector<TrkRow> rows;
    TrkListRows::Add(*track, TrkHint::Segment(1), rows);
    ASSERT_EQ(rows.size(), 15u);
    // The generator's quarter circle from heading 0 to pi/2, after one of 10 x pi/2 metres.
    EXPECT_EQ(rows[3], (TrkRow{"Start (3d)", "15.707963"}));
    EXPECT_EQ(rows[6], (TrkRow{"End Orientation", "90.000000\xB0"}));
    EXPECT_EQ(CodePage1252::ToUtf8(rows[6].Value), "90.000000\xC2\xB0");
}

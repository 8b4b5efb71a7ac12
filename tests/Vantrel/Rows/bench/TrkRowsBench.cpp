// Times the rows of the track and replay panes on the large files of trkviews.py (a GPL track of
// 5000 segments with 12 surfaces (10 between the walls), 2 walls and 5 traces each; a GPL replay
// of 40 drivers with 300 laps each, of which the tree lists the 255 that codes can name) and
// prints the figures; it asserts nothing.
//
//   TrkRowsBench [--runs R]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "TrkViewsSamples.h"
#include "Util/Exception.h"
#include "Vantrel/Rows/RpyListRows.h"
#include "Vantrel/Rows/RpyTreeRows.h"
#include "Vantrel/Rows/TrkListRows.h"
#include "Vantrel/Rows/TrkTreeRows.h"

using namespace VelmoTest;

namespace
{
// Best and first time of the step in milliseconds over the runs.
void Time(const char* what, int runs, double target, const std::function<std::string()>& step)
{
    double best = 1e9, first = 0;
    std::string result;
    for (int run = 0; run < runs; ++run)
    {
        const auto start = std::chrono::steady_clock::now();
        result = step();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        first = run == 0 ? ms : first;
        best = ms < best ? ms : best;
    }
    const std::string goal = target > 0 ? "(target " + std::to_string(int(target)) + " ms)" : "";
    std::printf("%-44s first %9.1f ms  best %9.1f ms  %-18s %s\n", what, first, best, goal.c_str(), result.c_str());
}

// The items of a tree and the rows of every item.
template <class Model, class Tree, class List>
std::string TreeAndRows(const Model* model, bool rows)
{
    TrkTreeItem root;
    Tree::Build(model, root);
    std::size_t count = root.CountItems(), rowCount = 0;
    if (rows)
    {
        std::function<void(const TrkTreeItem&)> walk = [&](const TrkTreeItem& item) {
            std::vector<TrkRow> list;
            List::Add(*model, item.Hint, list);
            rowCount += list.size();
            for (const TrkTreeItem& child : item.Children)
                walk(child);
        };
        walk(root);
    }
    return std::to_string(count) + " items" + (rows ? ", " + std::to_string(rowCount) + " rows" : "");
}
} // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
    try
    {
        const std::string folder = TrkViewsFolder("bench");
        auto track = LoadTrack(folder + "/big.trk");
        auto replay = LoadReplay(folder + "/big.rpy");
        std::printf("track: %d segments; replay: %d drivers\n", track->GetSegmentCount(), replay->GetDriverCount());
        Time("track tree (5000 segments)", runs, 1000,
             [&] { return TreeAndRows<Velmo::Papy::Track, TrkTreeRows, TrkListRows>(track.Get(), false); });
        Time("track tree and the rows of every item", runs, 0,
             [&] { return TreeAndRows<Velmo::Papy::Track, TrkTreeRows, TrkListRows>(track.Get(), true); });
        Time("replay tree (40 drivers x 300 laps)", runs, 500,
             [&] { return TreeAndRows<Velmo::Papy::RpyFile, RpyTreeRows, RpyListRows>(replay.get(), false); });
        Time("replay tree and the rows of every item", runs, 0,
             [&] { return TreeAndRows<Velmo::Papy::RpyFile, RpyTreeRows, RpyListRows>(replay.get(), true); });
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}

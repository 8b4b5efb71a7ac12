// Times the visitors of the 3D-object panes on a GPL file generated in memory with the file's
// node factories, and prints the figures (it asserts nothing).
//
//   VisitorsBench [--runs R]
//
// The file: a root over a list of 10,000 object lists of 9 polygons each (100,001 nodes), a
// handle on that list, and a polygon of 20,000 textured, shaded and normal-carrying vertices.
// A second file holds 40 object lists, each holding the one below twice (2^40 paths).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "FakeTree.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectFindIdVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"

using namespace Velmo;
using namespace Velmo::Papy;
using VelmoTest::FakeTree;

namespace
{
class CountingSink : public ThreeDObjectRowSink
{
public:
    void AddRow(const std::string& label, const std::string& value) override
    {
        ++rows;
        bytes += label.size() + value.size();
    }
    std::size_t rows = 0;
    std::size_t bytes = 0;
};

// Runs the step (after its preparation, which is not timed) and returns the best and first
// time in milliseconds.
void Time(const char* what, int runs, double target, const std::function<void()>& prepare,
          const std::function<std::string()>& step)
{
    double best = 1e9, first = 0;
    std::string result;
    for (int run = 0; run < runs; ++run)
    {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        result = step();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (run == 0)
            first = ms;
        best = ms < best ? ms : best;
    }
    std::printf("%-44s first %8.2f ms, best of %d %8.2f ms (target %g ms)  %s\n", what, first, runs, best, target,
                result.c_str());
}
} // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);

    try
    {
        GPLTdoFile file;
        const std::vector<Vertex> triangle = {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)};
        TdoFile::Nodes lists;
        TdoFile::Node lastPolygon;
        for (int i = 0; i < 10000; ++i)
        {
            TdoFile::Nodes polygons;
            for (int k = 0; k < 9; ++k)
            {
                lastPolygon = file.CreatePolygon(file.NewId(), triangle, Colour(1, 0, 0, 1), false, {}, false, {},
                                                 false, {});
                polygons.push_back(lastPolygon);
            }
            lists.push_back(file.CreateObjectList(file.NewId(), polygons));
        }
        auto top = file.CreateObjectList(file.NewId(), lists);
        auto root = file.CreateRoot(GPLTdoFile::RootId, {top});
        file.CreateHandle("all", top);

        std::vector<Vertex> vertices;
        std::vector<Colour> shades;
        std::vector<Normal> normals;
        std::vector<TextureVertex> uvs;
        for (int i = 0; i < 20000; ++i)
        {
            vertices.emplace_back(i, 0.5 * i, -0.25 * i);
            shades.emplace_back(1.0f, 0.5f, 0.25f, 1.0f);
            normals.emplace_back(0, 0, 1);
            uvs.emplace_back(i / 20000.0, 1 - i / 20000.0);
        }
        auto big = file.CreatePolygon(file.NewId(), vertices, Colour(1, 1, 1, 1), true, shades, true, normals, true,
                                      uvs);
        std::printf("file: %zu nodes; polygon of %d vertices\n", file.GetSubObjects().size(), big->GetVertexCount());

        FakeTree tree;
        auto nothing = [] {};
        Time("first walk from the root (three levels)", runs, 100, [&] { tree = FakeTree(); },
             [&] {
                 ThreeDObjectTreeVisitor visitor(tree, tree.GetRootItem());
                 root->Accept(visitor);
                 return std::to_string(tree.GetInsertedCount()) + " items";
             });

        // The handle's list shows no children yet: expanding it inserts its 10,000 children and
        // their 90,000 polygons.
        TreeItem handleList;
        Time("expanding a list of 10,000 children", runs, 200,
             [&] {
                 tree = FakeTree();
                 ThreeDObjectTreeVisitor visitor(tree, tree.GetRootItem());
                 root->Accept(visitor);
                 const TreeItem rootItem = tree.Children(tree.GetRootItem()).at(0);
                 handleList = tree.Children(tree.Children(rootItem).at(1)).at(0);
             },
             [&] {
                 const std::size_t before = tree.GetInsertedCount();
                 ThreeDObjectTreeVisitor visitor(tree, handleList);
                 top->Accept(visitor);
                 return std::to_string(tree.GetInsertedCount() - before) + " items inserted";
             });

        Time("listing a polygon of 20,000 vertices", runs, 200, nothing, [&] {
            CountingSink sink;
            ThreeDObjectListVisitor visitor(sink);
            big->Accept(visitor);
            return std::to_string(sink.rows) + " rows, " + std::to_string(sink.bytes) + " bytes";
        });

        Time("find of the last node from the root", runs, 100, nothing, [&] {
            ThreeDObjectFindIdVisitor visitor(lastPolygon->GetId());
            root->Accept(visitor);
            return std::string(visitor.IsFound() ? "found" : "NOT FOUND") + ", path of " +
                   std::to_string(visitor.GetPath().size());
        });

        Time("find of a missing id from the root", runs, 100, nothing, [&] {
            ThreeDObjectFindIdVisitor visitor(12345);
            root->Accept(visitor);
            return std::string(visitor.IsFound() ? "FOUND" : "not found");
        });

        GPLTdoFile shared;
        TdoFile::Node below = shared.CreateExtObject(shared.NewId(), "leaf.3do");
        for (int depth = 0; depth < 40; ++depth)
            below = shared.CreateObjectList(shared.NewId(), {below, below});
        auto last = shared.CreateExtObject(shared.NewId(), "last.3do");
        auto sharedTop = shared.CreateObjectList(shared.NewId(), {below, last});
        Time("find of the last node, lists shared 40 deep", runs, 100, nothing, [&] {
            ThreeDObjectFindIdVisitor visitor(last->GetId());
            sharedTop->Accept(visitor);
            return std::string(visitor.IsFound() ? "found" : "NOT FOUND") + ", path of " +
                   std::to_string(visitor.GetPath().size());
        });
    }
    catch (const Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}

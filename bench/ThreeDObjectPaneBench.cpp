// The 3D-object pane's figures on the machine's OpenGL (EGL, no display), 1024 x 768:
//   - Track 3D of a generated 3000-segment .ptf (10 floor and 4 wall sections a segment): the
//     first paint, which measures the plan and compiles its display list, and later paints;
//   - bounds of a generated 50,000-polygon GPL object (500 transformations);
//   - Check of a 50,000-polygon GPL object using 200 textures 250 times each, once the files
//     are cached, with the number of times each texture was asked for.
// The files are written by tests/Vantrel/Drawing/drawing_samples.py. Prints figures and the
// targets; asserts nothing.
//
//   ThreeDObjectPaneBench [segments [segment length]]
//
// The default track is a lap of 5.1 km in 3000 segments of 1.7 units: one piece each. Longer
// segments are cut into 1 + length / 3 pieces; the replay's time grows with them (on llvmpipe it
// is bound by the number of primitives).
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "CountingMake.h"
#include "GLContext.h"
#include "Papy/Bitmap/MipFile.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

using namespace Velmo::Papy;
using DrawingTest::CountingMake;
using Velmo::Util::CountedPointer;

namespace
{
typedef std::chrono::steady_clock Clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void Generate(const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " " + VELMO_DRAWING_SAMPLES + " " + arguments;
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

CountedPointer<FileFactory> Factory(const std::string& folder)
{
    return FileFactoryRegistry::Instance()->GetFactory(folder, false);
}

CountedPointer<ThreeDObject> Root(const CountedPointer<TdoFile>& file)
{
    CountedPointer<ThreeDObject> root;
    root = file->GetRoot();
    return root;
}

// target 0: no target.
void Figure(const char* what, double seconds, double target)
{
    if (target > 0)
        std::printf("%-52s %9.3f s  (target < %g s: %s)\n", what, seconds, target, seconds < target ? "met" : "MISSED");
    else
        std::printf("%-52s %9.3f s\n", what, seconds);
}

void TrackPlan(const VelmoTest::TempFolder& folder, int segments, double length, GLContext& context)
{
    const std::string path = folder.Path("n4/large.ptf");
    Generate("large-ptf " + path + " " + std::to_string(segments) + " " + std::to_string(length));
    CountedPointer<TdoFile> file;
    Factory(folder.Path("n4"))->GetFacet<MakePtf>()->Make(file, "large", "ptf", false);
    ThreeDObjectViewState state;
    ThreeDObjectViewPainter painter;
    state.OnSize(context.Width(), context.Height());
    ThreeDObjectViewPainter::Resize(state);
    state.Execute(ThreeDObjectViewState::Track3DCommand);
    state.OnSelection(Root(file)->GetId());
    DrawingReport report;
    auto start = Clock::now();
    painter.PreDraw(state, file.Get(), Factory(folder.Path("n4")), report);
    painter.DrawScene(state, file.Get(), {}, {});
    glFinish();
    const double first = Seconds(start);
    // Later paints: the median of 15 (llvmpipe compiles its code for new states on first use).
    std::vector<double> later;
    for (int i = 0; i < 15; ++i)
    {
        start = Clock::now();
        painter.PreDraw(state, file.Get(), Factory(folder.Path("n4")), report);
        painter.DrawScene(state, file.Get(), {}, {});
        glFinish();
        later.push_back(Seconds(start));
    }
    const double firstLater = later.front();
    std::sort(later.begin(), later.end());
    std::printf("track plan: %d segments of %g (%d pieces each), 10 floor and 4 wall sections each, %dx%d\n",
                segments, length, ThreeDObject3DPtfVisitor::GetPieceCount(length), context.Width(), context.Height());
    Figure("Track 3D first paint (bounds, compile the list)", first, 3.0);
    Figure("Track 3D second paint (replay the list)", firstLater, 0.1);
    Figure("Track 3D later paint (replay the list), median of 15", later[later.size() / 2], 0.1);
    painter.Destroy(state);
}

void Bounds(const VelmoTest::TempFolder& folder)
{
    Generate("many " + folder.Path("gpl/many.3do") + " 50000");
    CountedPointer<TdoFile> file;
    const auto factory = Factory(folder.Path("gpl"));
    factory->GetFacet<MakeTdo>()->Make(file, "many", "3do", false);
    const auto root = Root(file);
    double best = 1e9;
    ViewBounds bounds;
    for (int run = 0; run < 3; ++run)
    {
        glPushMatrix();
        glLoadIdentity();
        const auto start = Clock::now();
        ThreeDObjectGetBoundsVisitor visitor(factory, DrawOptions());
        root->Accept(visitor);
        best = std::min(best, Seconds(start));
        bounds = visitor.GetBounds();
        glPopMatrix();
    }
    std::printf("bounds: 50000 polygons under 500 transformations: x %.1f to %.1f, y %.1f to %.1f, z %.1f to %.1f\n",
                bounds.MinX, bounds.MaxX, bounds.MinY, bounds.MaxY, bounds.MinZ, bounds.MaxZ);
    Figure("bounds, best of 3", best, 0.3);
}

void Check(const VelmoTest::TempFolder& folder)
{
    Generate("textured " + folder.Path("textures") + " 50000 200");
    const auto folderFactory = Factory(folder.Path("textures"));
    CountedPointer<TdoFile> file;
    folderFactory->GetFacet<MakeTdo>()->Make(file, "textured", "3do", false);
    const auto root = Root(file);
    auto* mip = new CountingMake<MakeMip>(folderFactory->GetFacet<MakeMip>());
    CountedPointer<FileFactory> factory(new FileFactory);
    factory->AddFacet<MakeMip>(mip);
    factory->AddFacet<MakeTdo>(new CountingMake<MakeTdo>(folderFactory->GetFacet<MakeTdo>()));
    // The first run opens the textures (into the folder's cache); the second finds them there.
    double times[2];
    int most[2] = {0, 0};
    for (int run = 0; run < 2; ++run)
    {
        mip->Requests.clear();
        const auto start = Clock::now();
        ThreeDObjectCheckVisitor visitor(factory);
        root->Accept(visitor);
        times[run] = Seconds(start);
        for (const auto& [name, count] : mip->Requests)
            most[run] = std::max(most[run], count);
        if (mip->Requests.size() != 200)
            std::printf("check asked for %zu textures, not 200\n", mip->Requests.size());
    }
    std::printf("check: 50000 textured polygons, 200 textures used 250 times each\n");
    Figure("Check, first run (textures read)", times[0], 0);
    Figure("Check, files cached", times[1], 1.0);
    std::printf("%-52s %9d %9d\n", "requests for one texture at most (runs 1, 2)", most[0], most[1]);
}
} // namespace

int main(int argc, char** argv)
{
    const int segments = argc > 1 ? std::atoi(argv[1]) : 3000;
    const double length = argc > 2 ? std::atof(argv[2]) : 1.7;
    GLContext context(1024, 768);
    if (!context.IsCurrent())
    {
        std::printf("no OpenGL context (EGL surfaceless) on this machine\n");
        return 0;
    }
    std::printf("OpenGL: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    try
    {
        VelmoTest::TempFolder folder;
        TrackPlan(folder, segments, length, context);
        Bounds(folder);
        Check(folder);
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    catch (const std::exception& e)
    {
        std::printf("failed: %s\n", e.what());
        return 1;
    }
    return 0;
}

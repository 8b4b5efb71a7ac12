// Times the track plan in an offscreen context of 1024 x 768 on the large track of trkviews.py
// (5000 segments with 12 surfaces and 2 walls each), the first paint and peak memory of its
// track of 12 sections with 20,000 walls each, and a car path of 50,000 frames over the first,
// and the 3D-object pane's Track 3D paint of a damaged PTF of drawing_samples.py (3000 segments
// of 1000 km: billions of vertices at the plan's step, drawn within the plan's budget), and the
// first Track 3D and 3D paints, with the peak memory, of the PTFs of 300 x 300 and 600 x 600
// sections (one segment named N times, naming one floor section N times), and prints the
// figures; it asserts nothing. Each paint ends with glFinish.
//
//   TrackPlanBench [--runs R] [--only TEXT]   (--only: only the first paints whose line holds TEXT)
#include <GL/gl.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>
#include <functional>
#include <string>

#include "GLContext.h"
#include "Support/PeakMemory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/N4/N4TdoFile.h"
#include "Support/TempFolder.h"
#include "Util/CharBuffer.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ReplayPath.h"
#include "Vantrel/Drawing/TrackPlanScene.h"
#include "Vantrel/Rows/TrkFakes.h"
#include "Vantrel/Rows/TrkViewsSamples.h"

using namespace VelmoTest;

namespace
{
// The --only text: the first paints of other files are left out.
std::string only;

bool Chosen(const std::string& what)
{
    return what.find(only) != std::string::npos;
}

void Report(const char* what, double first, double best, double target)
{
    std::printf("%-48s first %9.1f ms  best %9.1f ms  (target %6.0f ms)\n", what, first, best, target);
}

// Writes a sample with drawing_samples.py MODE PATH ARGUMENTS; its path, empty on failure.
std::string WritePtf(const VelmoTest::TempFolder& folder, const std::string& name, const std::string& mode,
                     const std::string& arguments)
{
    const std::string ptf = folder.Path() + "/" + name;
    const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                             "/Vantrel/Drawing/drawing_samples.py\" " + mode + " \"" + ptf + "\" " + arguments;
    if (std::system(line.c_str()) != 0)
    {
        std::printf("failed: %s\n", line.c_str());
        return {};
    }
    return ptf;
}

// The track pane's first paints of a track, each with a new scene: bounds walk, plan compiled into
// the display list and drawn.
void TrackFirstPaint(const Velmo::Util::CountedPointer<Velmo::Papy::Track>& track, int runs, const char* what)
{
    if (!Chosen(what))
        return;
    const double aspect = 1024.0 / 768;
    double first = 0, best = 1e9;
    TestSupport::PeakMegabytesSinceLastCall();
    for (int run = 0; run < runs; ++run)
    {
        TrackPlanScene scene;
        const double ms = FinishedMilliseconds([&] {
            scene.SetUpView(track.Get(), aspect);
            scene.DrawPlan(track.Get());
        });
        first = run == 0 ? ms : first;
        best = ms < best ? ms : best;
        scene.ReleaseGL();
    }
    Report(what, first, best, 3000);
    std::printf("  peak memory %.0f MB\n", TestSupport::PeakMegabytesSinceLastCall());
}

// The 3D-object pane's first paint of the file's root in the mode: the bounds step (PreDraw),
// then the scene compiled and drawn, in a 1024 x 768 pane; each run with a new painter.
void PanePaint(const std::string& path, ThreeDObjectViewState::Command mode, int runs, const std::string& what)
{
    if (!Chosen(what))
        return;
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto* buffer = new Velmo::Util::CharBuffer(path);
    Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    buffer->Attach(std::uint32_t(bytes.size()), bytes.data());
    Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> file(
        new Velmo::Papy::N4TdoFile(stream, Velmo::Papy::GetN4PtfArchivers(), nullptr));
    Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> root;
    root = file->GetRoot();
    // The 3D mode's walks ask the file's folder for what the object names.
    const auto factory =
        Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(path.substr(0, path.find_last_of('/')), false);
    double first = 0, best = 1e9;
    std::string message;
    TestSupport::PeakMegabytesSinceLastCall();
    for (int run = 0; run < runs; ++run)
    {
        ThreeDObjectViewState state;
        state.OnSize(1024, 768);
        ThreeDObjectViewPainter::Resize(state);
        state.Execute(mode);
        state.OnSelection(root->GetId());
        ThreeDObjectViewPainter painter;
        DrawingReport report;
        // The pane's drawing visitor, made on the first 3D paint.
        ThreeDObject3DVisitor visitor(factory);
        const ThreeDObjectViewPainter::DrawFunction draw = [&](const DrawOptions& options,
                                                               const ThreeDObjectViewPainter::Node& shown,
                                                               const ThreeDObjectViewPainter::Node& highlighted) {
            Draw(options, visitor, shown, highlighted);
        };
        const double measure = FinishedMilliseconds([&] {
            painter.PreDraw(state, file.Get(), factory, report);
        });
        const double ms = measure + FinishedMilliseconds([&] { painter.DrawScene(state, file.Get(), draw, {}); });
        if (!visitor.GetReport().HasNoProblems())
            report.Add(visitor.GetReport().GetMessages().front());
        std::printf("  bounds step %.1f ms, scene %.1f ms\n", measure, ms - measure);
        first = run == 0 ? ms : first;
        best = ms < best ? ms : best;
        message = report.HasNoProblems() ? "" : report.GetMessages().front();
        painter.Destroy(state);
    }
    Report(what.c_str(), first, best, 2000);
    std::printf("  peak memory %.0f MB%s%s\n", TestSupport::PeakMegabytesSinceLastCall(), message.empty() ? "" : "; ",
                message.c_str());
}
} // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--only") == 0)
            only = argv[i + 1];
    GLContext context(1024, 768);
    if (!context.IsCurrent())
    {
        std::printf("no OpenGL context (EGL surfaceless) on this machine\n");
        return 0;
    }
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    try
    {
        auto track = LoadTrack(TrkViewsFolder("bench") + "/big.trk");
        const double aspect = 1024.0 / 768;

        // The first paint: bounds walk, plan compiled into the display list and drawn.
        TrackFirstPaint(track, runs, "first paint (walk, compile and draw the plan)");
        // A GPL track of 12 sections with 20,000 walls each.
        TrackFirstPaint(LoadTrack(TrkViewsFolder("bench") + "/walls.trk"), runs, "track of 240,000 walls: first paint");
        double first = 0, best = 1e9;

        TrackPlanScene scene;
        scene.SetUpView(track.Get(), aspect);
        scene.DrawPlan(track.Get());
        glFinish();
        first = 0, best = 1e9;
        for (int run = 0; run < runs; ++run)
        {
            const double ms = FinishedMilliseconds([&] {
                scene.SetUpView(track.Get(), aspect);
                scene.DrawPlan(track.Get());
            });
            first = run == 0 ? ms : first;
            best = ms < best ? ms : best;
        }
        Report("later paint (plan replayed from its list)", first, best, 100);

        // A lap of 50,000 frames running along the track at 1 m a frame.
        FakeReplay replay;
        replay.Frames = replay.End = 50000;
        int points = 0;
        first = 0, best = 1e9;
        for (int run = 0; run < runs; ++run)
        {
            const double ms = FinishedMilliseconds([&] {
                scene.SetUpView(track.Get(), aspect);
                scene.DrawPlan(track.Get());
                points = ReplayPath::Draw(*track, replay, 0, 0, 0);
            });
            first = run == 0 ? ms : first;
            best = ms < best ? ms : best;
        }
        Report(("paint with a path of " + std::to_string(points) + " points").c_str(), first, best, 100);

        // The damaged PTF in the 3D-object pane's Track 3D mode: measured, compiled and drawn.
        VelmoTest::TempFolder folder;
        const std::string damaged = WritePtf(folder, "damaged.ptf", "large-ptf", "3000 1000000");
        if (damaged.empty())
            return 1;
        PanePaint(damaged, ThreeDObjectViewState::Track3DCommand, runs, "damaged PTF of 3000 x 1000 km: first Track 3D paint");

        // Tracks that name one segment N times, the segment naming one floor section N times: a
        // few kilobytes, N x N bands.
        for (int n : {300, 600})
        {
            const std::string name = "repeat" + std::to_string(n) + ".ptf";
            const std::string ptf = WritePtf(folder, name, "repeat-ptf", std::to_string(n) + " " + std::to_string(n));
            if (ptf.empty())
                return 1;
            const std::string what = "PTF of " + std::to_string(n) + " x " + std::to_string(n) + " sections: first ";
            PanePaint(ptf, ThreeDObjectViewState::Track3DCommand, runs, what + "Track 3D paint");
            PanePaint(ptf, ThreeDObjectViewState::ThreeDCommand, runs, what + "3D paint");
        }
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}

// Times the track plan in an offscreen context of 1024 x 768 on the large track of trkviews.py
// (5000 segments with 12 surfaces and 2 walls each) and a car path of 50,000 frames over it,
// and the 3D-object pane's Track 3D paint of a damaged PTF of drawing_samples.py (3000 segments
// of 1000 km: billions of vertices at the plan's step, drawn within the plan's budget), and
// prints the figures; it asserts nothing. Each paint ends with glFinish.
//
//   TrackPlanBench [--runs R]
#include <GL/gl.h>

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
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/N4/N4TdoFile.h"
#include "Support/TempFolder.h"
#include "Util/CharBuffer.h"
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
double Milliseconds(const std::function<void()>& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Report(const char* what, double first, double best, double target)
{
    std::printf("%-48s first %9.1f ms  best %9.1f ms  (target %6.0f ms)\n", what, first, best, target);
}
} // namespace

int main(int argc, char** argv)
{
    int runs = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
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
        double first = 0, best = 1e9;
        for (int run = 0; run < runs; ++run)
        {
            TrackPlanScene scene;
            const double ms = Milliseconds([&] {
                scene.SetUpView(track.Get(), aspect);
                scene.DrawPlan(track.Get());
            });
            first = run == 0 ? ms : first;
            best = ms < best ? ms : best;
            scene.ReleaseGL();
        }
        Report("first paint (walk, compile and draw the plan)", first, best, 3000);

        TrackPlanScene scene;
        scene.SetUpView(track.Get(), aspect);
        scene.DrawPlan(track.Get());
        glFinish();
        first = 0, best = 1e9;
        for (int run = 0; run < runs; ++run)
        {
            const double ms = Milliseconds([&] {
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
            const double ms = Milliseconds([&] {
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
        const std::string ptf = folder.Path() + "/damaged.ptf";
        const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                 "/Vantrel/Drawing/drawing_samples.py\" large-ptf \"" + ptf + "\" 3000 1000000";
        if (std::system(line.c_str()) != 0)
        {
            std::printf("failed: %s\n", line.c_str());
            return 1;
        }
        std::ifstream in(ptf, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        auto* buffer = new Velmo::Util::CharBuffer("damaged.ptf");
        Velmo::Util::CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
        buffer->Attach(std::uint32_t(bytes.size()), bytes.data());
        Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> file(
            new Velmo::Papy::N4TdoFile(stream, Velmo::Papy::GetN4PtfArchivers(), nullptr));
        Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> root;
        root = file->GetRoot();
        first = 0, best = 1e9;
        std::string message;
        for (int run = 0; run < runs; ++run)
        {
            ThreeDObjectViewState state;
            state.OnSize(1024, 768);
            ThreeDObjectViewPainter::Resize(state);
            state.Execute(ThreeDObjectViewState::Track3DCommand);
            state.OnSelection(root->GetId());
            ThreeDObjectViewPainter painter;
            DrawingReport report;
            const double measure = Milliseconds([&] {
                painter.PreDraw(state, file.Get(), Velmo::Util::CountedPointer<Velmo::Papy::FileFactory>(), report);
            });
            const double ms = measure + Milliseconds([&] { painter.DrawScene(state, file.Get(), {}, {}); });
            std::printf("  bounds step %.1f ms, plan %.1f ms\n", measure, ms - measure);
            first = run == 0 ? ms : first;
            best = ms < best ? ms : best;
            message = report.IsEmpty() ? "" : report.GetMessages().front();
            painter.Destroy(state);
        }
        Report("damaged PTF of 3000 x 1000 km: first Track 3D paint", first, best, 2000);
        std::printf("  %s\n", message.c_str());
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}

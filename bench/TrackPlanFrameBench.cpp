// Times the first frame of the track window's plan (the bounds walk, the plan compiled into its
// list and drawn, glFinish) in an offscreen context of 1024 x 768, each run with a new scene, on
// the plan samples of plan_samples.py: tracks that name one straight segment of 3000 m SEGMENTS
// times, the segment naming one cross section CROSS times. Prints the load time, the first and
// best frame, the frame's charges, its notices and the peak memory; asserts nothing.
//
//   TrackPlanFrameBench [--runs R] [SEGMENTS CROSS [ORDER]] ...
//   (default: 1000 1000, 100 10000 and 1000 1000 alternate)
#include <GL/gl.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "GLContext.h"
#include "Support/PeakMemory.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Papy/Track/PtfTrack.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Vantrel/Drawing/TrackPlanScene.h"

namespace
{
struct Shape
{
    std::string Segments;
    std::string Cross;
    std::string Order;
};

std::vector<char> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Velmo::Util::CountedPointer<Velmo::Papy::Track> LoadPtf(const std::string& path)
{
    using namespace Velmo;
    const std::vector<char> bytes = ReadFile(path);
    Util::CountedPointer<Util::BinaryStream> stream(
        new Util::MemoryStream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), path));
    Util::CountedPointer<Papy::TdoFile> ptf(new Papy::N4TdoFile(stream, Papy::GetN4PtfArchivers(), nullptr));
    return Util::CountedPointer<Papy::Track>(new Papy::PtfTrack(ptf, path));
}

void Bench(const VelmoTest::TempFolder& folder, const Shape& shape, int runs)
{
    const std::string what = shape.Segments + " x " + shape.Cross + " sections" +
                             (shape.Order == "same" ? std::string() : " (" + shape.Order + ")");
    const std::string path = folder.Path("plan-" + shape.Segments + "-" + shape.Cross + "-" + shape.Order + ".ptf");
    const std::string line = std::string(VELMO_PYTHON3) + " \"" + VELMO_PLAN_SAMPLES + "\" repeat-track \"" + path +
                             "\" " + shape.Segments + " " + shape.Cross + " 3000 " + shape.Order;
    if (std::system(line.c_str()) != 0)
    {
        std::printf("failed: %s\n", line.c_str());
        return;
    }
    TestSupport::PeakMegabytesSinceLastCall();
    Velmo::Util::CountedPointer<Velmo::Papy::Track> track;
    const double load = FinishedMilliseconds([&] { track = LoadPtf(path); });
    std::printf("%-40s file %zu bytes, loaded in %.0f ms, peak %.0f MB\n", what.c_str(), ReadFile(path).size(), load,
                TestSupport::PeakMegabytesSinceLastCall());
    const double aspect = 1024.0 / 768;
    double first = 0, best = 1e9;
    for (int run = 0; run < runs; ++run)
    {
        TrackPlanScene scene;
        const double ms = FinishedMilliseconds([&] {
            scene.SetUpView(track.Get(), aspect);
            scene.DrawPlan(track.Get());
        });
        first = run == 0 ? ms : first;
        best = ms < best ? ms : best;
        if (run == 0)
        {
            const FrameBudget& frame = scene.GetFrameBudget();
            std::printf("  charged: %.0f track points, %.0f section look-ups%s%s\n",
                        frame.GetTaken()[FrameBudget::TrackPoints], frame.GetTaken()[FrameBudget::SectionLookups],
                        frame.IsSpent() ? "; spent on " : "",
                        frame.IsSpent() ? FrameBudget::NameOf(frame.GetSpentOn()) : "");
            for (const std::string& notice : scene.GetNotices())
                std::printf("  notice: %s\n", notice.c_str());
        }
        scene.ReleaseGL();
    }
    std::printf("  first frame %9.1f ms  best %9.1f ms  (target 2000 ms), peak %.0f MB\n", first, best,
                TestSupport::PeakMegabytesSinceLastCall());
}
} // namespace

int main(int argc, char** argv)
{
    int runs = 3;
    std::vector<Shape> shapes;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
        {
            runs = std::max(1, std::atoi(argv[++i]));
            continue;
        }
        if (i + 1 >= argc)
            break;
        Shape shape{argv[i], argv[i + 1], "same"};
        i += 1;
        if (i + 1 < argc && (std::strcmp(argv[i + 1], "same") == 0 || std::strcmp(argv[i + 1], "alternate") == 0))
            shape.Order = argv[++i];
        shapes.push_back(shape);
    }
    if (shapes.empty())
        shapes = {{"1000", "1000", "same"}, {"100", "10000", "same"}, {"1000", "1000", "alternate"}};
    GLContext context(1024, 768);
    if (!context.IsCurrent())
    {
        std::printf("no OpenGL context (EGL surfaceless) on this machine\n");
        return 0;
    }
    std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    try
    {
        VelmoTest::TempFolder folder;
        for (const Shape& shape : shapes)
            Bench(folder, shape, runs);
    }
    catch (const Velmo::Util::Exception& e)
    {
        std::printf("failed: %s\n", e.GetText().c_str());
        return 1;
    }
    return 0;
}

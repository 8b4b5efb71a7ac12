// The first frame of the 3D pane, as the pane paints it (the bounds step, then the scene), in
// an offscreen context of 1000 x 750 unless --size says otherwise, for the hostile samples and
// the largest ordinary objects, in View > 3D and in View > Track 3D: the time of the first
// frame, the peak memory of the process (each case runs in a child process of its own, whose
// peak resident size is read when it ends), the lines the pane would show, and what the frame's
// walks took together of its FrameBudget, beside the limits.
//
// Hostile: drawing_samples.py's shared 40 (a GPL square named over 40 shared levels), chain
// 12 4 (13 GPL objects, each naming the next 4 times), shared-n4 21, heavy-triangles (10 shared
// levels over 100,000 triangles), heavy-vertices (over a list of 300,000 vertices), bow-tie 17
// (a self-crossing square over 17 shared levels), texture-names 19 2000 (a material naming
// 2,000 textures over 19 shared levels) and reprojected 19 50000 (an N4 list of 50,000 vertices
// beside 19 shared levels over a transform of a degenerate triangle strip); and the
// 50,000-polygon object seen from the centre of its bounds; splitter 100000 (a GPL distance
// splitter of 100,000 entries that never apply, about 800 KB) and splitter 12000 4 (one of
// 12,000 under 4 shared levels).
// Ordinary: gpl3do.py's large track-shaped object of the load benchmark (250,000 records, about
// 10 MB) and a 50,000-polygon object, n4archive.py's 300,000-triangle mesh, drawing_samples.py's
// 5,000- and 3,000-segment tracks. The files are written into a folder under the temporary
// folder. Prints the figures; asserts nothing.
//
//   WalkBudgetBench [--size W H] [--only NAME] [--file FOLDER NAME]
//
// --file: only that object (FOLDER/NAME.3do, a cost fuzz finding), from outside and from inside.
#include <GL/gl.h>
#include <GL/glu.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "GLContext.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

using namespace Velmo;
using Clock = std::chrono::steady_clock;

namespace
{
bool Run(const std::string& script, const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR + "/" + script + "\" " +
                                arguments + " >/dev/null";
    if (std::system(command.c_str()) == 0)
        return true;
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    return false;
}

struct File
{
    const char* name;   // the case's name
    const char* folder; // under the bench's folder
    const char* file;   // name without extension
    const char* extension;
    bool hostile;
    bool inside = false; // seen from the centre of its bounds
};

const File Files[] = {
    {"shared 40", "gpl", "shared", "3do", true},
    {"chain 12 4", "chain", "chain0", "3do", true},
    {"shared-n4 21", "n4", "shared", "3do", true},
    {"heavy-triangles", "n4", "heavy-triangles", "3do", true},
    {"heavy-vertices", "n4", "heavy-vertices", "3do", true},
    {"bow-tie 17", "gpl", "bow-tie", "3do", true},
    {"texture-names 19 2000", "gpl", "texture-names", "3do", true},
    {"reprojected 19 50000", "n4", "reprojected", "3do", true},
    {"splitter 100000", "gpl", "splitter", "3do", true},
    {"splitter 12000 4", "gpl", "splitter-shared", "3do", true},
    {"GPL load object", "large", "large", "3do", false},
    {"GPL 50000 polygons", "gpl", "polygons", "3do", false},
    {"GPL 50000 polygons, inside", "gpl", "polygons", "3do", false, true},
    {"N4 300k-triangle mesh", "mesh", "mesh", "3do", false},
    {"5000-segment track", "ptf", "track5000", "ptf", false},
    {"3000-segment track", "ptf", "track3000", "ptf", false},
};

bool Generate(const std::string& top)
{
    for (const char* folder : {"gpl", "chain", "n4", "large", "mesh", "ptf"})
        std::filesystem::create_directories(top + "/" + folder);
    const std::string drawing = "Vantrel/Drawing/drawing_samples.py";
    return Run(drawing, "shared \"" + top + "/gpl/shared.3do\" 40") &&
           Run(drawing, "chain \"" + top + "/chain\" 12 4") &&
           Run(drawing, "shared-n4 \"" + top + "/n4/shared.3do\" 21") &&
           Run(drawing, "heavy-triangles \"" + top + "/n4/heavy-triangles.3do\" 10 100000") &&
           Run(drawing, "heavy-vertices \"" + top + "/n4/heavy-vertices.3do\" 10 300000") &&
           Run(drawing, "bow-tie \"" + top + "/gpl/bow-tie.3do\" 17") &&
           Run(drawing, "texture-names \"" + top + "/gpl/texture-names.3do\" 19 2000") &&
           Run(drawing, "reprojected \"" + top + "/n4/reprojected.3do\" 19 50000") &&
           Run(drawing, "splitter \"" + top + "/gpl/splitter.3do\" 100000") &&
           Run(drawing, "splitter \"" + top + "/gpl/splitter-shared.3do\" 12000 4") &&
           Run("Papy/GPL/gpl3do.py", "large \"" + top + "/large/large.3do\" --records 250000") &&
           Run("Papy/GPL/gpl3do.py", "polygons \"" + top + "/gpl/polygons.3do\" --count 50000") &&
           Run("Papy/N4/n4archive.py", "mesh \"" + top + "/mesh/mesh.3do\" 300000") &&
           Run(drawing, "large-ptf \"" + top + "/ptf/track5000.ptf\" 5000") &&
           Run(drawing, "large-ptf \"" + top + "/ptf/track3000.ptf\" 3000");
}

std::string Told(const DrawingReport& report)
{
    std::string text;
    for (const std::string& message : report.GetMessages())
        text += (text.empty() ? "" : " | ") + message;
    for (const std::string& notice : report.GetNotices())
        text += (text.empty() ? "" : " | ") + notice;
    return text.empty() ? "-" : text;
}

void Merge(const DrawingReport& from, DrawingReport& into)
{
    for (const std::string& message : from.GetMessages())
        into.Add(message);
    for (const std::string& notice : from.GetNotices())
        into.AddNotice(notice);
}

void PrintTaken(const char* walk, const FrameBudget& budget)
{
    std::printf("      %-8s", walk);
    for (int i = 0; i < FrameBudget::CostCount; ++i)
        std::printf(" %s %.4g", FrameBudget::NameOf(FrameBudget::Cost(i)), budget.GetTaken()[i]);
    if (budget.IsSpent())
        std::printf("  (spent on %s)", FrameBudget::NameOf(budget.GetSpentOn()));
    std::printf("\n");
}

// One case, in the child: the pane's first frame in the mode, then the walks' budgets.
int FirstFrame(const std::string& top, const File& file, bool track3D, int width, int height)
{
    GLContext context(width, height);
    if (!context.IsCurrent())
    {
        std::printf("no OpenGL context (EGL surfaceless) on this machine\n");
        return 1;
    }
    try
    {
        const auto factory = Papy::FileFactoryRegistry::Instance()->GetFactory(top + "/" + file.folder, false);
        Util::CountedPointer<Papy::TdoFile> tdo;
        if (std::string(file.extension) == "ptf")
            factory->GetFacet<Papy::MakePtf>()->Make(tdo, file.file, file.extension, false);
        else
            factory->GetFacet<Papy::MakeTdo>()->Make(tdo, file.file, file.extension, false);
        Util::CountedPointer<Papy::ThreeDObject> root;
        root = tdo->GetRoot();
        ThreeDObjectViewState state;
        ThreeDObjectViewPainter painter;
        state.OnSize(width, height);
        ThreeDObjectViewPainter::Resize(state);
        state.Execute(track3D ? ThreeDObjectViewState::Track3DCommand : ThreeDObjectViewState::ThreeDCommand);
        state.OnSelection(root->GetId());
        if (file.inside)
        {
            // The bounds step first (untimed), then the eye moved to their centre, looking
            // down the camera's axis as before.
            DrawingReport ignored;
            painter.PreDraw(state, tdo.Get(), factory, ignored);
            const ViewBounds& bounds = state.GetBounds();
            const double x = (bounds.MinX + bounds.MaxX) / 2, y = (bounds.MinY + bounds.MaxY) / 2,
                         z = (bounds.MinZ + bounds.MaxZ) / 2;
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            gluLookAt(x, y, z, x, y, z - 1, 0, 1, 0);
        }
        ThreeDObject3DVisitor visitor(factory);
        DrawingReport report;
        const auto start = Clock::now();
        painter.PreDraw(state, tdo.Get(), factory, report);
        painter.DrawScene(state, tdo.Get(),
                          [&](const DrawOptions& options, const ThreeDObjectViewPainter::Node& shown,
                              const ThreeDObjectViewPainter::Node& highlighted) {
                              Draw(options, visitor, shown, highlighted);
                          },
                          {});
        glFinish();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        Merge(visitor.GetReport(), report);
        Merge(painter.GetPlanReport(), report);
        std::printf("  %-27s %-8s first frame %7.3f s  told: %s\n", file.name, track3D ? "Track3D" : "3D", seconds,
                    Told(report).c_str());
        PrintTaken("frame", painter.GetLastFrame());
        painter.Destroy(state);
        visitor.DestroyGL();
    }
    catch (const Util::Exception& error)
    {
        std::printf("  %-27s failed: %s\n", file.name, error.GetText().c_str());
    }
    std::fflush(stdout);
    return 0;
}
// The case in a process of its own, for its peak memory; false when it could not run.
bool InChild(const std::string& top, const File& file, bool track3D, int width, int height)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(FirstFrame(top, file, track3D, width, height));
    int status = 0;
    struct rusage usage = {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return false;
    std::printf("      peak memory %.0f MB%s\n", double(usage.ru_maxrss) / 1024.0,
                WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "  (the case failed)");
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    int width = 1000, height = 750;
    std::string only, folder, name;
    for (int i = 1; i < argc; ++i)
    {
        const std::string option = argv[i];
        if (option == "--size" && i + 2 < argc)
        {
            width = std::atoi(argv[++i]);
            height = std::atoi(argv[++i]);
        }
        else if (option == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (option == "--file" && i + 2 < argc)
        {
            folder = argv[++i];
            name = argv[++i];
        }
    }
    if (!folder.empty())
    {
        for (const bool inside : {false, true})
            for (const bool track3D : {false, true})
            {
                const File file{inside ? "inside" : "outside", ".", name.c_str(), "3do", true, inside};
                if (!InChild(folder, file, track3D, width, height))
                    return 1;
            }
        return 0;
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string top = std::string(tmp != nullptr && *tmp ? tmp : "/tmp") + "/WalkBudgetBench";
    std::filesystem::remove_all(top);
    if (!Generate(top))
        return 1;
    std::printf("the pane's first frame, %d x %d; limits:", width, height);
    for (int i = 0; i < FrameBudget::CostCount; ++i)
        std::printf(" %s %.4g", FrameBudget::NameOf(FrameBudget::Cost(i)), FrameBudget::Limits[i]);
    std::printf("\n");
    std::fflush(stdout);
    for (const File& file : Files)
    {
        if (!only.empty() && only != file.name)
            continue;
        for (const bool track3D : {false, true})
            if (!InChild(top, file, track3D, width, height))
                return 1;
    }
    std::filesystem::remove_all(top);
    return 0;
}

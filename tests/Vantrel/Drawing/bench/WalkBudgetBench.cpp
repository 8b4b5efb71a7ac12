// The time each walk of the 3D pane takes over node graphs whose paths far outnumber their
// nodes, in an offscreen context (256 x 192 unless --size says otherwise; the drawing uses the
// drawing tests' projection, each path's square over a quarter of the picture): a GPL object
// of LEVELS object lists that each name the next twice (2^LEVELS paths), an N4 object of
// N4LEVELS such groups, and a chain of GPL external objects, each naming the next FANOUT
// times, DEPTH deep. The objects come from
// drawing_samples.py, written into a folder under the temporary folder. Prints the figures;
// asserts nothing.
//
//   WalkBudgetBench [--levels LEVELS] [--n4-levels N4LEVELS] [--chain DEPTH FANOUT] [--size W H]
#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "GLContext.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

using namespace Velmo;
using Clock = std::chrono::steady_clock;

namespace
{
bool Run(const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR +
                                "/Vantrel/Drawing/drawing_samples.py\" " + arguments;
    if (std::system(command.c_str()) == 0)
        return true;
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    return false;
}

// Times one walk and prints its figure and what it told.
void Time(const char* walk, const std::function<std::string()> run)
{
    const auto start = Clock::now();
    std::string told;
    try
    {
        told = run();
    }
    catch (const Util::Exception& error)
    {
        told = "failed: " + error.GetText();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("  %-10s %8.3f s  %s\n", walk, seconds, told.c_str());
    std::fflush(stdout);
}

std::string Told(const DrawingReport& report)
{
    std::string text;
    for (const std::string& message : report.GetMessages())
        text += (text.empty() ? "" : " | ") + message;
    return text;
}

void Walks(const std::string& title, const std::string& folder, const std::string& name)
{
    std::printf("%s\n", title.c_str());
    auto factory = Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
    Util::CountedPointer<Papy::TdoFile> file;
    factory->GetFacet<Papy::MakeTdo>()->Make(file, name, "3do", false);
    Util::CountedPointer<Papy::ThreeDObject> root;
    root = file->GetRoot();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 10, -10, 10, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0, 0, -50);
    Time("drawing", [&] {
        ThreeDObject3DVisitor visitor(factory);
        Draw(DrawOptions(), visitor, root, nullptr);
        glFinish();
        return Told(visitor.GetReport());
    });
    Time("bounds", [&] {
        glPushMatrix();
        glLoadIdentity();
        ThreeDObjectGetBoundsVisitor visitor(factory, DrawOptions());
        root->Accept(visitor);
        glPopMatrix();
        return Told(visitor.GetReport());
    });
    Time("check", [&] {
        ThreeDObjectCheckVisitor visitor(factory);
        visitor.ClearRecords();
        root->Accept(visitor);
        return Told(visitor.GetReport());
    });
    Time("clip test", [&] {
        ThreeDObjectClipTestVisitor visitor(factory);
        visitor.Reset();
        root->Accept(visitor);
        visitor.Reset();
        return Told(visitor.GetReport());
    });
}
} // namespace

int main(int argc, char** argv)
{
    int levels = 40, n4Levels = 21, depth = 6, fanout = 64, width = 256, height = 192;
    for (int i = 1; i < argc; ++i)
    {
        const std::string option = argv[i];
        if (option == "--levels" && i + 1 < argc)
            levels = std::atoi(argv[++i]);
        else if (option == "--n4-levels" && i + 1 < argc)
            n4Levels = std::atoi(argv[++i]);
        else if (option == "--size" && i + 2 < argc)
        {
            width = std::atoi(argv[++i]);
            height = std::atoi(argv[++i]);
        }
        else if (option == "--chain" && i + 2 < argc)
        {
            depth = std::atoi(argv[++i]);
            fanout = std::atoi(argv[++i]);
        }
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string top = std::string(tmp != nullptr && *tmp ? tmp : "/tmp") + "/WalkBudgetBench";
    const std::string gpl = top + "/gpl", chain = top + "/chain", n4 = top + "/n4";
    std::filesystem::remove_all(top);
    for (const std::string& folder : {gpl, chain, n4})
        std::filesystem::create_directories(folder);
    // A count of 0 leaves that object out.
    if ((levels > 0 && !Run("shared \"" + gpl + "/shared.3do\" " + std::to_string(levels))) ||
        (n4Levels > 0 && !Run("shared-n4 \"" + n4 + "/shared.3do\" " + std::to_string(n4Levels))) ||
        (depth > 0 && !Run("chain \"" + chain + "\" " + std::to_string(depth) + " " + std::to_string(fanout))))
        return 1;

    GLContext context(width, height);
    if (!context.IsCurrent())
    {
        std::printf("no OpenGL context (EGL surfaceless) on this machine\n");
        return 0;
    }
    std::printf("OpenGL: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::fflush(stdout);
    if (levels > 0)
        Walks("GPL object of " + std::to_string(levels) + " shared levels:", gpl, "shared");
    if (n4Levels > 0)
        Walks("N4 object of " + std::to_string(n4Levels) + " shared levels:", n4, "shared");
    if (depth > 0)
        Walks("GPL external objects " + std::to_string(depth) + " deep, each named " + std::to_string(fanout) +
                  " times:",
              chain, "chain0");
    return 0;
}

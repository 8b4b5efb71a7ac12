// The figures of the 3D drawing visitor on the machine's OpenGL (llvmpipe in CI), in a
// 1024 x 768 offscreen context:
//   - a generated GPL object of 50,000 polygons (immediate mode), shaded and in wireframe
//     (target: under 1 s a frame);
//   - an N4 mesh of 300,000 triangles through glDrawElements (target: under 0.5 s a frame),
//     and the share of its frame time that the index checks take;
//   - 100 textures of 256 x 256 on their first frame (target: under 1 s) and the uploads of
//     the second frame (target: none);
//   - an N4 object of 24 squares under 24 textures of 4096 x 4096 (12.5 MB on disk), and one
//     under one such texture named by 24 spellings and by the one spelling 24 times: the first
//     frame's time, its uploads and the peak rise of the resident set (target: 2 s, and the
//     textures within the cache's total: 128 MiB kept by the driver, 256 MiB at the peak).
// The objects and textures come from the independent generators, written into a folder under
// the temporary folder. Prints the figures; asserts nothing.
//
//   DrawingBench [--frames N]
#include <GL/gl.h>

#include <algorithm>
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
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"
#include "Support/PeakMemory.h"
#include "Vantrel/Drawing/ClientArrays.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace Velmo;
using Clock = std::chrono::steady_clock;

namespace
{
bool Run(const std::string& script, const std::string& arguments)
{
    const std::string command = std::string(VELMO_PYTHON3) + " \"" + VELMO_TEST_SOURCE_DIR + "/" + script + "\" " + arguments;
    if (std::system(command.c_str()) == 0)
        return true;
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    return false;
}

Util::CountedPointer<Papy::TdoFile> Load(const std::string& folder, const std::string& name,
                                         Util::CountedPointer<Papy::FileFactory>& factory)
{
    factory = Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
    Util::CountedPointer<Papy::TdoFile> file;
    factory->GetFacet<Papy::MakeTdo>()->Make(file, name, "3do", false);
    return file;
}

void Ortho(double left, double right, double bottom, double top)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Seconds of one frame, finished.
double Frame(const DrawOptions& options, ThreeDObject3DVisitor& visitor, const Util::CountedPointer<Papy::TdoFile>& file)
{
    const auto start = Clock::now();
    Util::CountedPointer<Papy::ThreeDObject> root = file->GetRoot();
    Draw(options, visitor, root, nullptr);
    glFinish();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Times
{
    double first = 0;
    double median = 0;
};

Times Frames(int count, const DrawOptions& options, ThreeDObject3DVisitor& visitor,
             const Util::CountedPointer<Papy::TdoFile>& file)
{
    std::vector<double> seconds;
    for (int i = 0; i < count; ++i)
        seconds.push_back(Frame(options, visitor, file));
    Times times{seconds.front(), 0};
    std::sort(seconds.begin(), seconds.end());
    times.median = seconds[seconds.size() / 2];
    return times;
}

class Triangles : public Papy::ThreeDObjectVisitor
{
public:
    void VisitTriangles(Papy::ThreeDObjectTriangles& node) override { Found.push_back(&node); }
    std::vector<Papy::ThreeDObjectTriangles*> Found;
};

class CountingUploader : public TextureUploader
{
public:
    unsigned Upload(std::uint32_t width, std::uint32_t height, const RowSource& rows, bool s, bool t) override
    {
        ++Uploads;
        return TextureUploader::Upload(width, height, rows, s, t);
    }
    int Uploads = 0;
};
// An object of a folder and a visitor of its own, whose uploads are counted.
struct Textured
{
    Textured(const std::string& folder, const std::string& name) : file(Load(folder, name, factory)), visitor(factory)
    {
        visitor.SetTextureUploader(uploader);
    }
    Util::CountedPointer<Papy::FileFactory> factory;
    Util::CountedPointer<Papy::TdoFile> file;
    ThreeDObject3DVisitor visitor;
    Util::CountedPointer<CountingUploader> uploader{new CountingUploader};
};

// One big-texture object's row, in a process of its own (the bench runs itself with
// --textures FOLDER WHAT), so that its peak is its own: its first frame's time, uploads and
// the peak rise of the resident set, then the second frame's time.
int BigTextures(const std::string& folder, const std::string& what)
{
    GLContext context(1024, 768);
    if (!context.IsCurrent())
        return 0;
    try
    {
        Textured scene(folder, "textures");
        Ortho(-10, 10, -10, 10);
        double first = 0;
        const auto rise = TestSupport::PeakRise([&] { first = Frame(DrawOptions(), scene.visitor, scene.file); });
        const double second = Frame(DrawOptions(), scene.visitor, scene.file);
        std::printf("%s: first frame %.3f s with %d uploads, peak rise %s MiB (target < 2 s, < 256 MiB); second "
                    "frame %.3f s\n",
                    what.c_str(), first, scene.uploader->Uploads,
                    rise ? std::to_string(*rise >> 20).c_str() : "(not measured)", second);
        for (const std::string& message : scene.visitor.GetReport().GetMessages())
            std::printf("  told: %s\n", message.c_str());
        scene.visitor.DestroyGL();
    }
    catch (const Util::Exception& error)
    {
        std::printf("failed: %s\n", error.GetText().c_str());
        return 1;
    }
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--textures")
        return BigTextures(argv[2], argv[3]);
    int frames = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--frames")
            frames = std::max(1, std::atoi(argv[++i]));

    const char* tmp = std::getenv("TMPDIR");
    const std::string top = std::string(tmp != nullptr && *tmp ? tmp : "/tmp") + "/DrawingBench";
    const std::string gpl = top + "/gpl", n4 = top + "/n4", textures = top + "/textures";
    std::filesystem::remove_all(top);
    std::filesystem::create_directories(gpl);
    std::filesystem::create_directories(n4);
    const std::string big = top + "/big", spellings = top + "/spellings", same = top + "/same";
    if (!Run("Vantrel/Drawing/drawing_samples.py", "big-textures \"" + big + "\" 24 12") ||
        !Run("Vantrel/Drawing/drawing_samples.py", "spellings \"" + spellings + "\" 24 12") ||
        !Run("Vantrel/Drawing/drawing_samples.py", "spellings \"" + same + "\" 24 12 same"))
        return 1;
    if (!Run("Papy/GPL/gpl3do.py", "polygons \"" + gpl + "/polygons.3do\" --count 50000") ||
        !Run("Papy/N4/n4archive.py", "mesh \"" + n4 + "/mesh.3do\" 300000") ||
        !Run("Papy/Bitmap/bitmap.py", "textures \"" + textures + "\" --count 100 --size 256") ||
        !Run("Papy/GPL/gpl3do.py", "textured \"" + textures + "/textured.3do\" --count 100"))
        return 1;

    GLContext context(1024, 768);
    if (!context.IsCurrent())
    {
        std::printf("no OpenGL context (EGL surfaceless) on this machine\n");
        return 0;
    }
    std::printf("OpenGL: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    try
    {
        {
            Util::CountedPointer<Papy::FileFactory> factory;
            auto file = Load(gpl, "polygons", factory);
            ThreeDObject3DVisitor visitor(factory);
            Ortho(-600, 600, -450, 450);
            DrawOptions shaded, wireframe;
            wireframe.Wireframe = true;
            const Times s = Frames(frames, shaded, visitor, file);
            ThreeDObject3DVisitor fresh(factory);
            const double again = Frame(shaded, fresh, file);
            std::printf("  (a fresh visitor's first frame: %.3f s)\n", again);
            const Times w = Frames(frames, wireframe, visitor, file);
            std::printf("GPL object, 50000 polygons: shaded %.3f s a frame (first %.3f), wireframe %.3f s (first %.3f); "
                        "target < 1 s\n",
                        s.median, s.first, w.median, w.first);
        }
        {
            Util::CountedPointer<Papy::FileFactory> factory;
            auto file = Load(n4, "mesh", factory);
            ThreeDObject3DVisitor visitor(factory);
            Ortho(-10, 400, -10, 400);
            const Times t = Frames(frames, DrawOptions(), visitor, file);
            // The checks alone, as the visitor runs them: every index copied and compared.
            Triangles finder;
            file->GetRoot()->Accept(finder);
            std::size_t indices = 0;
            std::vector<unsigned> out;
            double checks = 1e9;
            for (int run = 0; run < frames; ++run)
            {
                const auto start = Clock::now();
                for (auto* node : finder.Found)
                {
                    std::size_t largest = 0;
                    ClientArrays::CopyIndices(node->GetIndexCount(), [node](int i) { return node->GetIndex(i); },
                                              std::size_t(1) << 30, out, largest);
                    indices += out.size();
                }
                checks = std::min(checks, std::chrono::duration<double>(Clock::now() - start).count());
            }
            std::printf("N4 mesh, 300000 triangles: %.3f s a frame (first %.3f); target < 0.5 s; index checks "
                        "(copy and compare of %zu indices) %.4f s, %.1f%% of the frame\n",
                        t.median, t.first, indices / std::size_t(frames), checks, 100 * checks / t.median);
        }
        {
            Textured scene(textures, "textured");
            ThreeDObject3DVisitor& visitor = scene.visitor;
            const auto& file = scene.file;
            const auto& uploader = scene.uploader;
            Ortho(-50, 50, -50, 50);
            const double first = Frame(DrawOptions(), visitor, file);
            const int firstUploads = uploader->Uploads;
            const double second = Frame(DrawOptions(), visitor, file);
            std::printf("100 textures of 256 x 256: first frame %.3f s with %d uploads (target < 1 s); second frame "
                        "%.3f s with %d uploads (target 0)\n",
                        first, firstUploads, second, uploader->Uploads - firstUploads);
            visitor.DestroyGL();
            for (const std::string& message : visitor.GetReport().GetMessages())
                std::printf("  told: %s\n", message.c_str());
        }
    }
    catch (const Util::Exception& error)
    {
        std::printf("failed: %s\n", error.GetText().c_str());
        return 1;
    }
    std::fflush(stdout);
    for (const auto& [folder, what] : {std::pair{big, "24 textures of 4096 x 4096"},
                                       std::pair{spellings, "1 texture of 4096 x 4096 by 24 spellings"},
                                       std::pair{same, "1 texture of 4096 x 4096 by 1 spelling 24 times"}})
        if (std::system(("\"" + std::string(argv[0]) + "\" --textures \"" + folder + "\" \"" + what + "\"").c_str()) != 0)
            return 1;
    return 0;
}

// glshot [--node ID] [--track] [--wireframe] [--highlight ID] FILE OUT.png
//
// Renders one node of a 3D-object file (the root unless --node names one) as the 3D-object
// pane would, into an offscreen OpenGL context (EGL, no display), and writes the picture as a
// PNG: 3D mode, or with --track the Track 3D mode (the file's track plan framed on the node).
// In 3D mode --wireframe draws as the Wireframe switch does, and --highlight marks a node as
// a selection with Highlight on does.
// The file is opened through its folder's factory, as the document opens it. Each problem met
// is printed once to standard error. Exit status: 0 drawn, 1 drawn past an error (the pane's
// grey background, as the pane paints it then), 2 bad arguments or no OpenGL context.
#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "GLContext.h"
#include "PngWriter.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

using Velmo::Util::CountedPointer;
using namespace Velmo::Papy;

namespace
{
constexpr int Width = 640;
constexpr int Height = 480;

// Prints each text once.
class Messages
{
public:
    void Print(const std::string& text)
    {
        if (m_printed.Add(text))
            std::fprintf(stderr, "%s%s", text.c_str(), !text.empty() && text.back() == '\n' ? "" : "\n");
    }

private:
    DrawingReport m_printed;
};

CountedPointer<TdoFile> Open(const std::string& path, CountedPointer<FileFactory>& factory)
{
    const std::filesystem::path file = std::filesystem::absolute(path);
    factory = FileFactoryRegistry::Instance()->GetFactory(file.parent_path().string(), false);
    if (!factory)
        throw Velmo::Util::XUsage("no game recognises the folder of " + path);
    std::string extension = file.extension().string();
    if (!extension.empty())
        extension.erase(0, 1);
    std::string lower = extension;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    CountedPointer<TdoFile> object;
    if (lower == "ptf")
        factory->GetFacet<MakePtf>()->Make(object, file.stem().string(), extension, false);
    else
        factory->GetFacet<MakeTdo>()->Make(object, file.stem().string(), extension, false);
    return object;
}

int Usage()
{
    std::fprintf(stderr, "usage: glshot [--node ID] [--track] [--wireframe] [--highlight ID] FILE OUT.png\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> names;
    bool track = false;
    bool wireframe = false;
    bool hasNode = false;
    int nodeId = -1;
    bool hasHighlight = false;
    int highlightId = -1;
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument = argv[i];
        if (argument == "--track")
            track = true;
        else if (argument == "--wireframe")
            wireframe = true;
        else if ((argument == "--node" || argument == "--highlight") && i + 1 < argc)
        {
            char* end = nullptr;
            const int id = int(std::strtol(argv[++i], &end, 10));
            if (end == nullptr || *end != 0 || end == argv[i])
                return Usage();
            (argument == "--node" ? hasNode : hasHighlight) = true;
            (argument == "--node" ? nodeId : highlightId) = id;
        }
        else
            names.push_back(argument);
    }
    if (names.size() != 2)
        return Usage();

    GLContext context(Width, Height);
    if (!context.IsCurrent())
    {
        std::fprintf(stderr, "glshot: no OpenGL context (EGL surfaceless) on this machine\n");
        return 2;
    }
    Messages messages;
    bool failed = false;
    ThreeDObjectViewState state;
    ThreeDObjectViewPainter painter;
    try
    {
        CountedPointer<FileFactory> factory;
        const CountedPointer<TdoFile> file = Open(names[0], factory);
        state.OnSize(Width, Height);
        ThreeDObjectViewPainter::Resize(state);
        state.Execute(track ? ThreeDObjectViewState::Track3DCommand : ThreeDObjectViewState::ThreeDCommand);
        if (wireframe)
            state.Execute(ThreeDObjectViewState::WireframeCommand);
        if (!hasNode)
        {
            CountedPointer<ThreeDObject> root;
            root = file->GetRoot();
            if (root)
                nodeId = root->GetId();
        }
        state.OnSelection(nodeId);
        if (hasHighlight)
        {
            state.Execute(ThreeDObjectViewState::HighlightCommand);
            state.OnSelection(highlightId);
        }
        // The pane's 3D mode: its one drawing visitor, built from the document's factory.
        ThreeDObject3DVisitor visitor(factory);
        const auto draw = [&visitor](const DrawOptions& options, const ThreeDObjectViewPainter::Node& shown,
                                     const ThreeDObjectViewPainter::Node& highlighted) {
            Draw(options, visitor, shown, highlighted);
        };
        DrawingReport report;
        const auto printAll = [&] {
            for (const std::string& message : report.GetMessages())
                messages.Print(message);
            for (const std::string& message : visitor.GetReport().GetMessages())
                messages.Print(message);
        };
        try
        {
            painter.PreDraw(state, file.Get(), factory, report);
            painter.DrawScene(state, file.Get(), draw, {});
        }
        catch (...)
        {
            printAll();
            throw;
        }
        printAll();
        visitor.DestroyGL();
        glFinish();
        Velmo::OpenGL::CheckError();
    }
    catch (const Velmo::Util::Exception& e)
    {
        messages.Print(e.GetText());
        failed = true;
    }
    catch (const std::exception& e)
    {
        messages.Print(e.what());
        failed = true;
    }
    if (failed)
    {
        // What the pane shows after a failed paint: its background.
        glGetError();
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glFinish();
    }
    // OpenGL's rows run bottom up, a picture's top down.
    const std::vector<std::uint8_t> bottomUp = context.Pixels();
    std::vector<std::uint8_t> topDown(bottomUp.size());
    const std::size_t row = std::size_t(Width) * 3;
    for (int y = 0; y < Height; ++y)
        std::copy_n(bottomUp.begin() + std::ptrdiff_t(std::size_t(Height - 1 - y) * row), row,
                    topDown.begin() + std::ptrdiff_t(std::size_t(y) * row));
    if (!WritePng(names[1], Width, Height, topDown))
    {
        std::fprintf(stderr, "glshot: cannot write %s\n", names[1].c_str());
        return 2;
    }
    return failed ? 1 : 0;
}

#pragma once
// The third pane of a 3D-object window: the node selected in the tree, drawn with OpenGL.
//
// Everything the pane decides (modes, Highlight, Center, axes, draw and texture switches, the
// shown and highlighted nodes, bounds and camera, check marks, which problems were shown) is
// ThreeDObjectViewState's; the OpenGL steps (viewport and camera, the bounds step, the scene)
// are ThreeDObjectViewPainter's. This view only forwards commands, hints and sizes to them,
// draws through the document's file and factory, and shows dialogs and messages.
//
// - 3D mode draws the shown node through the pane's one drawing visitor (its texture cache
//   lives as long as the pane), with the highlighted node marked; Track 3D draws the whole
//   file's track plan from a display list compiled once (again after an edit).
// - A hint with a sender (a tree selection) names the node to show, or to highlight while
//   Highlight is on; a hint without one means the content changed: the bounds are measured
//   again, the plan compiled again, and a node that is gone is no longer shown.
// - Problems drawn past, and what ends a paint, are shown once after the paint, together;
//   again only after the node, the mode or the options change. The pane's notices (how it drew)
//   go to its notice bar and belong to the mode, the file, the shown node and the drawing
//   options: another of them takes them away (the frame after it tells them again if it makes
//   them again). The track plan's notices are told only by frames that show the plan.
// - Check (F4) opens every file the shown node names; a passed check says so in the status bar
//   only. The clip-test command tests the shown node's vertices against their planes in place
//   of one frame and shows the summary (or "Clip test passed" in the status bar) each time it
//   is asked for, whatever was shown before.
#include <memory>
#include <string>
#include <vector>

#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"
#include "Vantrel/View/OpenGLView.h"

class C3DODoc;
class ThreeDObject3DVisitor;
class wxUpdateUIEvent;

class C3DO3DView : public COpenGLView
{
public:
    C3DO3DView();
    ~C3DO3DView() override;

    wxWindow* CreatePane(wxWindow* parent) override;
    void OnInitialUpdate() override;
    void OnUpdate(wxView* sender, wxObject* hint = nullptr) override;

    // Runs a command of the 3D-object menus by its number (ThreeDObjectViewState::Command or a
    // category command), as its menu item does.
    void RunCommand(int command);

    const ThreeDObjectViewState& GetState() const { return m_state; }
    const ThreeDObjectViewPainter& GetPainter() const { return m_painter; }
    // The drawing visitor of the pane, null before the initial update.
    const ThreeDObject3DVisitor* GetVisitor() const { return m_visitor.get(); }

    // How many hints the pane has received, and the last: its node and whether it came from a
    // pane (a selection) or from no sender (a change of content); how often Refresh was asked
    // for.
    struct Received
    {
        C3DOHint Hint;
        bool FromPane = false;
    };
    std::size_t GetReceivedCount() const { return m_receivedCount; }
    const Received& GetLastReceived() const { return m_lastReceived; }
    int GetRefreshCount() const { return m_refreshCount; }

    static constexpr const char* CheckPassedText = "Check passed";
    static constexpr const char* ClipTestPassedText = "Clip test passed";

protected:
    void Resize(int width, int height) override;
    void PreDraw() override;
    void DrawScene() override;
    void DestroyGL() override;
    bool ShouldReport(const std::string& text) override;
    PaneNotices::Owner GetNoticeOwner() const override;

private:
    C3DODoc* GetTdoDocument() const;
    void Apply(const ThreeDObjectViewState::Effect& effect);
    void UpdateCommand(int command, wxUpdateUIEvent& event) const;
    void Check();
    void ShowBounds();
    void ShowViewpoint();
    void RunClipTest(const ThreeDObjectViewPainter::Node& shown);
    void ReportAll(const DrawingReport& report);
    static void ShowStatus(const std::string& text);

    ThreeDObjectViewState m_state;
    ThreeDObjectViewPainter m_painter;
    std::unique_ptr<ThreeDObject3DVisitor> m_visitor;
    std::size_t m_receivedCount = 0;
    Received m_lastReceived;
    int m_refreshCount = 0;
    // Edits and changes of the drawing options: each makes the notices another frame's.
    std::uint64_t m_drawingChanges = 0;
    // While a clip test runs, and for the failure that ended one: its texts are its answer and
    // are shown whatever was shown before.
    bool m_answering = false;
    bool m_answerPending = false;

    wxDECLARE_DYNAMIC_CLASS(C3DO3DView);
};

#pragma once
// The OpenGL side of the 3D-object pane, apart from any window: the viewport and camera, the
// bounds step before a paint, the scene (grey, the clip test, the 3D drawing or the track
// plan's display list) and the release of the display list. The pane makes its context
// current around each call and keeps one painter for its life; ThreeDObjectViewState decides
// what is drawn.
//
// The 3D drawing and the clip test are handed in as functions, so that the painter does not
// depend on how they are built.
//
// Every walk of one paint (the bounds step's, the plan's step fitting, measuring and drawing,
// the 3D drawing, whose options carry the frame's budget) keeps to one FrameBudget, the
// painter's: it is whole again when PreDraw starts a paint and when DrawScene ends one. The
// bounds step spends at most half of it, so that the picture always has the rest. The clip
// test, which the user asks for, keeps to its own.
#include <functional>

#include "Papy/Factory/FileFactory.h"
#include "Papy/Model/ThreeDObject.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/DrawOptions.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/ThreeDObjectViewState.h"

namespace Velmo::Papy
{
class TdoFile;
}

class ThreeDObjectViewPainter
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> Node;
    // Draws one frame of the shown node, with the highlighted one marked (empty: none).
    typedef std::function<void(const DrawOptions& options, const Node& shown, const Node& highlighted)> DrawFunction;
    // Runs the clip test over the shown node; nothing is drawn in that frame.
    typedef std::function<void(const Node& shown)> ClipTestFunction;

    ThreeDObjectViewPainter() = default;
    ThreeDObjectViewPainter(const ThreeDObjectViewPainter&) = delete;
    ThreeDObjectViewPainter& operator=(const ThreeDObjectViewPainter&) = delete;

    // After ThreeDObjectViewState::OnSize: the viewport and the camera (nothing for an empty size).
    static void Resize(const ThreeDObjectViewState& state);
    // Loads the projection and the model-view matrix: the state's camera view, the identity
    // without one.
    static void ApplyCamera(const ThreeDObjectViewState& state);

    // The bounds step: when the state needs bounds, measures the shown node (3D mode: the bounds
    // visitor; Track 3D mode: the plan visitor with recording on) and hands them to the state,
    // applying the camera when it was refitted. Problems drawn past are added to report.
    void PreDraw(ThreeDObjectViewState& state, const Velmo::Papy::TdoFile* file,
                 const Velmo::Util::CountedPointer<Velmo::Papy::FileFactory>& factory, DrawingReport& report);
    // The scene the state asks for. The track plan is compiled into a display list on the first
    // paint (and again after a content change) and replayed afterwards; a failure while
    // compiling ends and deletes the list, so the next paint compiles again.
    void DrawScene(ThreeDObjectViewState& state, const Velmo::Papy::TdoFile* file, const DrawFunction& draw,
                   const ClipTestFunction& clipTest);
    // Deletes the display list (the pane's context current).
    void Destroy(ThreeDObjectViewState& state);

    // The plan's display list name, 0 before the first Track 3D paint.
    unsigned GetListName() const { return m_list; }
    // What the last compile of the plan drew past (a plan past its budget).
    const DrawingReport& GetPlanReport() const { return m_planReport; }
    // The budget of the paint under way (its limits and clock can be set: tests, benchmarks).
    FrameBudget& GetFrameBudget() { return m_frame; }
    // The budget as the last paint left it, when DrawScene ended.
    const FrameBudget& GetLastFrame() const { return m_lastFrame; }

private:
    static void ClearGrey();
    void DrawPlan(ThreeDObjectViewState& state, const Velmo::Papy::TdoFile& file);

    // Ends the paint's budget: kept as the last frame's, then whole for the next paint.
    void EndFrame();

    unsigned m_list = 0;
    DrawingReport m_planReport;
    FrameBudget m_frame;
    FrameBudget m_lastFrame;
};

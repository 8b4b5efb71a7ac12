#include "Vantrel/Drawing/ThreeDObjectViewPainter.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <exception>

#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/ThreeDObject3DPtfVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

using namespace Velmo::Papy;
using Velmo::OpenGL::CheckError;
using Velmo::Util::CountedPointer;

namespace
{
// Keeps the pane's enables (depth test, culling, clip planes, stencil, texturing, logic
// operation) and its polygon state (polygon mode, culled faces) across a step and puts them back
// however the step ends: a wireframe frame cut short leaves neither outlines nor culling to the
// next frame, and the plan's walk does not leave depth testing off.
class SavedState
{
public:
    SavedState() : m_exceptions(std::uncaught_exceptions())
    {
        glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT);
        CheckError();
    }
    ~SavedState()
    {
        const bool failing = std::uncaught_exceptions() != m_exceptions;
        // A primitive left open would refuse the pop (glEnd raises an error when there is none,
        // dropped with the rest: the step's own error is on its way out).
        if (failing)
            glEnd();
        Drain(failing);
        glPopAttrib();
        Drain(failing);
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    static void Drain(bool failing)
    {
        for (int i = 0; failing && i < 32 && glGetError() != GL_NO_ERROR; ++i)
        {
        }
    }
    int m_exceptions;
};
// The share of the frame's budget the bounds step may spend: the rest is the picture's, so that
// an object too large to measure still shows its first picture.
constexpr double BoundsShare = 0.5;

// The messages and notices of a walk's report into the paint's.
void Merge(const DrawingReport& walk, DrawingReport& report)
{
    for (const std::string& message : walk.GetMessages())
        report.Add(message);
    for (const std::string& notice : walk.GetNotices())
        report.AddNotice(notice);
}
} // namespace

void ThreeDObjectViewPainter::Resize(const ThreeDObjectViewState& state)
{
    if (state.GetWidth() < 1 || state.GetHeight() < 1)
        return;
    glViewport(0, 0, state.GetWidth(), state.GetHeight());
    CheckError();
    ApplyCamera(state);
}

void ThreeDObjectViewPainter::ApplyCamera(const ThreeDObjectViewState& state)
{
    const std::optional<CameraView> view = state.GetCameraView();
    glMatrixMode(GL_PROJECTION);
    CheckError();
    glLoadIdentity();
    CheckError();
    if (view)
    {
        gluPerspective(view->FieldOfView, view->Aspect, view->Near, view->Far);
        CheckError();
    }
    glMatrixMode(GL_MODELVIEW);
    CheckError();
    glLoadIdentity();
    CheckError();
    if (view)
    {
        gluLookAt(view->Eye[0], view->Eye[1], view->Eye[2], view->Centre[0], view->Centre[1], view->Centre[2],
                  view->Up[0], view->Up[1], view->Up[2]);
        CheckError();
    }
}

void ThreeDObjectViewPainter::PreDraw(ThreeDObjectViewState& state, const TdoFile* file,
                                      const CountedPointer<FileFactory>& factory, DrawingReport& report)
{
    if (file == nullptr || !state.NeedsBounds())
        return;
    // The paint starts here.
    m_frame.Restart();
    ViewBounds bounds;
    {
        SavedState saved;
        glPushMatrix();
        CheckError();
        // Popped however the measuring ends, so that a failing file leaves the stack as it was.
        struct Pushed
        {
            ~Pushed() { glPopMatrix(); }
        } pushed;
        glLoadIdentity();
        CheckError();
        const CountedPointer<ThreeDObject> node = file->GetSubObject(state.GetShownId());
        if (state.GetMode() == ThreeDObjectViewState::Mode::ThreeD)
        {
            ThreeDObjectGetBoundsVisitor visitor(factory, state.GetOptions());
            FrameBudget part = m_frame.Part(BoundsShare);
            visitor.ShareBudget(&part);
            visitor.Walk(*node);
            m_frame.Absorb(part);
            bounds = visitor.GetBounds();
            Merge(visitor.GetReport(), report);
        }
        else
        {
            // Measured without drawing; the plan drawn is the whole file's, which says when it is
            // over the budget.
            ThreeDObject3DPtfVisitor visitor;
            FrameBudget part = m_frame.Part(BoundsShare);
            visitor.ShareBudget(&part);
            visitor.Measure(node);
            bounds = visitor.GetBounds();
            Merge(visitor.GetReport(), report);
            CountedPointer<ThreeDObject> root;
            root = file->GetRoot();
            const double step = ThreeDObject3DPtfVisitor::FitStep(root, &report, &part);
            m_frame.Absorb(part);
            if (step != ThreeDObject3DPtfVisitor::Step)
                report.AddNotice(ThreeDObject3DPtfVisitor::StepsText(step));
        }
    }
    CheckError();
    if (state.SetBounds(bounds).ApplyCamera)
        ApplyCamera(state);
}

void ThreeDObjectViewPainter::ClearGrey()
{
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    CheckError();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    CheckError();
}

void ThreeDObjectViewPainter::DrawScene(ThreeDObjectViewState& state, const TdoFile* file, const DrawFunction& draw,
                                        const ClipTestFunction& clipTest)
{
    // The paint ends here, however it ends.
    struct Ended
    {
        ~Ended() { Painter.EndFrame(); }
        ThreeDObjectViewPainter& Painter;
    } ended{*this};
    const ThreeDObjectViewState::Scene scene = state.TakeScene();
    if (scene == ThreeDObjectViewState::Scene::Clear || file == nullptr)
        return ClearGrey();
    SavedState saved;
    switch (scene)
    {
    case ThreeDObjectViewState::Scene::ClipTest:
        if (clipTest)
            clipTest(file->GetSubObject(state.GetShownId()));
        break;
    case ThreeDObjectViewState::Scene::ThreeD:
    {
        const Node shown = file->GetSubObject(state.GetShownId());
        const Node highlighted =
            state.GetHighlightedId() == -1 ? Node() : file->GetSubObject(state.GetHighlightedId());
        DrawOptions options = state.GetOptions();
        options.Frame = &m_frame;
        if (draw)
            draw(options, shown, highlighted);
        else
            ClearGrey();
        break;
    }
    case ThreeDObjectViewState::Scene::Track3D:
        DrawPlan(state, *file);
        break;
    default:
        ClearGrey();
        break;
    }
}

void ThreeDObjectViewPainter::DrawPlan(ThreeDObjectViewState& state, const TdoFile& file)
{
    if (m_list == 0)
    {
        m_list = glGenLists(1);
        CheckError();
    }
    if (state.IsPlanCompiled())
    {
        glCallList(m_list);
        CheckError();
        return;
    }
    CountedPointer<ThreeDObject> root;
    root = file.GetRoot();
    if (!root)
        return ClearGrey();
    // Compiled, then called: the same frame as compiling and executing at once, which Mesa
    // refuses (at glEndList) for a long list whose primitives set their colour inside.
    glNewList(m_list, GL_COMPILE);
    CheckError();
    ThreeDObject3DPtfVisitor visitor;
    visitor.ShareBudget(&m_frame);
    try
    {
        visitor.Run(false, root);
        m_planReport = visitor.GetReport();
    }
    catch (...)
    {
        m_planReport = visitor.GetReport();
        // A list left open would swallow every later call: end it, drop it, compile next time.
        glEndList();
        glDeleteLists(m_list, 1);
        glGetError();
        m_list = 0;
        state.SetPlanCompiled(false);
        throw;
    }
    glEndList();
    CheckError();
    state.SetPlanCompiled(true);
    glCallList(m_list);
    CheckError();
}

void ThreeDObjectViewPainter::EndFrame()
{
    m_lastFrame = m_frame;
    m_frame.Restart();
}

void ThreeDObjectViewPainter::Destroy(ThreeDObjectViewState& state)
{
    state.SetPlanCompiled(false);
    if (m_list == 0)
        return;
    const unsigned list = m_list;
    m_list = 0;
    glDeleteLists(list, 1);
    CheckError();
}

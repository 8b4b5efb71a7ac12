#include "Vantrel/View/3DO3DView.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include "Util/Exception.h"
#include "Vantrel/Dialogs/BoundsDlg.h"
#include "Vantrel/Dialogs/ViewpointDlg.h"
#include "Vantrel/Doc/3DODoc.h"
#include "Vantrel/Doc/3DOHint.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectCheckVisitor.h"
#include "Vantrel/Drawing/ThreeDObjectClipTestVisitor.h"
#include "Vantrel/Frame/CommandBinding.h"
#include "Vantrel/Frame/CommandIds.h"

using Velmo::Util::CountedPointer;
using namespace Velmo::Papy;

wxIMPLEMENT_DYNAMIC_CLASS(C3DO3DView, COpenGLView);

namespace
{
// Whether a command changes how the shown node is drawn (its notices are another frame's then).
bool ChangesDrawing(int command)
{
    typedef ThreeDObjectViewState State;
    switch (command)
    {
    case State::ZBufferCommand:
    case State::DrawShadedCommand:
    case State::WireframeCommand:
    case State::TextureShadedCommand:
    case State::BoundingBoxesCommand:
    case State::DrawNoneCommand:
    case State::DrawAllCommand:
    case State::TextureNoneCommand:
    case State::TextureAllCommand:
        return true;
    default:
        return State::GetCategory(command).has_value();
    }
}
} // namespace

C3DO3DView::C3DO3DView() = default;

C3DO3DView::~C3DO3DView()
{
    // While this class's DestroyGL can still run: the display list and the textures.
    ReleaseGL();
}

C3DODoc* C3DO3DView::GetTdoDocument() const
{
    return dynamic_cast<C3DODoc*>(GetDocument());
}

wxWindow* C3DO3DView::CreatePane(wxWindow* parent)
{
    wxWindow* pane = COpenGLView::CreatePane(parent);
    if (pane == nullptr)
        return nullptr;
    for (const int command : ThreeDObjectViewState::GetCommands())
        BindCommand(
            *this, AppCommand(command), [this, command](wxCommandEvent&) { RunCommand(command); },
            [this, command](wxUpdateUIEvent& event) { UpdateCommand(command, event); });
    return pane;
}

void C3DO3DView::OnInitialUpdate()
{
    COpenGLView::OnInitialUpdate();
    C3DODoc* document = GetTdoDocument();
    m_visitor = std::make_unique<ThreeDObject3DVisitor>(document != nullptr ? document->GetFactory()
                                                                            : C3DODoc::Factory());
}

void C3DO3DView::OnUpdate(wxView* sender, wxObject* hint)
{
    const auto* tdoHint = dynamic_cast<const C3DOHint*>(hint);
    if (tdoHint == nullptr)
        return;
    ++m_receivedCount;
    m_lastReceived = {*tdoHint, sender != nullptr};
    if (sender != nullptr)
    {
        Apply(m_state.OnSelection(tdoHint->NodeId));
        return;
    }
    // An edit or an insert: whatever is shown may have changed, or gone.
    ++m_drawingChanges;
    C3DODoc* document = GetTdoDocument();
    const C3DODoc::File file = document != nullptr ? document->GetFile() : C3DODoc::File();
    Apply(m_state.OnContentChanged([&file](int id) {
        if (file.Get() == nullptr)
            return false;
        try
        {
            return file->GetSubObject(id).Get() != nullptr;
        }
        catch (const Velmo::Util::XAssertion&)
        {
            return false;
        }
    }));
}

void C3DO3DView::Apply(const ThreeDObjectViewState::Effect& effect)
{
    if (effect.ApplyCamera)
        CCatchPattern::Run([this] { WithContext([this] { ThreeDObjectViewPainter::ApplyCamera(m_state); }); });
    if (effect.Repaint)
        Invalidate();
    else
        OwnNotices();
}

PaneNotices::Owner C3DO3DView::GetNoticeOwner() const
{
    const C3DODoc* document = GetTdoDocument();
    return {int(m_state.GetMode()), document != nullptr ? document->GetFile().Get() : nullptr, m_state.GetShownId(),
            m_drawingChanges};
}

void C3DO3DView::RunCommand(int command)
{
    switch (command)
    {
    case ThreeDObjectViewState::CheckCommand:
        Check();
        return;
    case ThreeDObjectViewState::BoundsCommand:
        ShowBounds();
        return;
    case ThreeDObjectViewState::ViewpointCommand:
        ShowViewpoint();
        return;
    default:
        if (command == ThreeDObjectViewState::RefreshCommand)
            ++m_refreshCount;
        if (ChangesDrawing(command))
            ++m_drawingChanges;
        Apply(m_state.Execute(command));
        return;
    }
}

void C3DO3DView::UpdateCommand(int command, wxUpdateUIEvent& event) const
{
    if (const std::optional<bool> check = m_state.GetCheck(command))
        event.Check(*check);
}

void C3DO3DView::Resize(int width, int height)
{
    m_state.OnSize(width, height);
    ThreeDObjectViewPainter::Resize(m_state);
}

void C3DO3DView::PreDraw()
{
    m_answerPending = false;
    C3DODoc* document = GetTdoDocument();
    if (document == nullptr || !m_state.NeedsBounds())
        return;
    wxBusyCursor wait;
    DrawingReport report;
    try
    {
        m_painter.PreDraw(m_state, document->GetFile().Get(), document->GetFactory(), report);
    }
    catch (...)
    {
        ReportAll(report);
        throw;
    }
    ReportAll(report);
}

void C3DO3DView::DrawScene()
{
    C3DODoc* document = GetTdoDocument();
    const C3DODoc::File file = document != nullptr ? document->GetFile() : C3DODoc::File();
    // The plan is compiled once: only then is the wait worth showing.
    std::unique_ptr<wxBusyCursor> wait;
    if (m_state.GetMode() == ThreeDObjectViewState::Mode::Track3D && !m_state.IsPlanCompiled())
        wait = std::make_unique<wxBusyCursor>();
    if (m_visitor)
        m_visitor->GetReport().Clear();
    const ThreeDObjectViewPainter::DrawFunction draw = [this](const DrawOptions& options,
                                                              const ThreeDObjectViewPainter::Node& shown,
                                                              const ThreeDObjectViewPainter::Node& highlighted) {
        if (m_visitor)
            Draw(options, *m_visitor, shown, highlighted);
    };
    const ThreeDObjectViewPainter::ClipTestFunction clipTest = [this](const ThreeDObjectViewPainter::Node& shown) {
        RunClipTest(shown);
    };
    // The plan's report is its last compile's: it tells of this frame only when the frame
    // shows the plan.
    const bool plan = m_state.GetMode() == ThreeDObjectViewState::Mode::Track3D;
    try
    {
        m_painter.DrawScene(m_state, file.Get(), draw, clipTest);
    }
    catch (...)
    {
        if (m_visitor)
            ReportAll(m_visitor->GetReport());
        if (plan)
            ReportAll(m_painter.GetPlanReport());
        throw;
    }
    if (m_visitor)
        ReportAll(m_visitor->GetReport());
    if (plan)
        ReportAll(m_painter.GetPlanReport());
}

void C3DO3DView::RunClipTest(const ThreeDObjectViewPainter::Node& shown)
{
    C3DODoc* document = GetTdoDocument();
    if (document == nullptr || shown.Get() == nullptr)
        return;
    wxBusyCursor wait;
    // The user asked: the clip test's texts are shown every time, even when a paint or an
    // earlier test showed them already.
    m_answering = true;
    ThreeDObjectClipTestVisitor visitor(document->GetFactory());
    visitor.Reset();
    try
    {
        visitor.Walk(*shown);
    }
    catch (...)
    {
        // Pops what the interrupted walk left pushed.
        visitor.Reset();
        ReportAll(visitor.GetReport());
        // What ends the paint is reported after it, as the answer too.
        m_answerPending = true;
        m_answering = false;
        throw;
    }
    visitor.Reset();
    ReportAll(visitor.GetReport());
    const std::string summary = visitor.GetSummary();
    if (summary.empty())
        ShowStatus(ClipTestPassedText);
    else
        Report(summary);
    m_answering = false;
}

void C3DO3DView::ReportAll(const DrawingReport& report)
{
    for (const std::string& text : report.GetMessages())
        Report(text);
    for (const std::string& text : report.GetNotices())
        Notify(text);
}

void C3DO3DView::DestroyGL()
{
    m_painter.Destroy(m_state);
    if (m_visitor)
        m_visitor->DestroyGL();
}

bool C3DO3DView::ShouldReport(const std::string& text)
{
    // Recorded as shown either way, so that the next paints do not show it again.
    const bool first = m_state.ShouldReport(text);
    if (m_answerPending)
    {
        m_answerPending = false;
        return true;
    }
    return first || m_answering;
}

void C3DO3DView::Check()
{
    C3DODoc* document = GetTdoDocument();
    if (m_state.GetShownId() == -1 || document == nullptr || document->GetFile().Get() == nullptr)
        return;
    wxBusyCursor wait;
    DrawingReport passedOver;
    const bool passed = CCatchPattern::Run([&] {
        ThreeDObjectCheckVisitor visitor(document->GetFactory());
        visitor.ClearRecords();
        visitor.Walk(*document->GetFile()->GetSubObject(m_state.GetShownId()));
        passedOver = visitor.GetReport();
    });
    // The files the check passed over are its answer; a check that passed needs none: a line
    // in the status bar at most, which says so when the check was cut short.
    if (passed && !passedOver.HasNoProblems())
        CCatchPattern::ShowMessage(passedOver.GetText());
    if (passed && passedOver.HasNotices())
        ShowStatus(passedOver.GetNotices().front());
    else if (passed && passedOver.HasNoProblems())
        ShowStatus(CheckPassedText);
}

void C3DO3DView::ShowBounds()
{
    const std::vector<double> values = m_state.GetBoundsDialogValues();
    CBoundsDlg dialog(GetPane());
    dialog.MaxX = values[0];
    dialog.MaxY = values[1];
    dialog.MaxZ = values[2];
    dialog.MinX = values[3];
    dialog.MinY = values[4];
    dialog.MinZ = values[5];
    dialog.DoModal();
}

void C3DO3DView::ShowViewpoint()
{
    const std::vector<double> values = m_state.GetViewpointDialogValues();
    CViewpointDlg dialog(GetPane());
    dialog.FromX = values[0];
    dialog.FromY = values[1];
    dialog.FromZ = values[2];
    dialog.ToX = values[3];
    dialog.ToY = values[4];
    dialog.ToZ = values[5];
    dialog.Vertical = int(values[6]);
    dialog.Near = values[7];
    dialog.Far = values[8];
    dialog.DoModal();
}

void C3DO3DView::ShowStatus(const std::string& text)
{
    auto* frame = dynamic_cast<wxFrame*>(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr);
    if (frame != nullptr && frame->GetStatusBar() != nullptr)
        frame->SetStatusText(wxString::FromUTF8(text), 0);
}

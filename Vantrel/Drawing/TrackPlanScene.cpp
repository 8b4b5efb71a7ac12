#include "Vantrel/Drawing/TrackPlanScene.h"

#include <GL/gl.h>

#include <exception>

#include "Papy/Track/Track.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/TrackPlan.h"

using namespace Velmo;

namespace
{
void ClearWhite()
{
    glClearColor(1, 1, 1, 1);
    OpenGL::CheckError();
    glClear(GL_COLOR_BUFFER_BIT);
    OpenGL::CheckError();
}
} // namespace

void TrackPlanScene::Select(int hintCode)
{
    if (hintCode == 0)
        return;
    m_segment = hintCode == -1 ? -1 : int((unsigned(hintCode) >> 16) & 0x7FFF) - 1;
}

void TrackPlanScene::SetUpView(const Papy::Track* track, double aspect)
{
    if (track == nullptr)
        return;
    // Bounds saved for another track do not hold for this one.
    if (track != m_boundsTrack)
    {
        m_saved = false;
        m_boundsTrack = track;
    }
    int segment = m_segment;
    if (segment >= track->GetSegmentCount())
        segment = -1;
    if (m_saved && segment == -1)
        m_bounds = m_savedBounds;
    else
    {
        m_bounds = TrackPlanBounds();
        TrackPlan::Measure(*track, segment, TrackPlan::BoundsStep, m_bounds);
    }
    if (!m_saved && segment == -1)
    {
        m_savedBounds = m_bounds;
        m_saved = true;
    }
    m_camera.Fit(m_bounds, aspect);
    m_camera.Apply();
}

void TrackPlanScene::DrawPlan(const Papy::Track* track)
{
    ClearWhite();
    if (track == nullptr || track->GetSegmentCount() <= 0)
        return;
    if (m_compiled && m_listTrack != track)
        ReleaseGL();
    if (m_compiled)
    {
        glCallList(m_list);
        OpenGL::CheckError();
        return;
    }
    m_list = glGenLists(1);
    OpenGL::CheckError();
    // Compiled, then called: Mesa reports a false error at the end of a list compiled and
    // executed at once when colours change inside a primitive.
    glNewList(m_list, GL_COMPILE);
    OpenGL::CheckError();
    try
    {
        const double step = TrackPlan::Draw(*track, -1, TrackPlan::DrawStep);
        if (step != TrackPlan::DrawStep)
            m_message = TrackPlanBudget::StepsText(TrackPlan::DrawStep, step);
        glEndList();
        OpenGL::CheckError();
    }
    catch (...)
    {
        glEndList();
        glDeleteLists(m_list, 1);
        glGetError();
        m_list = 0;
        throw;
    }
    m_compiled = true;
    m_listTrack = track;
    glCallList(m_list);
    glFlush();
    OpenGL::CheckError();
}

bool TrackPlanScene::Paint(const Papy::Track* track, double aspect, DrawingReport& report,
                           const std::function<void()>& overlay)
{
    bool drawn = false;
    try
    {
        SetUpView(track, aspect);
        DrawPlan(track);
        drawn = true;
        const std::string message = TakeMessage();
        if (!message.empty())
            report.AddNotice(message);
        if (overlay)
            overlay();
        return true;
    }
    catch (const Util::Exception& e)
    {
        report.Add(e.GetText());
    }
    catch (const std::exception& e)
    {
        report.Add(e.what());
    }
    if (!drawn)
    {
        try
        {
            ClearWhite();
        }
        catch (const Util::Exception&)
        {
        }
    }
    return false;
}

std::string TrackPlanScene::TakeMessage()
{
    std::string message;
    message.swap(m_message);
    return message;
}

void TrackPlanScene::ReleaseGL()
{
    if (m_compiled)
        glDeleteLists(m_list, 1);
    m_compiled = false;
    m_list = 0;
    m_listTrack = nullptr;
}

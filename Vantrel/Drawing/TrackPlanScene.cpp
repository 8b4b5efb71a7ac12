#include "Vantrel/Drawing/TrackPlanScene.h"

#include <GL/gl.h>

#include <exception>

#include "Papy/Track/Track.h"
#include "Util/Exception.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingMessages.h"
#include "Vantrel/Drawing/TrackPlan.h"
#include "Vantrel/Drawing/TrackPlanBudget.h"

using namespace Velmo;

namespace
{
// The share of the paint's budget that the bounds walk may take; the plan has the rest.
constexpr double BoundsShare = 0.5;

void AddOnce(std::vector<std::string>& texts, const std::string& text)
{
    for (const std::string& told : texts)
        if (told == text)
            return;
    texts.push_back(text);
}

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
    // The paint starts here.
    m_frame.Restart();
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
    {
        m_bounds = m_savedBounds;
        m_boundsCut = m_savedBoundsCut;
    }
    else
    {
        m_bounds = TrackPlanBounds();
        FrameBudget part = m_frame.Part(BoundsShare);
        TrackPlan::Measure(*track, segment, TrackPlan::BoundsStep, m_bounds, part);
        m_frame.Absorb(part);
        m_boundsCut = part.IsSpent();
    }
    if (!m_saved && segment == -1)
    {
        // Kept as far as the walk reached: measuring again would reach no further.
        m_savedBounds = m_bounds;
        m_savedBoundsCut = m_boundsCut;
        m_saved = true;
    }
    m_camera.Fit(m_bounds, aspect);
    m_camera.Apply();
}

void TrackPlanScene::DrawPlan(const Papy::Track* track)
{
    m_notices.clear();
    ClearWhite();
    if (track == nullptr || track->GetSegmentCount() <= 0)
        return;
    if (m_compiled && m_listTrack != track)
        ReleaseGL();
    if (!m_compiled)
        Compile(*track);
    else
    {
        glCallList(m_list);
        OpenGL::CheckError();
    }
    m_notices = m_planNotices;
    if (m_boundsCut)
        AddOnce(m_notices, DrawingMessages::TooLarge());
}

void TrackPlanScene::Compile(const Papy::Track& track)
{
    m_list = glGenLists(1);
    OpenGL::CheckError();
    // Compiled, then called: Mesa reports a false error at the end of a list compiled and
    // executed at once when colours change inside a primitive.
    glNewList(m_list, GL_COMPILE);
    OpenGL::CheckError();
    try
    {
        const double step = TrackPlan::Draw(track, -1, TrackPlan::DrawStep, m_frame);
        m_planNotices.clear();
        if (step != TrackPlan::DrawStep)
            m_planNotices.push_back(TrackPlanBudget::StepsText(TrackPlan::DrawStep, step));
        if (m_frame.IsSpent())
            m_planNotices.push_back(DrawingMessages::TooLarge());
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
    m_listTrack = &track;
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
        for (const std::string& notice : m_notices)
            report.AddNotice(notice);
        if (overlay)
        {
            overlay();
            if (m_frame.IsSpent())
                report.AddNotice(DrawingMessages::TooLarge());
        }
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

void TrackPlanScene::ReleaseGL()
{
    if (m_compiled)
        glDeleteLists(m_list, 1);
    m_compiled = false;
    m_list = 0;
    m_listTrack = nullptr;
    m_planNotices.clear();
}

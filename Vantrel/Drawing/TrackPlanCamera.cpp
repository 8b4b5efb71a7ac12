#include "Vantrel/Drawing/TrackPlanCamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "Util/OpenGL/XOpenGL.h"

void TrackPlanCamera::Fit(const TrackPlanBounds& bounds, double aspect)
{
    m_aspect = std::isfinite(aspect) && aspect > 0 ? aspect : 1;
    TrackPlanBounds box = bounds;
    if (box.IsEmpty())
        box = TrackPlanBounds{0, 0, 0, 0, 0, 0};
    m_centreX = (box.MaxX + box.MinX) / 2;
    m_centreY = (box.MaxY + box.MinY) / 2;
    m_distance = std::max(box.MaxY - box.MinY, (box.MaxX - box.MinX) / m_aspect) / 1.8;
    // A point or a line along one axis has no extent to fit: a near plane at 0 would fail.
    if (!(m_distance > 0) || !std::isfinite(m_distance))
        m_distance = 1;
    m_eyeHeight = box.MaxZ + m_distance;
    m_depthSpan = m_distance + box.MaxZ - box.MinZ;
}

void TrackPlanCamera::Apply()
{
    glMatrixMode(GL_PROJECTION);
    Velmo::OpenGL::CheckError();
    glLoadIdentity();
    Velmo::OpenGL::CheckError();
    m_near = 0.95 * m_distance;
    m_far = 1.05 * m_depthSpan;
    gluPerspective(90, m_aspect, m_near, m_far);
    Velmo::OpenGL::CheckError();
    glMatrixMode(GL_MODELVIEW);
    Velmo::OpenGL::CheckError();
    glLoadIdentity();
    Velmo::OpenGL::CheckError();
    gluLookAt(m_centreX, m_centreY, m_eyeHeight, m_centreX, m_centreY, m_eyeHeight - m_depthSpan, 0, 1, 0);
    Velmo::OpenGL::CheckError();
}

#include "Vantrel/Drawing/ThreeDObject3DHighlightVisitor.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Util/OpenGL/XOpenGL.h"

using namespace Velmo;
using namespace Velmo::Papy;

bool ThreeDObject3DVisitor::HighlightVisitor::Enter(ThreeDObject&)
{
    return false;
}

namespace
{
void SetLocatorClipPlanes(const ThreeDObjectObjectLocator& locator)
{
    for (int i = 0; i < ThreeDObjectObjectLocator::SiblingCount; ++i)
    {
        const Plane plane = locator.GetPlane(i);
        const double sign = i < 2 ? -1 : 1;
        const GLdouble equation[4] = {sign * plane.GetA(), sign * plane.GetB(), sign * plane.GetC(),
                                      sign * plane.GetD()};
        glClipPlane(GLenum(GL_CLIP_PLANE0 + i), equation);
        glEnable(GLenum(GL_CLIP_PLANE0 + i));
        OpenGL::CheckError();
    }
}

// A red quad over the whole viewport, just in front of the far plane's side (window depth
// 0.9), drawn where the stencil holds 1.
void DrawRedArea()
{
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    OpenGL::CheckError();
    const double x = viewport[0], y = viewport[1], w = viewport[2], h = viewport[3];
    const double corners[4][2] = {{x, y}, {x, y + h - 1}, {x + w - 1, y + h - 1}, {x + w - 1, y}};
    double points[4][3] = {};
    for (int i = 0; i < 4; ++i)
        gluUnProject(corners[i][0], corners[i][1], 0.9, modelview, projection, viewport, &points[i][0],
                     &points[i][1], &points[i][2]);
    // The quad winds clockwise on the screen: culling left on by a mesh would drop it.
    glDisable(GL_CULL_FACE);
    glColor3d(1, 0, 0);
    glBegin(GL_POLYGON);
    for (const auto& point : points)
        glVertex3dv(point);
    glEnd();
    OpenGL::CheckError();
}
} // namespace

bool ThreeDObject3DVisitor::HighlightVisitor::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    if (Pass == 1 && PrePass)
    {
        SetLocatorClipPlanes(node);
        glStencilFunc(GL_ALWAYS, 1, 1);
        glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
        glEnable(GL_STENCIL_TEST);
        OpenGL::CheckError();
        m_options->SetAllDraw(false);
        for (DisplayClass ground : {DisplayClassInfield, DisplayClassObject, DisplayClassTerrain, DisplayClassTrack})
            m_options->SetDraw(unsigned(ground), true);
        m_options->SetAllTexture(false);
        m_options->DrawShaded = false;
        m_options->TextureShaded = false;
    }
    else if (Pass == 1)
    {
        for (int i = 0; i < ThreeDObjectObjectLocator::SiblingCount; ++i)
            glDisable(GLenum(GL_CLIP_PLANE0 + i));
        OpenGL::CheckError();
        Again = true;
    }
    else if (Pass == 2 && PrePass)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
        glStencilFunc(GL_EQUAL, 1, 1);
        OpenGL::CheckError();
        DrawRedArea();
        // In wireframe no colour is sent, so the lines go back to white.
        if (m_options->Wireframe)
            glColor4f(1, 1, 1, 1);
        glStencilFunc(GL_EQUAL, 0, 1);
        OpenGL::CheckError();
    }
    else if (Pass == 2)
    {
        glDisable(GL_STENCIL_TEST);
        OpenGL::CheckError();
    }
    return false;
}

#include "Vantrel/Drawing/FrameArea.h"

#include <GL/gl.h>

#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/ScreenArea.h"

void ReadFrameArea(ScreenArea& area)
{
    double projection[16], modelview[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetIntegerv(GL_VIEWPORT, viewport);
    Velmo::OpenGL::CheckError();
    area.SetProjection(projection, viewport);
    area.SetModelview(modelview);
}

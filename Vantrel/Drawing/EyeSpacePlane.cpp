#include "Vantrel/Drawing/EyeSpacePlane.h"

#include <GL/gl.h>

#include "Util/OpenGL/XOpenGL.h"

std::array<double, 4> EyeSpacePlane(const Velmo::Papy::Plane& plane)
{
    const GLdouble equation[4] = {plane.GetA(), plane.GetB(), plane.GetC(), plane.GetD()};
    std::array<double, 4> eye{};
    glClipPlane(GL_CLIP_PLANE5, equation);
    glGetClipPlane(GL_CLIP_PLANE5, eye.data());
    Velmo::OpenGL::CheckError();
    return eye;
}

double EyeSideOfPlane(const Velmo::Papy::Plane& plane)
{
    return EyeSpacePlane(plane)[3];
}

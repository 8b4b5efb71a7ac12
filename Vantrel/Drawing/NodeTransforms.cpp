#include "Vantrel/Drawing/NodeTransforms.h"

#include <GL/gl.h>

#include <cmath>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Util/OpenGL/XOpenGL.h"
#include "Vantrel/Drawing/DrawingMessages.h"

using Velmo::OpenGL::CheckError;

namespace
{
double DegreesPerRadian()
{
    return 180 / std::acos(-1.0);
}
} // namespace

double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectTransformation&)
{
    return 1;
}

double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectTransform&)
{
    return DegreesPerRadian();
}

double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectAnimatedTransform&)
{
    return DegreesPerRadian();
}

double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectTsoReference&)
{
    return DegreesPerRadian();
}

bool PushNodeTransform(ModelviewStack& matrices, DrawingReport& report, Velmo::Papy::ThreeDObject& node, double x,
                       double y, double z, double zDegrees, double yDegrees, double xDegrees)
{
    for (double value : {x, y, z, zDegrees, yDegrees, xDegrees})
    {
        if (!std::isfinite(value))
        {
            report.Add(DrawingMessages::NotFinite(node.GetId()));
            matrices.Skip();
            return false;
        }
    }
    if (!matrices.Push())
    {
        report.Add(ModelviewStack::FullMessage());
        return false;
    }
    glTranslated(x, y, z);
    glRotated(zDegrees, 0, 0, 1);
    glRotated(yDegrees, 0, 1, 0);
    glRotated(xDegrees, 1, 0, 0);
    CheckError();
    return true;
}

void ReleaseFixedVertices(FixedVertexMap& fixed, const Velmo::Papy::ThreeDObjectTransformation& node)
{
    if (fixed.IsEmpty() || !node.ResetsFixedVertices())
        return;
    const int depth = ModelviewStack::GetDepth();
    CheckError();
    fixed.Release(depth);
}

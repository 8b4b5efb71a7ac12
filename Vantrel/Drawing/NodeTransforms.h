#pragma once
// The modelview work of a transform node, shared by the drawing and the clip-test walks so
// that both place the same node at the same place.
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FixedVertexMap.h"
#include "Vantrel/Drawing/ModelviewStack.h"

namespace Velmo::Papy
{
class ThreeDObject;
class ThreeDObjectAnimatedTransform;
class ThreeDObjectTransform;
class ThreeDObjectTransformation;
class ThreeDObjectTsoReference;
}

// The degrees of one unit of a transform kind's stored rotations, for the walks that rotate by
// them: a transformation keeps degrees; transforms, animated transforms and TSO references keep
// radians (the field pane shows them in degrees and the field editor stores radians).
double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectTransformation& node);
double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectTransform& node);
double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectAnimatedTransform& node);
double RotationDegreesPerUnit(const Velmo::Papy::ThreeDObjectTsoReference& node);

// Pushes the modelview and applies a translation and rotations about Z, then Y, then X
// (degrees). Pushes nothing and answers false (the children are left out) when a value is not
// finite (the node told in the report, a level skipped) or the stack is full (told).
bool PushNodeTransform(ModelviewStack& matrices, DrawingReport& report, Velmo::Papy::ThreeDObject& node, double x,
                       double y, double z, double zDegrees, double yDegrees, double xDegrees);

// After a transformation's pop: one that resets fixed vertices forgets those fixed deeper than
// the modelview depth now in force.
void ReleaseFixedVertices(FixedVertexMap& fixed, const Velmo::Papy::ThreeDObjectTransformation& node);

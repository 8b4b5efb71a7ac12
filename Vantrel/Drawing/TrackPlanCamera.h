#pragma once
// The camera of the track plan: straight down on the middle of the bounds, Y up, at a height
// where a 90-degree view takes in the bounds' extent.
#include "Vantrel/Drawing/TrackPlanBounds.h"

class TrackPlanCamera
{
public:
    // Fits the camera to the bounds for a view of that aspect ratio (width / height). Empty
    // bounds give a view of the origin, bounds without extent a distance of 1, and an aspect
    // that is not finite and positive counts as 1.
    void Fit(const TrackPlanBounds& bounds, double aspect);
    // Loads the projection (gluPerspective(90, aspect, near, far)) and the modelview
    // (gluLookAt from the eye straight down) matrices. OpenGL errors raise XOpenGL.
    void Apply();

    double GetCentreX() const { return m_centreX; }
    double GetCentreY() const { return m_centreY; }
    // From the highest point to the eye.
    double GetDistance() const { return m_distance; }
    // The distance plus the height range.
    double GetDepthSpan() const { return m_depthSpan; }
    double GetEyeHeight() const { return m_eyeHeight; }
    double GetAspect() const { return m_aspect; }
    // Set by Apply.
    double GetNear() const { return m_near; }
    double GetFar() const { return m_far; }

private:
    double m_centreX = 0;
    double m_centreY = 0;
    double m_distance = 1;
    double m_depthSpan = 1;
    double m_eyeHeight = 1;
    double m_aspect = 1;
    double m_near = 0;
    double m_far = 0;
};

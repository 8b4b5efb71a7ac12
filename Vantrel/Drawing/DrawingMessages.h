#pragma once
// The texts of the problems that the drawing, bounds, check and clip-test walks walk past, and
// of the pane's notices about how it drew, in one place. Each is added to a DrawingReport, which
// keeps it once.
#include <cstddef>
#include <string>

namespace DrawingMessages
{
// "Node 12 has a coordinate or an angle that is not a finite number: it is not drawn"
std::string NotFinite(int nodeId);
// "Node 12 has a vertex index beyond its 8 vertices: it is not drawn"
std::string IndexBeyondVertices(int nodeId, std::size_t vertexCount);
// "Node 12 has fewer texture coordinates than its vertices need: it is drawn untextured"
std::string ShortTextureCoords(int nodeId);
// "Scaled bitmaps are not drawn: this game has no scaled bitmap files"
std::string NoScaledBitmaps();
// "Drawn in part: the object is too large to show in full.": a frame stopped past its budget
// (FrameBudget); a notice.
std::string TooLarge();
// "Every 4th point of the plan drawn: the track is too long to draw in full.": a track plan
// drawn at a whole multiple of its step (TrackPlanBudget); a notice.
std::string PlanInSteps(int every);
// "The object's textures are too large to show together: some are drawn untextured.": the
// textures of the 3D pane reached their total of pixels (TextureCache).
std::string TexturesTooLarge();
// The assertion of an appearance blend code without an OpenGL texture mode, as its text reads.
std::string UnknownBlendCode();
} // namespace DrawingMessages

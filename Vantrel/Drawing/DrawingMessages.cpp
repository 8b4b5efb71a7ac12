#include "Vantrel/Drawing/DrawingMessages.h"

#include "Util/Exception.h"

namespace DrawingMessages
{
std::string NotFinite(int nodeId)
{
    return "Node " + std::to_string(nodeId) + " has a coordinate or an angle that is not a finite number: it is not drawn";
}

std::string IndexBeyondVertices(int nodeId, std::size_t vertexCount)
{
    return "Node " + std::to_string(nodeId) + " has a vertex index beyond its " + std::to_string(vertexCount) +
           " vertices: it is not drawn";
}

std::string ShortTextureCoords(int nodeId)
{
    return "Node " + std::to_string(nodeId) +
           " has fewer texture coordinates than its vertices need: it is drawn untextured";
}

std::string NoScaledBitmaps()
{
    return "Scaled bitmaps are not drawn: this game has no scaled bitmap files";
}

std::string TooLarge()
{
    return "Drawn in part: the object is too large to show in full.";
}

std::string PlanInSteps(int every)
{
    // 1st, 2nd, 3rd, 4th, ..., 11th, 12th, 13th, ..., 21st, ...
    const int lastTwo = every % 100, last = every % 10;
    const char* suffix = lastTwo >= 11 && lastTwo <= 13 ? "th"
                         : last == 1                    ? "st"
                         : last == 2                    ? "nd"
                         : last == 3                    ? "rd"
                                                        : "th";
    return "Every " + std::to_string(every) + suffix + " point of the plan drawn: the track is too long to draw in full.";
}

std::string TexturesTooLarge()
{
    return "The object's textures are too large to show together: some are drawn untextured.";
}

std::string UnknownBlendCode()
{
    return Velmo::Util::XAssertion("false", ".\\ThreeDObject3DVisitor.cpp", 341).GetText();
}
} // namespace DrawingMessages

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
    return "The object is too large to show.";
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

#include "Papy/Bitmap/SrbFile.h"

namespace Velmo::Papy
{
U32 SrbFile::GetUnknownInt(U32) const
{
    return 0;
}

float SrbFile::GetUnknownFloat(U32) const
{
    return 0.0f;
}

Vertex SrbFile::RectangleCorner(U32 i, double a, double b, double w, double d)
{
    switch (i)
    {
    case 1:
        return Vertex((1 - a) * w, 0, (1 - b) * d);
    case 2:
        return Vertex((1 - a) * w, 0, -b * d);
    case 3:
        return Vertex(-a * w, 0, -b * d);
    default:
        return Vertex(-a * w, 0, (1 - b) * d);
    }
}

TextureVertex SrbFile::RectangleTextureCoord(U32 i, double u, double v)
{
    switch (i)
    {
    case 1:
        return TextureVertex(u, 0);
    case 2:
        return TextureVertex(u, v);
    case 3:
        return TextureVertex(0, v);
    default:
        return TextureVertex(0, 0);
    }
}
} // namespace Velmo::Papy

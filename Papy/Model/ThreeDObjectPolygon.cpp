#include "Papy/Model/ThreeDObjectPolygon.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
Colour ThreeDObjectPolygon::GetColour() const
{
    VELMO_ASSERT(HasColour());
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

int ThreeDObjectPolygon::GetColourMapIndex() const
{
    VELMO_ASSERT(HasColourMapIndex());
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Colour ThreeDObjectPolygon::GetShade(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObjectPolygon::SetShade(int, const Colour&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

Normal ThreeDObjectPolygon::GetNormal(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

int ThreeDObjectPolygon::GetNormalId(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObjectPolygon::SetNormalId(int, int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

TextureVertex ThreeDObjectPolygon::GetTextureVertex(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}
} // namespace Velmo::Papy

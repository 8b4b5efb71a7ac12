#include "Papy/Model/ThreeDObject.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
ThreeDObject::~ThreeDObject() = default;

std::string ThreeDObject::GetName() const
{
    return std::string();
}

void ThreeDObject::SetName(const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

int ThreeDObject::GetIntegerCount() const
{
    return 0;
}

int ThreeDObject::GetInteger(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObject::SetInteger(int, int)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

int ThreeDObject::GetFloatCount() const
{
    return 0;
}

double ThreeDObject::GetFloat(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObject::SetFloat(int, double)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

int ThreeDObject::GetStringCount() const
{
    return 0;
}

std::string ThreeDObject::GetString(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObject::SetString(int, const std::string&)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

int ThreeDObject::GetBooleanCount() const
{
    return 0;
}

bool ThreeDObject::GetBoolean(int) const
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObject::SetBoolean(int, bool)
{
    Util::ThrowAssertion("false", VELMO_SOURCE_UNIT, __LINE__);
}

void ThreeDObject::ClearFileOffset() {}
} // namespace Velmo::Papy

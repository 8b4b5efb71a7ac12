#pragma once
// Type 14: a reference to an external object by name (a STRN string); the second word must
// be 0.
#include <string>

#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2ExtObject : public N2Node<ThreeDObjectExtObject>
{
public:
    static constexpr U8 Type = 14;

    N2ExtObject(N2TdoFile& file, Util::RecordReader& reader, int id);

    std::string GetObjectName() const override { return GetFile().GetString(U32(m_nameOffset)); }
    // Fails the assertion "false": the name cannot be changed.
    void SetObjectName(const std::string& name) override;

    std::string GetType() const override { return "14"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    S32 m_nameOffset;
};
} // namespace Velmo::Papy

#pragma once
// A reference by name to an object outside the file (type word 14): the name's offset in the
// string table and a second word that must be 0 under Strict (not kept, written as 0).
#include <string>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLExtObject : public GPLNode<ThreeDObjectExtObject>
{
public:
    static constexpr U32 TypeWord = 14;

    // Reads the record behind the type word; the name must be a string of the file.
    GPLExtObject(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLExtObject(GPLTdoFile& file, int id, U32 nameOffset);

    std::string GetObjectName() const override;
    // The name is entered into the file's string table (an equal string is reused).
    void SetObjectName(const std::string& name) override;

    std::string GetType() const override { return "14"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_name;
};
} // namespace Velmo::Papy

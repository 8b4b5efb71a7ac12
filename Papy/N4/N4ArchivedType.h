#pragma once
// The archived type of one N4 node class: it knows the class's descriptor name and makes a
// node of the class by reading its record from an archive. Each node class has exactly one
// global instance of its archived type; when saving, that instance's address identifies the
// class.
#include "Util/Types.h"

namespace Velmo::Papy
{
class N4Archiver;

template <class FileT>
class N4ArchivedType
{
public:
    constexpr N4ArchivedType() = default;
    N4ArchivedType(const N4ArchivedType&) = delete;
    N4ArchivedType& operator=(const N4ArchivedType&) = delete;
    virtual ~N4ArchivedType() = default;

    // The descriptor name of the class announcement ("GeometryDescriptor").
    virtual const char* GetDescriptorName() const = 0;
    // Reads the record of a new object from the archive's stream and adds the node to the
    // file under the object id; position is the offset of the object's id word.
    virtual void Create(N4Archiver& archive, int id, U64 position, FileT& file) const = 0;
};
} // namespace Velmo::Papy

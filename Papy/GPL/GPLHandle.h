#pragma once
// A named entry point to one object of a GPL .3do file: a HAND record of eight bytes, the
// offset of the name in the string table and the PRIM offset of the object.
#include <string>

#include "Papy/Model/ThreeDObjectHandle.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLHandle : public ThreeDObjectHandle
{
public:
    // Reads one HAND record.
    GPLHandle(GPLTdoFile* file, Util::RecordReader& reader, int id);
    GPLHandle(GPLTdoFile* file, int id, U32 nameOffset, int objectId);

    Util::CountedPointer<ThreeDObject> GetObject() const override;
    void SetObject(const Util::CountedPointer<ThreeDObject>& object) override;

    int GetId() const override { return m_id; }
    // A handle has no PRIM offset.
    U64 GetFileOffset() const override;
    std::string GetType() const override { return std::string(); }
    std::string GetName() const override;
    void SetName(const std::string& name) override;
    // Writes the HAND record: the name offset and the handled object's current offset.
    void Write(Util::BinaryStream& stream, U32 offset) override;

    U32 GetNameOffset() const { return m_name; }
    int GetObjectId() const { return m_object; }

private:
    GPLTdoFile* m_file;
    int m_id;
    U32 m_name;
    int m_object;
};
} // namespace Velmo::Papy

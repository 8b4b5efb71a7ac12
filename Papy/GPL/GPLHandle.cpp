#include "Papy/GPL/GPLHandle.h"

#include "Papy/GPL/GPLRecord.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLHandle::GPLHandle(GPLTdoFile* file, Util::RecordReader& reader, int id) : m_file(file), m_id(id)
{
    U32 words[2];
    reader.ReadArray(words, 2);
    m_name = words[0];
    m_object = int(words[1]);
}

GPLHandle::GPLHandle(GPLTdoFile* file, int id, U32 nameOffset, int objectId)
    : m_file(file), m_id(id), m_name(nameOffset), m_object(objectId)
{
}

Util::CountedPointer<ThreeDObject> GPLHandle::GetObject() const
{
    return m_file->GetSubObject(m_object);
}

void GPLHandle::SetObject(const Util::CountedPointer<ThreeDObject>& object)
{
    m_object = object->GetId();
}

U64 GPLHandle::GetFileOffset() const
{
    VELMO_ASSERT_TEXT(false, "false");
    return 0;
}

std::string GPLHandle::GetName() const
{
    return m_file->GetString(m_name);
}

void GPLHandle::SetName(const std::string& name)
{
    m_name = m_file->AddString(name);
}

void GPLHandle::Write(Util::BinaryStream& stream, U32)
{
    GPLRecord::Writer record(8);
    record.U32(m_name).U32(U32(m_file->GetSubObject(m_object)->GetFileOffset()));
    record.WriteTo(stream);
}
} // namespace Velmo::Papy

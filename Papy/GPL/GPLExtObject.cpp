#include "Papy/GPL/GPLExtObject.h"

#include "Papy/GPL/GPLRecord.h"
#include "Papy/Model/Options.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLExtObject::GPLExtObject(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    U32 words[2];
    reader.ReadArray(words, 2);
    m_name = words[0];
    // The name is looked up once, so a name that is not in the string table fails the load.
    file.GetString(m_name);
    if (words[1] != 0 && Options::Instance()->Strict)
        throw Util::XFileFormat(reader.GetName(), "GPL 3DO type 14 second word not zero");
}

GPLExtObject::GPLExtObject(GPLTdoFile& file, int id, U32 nameOffset) : GPLNode(file, id, 0), m_name(nameOffset)
{
}

std::string GPLExtObject::GetObjectName() const
{
    return GetFile().GetString(m_name);
}

void GPLExtObject::SetObjectName(const std::string& name)
{
    m_name = GetFile().AddString(name);
}

void GPLExtObject::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer().U32(TypeWord).U32(m_name).U32(0).WriteTo(stream);
}
} // namespace Velmo::Papy

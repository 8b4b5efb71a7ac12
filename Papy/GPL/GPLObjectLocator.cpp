#include "Papy/GPL/GPLObjectLocator.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 HeaderWords = 15;
constexpr U32 EntrySize = 16;

const char* const ReservedZeroMessages[] = {
    "GPL 3DO Object Locator reserved2 not zero",
    "GPL 3DO Object Locator reserved3 not zero",
    "GPL 3DO Object Locator reserved4 not zero",
    "GPL 3DO Object Locator reserved5 not zero",
};
} // namespace

GPLObjectLocator::GPLObjectLocator(GPLTdoFile& file, int id, Util::RecordReader& reader) : GPLNode(file, id, U32(id))
{
    // Words of the record from offset 4: 0-7 the plane/sibling pairs, 8 the child,
    // 9-13 the reserved words, 14 the count.
    U32 words[HeaderWords];
    reader.ReadArray(words, HeaderWords);
    if (words[9] != 0xFFFFFFFF)
        throw Util::XFileFormat(reader.GetName(), "GPL 3DO Object Locator reserved1 not -1");
    for (int r = 0; r < 4; ++r)
        if (words[10 + r] != 0)
            throw Util::XFileFormat(reader.GetName(), ReservedZeroMessages[r]);
    for (int i = 0; i < 4; ++i)
    {
        m_planeIds[i] = words[2 * i];
        m_siblingIds[i] = words[2 * i + 1];
    }
    m_childId = words[8];
    U32 count = words[14];
    reader.CheckCount(count, EntrySize);
    m_x.reserve(count);
    m_y.reserve(count);
    m_z.reserve(count);
    m_objectIds.reserve(count);
    for (U32 i = 0; i < count; ++i)
    {
        m_x.push_back(reader.ReadF32());
        m_y.push_back(reader.ReadF32());
        m_z.push_back(reader.ReadF32());
        m_objectIds.push_back(reader.ReadU32());
    }
}

GPLObjectLocator::GPLObjectLocator(GPLTdoFile& file, int id, const std::array<U32, 4>& planeIds,
                                   const std::array<U32, 4>& siblingIds, U32 childId, std::vector<float> x,
                                   std::vector<float> y, std::vector<float> z, std::vector<U32> objectIds)
    : GPLNode(file, id, 0), m_planeIds(planeIds), m_siblingIds(siblingIds), m_childId(childId), m_x(std::move(x)),
      m_y(std::move(y)), m_z(std::move(z)), m_objectIds(std::move(objectIds))
{
    VELMO_ASSERT(m_x.size() == m_objectIds.size() && m_y.size() == m_objectIds.size() &&
                 m_z.size() == m_objectIds.size());
}

Plane GPLObjectLocator::GetPlane(int i) const
{
    return GetFile().GetPlane(GetPlaneId(i));
}

Util::CountedPointer<ThreeDObject> GPLObjectLocator::GetSibling(int i) const
{
    VELMO_ASSERT(i >= 0 && i < SiblingCount);
    return Child(m_siblingIds[i]);
}

void GPLObjectLocator::SetPlane(int i, const Plane& plane)
{
    SetPlaneId(i, U32(GetFile().AddPlane(plane)));
}

U32 GPLObjectLocator::GetPlaneId(int i) const
{
    VELMO_ASSERT(i >= 0 && i < SiblingCount);
    return m_planeIds[i];
}

void GPLObjectLocator::SetPlaneId(int i, U32 id)
{
    VELMO_ASSERT(i >= 0 && i < SiblingCount);
    m_planeIds[i] = id;
}

void GPLObjectLocator::SetSibling(int i, const Util::CountedPointer<ThreeDObject>& sibling)
{
    VELMO_ASSERT(i >= 0 && i < SiblingCount);
    m_siblingIds[i] = U32(sibling->GetId());
}

Util::CountedPointer<ThreeDObject> GPLObjectLocator::GetChild() const
{
    return Child(m_childId);
}

void GPLObjectLocator::SetChild(const Util::CountedPointer<ThreeDObject>& child)
{
    m_childId = U32(child->GetId());
}

float GPLObjectLocator::GetObjectX(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetObjectCount());
    return m_x[i];
}

float GPLObjectLocator::GetObjectY(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetObjectCount());
    return m_y[i];
}

float GPLObjectLocator::GetObjectZ(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetObjectCount());
    return m_z[i];
}

Util::CountedPointer<ThreeDObject> GPLObjectLocator::GetObject(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetObjectCount());
    return Child(m_objectIds[i]);
}

void GPLObjectLocator::AddObject(const Util::CountedPointer<ThreeDObject>& object, double x, double y, double z)
{
    m_objectIds.push_back(U32(object->GetId()));
    m_x.push_back(float(x));
    m_y.push_back(float(y));
    m_z.push_back(float(z));
}

void GPLObjectLocator::DeleteObject(int i)
{
    VELMO_ASSERT(i >= 0 && i < GetObjectCount());
    m_x.erase(m_x.begin() + i);
    m_y.erase(m_y.begin() + i);
    m_z.erase(m_z.begin() + i);
    m_objectIds.erase(m_objectIds.begin() + i);
}

void GPLObjectLocator::AppendChildIds(std::vector<U32>& ids) const
{
    ids.push_back(m_childId);
    ids.insert(ids.end(), m_objectIds.begin(), m_objectIds.end());
}

void GPLObjectLocator::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer header;
    header.U32(TypeWord);
    for (int i = 0; i < 4; ++i)
        header.U32(m_planeIds[i]).U32(OffsetOf(m_siblingIds[i]));
    header.U32(OffsetOf(m_childId)).U32(0xFFFFFFFF).U32(0).U32(0).U32(0).U32(0).U32(U32(m_objectIds.size()));
    header.WriteTo(stream);
    for (std::size_t i = 0; i < m_objectIds.size(); ++i)
        GPLRecord::Writer(EntrySize).F32(m_x[i]).F32(m_y[i]).F32(m_z[i]).U32(OffsetOf(m_objectIds[i])).WriteTo(stream);
}
} // namespace Velmo::Papy

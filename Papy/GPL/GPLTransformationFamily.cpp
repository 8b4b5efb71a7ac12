#include "Papy/GPL/GPLTransformationFamily.h"

#include "Papy/GPL/GPLRecord.h"
#include "Util/Angles.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
template <U32 Type>
GPLTransformationFamily<Type>::GPLTransformationFamily(GPLTdoFile& file, int id, Util::RecordReader& reader)
    : GPLNode(file, id, U32(id))
{
    U32 words[8];
    reader.ReadArray(words, 8);
    for (int i = 0; i < 3; ++i)
        m_translation[i] = GPLRecord::WordToFloat(words[i]);
    m_rotation[2] = GPLRecord::WordToFloat(words[3]);
    m_rotation[1] = GPLRecord::WordToFloat(words[4]);
    m_rotation[0] = GPLRecord::WordToFloat(words[5]);
    m_scale = GPLRecord::WordToFloat(words[6]);
    m_childId = words[7];
}

template <U32 Type>
GPLTransformationFamily<Type>::GPLTransformationFamily(GPLTdoFile& file, int id, double xTranslation,
                                                       double yTranslation, double zTranslation, double xRotation,
                                                       double yRotation, double zRotation, double scale, U32 childId)
    : GPLNode(file, id, 0), m_childId(childId), m_translation{float(xTranslation), float(yTranslation),
                                                              float(zTranslation)},
      m_rotation{float(xRotation), float(yRotation), float(zRotation)}, m_scale(float(scale))
{
}

template <U32 Type>
double GPLTransformationFamily<Type>::GetXRotation() const
{
    return Util::RadiansToDegrees(m_rotation[0]);
}

template <U32 Type>
void GPLTransformationFamily<Type>::SetXRotation(double degrees)
{
    m_rotation[0] = float(Util::DegreesToRadians(degrees));
}

template <U32 Type>
double GPLTransformationFamily<Type>::GetYRotation() const
{
    return Util::RadiansToDegrees(m_rotation[1]);
}

template <U32 Type>
void GPLTransformationFamily<Type>::SetYRotation(double degrees)
{
    m_rotation[1] = float(Util::DegreesToRadians(degrees));
}

template <U32 Type>
double GPLTransformationFamily<Type>::GetZRotation() const
{
    return Util::RadiansToDegrees(m_rotation[2]);
}

template <U32 Type>
void GPLTransformationFamily<Type>::SetZRotation(double degrees)
{
    m_rotation[2] = float(Util::DegreesToRadians(degrees));
}

template <U32 Type>
void GPLTransformationFamily<Type>::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    GPLRecord::Writer record(36);
    record.U32(Type)
        .F32(m_translation[0])
        .F32(m_translation[1])
        .F32(m_translation[2])
        .F32(m_rotation[2])
        .F32(m_rotation[1])
        .F32(m_rotation[0])
        .F32(m_scale)
        .U32(OffsetOf(m_childId));
    record.WriteTo(stream);
}

template class GPLTransformationFamily<19>;
template class GPLTransformationFamily<13>;
template class GPLTransformationFamily<22>;
} // namespace Velmo::Papy

#include "Papy/N2/N2TransformationFamily.h"

#include <cmath>

#include "Papy/Model/N2Length.h"
#include "Papy/N2/N2Record.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr double HalfTurn = 2147483648.0;
} // namespace

double N2AngleDegrees(S32 word)
{
    return double(word) / HalfTurn * 180.0;
}

S32 N2AngleWord(double degrees)
{
    const double scaled = degrees / 180.0 * HalfTurn;
    if (!std::isfinite(scaled))
        throw Util::XUsage("N2 3do angle out of range");
    // Whole binary-angle units, reduced modulo 2^32 (exact for integral doubles).
    const double units = std::fmod(std::trunc(scaled), 4294967296.0);
    return S32(U32(S64(units)));
}

S32 N2LengthWord(double metres)
{
    if (!N2LengthFits(metres))
        throw Util::XUsage("N2 3do length out of range");
    return MetresToN2Length(metres);
}

S32 N2ScaleWord(double scale)
{
    const double word = std::trunc(scale * 65536.0);
    if (!(word >= -2147483648.0 && word <= 2147483647.0))
        throw Util::XUsage("N2 3do scale out of range");
    return S32(word);
}

template <U8 Type>
N2TransformationFamily<Type>::N2TransformationFamily(N2TdoFile& file, Util::RecordReader& reader, int id)
    : N2Node(file, id, U32(id))
{
    S32 words[8];
    reader.ReadArray(words, 8);
    for (int i = 0; i < 3; ++i)
        m_translation[i] = words[i];
    m_angle[2] = words[3];
    m_angle[1] = words[4];
    m_angle[0] = words[5];
    m_scale = words[6];
    m_childId = words[7];
}

template <U8 Type>
void N2TransformationFamily<Type>::Write(Util::BinaryStream& stream, U32 offset)
{
    SetFileOffset(offset);
    N2Record::Writer record(Type, 40);
    record.Word(m_translation[0])
        .Word(m_translation[1])
        .Word(m_translation[2])
        .Word(m_angle[2])
        .Word(m_angle[1])
        .Word(m_angle[0])
        .Word(m_scale)
        .Word(OffsetOf(m_childId));
    record.WriteTo(stream);
}

template class N2TransformationFamily<13>;
template class N2TransformationFamily<19>;
} // namespace Velmo::Papy

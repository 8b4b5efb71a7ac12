#pragma once
// The two N2 transformation records (types 13 and 19), one mechanism; they differ only in
// type byte and type text. Body: eight int32 words: translation x, y, z (N2 lengths), angle
// 3, angle 2, angle 1 (binary angles, 2^31 = 180 degrees), scale (signed 16.16), child
// reference. The interface's X, Y and Z rotations are angles 1, 2 and 3; angle 2 is answered
// negated.
//
// Setters compute in wide arithmetic: an angle wraps modulo 360 degrees (2^32), a length or
// scale that has no 32-bit value is refused with XUsage and leaves the node unchanged.
#include <string>
#include <vector>

#include "Papy/Model/N2Length.h"
#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
// The degrees of an angle word; the words of an angle, a length and a scale as the setters
// store them, XUsage when there is none.
double N2AngleDegrees(S32 word);
S32 N2AngleWord(double degrees);
S32 N2LengthWord(double metres);
S32 N2ScaleWord(double scale);

template <U8 Type>
class N2TransformationFamily : public N2Node<ThreeDObjectTransformation>, public ThreeDObjectChildReferences
{
public:
    N2TransformationFamily(N2TdoFile& file, Util::RecordReader& reader, int id);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childId); }
    void SetChild(const Util::CountedPointer<ThreeDObject>& child) override { m_childId = child->GetId(); }
    double GetXTranslation() const override { return N2LengthToMetres(m_translation[0]); }
    void SetXTranslation(double value) override { m_translation[0] = N2LengthWord(value); }
    double GetYTranslation() const override { return N2LengthToMetres(m_translation[1]); }
    void SetYTranslation(double value) override { m_translation[1] = N2LengthWord(value); }
    double GetZTranslation() const override { return N2LengthToMetres(m_translation[2]); }
    void SetZTranslation(double value) override { m_translation[2] = N2LengthWord(value); }
    double GetXRotation() const override { return N2AngleDegrees(m_angle[0]); }
    void SetXRotation(double degrees) override { m_angle[0] = N2AngleWord(degrees); }
    // Angle 2 turns the other way: answered negated and stored negated.
    double GetYRotation() const override { return -N2AngleDegrees(m_angle[1]); }
    void SetYRotation(double degrees) override { m_angle[1] = S32(U32(0) - U32(N2AngleWord(degrees))); }
    double GetZRotation() const override { return N2AngleDegrees(m_angle[2]); }
    void SetZRotation(double degrees) override { m_angle[2] = N2AngleWord(degrees); }
    double GetScale() const override { return m_scale / 65536.0; }
    void SetScale(double value) override { m_scale = N2ScaleWord(value); }

    void AppendChildIds(std::vector<U32>& ids) const override { ids.push_back(U32(m_childId)); }
    std::string GetType() const override { return std::to_string(Type); }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    S32 m_translation[3];
    // Angles 1, 2 and 3 as stored.
    S32 m_angle[3];
    S32 m_scale;
    int m_childId;
};

extern template class N2TransformationFamily<13>;
extern template class N2TransformationFamily<19>;

typedef N2TransformationFamily<13> N2Transformation;
typedef N2TransformationFamily<19> N2Transformation2;
} // namespace Velmo::Papy

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

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
template <U8 Type>
class N2TransformationFamily : public N2Node<ThreeDObjectTransformation>, public ThreeDObjectChildReferences
{
public:
    N2TransformationFamily(N2TdoFile& file, Util::RecordReader& reader, int id);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childId); }
    void SetChild(const Util::CountedPointer<ThreeDObject>& child) override { m_childId = child->GetId(); }
    double GetXTranslation() const override;
    void SetXTranslation(double value) override;
    double GetYTranslation() const override;
    void SetYTranslation(double value) override;
    double GetZTranslation() const override;
    void SetZTranslation(double value) override;
    double GetXRotation() const override;
    void SetXRotation(double degrees) override;
    double GetYRotation() const override;
    void SetYRotation(double degrees) override;
    double GetZRotation() const override;
    void SetZRotation(double degrees) override;
    double GetScale() const override;
    void SetScale(double value) override;

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

// The words of an angle, a length and a scale as the setters store them; XUsage when there
// is none.
S32 N2AngleWord(double degrees);
S32 N2LengthWord(double metres);
S32 N2ScaleWord(double scale);

extern template class N2TransformationFamily<13>;
extern template class N2TransformationFamily<19>;

typedef N2TransformationFamily<13> N2Transformation;
typedef N2TransformationFamily<19> N2Transformation2;
} // namespace Velmo::Papy

#pragma once
// The three GPL transformation records, one mechanism (36 bytes): type word 19, 13 or 22;
// f32 X, Y, Z translation; f32 Z, Y, X rotation in radians (in that order in the file); f32
// scale; child reference. The node keeps the rotations as X, Y, Z and answers them in degrees.
// Only type 22 does not reset the fixed vertices.
#include <string>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
template <U32 Type>
class GPLTransformationFamily : public GPLNode<ThreeDObjectTransformation>
{
public:
    static constexpr U32 TypeWord = Type;

    GPLTransformationFamily(GPLTdoFile& file, int id, Util::RecordReader& reader);
    // Rotations in radians.
    GPLTransformationFamily(GPLTdoFile& file, int id, double xTranslation, double yTranslation, double zTranslation,
                            double xRotation, double yRotation, double zRotation, double scale, U32 childId);

    Util::CountedPointer<ThreeDObject> GetChild() const override { return Child(m_childId); }
    void SetChild(const Util::CountedPointer<ThreeDObject>& child) override { m_childId = U32(child->GetId()); }
    double GetXTranslation() const override { return m_translation[0]; }
    void SetXTranslation(double value) override { m_translation[0] = float(value); }
    double GetYTranslation() const override { return m_translation[1]; }
    void SetYTranslation(double value) override { m_translation[1] = float(value); }
    double GetZTranslation() const override { return m_translation[2]; }
    void SetZTranslation(double value) override { m_translation[2] = float(value); }
    double GetXRotation() const override;
    void SetXRotation(double degrees) override;
    double GetYRotation() const override;
    void SetYRotation(double degrees) override;
    double GetZRotation() const override;
    void SetZRotation(double degrees) override;
    double GetScale() const override { return m_scale; }
    void SetScale(double value) override { m_scale = float(value); }
    bool ResetsFixedVertices() const override { return Type != 22; }

    std::string GetType() const override { return std::to_string(Type); }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_childId;
    float m_translation[3];
    // X, Y, Z in radians.
    float m_rotation[3];
    float m_scale;
};

extern template class GPLTransformationFamily<19>;
extern template class GPLTransformationFamily<13>;
extern template class GPLTransformationFamily<22>;

typedef GPLTransformationFamily<19> GPLTransformation;
typedef GPLTransformationFamily<13> GPLTransformation2;
typedef GPLTransformationFamily<22> GPLTransformation3;
} // namespace Velmo::Papy

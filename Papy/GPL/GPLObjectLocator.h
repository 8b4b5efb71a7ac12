#pragma once
// Places objects at positions (type word 15). Four plane tests lead to four sibling nodes,
// then come one child and the located objects:
//
//   0 type word 15   4 plane 0, sibling 0, plane 1, sibling 1, ... sibling 3 (8 words)
//   36 child   40 reserved1 = 0xFFFFFFFF   44..56 reserved2 to reserved5 = 0   60 count n
//   64 n entries of 16 bytes: f32 x, y, z, object reference
//
// A file that holds an object locator is a track object.
#include <array>
#include <string>
#include <vector>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLObjectLocator : public GPLNode<ThreeDObjectObjectLocator>, public GPLChildReferences
{
public:
    static constexpr U32 TypeWord = 15;

    // Reads the record behind the type word; checks reserved1, then reserved2 to reserved5.
    GPLObjectLocator(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLObjectLocator(GPLTdoFile& file, int id, const std::array<U32, 4>& planeIds, const std::array<U32, 4>& siblingIds,
                     U32 childId, std::vector<float> x, std::vector<float> y, std::vector<float> z,
                     std::vector<U32> objectIds);

    Plane GetPlane(int i) const override;
    Util::CountedPointer<ThreeDObject> GetSibling(int i) const override;
    void SetPlane(int i, const Plane& plane) override;
    U32 GetPlaneId(int i) const override;
    void SetPlaneId(int i, U32 id) override;
    void SetSibling(int i, const Util::CountedPointer<ThreeDObject>& sibling) override;
    Util::CountedPointer<ThreeDObject> GetChild() const override;
    void SetChild(const Util::CountedPointer<ThreeDObject>& child) override;
    int GetObjectCount() const override { return int(m_objectIds.size()); }
    float GetObjectX(int i) const override;
    float GetObjectY(int i) const override;
    float GetObjectZ(int i) const override;
    Util::CountedPointer<ThreeDObject> GetObject(int i) const override;
    // The position is narrowed to f32.
    void AddObject(const Util::CountedPointer<ThreeDObject>& object, double x, double y, double z) override;
    void DeleteObject(int i) override;

    // The child and the located objects; the siblings are links that walks do not follow.
    void AppendChildIds(std::vector<U32>& ids) const override;

    std::string GetType() const override { return "15"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::array<U32, 4> m_planeIds;
    std::array<U32, 4> m_siblingIds;
    U32 m_childId;
    // The four entry vectors always have the same length.
    std::vector<float> m_x;
    std::vector<float> m_y;
    std::vector<float> m_z;
    std::vector<U32> m_objectIds;
};
} // namespace Velmo::Papy

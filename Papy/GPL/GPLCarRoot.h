#pragma once
// The top of a car object: an object list of exactly three children, the shadow, the cockpit
// and the car. Written back as that list (type word 4, count 3).
#include <string>

#include "Papy/GPL/GPLChildReferences.h"
#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectObjectList.h"

namespace Velmo::Papy
{
class GPLCarRoot : public GPLNode<ThreeDObjectCarRoot>, public GPLChildReferences
{
public:
    // Takes over the list's id, file offset and children.
    GPLCarRoot(GPLTdoFile& file, const ThreeDObjectObjectList& ol);

    Util::CountedPointer<ThreeDObject> GetShadow() const override { return Child(m_childIds[0]); }
    Util::CountedPointer<ThreeDObject> GetCockpit() const override { return Child(m_childIds[1]); }
    Util::CountedPointer<ThreeDObject> GetCar() const override { return Child(m_childIds[2]); }

    void AppendChildIds(std::vector<U32>& ids) const override { ids.insert(ids.end(), m_childIds, m_childIds + 3); }

    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_childIds[3];
};
} // namespace Velmo::Papy

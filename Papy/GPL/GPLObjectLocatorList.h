#pragma once
// The list of a track object's object locators. It has no record of its own: it is an
// object list whose last child is the null node, which it drops, and it is written back as
// that object list (type word 4, count + 1 entries, the last 0xFFFFFFFF).
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"

namespace Velmo::Papy
{
class GPLObjectLocatorList : public GPLNode<ThreeDObjectObjectLocatorList>
{
public:
    // Takes over the list's id, file offset and children; refuses a list of fewer than 2
    // children or one whose last child is not the null node.
    GPLObjectLocatorList(GPLTdoFile& file, ThreeDObjectObjectList& list);
    GPLObjectLocatorList(GPLTdoFile& file, int id, std::vector<U32> childIds);

    int GetChildCount() const override;
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;
    void AddChild(const Util::CountedPointer<ThreeDObject>& child) override;

    std::string GetType() const override { return "4"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::vector<U32> m_childIds;
};
} // namespace Velmo::Papy

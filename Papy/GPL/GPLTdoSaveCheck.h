#pragma once
// Checks, before a GPL .3do save changes anything, that every node the save will write can be
// written: it walks the trees that the save walks (each handle's object, then the top node,
// then the locators' siblings that no walk reaches) and fails on
//   - a reference to an id with no node (the file's assertion "p != SubObjects.end()"),
//   - a node that names itself or one of its ancestors, which no walk could finish,
//   - a reference to the root or to a handle, which have no record to point at.
// Each node is looked at once, however many parents name it.
#include <unordered_set>
#include <vector>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLTdoSaveCheck : public ThreeDObjectVisitor
{
public:
    explicit GPLTdoSaveCheck(const GPLTdoFile& file);

    // Walks node's tree, then the siblings found on the way; fails with XFileFormat (or the
    // file's assertion) on the first problem.
    void Check(const Util::CountedPointer<ThreeDObject>& node);

    bool Enter(ThreeDObject& node) override;
    void Leave(ThreeDObject& node) override;
    void Visit(ThreeDObject& node) override;
    bool EnterObjectLocator(ThreeDObjectObjectLocator& node) override;

private:
    // Refuses the root and the handles; true for the null node, which ends a reference.
    bool IsNullOrRefuse(const ThreeDObject& node) const;

    const GPLTdoFile& m_file;
    std::unordered_set<const ThreeDObject*> m_path;
    std::unordered_set<const ThreeDObject*> m_done;
    std::vector<Util::CountedPointer<ThreeDObject>> m_siblings;
};
} // namespace Velmo::Papy

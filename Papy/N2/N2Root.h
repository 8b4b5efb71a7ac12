#pragma once
// The root of an N2 3D-object tree: its one child is the node that the PRIM root offset
// names. It has no place in the file and is never written.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectChildReferences.h"
#include "Papy/Model/ThreeDObjectRoot.h"

namespace Velmo::Papy
{
class N2TdoFile;

class N2Root : public ThreeDObjectRoot, public ThreeDObjectChildReferences
{
public:
    N2Root(N2TdoFile& file, int id, std::vector<int> children);

    int GetChildCount() const override { return int(m_children.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;
    void AppendChildIds(std::vector<U32>& ids) const override;

    int GetId() const override { return m_id; }
    // Fails the assertion "false": the root has no PRIM offset.
    U64 GetFileOffset() const override;
    std::string GetType() const override { return std::string(); }
    void Write(Util::BinaryStream&, U32) override {}

private:
    N2TdoFile* m_file;
    std::vector<int> m_children;
    int m_id;
};
} // namespace Velmo::Papy

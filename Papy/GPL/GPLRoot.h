#pragma once
// The root of a GPL 3D-object tree: its children are the object that the PRIM root word
// names, then the handles. It is never written.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLRoot : public ThreeDObjectRoot
{
public:
    GPLRoot(GPLTdoFile* file, int id) : m_file(file), m_id(id) {}

    void AddChild(int id) { m_children.push_back(id); }

    int GetChildCount() const override { return int(m_children.size()); }
    Util::CountedPointer<ThreeDObject> GetChild(int i) const override;

    int GetId() const override { return m_id; }
    // The root has no PRIM offset.
    U64 GetFileOffset() const override;
    std::string GetType() const override { return std::string(); }
    void Write(Util::BinaryStream&, U32) override {}

private:
    GPLTdoFile* m_file;
    std::vector<int> m_children;
    int m_id;
};
} // namespace Velmo::Papy

#pragma once
// Type 5, sub-kind 0: a node that only wraps its child.
#include "Papy/Model/ThreeDObjectU3.h"
#include "Papy/N2/N2MaterialNode.h"

namespace Velmo::Papy
{
class N2U3 : public N2MaterialNode<ThreeDObjectU3, 0>
{
public:
    N2U3(N2TdoFile& file, Util::RecordReader&, int id, int childId) : N2MaterialNode(file, id, childId) {}

private:
    void WriteRest(N2Record::Writer&) const override {}
};
} // namespace Velmo::Papy

#pragma once
// Rebuilds a car object: the top object list, of three children, becomes the car root.
#include "Papy/GPL/GPLTdoFixupVisitor.h"

namespace Velmo::Papy
{
class GPLCarTdoFixupVisitor : public GPLTdoFixupVisitor
{
public:
    explicit GPLCarTdoFixupVisitor(GPLTdoFile& file) : GPLTdoFixupVisitor(file) {}

    bool EnterRoot(ThreeDObjectRoot& node) override;
};
} // namespace Velmo::Papy

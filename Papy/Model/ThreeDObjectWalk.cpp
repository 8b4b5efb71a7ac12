#include "Papy/Model/ThreeDObjectWalk.h"

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"
#include "Util/WalkMeter.h"

namespace Velmo::Papy
{
namespace
{
// Nodes are walked on one thread at a time per walk; each thread counts its own walks.
thread_local int walkDepth = 0;

class DepthScope
{
public:
    DepthScope()
    {
        if (walkDepth >= ThreeDObjectWalk::MaxDepth)
            throw Util::XUsage("3D object tree nested more than 2000 levels deep");
        ++walkDepth;
    }
    ~DepthScope() { --walkDepth; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;
};
} // namespace

void ThreeDObjectWalk::Descend(ThreeDObjectVisitor& visitor, const Util::CountedPointer<ThreeDObject>& child)
{
    VELMO_ASSERT_TEXT(child.Get() != nullptr, "child != 0");
    Util::WalkMeter::Tick();
    if (!visitor.Descends(*child))
        return;
    DepthScope scope;
    child->Accept(visitor);
}

int ThreeDObjectWalk::GetDepth()
{
    return walkDepth;
}
} // namespace Velmo::Papy

#include "Papy/GPL/GPLCarTdoFixupVisitor.h"

#include "Papy/GPL/GPLCarRoot.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"

namespace Velmo::Papy
{
bool GPLCarTdoFixupVisitor::EnterRoot(ThreeDObjectRoot& node)
{
    if (!FirstEntry(node))
        return false;
    Replace<GPLCarRoot, ThreeDObjectObjectList>(node.GetChild(0), CarObjectListExpected);
    return true;
}
} // namespace Velmo::Papy

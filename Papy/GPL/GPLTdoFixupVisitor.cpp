#include "Papy/GPL/GPLTdoFixupVisitor.h"

#include "Papy/GPL/GPLTdoFile.h"

namespace Velmo::Papy
{
void GPLTdoFixupVisitor::AddToFile(const Util::CountedPointer<ThreeDObject>& node)
{
    m_file.AddSubObject(node);
}
} // namespace Velmo::Papy

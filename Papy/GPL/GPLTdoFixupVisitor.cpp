#include "Papy/GPL/GPLTdoFixupVisitor.h"

#include "Papy/GPL/GPLTdoFile.h"

namespace Velmo::Papy
{
GPLTdoFixupVisitor::GPLTdoFixupVisitor(GPLTdoFile& file)
    : m_file(file), m_enteredRecords(file.GetSubObjects().RecordCount(), nullptr)
{
}

bool GPLTdoFixupVisitor::FirstEntry(ThreeDObject& node)
{
    const std::size_t record = m_file.GetSubObjects().RecordSlot(node.GetId());
    if (record == GPLNodeTable::NoRecord)
        return m_entered.insert(&node).second;
    if (m_enteredRecords[record] == &node)
        return false;
    m_enteredRecords[record] = &node;
    return true;
}

void GPLTdoFixupVisitor::AddToFile(const Util::CountedPointer<ThreeDObject>& node)
{
    m_file.AddSubObject(node);
}
} // namespace Velmo::Papy

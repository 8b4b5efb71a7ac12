#include "Vantrel/Visitors/ThreeDObjectFindIdVisitor.h"

#include "Papy/Model/ThreeDObject.h"

using namespace Velmo::Papy;

ThreeDObjectFindIdVisitor::ThreeDObjectFindIdVisitor(int id) : m_id(id) {}

bool ThreeDObjectFindIdVisitor::Enter(ThreeDObject& node)
{
    if (m_found)
        return false;
    const int id = node.GetId();
    m_path.push_back(id);
    if (id == m_id)
    {
        m_found = true;
        return false;
    }
    // A subtree searched in vain before holds the id no more now.
    return !m_searched.contains(id);
}

void ThreeDObjectFindIdVisitor::Leave(ThreeDObject&)
{
    if (m_found || m_path.empty())
        return;
    m_searched.insert(m_path.back());
    m_path.pop_back();
}

void ThreeDObjectFindIdVisitor::Visit(ThreeDObject& node)
{
    if (!m_found && node.GetId() == m_id)
    {
        m_path.push_back(m_id);
        m_found = true;
    }
}

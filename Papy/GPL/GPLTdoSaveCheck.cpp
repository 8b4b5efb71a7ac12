#include "Papy/GPL/GPLTdoSaveCheck.h"

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLTdoSaveCheck::GPLTdoSaveCheck(const GPLTdoFile& file) : m_file(file)
{
}

void GPLTdoSaveCheck::Check(const Util::CountedPointer<ThreeDObject>& node)
{
    node->Accept(*this);
    while (!m_siblings.empty())
    {
        Util::CountedPointer<ThreeDObject> sibling = m_siblings.back();
        m_siblings.pop_back();
        if (m_done.count(sibling.Get()) == 0)
            sibling->Accept(*this);
    }
}

// By kind, not by id: a root made by the editor may have any id.
bool GPLTdoSaveCheck::IsNullOrRefuse(const ThreeDObject& node) const
{
    if (dynamic_cast<const ThreeDObjectNull*>(&node) != nullptr)
        return true;
    if (dynamic_cast<const ThreeDObjectRoot*>(&node) != nullptr ||
        dynamic_cast<const ThreeDObjectHandle*>(&node) != nullptr)
        throw Util::XFileFormat(m_file.GetFileName(), "GPL 3do file node refers to the root or a handle");
    return false;
}

bool GPLTdoSaveCheck::Enter(ThreeDObject& node)
{
    if (IsNullOrRefuse(node))
        return false;
    if (m_path.count(&node) != 0)
        throw Util::XFileFormat(m_file.GetFileName(), "GPL 3do file node refers to itself or an ancestor");
    if (m_done.count(&node) != 0)
        return false;
    m_path.insert(&node);
    return true;
}

void GPLTdoSaveCheck::Leave(ThreeDObject& node)
{
    if (m_path.erase(&node) != 0)
        m_done.insert(&node);
}

void GPLTdoSaveCheck::Visit(ThreeDObject& node)
{
    IsNullOrRefuse(node);
}

bool GPLTdoSaveCheck::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    for (int i = 0; i < ThreeDObjectObjectLocator::SiblingCount; ++i)
    {
        Util::CountedPointer<ThreeDObject> sibling = node.GetSibling(i);
        if (!IsNullOrRefuse(*sibling) && m_done.count(sibling.Get()) == 0)
            m_siblings.push_back(sibling);
    }
    return Enter(node);
}
} // namespace Velmo::Papy

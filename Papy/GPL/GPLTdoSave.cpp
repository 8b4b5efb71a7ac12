#include "Papy/GPL/GPLTdoSave.h"

#include "Papy/Model/ThreeDObjectObjectLocator.h"

namespace Velmo::Papy
{
GPLTdoSave::GPLTdoSave(const Util::CountedPointer<Util::BinaryStream>& stream, U32 base)
    : m_stream(stream), m_base(base)
{
}

bool GPLTdoSave::WriteNode(ThreeDObject& node)
{
    if (IsFrameNode(node) || node.GetFileOffset() != 0)
        return false;
    node.Write(*m_stream, U32(m_stream->Tell() - m_base));
    return true;
}

// A node written before was written with its whole subtree: nothing below it is left to do.
bool GPLTdoSave::Enter(ThreeDObject& node)
{
    return IsFrameNode(node) || node.GetFileOffset() == 0;
}

void GPLTdoSave::Leave(ThreeDObject& node)
{
    WriteNode(node);
}

void GPLTdoSave::Visit(ThreeDObject& node)
{
    WriteNode(node);
}

bool GPLTdoSave::BeforeObjectLocatorSibling(ThreeDObjectObjectLocator&, int)
{
    return false;
}

void GPLTdoSave::LeaveObjectLocator(ThreeDObjectObjectLocator& node)
{
    if (WriteNode(node))
        m_locators.push_back(&node);
}

void GPLTdoSave::WriteUnwrittenSiblings()
{
    // The list grows while it is worked through: a sibling written here may be a locator
    // with siblings of its own.
    for (std::size_t i = 0; i < m_locators.size(); ++i)
        for (int k = 0; k < ThreeDObjectObjectLocator::SiblingCount; ++k)
        {
            Util::CountedPointer<ThreeDObject> sibling = m_locators[i]->GetSibling(k);
            if (!IsFrameNode(*sibling) && sibling->GetFileOffset() == 0)
                sibling->Accept(*this);
        }
}
} // namespace Velmo::Papy

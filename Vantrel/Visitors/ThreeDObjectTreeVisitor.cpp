#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"

using namespace Velmo::Papy;

ThreeDObjectTreeVisitor::ThreeDObjectTreeVisitor(ThreeDObjectTree& tree, TreeItem start) : m_tree(tree)
{
    if (start == tree.GetRootItem())
        m_stack.push_back(Level{start, false, TreeItem()});
    else
        m_stack.push_back(Level{tree.GetParentItem(start), true, start});
}

std::string ThreeDObjectTreeVisitor::GetLabel(const ThreeDObject& node)
{
    return std::to_string(node.GetId()) + " [" + node.GetType() + "]";
}

TreeItem ThreeDObjectTreeVisitor::InsertOrReuse(const ThreeDObject& node, const std::string& text)
{
    Level& level = m_stack.back();
    // An item missing from a level that is reused is inserted, and so is every one after it.
    if (level.reuse && !level.next.IsOk())
        level.reuse = false;
    if (level.reuse)
    {
        TreeItem item = level.next;
        level.next = m_tree.GetNextSiblingItem(item);
        return item;
    }
    return m_tree.InsertItem(level.parent, text, node.GetId());
}

bool ThreeDObjectTreeVisitor::EnterItem(const ThreeDObject& node, const std::string& text)
{
    const TreeItem item = InsertOrReuse(node, text);
    if (m_tree.ItemHasChildren(item))
        m_stack.push_back(Level{item, true, m_tree.GetFirstChildItem(item)});
    else
        m_stack.push_back(Level{item, false, TreeItem()});
    return m_stack.size() < MaxLevels;
}

bool ThreeDObjectTreeVisitor::Enter(ThreeDObject& node)
{
    return EnterItem(node, GetLabel(node));
}

void ThreeDObjectTreeVisitor::Leave(ThreeDObject&)
{
    VELMO_ASSERT(m_stack.size() > 1);
    m_stack.pop_back();
}

void ThreeDObjectTreeVisitor::Visit(ThreeDObject& node)
{
    InsertOrReuse(node, GetLabel(node));
}

bool ThreeDObjectTreeVisitor::EnterRoot(ThreeDObjectRoot& node)
{
    return EnterItem(node, "Root");
}

bool ThreeDObjectTreeVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    return EnterItem(node, node.GetName());
}

void ThreeDObjectTreeVisitor::VisitNull(ThreeDObjectNull& node)
{
    InsertOrReuse(node, std::string());
}

bool ThreeDObjectTreeVisitor::BeforeObjectLocatorSibling(ThreeDObjectObjectLocator&, int)
{
    return true;
}

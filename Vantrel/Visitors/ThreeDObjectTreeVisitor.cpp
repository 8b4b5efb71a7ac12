#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Util/Exception.h"

using namespace Velmo::Papy;

ThreeDObjectTreeVisitor::ThreeDObjectTreeVisitor(ThreeDObjectTree& tree, TreeItem start, std::size_t maxInserted)
    : m_tree(tree), m_maxInserted(maxInserted)
{
    // The start item's own level is walked for the start item alone: its siblings stay.
    if (start == tree.GetRootItem())
        m_stack.push_back(Level{start, false, TreeItem(), false});
    else
        m_stack.push_back(Level{tree.GetParentItem(start), true, start, false});
}

std::string ThreeDObjectTreeVisitor::GetLabel(const ThreeDObject& node)
{
    return std::to_string(node.GetId()) + " [" + node.GetType() + "]";
}

TreeItem ThreeDObjectTreeVisitor::Match(Level& level, int id)
{
    if (m_tree.GetItemId(level.next) == id)
        return level.next;
    TreeItem ahead = m_tree.GetNextSiblingItem(level.next);
    for (std::size_t n = 0; ahead.IsOk() && n < MaxLookAhead; ++n, ahead = m_tree.GetNextSiblingItem(ahead))
    {
        if (m_tree.GetItemId(ahead) != id)
            continue;
        // The items passed over show children that were removed.
        while (!(level.next == ahead))
        {
            const TreeItem gone = level.next;
            level.next = m_tree.GetNextSiblingItem(gone);
            m_tree.DeleteItem(gone);
        }
        return ahead;
    }
    return TreeItem();
}

TreeItem ThreeDObjectTreeVisitor::Insert(const Level& level, TreeItem before, const std::string& text, int id)
{
    if (m_inserted >= m_maxInserted)
    {
        m_spent = true;
        return TreeItem();
    }
    ++m_inserted;
    return before.IsOk() ? m_tree.InsertItemBefore(level.parent, before, text, id)
                         : m_tree.InsertItem(level.parent, text, id);
}

TreeItem ThreeDObjectTreeVisitor::InsertOrReuse(const ThreeDObject& node, const std::string& text)
{
    Level& level = m_stack.back();
    // A level under an item that the bound left out has nothing to reuse or insert into.
    if (!level.parent.IsOk())
        return TreeItem();
    if (level.reuse && !level.next.IsOk())
        level.reuse = false;
    if (!level.reuse)
        return Insert(level, TreeItem(), text, node.GetId());
    const TreeItem item = Match(level, node.GetId());
    if (!item.IsOk())
        return Insert(level, level.next, text, node.GetId());
    level.next = m_tree.GetNextSiblingItem(item);
    return item;
}

bool ThreeDObjectTreeVisitor::EnterItem(const ThreeDObject& node, const std::string& text)
{
    const TreeItem item = InsertOrReuse(node, text);
    if (!item.IsOk())
    {
        m_stack.push_back(Level{item, false, TreeItem(), false});
        return false;
    }
    if (m_tree.ItemHasChildren(item))
        m_stack.push_back(Level{item, true, m_tree.GetFirstChildItem(item), false});
    else
        m_stack.push_back(Level{item, false, TreeItem(), false});
    m_stack.back().walked = m_stack.size() < MaxLevels;
    return m_stack.back().walked;
}

bool ThreeDObjectTreeVisitor::Enter(ThreeDObject& node)
{
    return EnterItem(node, GetLabel(node));
}

void ThreeDObjectTreeVisitor::Leave(ThreeDObject&)
{
    VELMO_ASSERT(m_stack.size() > 1);
    Level& level = m_stack.back();
    // What was not matched shows nodes that are no longer children. After the bound some
    // children were neither matched nor inserted: nothing is taken away then.
    if (level.walked && level.reuse && !m_spent)
        while (level.next.IsOk())
        {
            const TreeItem gone = level.next;
            level.next = m_tree.GetNextSiblingItem(gone);
            m_tree.DeleteItem(gone);
        }
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

#include "Vantrel/Visitors/ThreeDObjectTreeEditVisitor.h"

#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Util/Exception.h"

using namespace Velmo::Papy;

TdoFile::Node ThreeDObjectTreeEditVisitor::NewChild()
{
    VELMO_ASSERT(m_file.Get() != nullptr);
    // The id is taken before the node is made.
    switch (m_command)
    {
    case InsertObjectList:
    {
        const int id = m_file->NewId();
        return m_file->CreateObjectList(id, TdoFile::Nodes());
    }
    case InsertTransformation:
    {
        const int id = m_file->NewId();
        return m_file->CreateTransformation(id, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, m_file->GetNull());
    }
    case InsertExternalObject:
    {
        const int id = m_file->NewId();
        return m_file->CreateExtObject(id, std::string());
    }
    case InsertNumberList:
    {
        const int id = m_file->NewId();
        return m_file->CreateNumberList(id, std::vector<int>());
    }
    default:
        return TdoFile::Node();
    }
}

bool ThreeDObjectTreeEditVisitor::Enter(ThreeDObject&)
{
    return false;
}

bool ThreeDObjectTreeEditVisitor::EnterRoot(ThreeDObjectRoot&)
{
    if (m_mode == Query)
        m_popupIndex = 0;
    else if (m_command == InsertHandle)
    {
        VELMO_ASSERT(m_file.Get() != nullptr);
        // The file hangs the new handle from its root.
        m_file->CreateHandle(std::string(), m_file->GetNull());
        m_changed = true;
    }
    return false;
}

bool ThreeDObjectTreeEditVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    if (m_mode == Query)
        m_popupIndex = 1;
    else if (TdoFile::Node child = NewChild(); child.Get() != nullptr)
    {
        node.SetObject(child);
        m_changed = true;
    }
    return false;
}

bool ThreeDObjectTreeEditVisitor::EnterObjectList(ThreeDObjectObjectList& node)
{
    if (m_mode == Query)
        m_popupIndex = 2;
    else if (TdoFile::Node child = NewChild(); child.Get() != nullptr)
    {
        node.InsertChild(child, node.GetChildCount());
        m_changed = true;
    }
    return false;
}

bool ThreeDObjectTreeEditVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    if (m_mode == Query)
        m_popupIndex = 3;
    else if (TdoFile::Node child = NewChild(); child.Get() != nullptr)
    {
        node.SetChild(child);
        m_changed = true;
    }
    return false;
}

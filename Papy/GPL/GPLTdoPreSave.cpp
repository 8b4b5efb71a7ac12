#include "Papy/GPL/GPLTdoPreSave.h"

#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
GPLTdoPreSave::GPLTdoPreSave(GPLTdoFile& file) : m_file(file)
{
    m_vertices.newIndex.assign(file.GetVertices().size(), -1);
    m_vertices.message = "GPL 3do file vertex index out of range";
    m_planes.newIndex.assign(file.GetPlanes().size(), -1);
    m_planes.message = "GPL 3do file plane index out of range";
    m_normals.newIndex.assign(file.GetNormals().size(), -1);
    m_normals.message = "GPL 3do file normal index out of range";
}

namespace
{
// The entries of old in their new order.
template <class T>
std::vector<T> Compact(const std::vector<T>& old, const std::vector<int>& newIndex, U32 count)
{
    std::vector<T> result(count);
    for (std::size_t i = 0; i < newIndex.size(); ++i)
        if (newIndex[i] >= 0)
            result[std::size_t(newIndex[i])] = old[i];
    return result;
}
} // namespace

std::vector<Vertex> GPLTdoPreSave::NewVertices() const
{
    return Compact(m_file.GetVertices(), m_vertices.newIndex, m_vertices.count);
}

std::vector<Plane> GPLTdoPreSave::NewPlanes() const
{
    return Compact(m_file.GetPlanes(), m_planes.newIndex, m_planes.count);
}

std::vector<Normal> GPLTdoPreSave::NewNormals() const
{
    return Compact(m_file.GetNormals(), m_normals.newIndex, m_normals.count);
}

int GPLTdoPreSave::Remap(Table& table, int old)
{
    if (m_mode == Mode::Apply)
        return table.newIndex[std::size_t(old)];
    // Indexes are unsigned in the records: a negative one is as far out as a large one.
    if (U32(old) >= table.newIndex.size())
        throw Util::XFileFormat(m_file.GetFileName(), table.message);
    int& slot = table.newIndex[std::size_t(old)];
    if (slot < 0)
        slot = int(table.count++);
    return slot;
}

// A string offset that is not in the string table fails in the getter; the check turns that
// into the file's error before anything was changed.
template <class Get, class Set>
void GPLTdoPreSave::Restring(Get get, Set set)
{
    if (m_mode == Mode::Apply)
    {
        set(get());
        return;
    }
    try
    {
        get();
    }
    catch (const Util::XAssertion&)
    {
        throw Util::XFileFormat(m_file.GetFileName(), "GPL 3do file string offset not in the string table");
    }
}

// No node is reached through its parent: the save visits every node of the table by itself.
bool GPLTdoPreSave::Enter(ThreeDObject&)
{
    return false;
}

bool GPLTdoPreSave::EnterBoundingBox(ThreeDObjectBoundingBox& node)
{
    for (int i = 0; i < ThreeDObjectBoundingBox::VertexCount; ++i)
    {
        int id = Remap(m_vertices, node.GetVertexId(i));
        if (m_mode == Mode::Apply)
            node.SetVertexId(i, id);
    }
    return false;
}

bool GPLTdoPreSave::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    Restring([&] { return node.GetTextureName(); }, [&](const std::string& s) { node.SetTextureName(s); });
    return false;
}

bool GPLTdoPreSave::EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node)
{
    Restring([&] { return node.GetTextureName(); }, [&](const std::string& s) { node.SetTextureName(s); });
    return false;
}

bool GPLTdoPreSave::EnterTexture(ThreeDObjectTexture& node)
{
    Restring([&] { return node.GetTextureName(); }, [&](const std::string& s) { node.SetTextureName(s); });
    return false;
}

void GPLTdoPreSave::VisitExtObject(ThreeDObjectExtObject& node)
{
    Restring([&] { return node.GetObjectName(); }, [&](const std::string& s) { node.SetObjectName(s); });
}

bool GPLTdoPreSave::EnterHandle(ThreeDObjectHandle& node)
{
    Restring([&] { return node.GetName(); }, [&](const std::string& s) { node.SetName(s); });
    return false;
}

bool GPLTdoPreSave::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    for (int i = 0; i < node.GetTextureCount(); ++i)
        Restring([&] { return node.GetTextureName(i); }, [&](const std::string& s) { node.SetTextureName(i, s); });
    return false;
}

bool GPLTdoPreSave::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    int id = Remap(m_vertices, node.GetVertexId());
    if (m_mode == Mode::Apply)
        node.SetVertexId(id);
    return false;
}

void GPLTdoPreSave::VisitLine(ThreeDObjectLine& node)
{
    int from = Remap(m_vertices, node.GetFromVertexId());
    int to = Remap(m_vertices, node.GetToVertexId());
    if (m_mode == Mode::Apply)
    {
        node.SetFromVertexId(from);
        node.SetToVertexId(to);
    }
}

bool GPLTdoPreSave::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    for (int i = 0; i < ThreeDObjectObjectLocator::SiblingCount; ++i)
    {
        int id = Remap(m_planes, int(node.GetPlaneId(i)));
        if (m_mode == Mode::Apply)
            node.SetPlaneId(i, U32(id));
    }
    return false;
}

template <class Node>
bool GPLTdoPreSave::PlaneNode(Node& node, bool& reverse)
{
    reverse = false;
    int id = Remap(m_planes, node.GetPlaneId());
    if (m_mode == Mode::Apply)
        node.SetPlaneId(id);
    return false;
}

bool GPLTdoPreSave::EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node)
{
    bool reverse;
    return PlaneNode(node, reverse);
}

bool GPLTdoPreSave::EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse)
{
    return PlaneNode(node, reverse);
}

bool GPLTdoPreSave::EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool& reverse)
{
    return PlaneNode(node, reverse);
}

bool GPLTdoPreSave::EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse)
{
    return PlaneNode(node, reverse);
}

bool GPLTdoPreSave::EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool& reverse)
{
    return PlaneNode(node, reverse);
}

bool GPLTdoPreSave::EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool& reverse)
{
    return PlaneNode(node, reverse);
}

void GPLTdoPreSave::VisitPolygon(ThreeDObjectPolygon& node)
{
    const int count = node.GetVertexCount();
    for (int i = 0; i < count; ++i)
    {
        int id = Remap(m_vertices, node.GetVertexId(i));
        if (m_mode == Mode::Apply)
            node.SetVertexId(i, id);
    }
    if (!node.HasNormals())
        return;
    for (int i = 0; i < count; ++i)
    {
        int id = Remap(m_normals, node.GetNormalId(i));
        if (m_mode == Mode::Apply)
            node.SetNormalId(i, id);
    }
}

void GPLTdoPreSave::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    int id = Remap(m_vertices, node.GetVertexId());
    if (m_mode == Mode::Apply)
        node.SetVertexId(id);
    Restring([&] { return node.GetSrbName(); }, [&](const std::string& s) { node.SetSrbName(s); });
}

void GPLTdoPreSave::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    const int count = node.GetVertexCount();
    for (int i = 0; i < count; ++i)
    {
        int id = Remap(m_vertices, node.GetVertexId(i));
        if (m_mode == Mode::Apply)
            node.SetVertexId(i, id);
    }
}
} // namespace Velmo::Papy

#include "Vantrel/Visitors/ThreeDObjectEditVisitor.h"

#include <climits>
#include <vector>

#include "Papy/Model/Colour.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/Vertex.h"
#include "Util/Angles.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectEditDialogs.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectRowSink.h"
#include "Vantrel/Visitors/ValueParse.h"

using namespace Velmo;
using namespace Velmo::Papy;

namespace
{
// "<prefix> <digits>" as the whole label, the number within int.
bool ParseIndexed(const std::string& label, const char* prefix, int& index)
{
    const std::string_view text(label);
    const std::string_view head(prefix);
    if (text.size() < head.size() + 2 || text.substr(0, head.size()) != head || text[head.size()] != ' ')
        return false;
    long long value = 0;
    for (std::size_t k = head.size() + 1; k < text.size(); ++k)
    {
        if (text[k] < '0' || text[k] > '9')
            return false;
        value = value * 10 + (text[k] - '0');
        if (value > INT_MAX)
            return false;
    }
    index = int(value);
    return true;
}

// The labels of a listing, to find the group a row belongs to.
class LabelCollector : public ThreeDObjectRowSink
{
public:
    void AddRow(const std::string& label, const std::string&) override { labels.push_back(label); }
    std::vector<std::string> labels;
};

} // namespace

ThreeDObjectEditVisitor::ThreeDObjectEditVisitor(int row, const std::string& caption, ThreeDObjectEditDialogs& dialogs)
    : m_row(row), m_caption(caption), m_dialogs(dialogs)
{
}

bool ThreeDObjectEditVisitor::IsIndexed(const char* prefix, int& index) const
{
    return ParseIndexed(m_caption, prefix, index);
}

void ThreeDObjectEditVisitor::CheckIndex(int index, int count)
{
    VELMO_ASSERT(index >= 0 && index < count);
}

// ---- The editors -----------------------------------------------------------------------------

void ThreeDObjectEditVisitor::EditFloat(double value, const std::function<void(double)>& write)
{
    if (!m_dialogs.EditFloat(m_caption, value))
        return;
    write(value);
    m_modified = true;
}

void ThreeDObjectEditVisitor::EditRadians(double radians, const std::function<void(double)>& write)
{
    EditFloat(Util::RadiansToDegrees(radians), [&](double degrees) { write(Util::DegreesToRadians(degrees)); });
}

void ThreeDObjectEditVisitor::EditInt(int value, int minimum, int maximum, const std::function<void(int)>& write)
{
    if (!m_dialogs.EditInt(m_caption, value, minimum, maximum))
        return;
    // The dialog accepts nothing else; a value outside would reach the node unchecked.
    VELMO_ASSERT(value >= minimum && value <= maximum);
    write(value);
    m_modified = true;
}

void ThreeDObjectEditVisitor::EditString(const std::string& value, int maxLength,
                                         const std::function<void(const std::string&)>& write)
{
    std::string text = value;
    if (!m_dialogs.EditString(m_caption, text, maxLength))
        return;
    // An edited text stops at its length; one left as the file had it is written back whole.
    write(text == value ? value : ValueParse::CutToLength(text, maxLength));
    m_modified = true;
}

void ThreeDObjectEditVisitor::EditBool(bool value, const std::function<void(bool)>& write)
{
    if (!m_dialogs.EditBool(m_caption, value))
        return;
    write(value);
    m_modified = true;
}

void ThreeDObjectEditVisitor::EditVertex(double x, double y, double z, bool noZ,
                                         const std::function<void(double, double, double)>& write)
{
    const double givenZ = z;
    if (!m_dialogs.EditVertex(m_caption, x, y, z, noZ))
        return;
    write(x, y, noZ ? givenZ : z);
    m_modified = true;
}

void ThreeDObjectEditVisitor::Delete(const std::function<void()>& remove)
{
    if (!m_dialogs.AskOkCancel(DeleteChildText))
        return;
    remove();
    m_modified = true;
}

void ThreeDObjectEditVisitor::NotEditable()
{
    m_dialogs.ShowMessage(NotEditableText);
}

// ---- Shared rows -----------------------------------------------------------------------------

template <class Node>
bool ThreeDObjectEditVisitor::Translation(Node& node)
{
    struct Axis
    {
        const char* label;
        double (Node::*get)() const;
        void (Node::*set)(double);
    };
    const Axis axes[] = {
        {"X Translation", &Node::GetXTranslation, &Node::SetXTranslation},
        {"Y Translation", &Node::GetYTranslation, &Node::SetYTranslation},
        {"Z Translation", &Node::GetZTranslation, &Node::SetZTranslation},
    };
    for (const Axis& axis : axes)
        if (Is(axis.label))
        {
            EditFloat((node.*axis.get)(), [&](double value) { (node.*axis.set)(value); });
            return true;
        }
    return false;
}

template <class Node>
bool ThreeDObjectEditVisitor::Rotation(Node& node, bool radians)
{
    struct Axis
    {
        const char* label;
        double (Node::*get)() const;
        void (Node::*set)(double);
    };
    const Axis axes[] = {
        {"X Rotation", &Node::GetXRotation, &Node::SetXRotation},
        {"Y Rotation", &Node::GetYRotation, &Node::SetYRotation},
        {"Z Rotation", &Node::GetZRotation, &Node::SetZRotation},
    };
    for (const Axis& axis : axes)
        if (Is(axis.label))
        {
            const auto write = [&](double value) { (node.*axis.set)(value); };
            if (radians)
                EditRadians((node.*axis.get)(), write);
            else
                EditFloat((node.*axis.get)(), write);
            return true;
        }
    return false;
}

template <class Node>
void ThreeDObjectEditVisitor::TriangleRun(Node& node)
{
    int i;
    if (!IsIndexed("Vertex Index", i))
        return NotEditable();
    CheckIndex(i, node.GetIndexCount());
    EditInt(node.GetIndex(i), 0, INT_MAX, [&](int value) { node.SetIndex(i, value); });
}

bool ThreeDObjectEditVisitor::DeleteSlot(const char* label, const std::function<void()>& clear)
{
    if (!Is(label))
        return false;
    Delete(clear);
    return true;
}

// ---- Kinds without fields --------------------------------------------------------------------

bool ThreeDObjectEditVisitor::Enter(ThreeDObject&)
{
    NotEditable();
    return false;
}

void ThreeDObjectEditVisitor::Visit(ThreeDObject&)
{
    NotEditable();
}

// ---- Transforms ------------------------------------------------------------------------------

int ThreeDObjectEditVisitor::StateOfRow(ThreeDObjectAnimatedTransform& node) const
{
    LabelCollector rows;
    ThreeDObjectListVisitor list(rows);
    node.Accept(list);
    if (m_row < 0 || std::size_t(m_row) >= rows.labels.size() || rows.labels[std::size_t(m_row)] != m_caption)
        return -1;
    for (int r = m_row; r >= 0; --r)
    {
        int state;
        if (ParseIndexed(rows.labels[std::size_t(r)], "State", state))
            return state;
    }
    return -1;
}

bool ThreeDObjectEditVisitor::EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    const int state = StateOfRow(node);
    if (state < 0)
    {
        if (!Translation(node) && !Rotation(node, true))
            NotEditable();
        return false;
    }
    // The rows under "State" i show that state's own translation and rotation.
    typedef ThreeDObjectAnimatedTransform Node;
    struct Axis
    {
        const char* label;
        double (Node::*get)(int) const;
        void (Node::*set)(int, double);
        bool radians;
    };
    static const Axis axes[] = {
        {"X Translation", &Node::GetStateXTranslation, &Node::SetStateXTranslation, false},
        {"Y Translation", &Node::GetStateYTranslation, &Node::SetStateYTranslation, false},
        {"Z Translation", &Node::GetStateZTranslation, &Node::SetStateZTranslation, false},
        {"X Rotation", &Node::GetStateXRotation, &Node::SetStateXRotation, true},
        {"Y Rotation", &Node::GetStateYRotation, &Node::SetStateYRotation, true},
        {"Z Rotation", &Node::GetStateZRotation, &Node::SetStateZRotation, true},
    };
    for (const Axis& axis : axes)
        if (Is(axis.label))
        {
            CheckIndex(state, node.GetStateCount());
            const auto write = [&](double value) { (node.*axis.set)(state, value); };
            if (axis.radians)
                EditRadians((node.*axis.get)(state), write);
            else
                EditFloat((node.*axis.get)(state), write);
            return false;
        }
    NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterBillboard(ThreeDObjectBillboard& node)
{
    if (Translation(node))
        return false;
    typedef ThreeDObjectBillboard Node;
    struct Axis
    {
        const char* label;
        double (Node::*get)() const;
        void (Node::*set)(double);
    };
    static const Axis axes[] = {
        {"Rotation Axis X", &Node::GetRotationAxisX, &Node::SetRotationAxisX},
        {"Rotation Axis Y", &Node::GetRotationAxisY, &Node::SetRotationAxisY},
        {"Rotation Axis Z", &Node::GetRotationAxisZ, &Node::SetRotationAxisZ},
    };
    for (const Axis& axis : axes)
        if (Is(axis.label))
        {
            EditFloat((node.*axis.get)(), [&](double value) { (node.*axis.set)(value); });
            return false;
        }
    NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterTransform(ThreeDObjectTransform& node)
{
    if (!Translation(node) && !Rotation(node, true))
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    // The rotations are held, listed and edited in degrees.
    if (Translation(node) || Rotation(node, false))
        return false;
    if (Is("Scale"))
        EditFloat(node.GetScale(), [&](double value) { node.SetScale(value); });
    else
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterTsoReference(ThreeDObjectTsoReference& node)
{
    if (Translation(node))
        return false;
    if (Is("Use Wind Direction"))
        EditBool(node.UsesWindDirection(), [&](bool value) { node.SetUsesWindDirection(value); });
    else if (!Rotation(node, true))
        NotEditable();
    return false;
}

// ---- Names and texture files -----------------------------------------------------------------

bool ThreeDObjectEditVisitor::EnterAppearance(ThreeDObjectAppearance& node)
{
    if (Is("Name"))
        EditString(node.GetName(), NameLength, [&](const std::string& name) { node.SetName(name); });
    else
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    if (!Is("Name"))
    {
        NotEditable();
        return false;
    }
    EditString(node.GetName(), NameLength, [&](const std::string& name) {
        node.SetName(name);
        m_nameChanged = true;
        m_newName = node.GetName();
    });
    return false;
}

bool ThreeDObjectEditVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    if (Is("MIP"))
        EditString(node.GetTextureName(), FileNameLength, [&](const std::string& name) { node.SetTextureName(name); });
    else
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    if (Is("MIP"))
        EditString(node.GetTextureName(), FileNameLength, [&](const std::string& name) { node.SetTextureName(name); });
    else
        NotEditable();
    return false;
}

void ThreeDObjectEditVisitor::VisitTexture2(ThreeDObjectTexture2& node)
{
    // The file names of this kind carry their extension ("grass.mip"): a name's length.
    if (Is("MIP"))
        EditString(node.GetFileName(), NameLength, [&](const std::string& name) { node.SetFileName(name); });
    else
        NotEditable();
}

void ThreeDObjectEditVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    if (Is("3DO"))
        EditString(node.GetObjectName(), FileNameLength, [&](const std::string& name) { node.SetObjectName(name); });
    else
        NotEditable();
}

bool ThreeDObjectEditVisitor::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    int i;
    if (Is("MIP Count"))
        EditInt(node.GetTextureCount(), 0, MaxCount, [&](int count) { node.SetTextureCount(count); });
    else if (IsIndexed("MIP", i))
    {
        CheckIndex(i, node.GetTextureCount());
        EditString(node.GetTextureName(i), NameLength, [&](const std::string& name) { node.SetTextureName(i, name); });
    }
    else
        NotEditable();
    return false;
}

// ---- Numbers, states and indices -------------------------------------------------------------

void ThreeDObjectEditVisitor::VisitNumberList(ThreeDObjectNumberList& node)
{
    int i;
    if (Is("Count"))
        EditInt(node.GetNumberCount(), 0, MaxCount, [&](int count) { node.SetNumberCount(count); });
    else if (IsIndexed("Number", i))
    {
        CheckIndex(i, node.GetNumberCount());
        // Shown as the int of the same bits, as the editor holds an int.
        EditInt(int(node.GetNumber(i)), INT_MIN, INT_MAX, [&](int value) { node.SetNumber(i, U32(value)); });
    }
    else
        NotEditable();
}

bool ThreeDObjectEditVisitor::EnterStateSwitch(ThreeDObjectStateSwitch& node)
{
    int i;
    if (IsIndexed("State", i))
    {
        // One state more than children: the upper end of the last child's range.
        CheckIndex(i, node.GetChildCount() + 1);
        EditFloat(node.GetStateValue(i), [&](double value) { node.SetStateValue(i, value); });
    }
    else if (IsIndexed("Child", i))
    {
        CheckIndex(i, node.GetChildCount());
        Delete([&] { node.RemoveChild(i); });
    }
    else
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    int i;
    if (IsIndexed("Split Distance", i))
    {
        CheckIndex(i, node.GetChildCount());
        EditFloat(node.GetSplitDistance(i), [&](double value) { node.SetSplitDistance(i, value); });
    }
    else if (IsIndexed("Child", i))
    {
        CheckIndex(i, node.GetChildCount());
        Delete([&] { node.DeleteChild(i); });
    }
    else
        NotEditable();
    return false;
}

void ThreeDObjectEditVisitor::VisitTriangles(ThreeDObjectTriangles& node)
{
    int i;
    if (!IsIndexed("Vertex Index", i))
        return NotEditable();
    CheckIndex(i, node.GetIndexCount());
    // An index beyond int shows as a negative number, which the editor refuses until corrected.
    EditInt(int(node.GetIndex(i)), 0, INT_MAX, [&](int value) { node.SetIndex(i, U32(value)); });
}

bool ThreeDObjectEditVisitor::EnterTriangleFan(ThreeDObjectTriangleFan& node)
{
    TriangleRun(node);
    return false;
}

bool ThreeDObjectEditVisitor::EnterTriangleStrip(ThreeDObjectTriangleStrip& node)
{
    TriangleRun(node);
    return false;
}

// ---- Geometry --------------------------------------------------------------------------------

void ThreeDObjectEditVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    int i;
    if (!IsIndexed("Shade", i))
        return NotEditable();
    CheckIndex(i, node.GetVertexCount());
    Colour shade = node.GetShade(i);
    if (!m_dialogs.EditColour(m_caption, shade))
        return;
    node.SetShade(i, shade);
    m_modified = true;
}

void ThreeDObjectEditVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    int i;
    if (IsIndexed("Vertex", i))
    {
        CheckIndex(i, node.GetVertexCount());
        const Vertex v = node.GetVertex(i);
        EditVertex(v.GetX(), v.GetY(), v.GetZ(), false,
                   [&](double x, double y, double z) { node.SetVertex(i, Vertex(x, y, z)); });
    }
    else if (IsIndexed("Normal", i))
    {
        CheckIndex(i, node.GetVertexCount());
        const Normal n = node.GetNormal(i);
        EditVertex(n.GetX(), n.GetY(), n.GetZ(), false,
                   [&](double x, double y, double z) { node.SetNormal(i, Normal(x, y, z)); });
    }
    else if (IsIndexed("Texture Vertex", i))
    {
        CheckIndex(i, node.GetVertexCount());
        const TextureVertex t = node.GetTextureVertex(i);
        EditVertex(t.GetU(), t.GetV(), 0.0, true,
                   [&](double u, double v, double) { node.SetTextureVertex(i, TextureVertex(u, v)); });
    }
    else if (IsIndexed("Specular Highlight Texture Vertex", i))
    {
        CheckIndex(i, node.GetVertexCount());
        const TextureVertex t = node.GetSpecularTextureVertex(i);
        EditVertex(t.GetU(), t.GetV(), 0.0, true,
                   [&](double u, double v, double) { node.SetSpecularTextureVertex(i, TextureVertex(u, v)); });
    }
    else
        NotEditable();
}

// ---- Children --------------------------------------------------------------------------------

bool ThreeDObjectEditVisitor::EnterGroup(ThreeDObjectGroup& node)
{
    int i;
    if (!IsIndexed("Child", i))
    {
        NotEditable();
        return false;
    }
    CheckIndex(i, node.GetChildCount());
    Delete([&] { node.RemoveChild(i); });
    return false;
}

bool ThreeDObjectEditVisitor::EnterObjectList(ThreeDObjectObjectList& node)
{
    int i;
    if (!IsIndexed("Child", i))
    {
        NotEditable();
        return false;
    }
    CheckIndex(i, node.GetChildCount());
    Delete([&] { node.RemoveChild(i); });
    return false;
}

bool ThreeDObjectEditVisitor::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    int i;
    if (!IsIndexed("Object", i))
    {
        NotEditable();
        return false;
    }
    CheckIndex(i, node.GetObjectCount());
    Delete([&] { node.DeleteObject(i); });
    return false;
}

bool ThreeDObjectEditVisitor::EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool&)
{
    if (!DeleteSlot("Far Child", [&] { node.ClearFarChild(); }) &&
        !DeleteSlot("Near Child", [&] { node.ClearNearChild(); }))
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool&)
{
    if (!DeleteSlot("Front Child", [&] { node.ClearFrontChild(); }) &&
        !DeleteSlot("Back Child", [&] { node.ClearBackChild(); }))
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool&)
{
    if (!DeleteSlot("Far Child", [&] { node.ClearFarChild(); }) &&
        !DeleteSlot("Middle Child", [&] { node.ClearMiddleChild(); }) &&
        !DeleteSlot("Near Child", [&] { node.ClearNearChild(); }))
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool&)
{
    if (!DeleteSlot("Far Child", [&] { node.ClearFarChild(); }) &&
        !DeleteSlot("Front Child", [&] { node.ClearFrontChild(); }) &&
        !DeleteSlot("Near Child", [&] { node.ClearNearChild(); }))
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool&)
{
    if (!DeleteSlot("Far Child", [&] { node.ClearFarChild(); }) &&
        !DeleteSlot("Back Child", [&] { node.ClearBackChild(); }) &&
        !DeleteSlot("Front Child", [&] { node.ClearFrontChild(); }) &&
        !DeleteSlot("Near Child", [&] { node.ClearNearChild(); }))
        NotEditable();
    return false;
}

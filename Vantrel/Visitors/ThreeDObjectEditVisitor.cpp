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
    const double shown = Util::RadiansToDegrees(radians);
    // Degrees that come back as they were shown leave the radians to the last bit, which the
    // conversion there and back need not.
    EditFloat(shown, [&](double degrees) { write(degrees == shown ? radians : Util::DegreesToRadians(degrees)); });
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

void ThreeDObjectEditVisitor::EditColour(const Colour& value, const std::function<void(const Colour&)>& write)
{
    Colour colour = value;
    if (!m_dialogs.EditColour(m_caption, colour))
        return;
    write(colour);
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

// ---- Finding the row -------------------------------------------------------------------------

bool ThreeDObjectEditVisitor::EditIndexed(const char* prefix, int count, const std::function<void(int)>& edit)
{
    int i;
    if (!IsIndexed(prefix, i))
        return false;
    CheckIndex(i, count);
    edit(i);
    return true;
}

bool ThreeDObjectEditVisitor::DeleteIndexed(const char* prefix, int count, const std::function<void(int)>& remove)
{
    return EditIndexed(prefix, count, [&](int i) { Delete([&] { remove(i); }); });
}

bool ThreeDObjectEditVisitor::DeleteSlot(const char* label, const std::function<void()>& clear)
{
    if (!Is(label))
        return false;
    Delete(clear);
    return true;
}

void ThreeDObjectEditVisitor::SoleRow(const char* label, const std::function<void()>& edit)
{
    if (Is(label))
        edit();
    else
        NotEditable();
}

template <class Field, std::size_t N>
const Field* ThreeDObjectEditVisitor::Find(const Field (&fields)[N]) const
{
    for (const Field& field : fields)
        if (Is(field.label))
            return &field;
    return nullptr;
}

template <class Node, class... Index>
void ThreeDObjectEditVisitor::EditField(Node& node, const FloatField<Node, Index...>& field, Index... index)
{
    const auto write = [&](double value) { (node.*field.set)(index..., value); };
    if (field.radians)
        EditRadians((node.*field.get)(index...), write);
    else
        EditFloat((node.*field.get)(index...), write);
}

template <class Node, std::size_t N>
bool ThreeDObjectEditVisitor::EditFields(Node& node, const FloatField<Node> (&fields)[N])
{
    const FloatField<Node>* field = Find(fields);
    if (field == nullptr)
        return false;
    EditField(node, *field);
    return true;
}

// ---- Shared rows -----------------------------------------------------------------------------

template <class Node>
bool ThreeDObjectEditVisitor::Translation(Node& node)
{
    const FloatField<Node> fields[] = {
        {"X Translation", &Node::GetXTranslation, &Node::SetXTranslation, false},
        {"Y Translation", &Node::GetYTranslation, &Node::SetYTranslation, false},
        {"Z Translation", &Node::GetZTranslation, &Node::SetZTranslation, false},
    };
    return EditFields(node, fields);
}

template <class Node>
bool ThreeDObjectEditVisitor::Rotation(Node& node, bool radians)
{
    const FloatField<Node> fields[] = {
        {"X Rotation", &Node::GetXRotation, &Node::SetXRotation, radians},
        {"Y Rotation", &Node::GetYRotation, &Node::SetYRotation, radians},
        {"Z Rotation", &Node::GetZRotation, &Node::SetZRotation, radians},
    };
    return EditFields(node, fields);
}

template <class Node>
void ThreeDObjectEditVisitor::TriangleRun(Node& node)
{
    if (!EditIndexed("Vertex Index", node.GetIndexCount(), [&](int i) {
            EditInt(node.GetIndex(i), 0, INT_MAX, [&](int value) { node.SetIndex(i, value); });
        }))
        NotEditable();
}

template <class Node>
void ThreeDObjectEditVisitor::TextureFile(Node& node)
{
    SoleRow("MIP", [&] {
        EditString(node.GetTextureName(), FileNameLength, [&](const std::string& name) { node.SetTextureName(name); });
    });
}

template <class Node>
void ThreeDObjectEditVisitor::Children(Node& node)
{
    if (!DeleteIndexed("Child", node.GetChildCount(), [&](int i) { node.RemoveChild(i); }))
        NotEditable();
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
    static const FloatField<Node, int> fields[] = {
        {"X Translation", &Node::GetStateXTranslation, &Node::SetStateXTranslation, false},
        {"Y Translation", &Node::GetStateYTranslation, &Node::SetStateYTranslation, false},
        {"Z Translation", &Node::GetStateZTranslation, &Node::SetStateZTranslation, false},
        {"X Rotation", &Node::GetStateXRotation, &Node::SetStateXRotation, true},
        {"Y Rotation", &Node::GetStateYRotation, &Node::SetStateYRotation, true},
        {"Z Rotation", &Node::GetStateZRotation, &Node::SetStateZRotation, true},
    };
    if (const FloatField<Node, int>* field = Find(fields))
    {
        CheckIndex(state, node.GetStateCount());
        EditField(node, *field, state);
    }
    else
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterBillboard(ThreeDObjectBillboard& node)
{
    typedef ThreeDObjectBillboard Node;
    static const FloatField<Node> axes[] = {
        {"Rotation Axis X", &Node::GetRotationAxisX, &Node::SetRotationAxisX, false},
        {"Rotation Axis Y", &Node::GetRotationAxisY, &Node::SetRotationAxisY, false},
        {"Rotation Axis Z", &Node::GetRotationAxisZ, &Node::SetRotationAxisZ, false},
    };
    if (!Translation(node) && !EditFields(node, axes))
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
    SoleRow("Scale", [&] { EditFloat(node.GetScale(), [&](double value) { node.SetScale(value); }); });
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
    SoleRow("Name", [&] {
        EditString(node.GetName(), NameLength, [&](const std::string& name) { node.SetName(name); });
    });
    return false;
}

bool ThreeDObjectEditVisitor::EnterHandle(ThreeDObjectHandle& node)
{
    SoleRow("Name", [&] {
        EditString(node.GetName(), NameLength, [&](const std::string& name) {
            node.SetName(name);
            m_nameChanged = true;
            m_newName = node.GetName();
        });
    });
    return false;
}

bool ThreeDObjectEditVisitor::EnterClassTexture(ThreeDObjectClassTexture& node)
{
    TextureFile(node);
    return false;
}

bool ThreeDObjectEditVisitor::EnterTexture(ThreeDObjectTexture& node)
{
    TextureFile(node);
    return false;
}

void ThreeDObjectEditVisitor::VisitTexture2(ThreeDObjectTexture2& node)
{
    // The file names of this kind carry their extension ("grass.mip"): a name's length.
    SoleRow("MIP", [&] {
        EditString(node.GetFileName(), NameLength, [&](const std::string& name) { node.SetFileName(name); });
    });
}

void ThreeDObjectEditVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    SoleRow("3DO", [&] {
        EditString(node.GetObjectName(), FileNameLength, [&](const std::string& name) { node.SetObjectName(name); });
    });
}

bool ThreeDObjectEditVisitor::EnterMultipleTextures(ThreeDObjectMultipleTextures& node)
{
    if (Is("MIP Count"))
        EditInt(node.GetTextureCount(), 0, MaxCount, [&](int count) { node.SetTextureCount(count); });
    else if (!EditIndexed("MIP", node.GetTextureCount(), [&](int i) {
                 EditString(node.GetTextureName(i), NameLength,
                            [&](const std::string& name) { node.SetTextureName(i, name); });
             }))
        NotEditable();
    return false;
}

// ---- Numbers, states and indices -------------------------------------------------------------

void ThreeDObjectEditVisitor::VisitNumberList(ThreeDObjectNumberList& node)
{
    if (Is("Count"))
        EditInt(node.GetNumberCount(), 0, MaxCount, [&](int count) { node.SetNumberCount(count); });
    else if (!EditIndexed("Number", node.GetNumberCount(), [&](int i) {
                 // Shown as the int of the same bits, as the editor holds an int.
                 EditInt(int(node.GetNumber(i)), INT_MIN, INT_MAX, [&](int value) { node.SetNumber(i, U32(value)); });
             }))
        NotEditable();
}

bool ThreeDObjectEditVisitor::EnterStateSwitch(ThreeDObjectStateSwitch& node)
{
    // One state more than children: the upper end of the last child's range.
    if (!EditIndexed("State", node.GetChildCount() + 1,
                     [&](int i) {
                         EditFloat(node.GetStateValue(i), [&](double value) { node.SetStateValue(i, value); });
                     }) &&
        !DeleteIndexed("Child", node.GetChildCount(), [&](int i) { node.RemoveChild(i); }))
        NotEditable();
    return false;
}

bool ThreeDObjectEditVisitor::EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node)
{
    if (!EditIndexed("Split Distance", node.GetChildCount(),
                     [&](int i) {
                         EditFloat(node.GetSplitDistance(i), [&](double value) { node.SetSplitDistance(i, value); });
                     }) &&
        !DeleteIndexed("Child", node.GetChildCount(), [&](int i) { node.DeleteChild(i); }))
        NotEditable();
    return false;
}

void ThreeDObjectEditVisitor::VisitTriangles(ThreeDObjectTriangles& node)
{
    // An index beyond int shows as a negative number, which the editor refuses until corrected.
    if (!EditIndexed("Vertex Index", node.GetIndexCount(), [&](int i) {
            EditInt(int(node.GetIndex(i)), 0, INT_MAX, [&](int value) { node.SetIndex(i, U32(value)); });
        }))
        NotEditable();
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
    if (!EditIndexed("Shade", node.GetVertexCount(), [&](int i) {
            EditColour(node.GetShade(i), [&](const Colour& shade) { node.SetShade(i, shade); });
        }))
        NotEditable();
}

void ThreeDObjectEditVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    const int count = node.GetVertexCount();
    // A point and a direction edit x, y and z; a texture vertex u and v, with z greyed out.
    const auto point = [&](const auto& p, const std::function<void(double, double, double)>& write) {
        EditVertex(p.GetX(), p.GetY(), p.GetZ(), false, write);
    };
    const auto texture = [&](const TextureVertex& t, const std::function<void(const TextureVertex&)>& write) {
        EditVertex(t.GetU(), t.GetV(), 0.0, true, [&](double u, double v, double) { write(TextureVertex(u, v)); });
    };
    const auto vertex = [&](int i) {
        point(node.GetVertex(i), [&](double x, double y, double z) { node.SetVertex(i, Vertex(x, y, z)); });
    };
    const auto normal = [&](int i) {
        point(node.GetNormal(i), [&](double x, double y, double z) { node.SetNormal(i, Normal(x, y, z)); });
    };
    const auto textureVertex = [&](int i) {
        texture(node.GetTextureVertex(i), [&](const TextureVertex& t) { node.SetTextureVertex(i, t); });
    };
    const auto specular = [&](int i) {
        texture(node.GetSpecularTextureVertex(i), [&](const TextureVertex& t) { node.SetSpecularTextureVertex(i, t); });
    };
    if (!EditIndexed("Vertex", count, vertex) && !EditIndexed("Normal", count, normal) &&
        !EditIndexed("Texture Vertex", count, textureVertex) &&
        !EditIndexed("Specular Highlight Texture Vertex", count, specular))
        NotEditable();
}

// ---- Children --------------------------------------------------------------------------------

bool ThreeDObjectEditVisitor::EnterGroup(ThreeDObjectGroup& node)
{
    Children(node);
    return false;
}

bool ThreeDObjectEditVisitor::EnterObjectList(ThreeDObjectObjectList& node)
{
    Children(node);
    return false;
}

bool ThreeDObjectEditVisitor::EnterObjectLocator(ThreeDObjectObjectLocator& node)
{
    if (!DeleteIndexed("Object", node.GetObjectCount(), [&](int i) { node.DeleteObject(i); }))
        NotEditable();
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

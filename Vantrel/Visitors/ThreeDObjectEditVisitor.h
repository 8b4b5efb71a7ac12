#pragma once
// Edits the field of one row of the field pane. The pane builds it with the clicked row and its
// label, and hands it to the listed node's Accept. The label says what is edited: a value row
// opens the editor of its kind (through the dialogs), filled with the node's current value, and
// on OK writes the value back; a child row asks "Delete Child ?" and on OK removes that child; a
// label the node's kind does not edit shows "This item is not editable". No child of the node
// is visited.
//
// The row index matters only where one label stands for several fields: the translation and
// rotation rows that an animated transform lists under each of its states edit that state.
//
// Values are checked before they reach the node: an index behind a label that the node does not
// hold fails with an assertion before any dialog opens; counts take 0 to 65535 and vertex
// indices no negative value; an edited text stops at its length (a text left as it was is
// written back whole). Rotations are edited in degrees as
// the rows show them: a transformation keeps degrees, the other kinds hold radians and are
// converted both ways. Catches nothing: a failing getter or setter leaves Modified as it was.
#include <cstddef>
#include <functional>
#include <string>

#include "Papy/Model/ThreeDObjectVisitor.h"

class ThreeDObjectEditDialogs;
namespace Velmo::Papy
{
class Colour;
}

class ThreeDObjectEditVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    static constexpr const char* NotEditableText = "This item is not editable";
    static constexpr const char* DeleteChildText = "Delete Child ?";
    // The largest count of a number list or of the texture names of a multiple texture.
    static constexpr int MaxCount = 65535;
    // The length of a name, and of a texture or object file name.
    static constexpr int NameLength = 255;
    static constexpr int FileNameLength = 8;

    ThreeDObjectEditVisitor(int row, const std::string& caption, ThreeDObjectEditDialogs& dialogs);

    // A value was written or a child removed.
    bool Modified() const { return m_modified; }
    // A handle's name was written; GetNewName gives it as the handle holds it now.
    bool NameChanged() const { return m_nameChanged; }
    std::string GetNewName() const { return m_newName; }

    // Every kind without fields to edit.
    bool Enter(Velmo::Papy::ThreeDObject& node) override;
    void Visit(Velmo::Papy::ThreeDObject& node) override;

    bool EnterAnimatedTransform(Velmo::Papy::ThreeDObjectAnimatedTransform& node) override;
    bool EnterAppearance(Velmo::Papy::ThreeDObjectAppearance& node) override;
    bool EnterBillboard(Velmo::Papy::ThreeDObjectBillboard& node) override;
    bool EnterClassTexture(Velmo::Papy::ThreeDObjectClassTexture& node) override;
    bool EnterDistanceSplitter(Velmo::Papy::ThreeDObjectDistanceSplitter& node) override;
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& node) override;
    bool EnterGroup(Velmo::Papy::ThreeDObjectGroup& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterMultipleTextures(Velmo::Papy::ThreeDObjectMultipleTextures& node) override;
    void VisitNumberList(Velmo::Papy::ThreeDObjectNumberList& node) override;
    bool EnterObjectList(Velmo::Papy::ThreeDObjectObjectList& node) override;
    bool EnterObjectLocator(Velmo::Papy::ThreeDObjectObjectLocator& node) override;
    bool EnterPlaneOrder2(Velmo::Papy::ThreeDObjectPlaneOrder2& node, bool& reverse) override;
    bool EnterPlaneOrder2CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node,
                                       bool& reverse) override;
    bool EnterPlaneOrder3(Velmo::Papy::ThreeDObjectPlaneOrder3& node, bool& reverse) override;
    bool EnterPlaneOrder3CullFront(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node, bool& reverse) override;
    bool EnterPlaneOrder4CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node,
                                       bool& reverse) override;
    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& node) override;
    bool EnterStateSwitch(Velmo::Papy::ThreeDObjectStateSwitch& node) override;
    bool EnterTexture(Velmo::Papy::ThreeDObjectTexture& node) override;
    void VisitTexture2(Velmo::Papy::ThreeDObjectTexture2& node) override;
    bool EnterTransform(Velmo::Papy::ThreeDObjectTransform& node) override;
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    void VisitTriangles(Velmo::Papy::ThreeDObjectTriangles& node) override;
    bool EnterTriangleFan(Velmo::Papy::ThreeDObjectTriangleFan& node) override;
    bool EnterTriangleStrip(Velmo::Papy::ThreeDObjectTriangleStrip& node) override;
    bool EnterTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;
    void VisitVertices(Velmo::Papy::ThreeDObjectVertices& node) override;

private:
    // Whether the caption is the label, or "<prefix> <index>" (the index then in index).
    bool Is(const char* label) const { return m_caption == label; }
    bool IsIndexed(const char* prefix, int& index) const;
    // The assertion of an index that the node does not hold.
    static void CheckIndex(int index, int count);

    // One editor each: the current value in, the write on OK; each sets Modified after the write.
    void EditFloat(double value, const std::function<void(double)>& write);
    // A value held in radians, edited in degrees.
    void EditRadians(double radians, const std::function<void(double)>& write);
    void EditInt(int value, int minimum, int maximum, const std::function<void(int)>& write);
    void EditString(const std::string& value, int maxLength, const std::function<void(const std::string&)>& write);
    void EditBool(bool value, const std::function<void(bool)>& write);
    void EditVertex(double x, double y, double z, bool noZ, const std::function<void(double, double, double)>& write);
    void EditColour(const Velmo::Papy::Colour& value, const std::function<void(const Velmo::Papy::Colour&)>& write);
    void Delete(const std::function<void()>& remove);
    // A named child of a plane-ordered node; true when the caption was its label.
    bool DeleteSlot(const char* label, const std::function<void()>& clear);
    void NotEditable();

    // The row "<prefix> i" of one of the count items the node holds: true when the caption was
    // one, after the index is checked and edit(i) has run.
    bool EditIndexed(const char* prefix, int count, const std::function<void(int)>& edit);
    // The row "<prefix> i" of one of the count children: asks, and on OK removes it.
    bool DeleteIndexed(const char* prefix, int count, const std::function<void(int)>& remove);
    // A kind with one editable row: edit runs for the label, any other row is not editable.
    void SoleRow(const char* label, const std::function<void()>& edit);

    // A float row of a node: its label, the getter and setter (given the index of the item the
    // row stands for, if any), and whether the node holds it in radians (edited in degrees).
    template <class Node, class... Index>
    struct FloatField
    {
        const char* label;
        double (Node::*get)(Index...) const;
        void (Node::*set)(Index..., double);
        bool radians;
    };
    // The field whose label the caption is, or nullptr.
    template <class Field, std::size_t N>
    const Field* Find(const Field (&fields)[N]) const;
    template <class Node, class... Index>
    void EditField(Node& node, const FloatField<Node, Index...>& field, Index... index);
    // Edits the field of the caption; true when there was one (edited or cancelled).
    template <class Node, std::size_t N>
    bool EditFields(Node& node, const FloatField<Node> (&fields)[N]);

    // The translation rows, and the rotation rows with the unit the kind holds them in; true
    // when the caption was one of them (edited or cancelled).
    template <class Node>
    bool Translation(Node& node);
    template <class Node>
    bool Rotation(Node& node, bool radians);
    // The state whose rows hold the clicked row of an animated transform, or -1 for the node's
    // own rows.
    int StateOfRow(Velmo::Papy::ThreeDObjectAnimatedTransform& node) const;
    // A fan or strip: "Vertex Index" i.
    template <class Node>
    void TriangleRun(Node& node);
    // A texture named by its file: "MIP".
    template <class Node>
    void TextureFile(Node& node);
    // A group or object list: "Child" i.
    template <class Node>
    void Children(Node& node);

    int m_row;
    std::string m_caption;
    ThreeDObjectEditDialogs& m_dialogs;
    bool m_modified = false;
    bool m_nameChanged = false;
    std::string m_newName;
};

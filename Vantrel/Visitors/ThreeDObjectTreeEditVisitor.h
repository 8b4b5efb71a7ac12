#pragma once
// Serves the tree pane's context menu. In query mode it tells which popup fits the node it
// visits: 0 the root, 1 a handle, 2 an object list, 3 a transformation, -1 any other node. In
// apply mode it makes the node that the command asks for through the file's factories and
// attaches it: a new handle under the root; under a handle or a transformation the new node
// replaces the child (the former child stays in the file); an object list appends it. Every
// new node takes its id from the file's NewId first. No child of the visited node is walked.
//
// The tree pane keeps one for its whole life and sets its fields before each use. Catches
// nothing: a factory that the file's game does not support fails with its assertion.
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CountedPointer.h"

class ThreeDObjectTreeEditVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    enum Mode
    {
        Query = 0,
        Apply = 1,
    };
    // The commands of the insert menus.
    enum Command
    {
        InsertHandle = 34000,
        InsertObjectList = 34001,
        InsertTransformation = 34002,
        InsertExternalObject = 34003,
        InsertNumberList = 34004,
    };

    void SetMode(int mode) { m_mode = mode; }
    int GetMode() const { return m_mode; }
    void SetPopupIndex(int index) { m_popupIndex = index; }
    int GetPopupIndex() const { return m_popupIndex; }
    void SetFile(const Velmo::Util::CountedPointer<Velmo::Papy::TdoFile>& file) { m_file = file; }
    const Velmo::Util::CountedPointer<Velmo::Papy::TdoFile>& GetFile() const { return m_file; }
    void SetCommand(int command) { m_command = command; }
    int GetCommand() const { return m_command; }
    void SetChanged(bool changed) { m_changed = changed; }
    bool IsChanged() const { return m_changed; }

    // Any other kind: no popup, nothing made, and no child walked (the walk would otherwise
    // reach a list below the node and answer for it).
    bool Enter(Velmo::Papy::ThreeDObject& node) override;

    bool EnterRoot(Velmo::Papy::ThreeDObjectRoot& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterObjectList(Velmo::Papy::ThreeDObjectObjectList& node) override;
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;

private:
    // The node that the command makes, or no node for a command that makes none here.
    Velmo::Papy::TdoFile::Node NewChild();

    int m_mode = Query;
    int m_popupIndex = -1;
    Velmo::Util::CountedPointer<Velmo::Papy::TdoFile> m_file;
    int m_command = 0;
    bool m_changed = false;
};

#pragma once
// The document of a layout file (".lyt"): the file from the MakeLyt facet of its folder and the
// model its two panes share (the controls' items, the control shown, the edits). The panes
// change the layout only through the document, which marks itself modified; Ctrl+S writes the
// file through the common save. Edits that are never saved leave the folder's cache with the
// document (CEditableDoc).
#include "Papy/Race/LytFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/EditableDoc.h"
#include "Vantrel/Rows/LytEditor.h"

class CLytDoc : public CEditableDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::LytFile> File;

    CLytDoc();

    // Empty until opened (and after File New).
    File GetFile() const { return m_file; }
    // The panes' model; without a file it has no items and shows nothing.
    LytEditor& GetEditor() { return m_editor; }

    // The edits of the panes (LytEditor's), each marking the document modified when it changed
    // the file. The text of an in-place edit is as typed (UTF-8). Errors of the file pass to the
    // caller.
    LytEditor::Typed EditShown(int row, const std::string& typed);
    void CopyControl(int selected);
    int PasteControl(int selected);
    int DeleteControl(int selected);

protected:
    void OpenEditable(const std::string& path) override;
    bool HasFile() const override { return m_file.Get() != nullptr; }
    CCommonSave::Target GetSaveTarget() override;

private:
    File m_file;
    LytEditor m_editor;

    wxDECLARE_DYNAMIC_CLASS(CLytDoc);
};

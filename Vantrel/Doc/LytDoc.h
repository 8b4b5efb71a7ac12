#pragma once
// The document of a layout file (".lyt"): the file from the MakeLyt facet of its folder and the
// model its two panes share (the controls' items, the control shown, the edits). The panes
// change the layout only through the document, which marks itself modified; Ctrl+S writes the
// file through the common save.
#include "Papy/Race/LytFile.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/VantrelDoc.h"
#include "Vantrel/Rows/LytEditor.h"

class CLytDoc : public CVantrelDoc
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::LytFile> File;

    CLytDoc();

    // Empty until opened (and after File New).
    File GetFile() const { return m_file; }
    // The panes' model; without a file it has no items and shows nothing.
    LytEditor& GetEditor() { return m_editor; }

    bool IsReadOnly() const override { return false; }

    // The edits of the panes (LytEditor's), each marking the document modified when it changed
    // the file. Errors of the file pass to the caller.
    bool EditShown(int row, const std::string& text);
    void CopyControl(int selected);
    int PasteControl(int selected);
    int DeleteControl(int selected);

protected:
    void Open(const std::string& path) override;
    CCommonSave::Target GetSaveTarget() override;

private:
    File m_file;
    LytEditor m_editor;

    wxDECLARE_DYNAMIC_CLASS(CLytDoc);
};

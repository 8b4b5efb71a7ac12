#include "Vantrel/Doc/LytDoc.h"

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"

wxIMPLEMENT_DYNAMIC_CLASS(CLytDoc, CEditableDoc);

CLytDoc::CLytDoc() : m_editor(File())
{
}

void CLytDoc::OpenEditable(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    File file;
    MakeEditable<Velmo::Papy::MakeLyt>(path, name.GetFileName(), "", file);
    LytEditor editor(file);
    m_file = file;
    m_editor = editor;
}

CCommonSave::Target CLytDoc::GetSaveTarget()
{
    CCommonSave::Target target = MakeSaveTarget<Velmo::Papy::LytFile>(m_file);
    File file = m_file;
    target.Saved = [this, file](const std::string& path) {
        PutSaved<Velmo::Papy::MakeLyt>(path, Velmo::Util::PathName(path).GetFileName(), "", file);
    };
    return target;
}

LytEditor::Typed CLytDoc::EditShown(int row, const std::string& typed)
{
    const LytEditor::Typed result = m_editor.EditTyped(row, typed);
    if (result == LytEditor::Typed::Written)
        Modify(true);
    return result;
}

void CLytDoc::CopyControl(int selected)
{
    m_editor.Copy(selected);
}

int CLytDoc::PasteControl(int selected)
{
    const int pasted = m_editor.Paste(selected);
    Modify(true);
    return pasted;
}

int CLytDoc::DeleteControl(int selected)
{
    const int next = m_editor.Delete(selected);
    Modify(true);
    return next;
}

#include "Vantrel/Doc/LytDoc.h"

#include "Papy/Factory/MakeFacets.h"
#include "Util/PathName.h"
#include "Vantrel/Doc/DocumentPattern.h"

wxIMPLEMENT_DYNAMIC_CLASS(CLytDoc, CVantrelDoc);

CLytDoc::CLytDoc() : m_editor(File())
{
}

void CLytDoc::Open(const std::string& path)
{
    const Velmo::Util::PathName name(path);
    File file;
    CDocumentPattern::Make<Velmo::Papy::MakeLyt>(path, name.GetFileName(), "", file);
    LytEditor editor(file);
    m_file = file;
    m_editor = editor;
}

CCommonSave::Target CLytDoc::GetSaveTarget()
{
    return MakeSaveTarget<Velmo::Papy::LytFile>(m_file);
}

bool CLytDoc::EditShown(int row, const std::string& text)
{
    const bool written = m_editor.Edit(row, text);
    if (written)
        Modify(true);
    return written;
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

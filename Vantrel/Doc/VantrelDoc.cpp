#include "Vantrel/Doc/VantrelDoc.h"

#include <filesystem>
#include <system_error>

#include "Util/PathName.h"
#include "Vantrel/Doc/BusyOpen.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/PathText.h"

wxIMPLEMENT_ABSTRACT_CLASS(CVantrelDoc, wxDocument);

namespace
{
// The size of the file a path names on disk; 0 when it names none (a container's entry).
std::uint64_t FileSize(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : std::uint64_t(size);
}
} // namespace

bool CVantrelDoc::OnOpenDocument(const wxString& path)
{
    const std::string file = CPathText::FromWx(path);
    // Taken before the read: a file written while it is read counts as changed.
    const Velmo::Util::FileIdentity identity = Velmo::Util::FileIdentity::Of(file);
    const bool opened = CCatchPattern::Run([&] {
        const std::string name = file.empty() ? file : Velmo::Util::PathName(file).GetFileName();
        CBusyOpen::Run(name, FileSize(file), [&] { Open(file); });
    });
    if (!opened)
        return false;
    m_knownPath = file;
    m_known = identity;
    SetPathName(file);
    Modify(false);
    SetDocumentSaved(true);
    return true;
}

bool CVantrelDoc::OnSaveDocument(const wxString& path)
{
    if (IsReadOnly())
        return false;
    const std::string file = CPathText::FromWx(path);
    bool saved = false;
    const bool ran = CCatchPattern::Run([&] {
        CCommonSave::Target target = GetSaveTarget();
        target.KnownPath = m_knownPath;
        target.Known = m_known;
        target.Ask = &CCatchPattern::AskYesNo;
        saved = CCommonSave::Save(file, target);
    });
    if (!ran || !saved)
        return false;
    m_knownPath = file;
    m_known = Velmo::Util::FileIdentity::Of(file);
    Modify(false);
    SetDocumentSaved(true);
    return true;
}

bool CVantrelDoc::Save()
{
    return IsReadOnly() ? false : wxDocument::Save();
}

bool CVantrelDoc::SaveAs()
{
    return IsReadOnly() ? false : wxDocument::SaveAs();
}

bool CVantrelDoc::IsModified() const
{
    return !IsReadOnly() && wxDocument::IsModified();
}

void CVantrelDoc::SetPathName(const std::string& path)
{
    SetFilename(CPathText::ToWx(path), true);
}

wxString CVantrelDoc::GetUserReadableName() const
{
    const wxString file = GetFilename();
    return file.empty() ? wxDocument::GetUserReadableName() : CPathText::ShownName(CPathText::FromWx(file));
}

bool CVantrelDoc::AddsToHistory(const std::string&) const
{
    return false;
}

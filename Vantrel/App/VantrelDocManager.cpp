#include "Vantrel/App/VantrelDocManager.h"

#include <dlfcn.h>
#if VANTREL_SANITIZE
#include <sanitizer/lsan_interface.h>
#endif

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/filename.h>

#include "Util/FileSystem.h"
#include "Vantrel/App/FixedMultiDocTemplate.h"
#include "Vantrel/App/RecentFiles.h"
#include "Vantrel/Doc/CatchPattern.h"
#include "Vantrel/Doc/PathText.h"
#include "Vantrel/Doc/VantrelDoc.h"

namespace
{
// What the toolkit's file chooser holds as chosen, through its C interface found at run time (the
// program links the toolkit's own libraries only through the toolkit): the bytes of the file's
// name (gtk_file_chooser_get_filename), or, for a choice that is no local file, its address
// (gtk_file_chooser_get_uri). Empty when it holds neither or the interface is not there. The
// toolkit's own conversion of the name drops a name that is not UTF-8.
std::string Chosen(wxFileDialog& dialog, const char* getter)
{
    using Get = char* (*)(void*);
    using Free = void (*)(void*);
    const auto get = reinterpret_cast<Get>(dlsym(RTLD_DEFAULT, getter));
    static const auto free = reinterpret_cast<Free>(dlsym(RTLD_DEFAULT, "g_free"));
    void* chooser = dialog.GetHandle();
    if (get == nullptr || free == nullptr || chooser == nullptr)
        return std::string();
    char* text = get(chooser);
    if (text == nullptr)
        return std::string();
    const std::string bytes(text);
    free(text);
    return bytes;
}
// Shows the file chooser until it is answered. The sanitizer build's leak check records nothing
// meanwhile: the chooser's file lists keep values of the files they list past the dialog's end
// and lose them, at times and not at others, and the quick walk that takes the program's
// allocation stacks stops in the toolkit, with nothing to name them by. What the chooser hands
// over (Chosen) is taken after it is answered, and recorded; our handlers that run meanwhile
// (paints, idles, updates of the menus) run outside it as well, where their leaks are reported.
int ShowChooser(wxFileDialog& dialog)
{
#if VANTREL_SANITIZE
    __lsan::ScopedDisabler chooser;
#endif
    return dialog.ShowModal();
}
} // namespace

// The base constructor would make the file history before this class's OnCreateFileHistory
// exists (a virtual call from a constructor reaches the base's, a list of 9): initialise here.
CVantrelDocManager::CVantrelDocManager() : wxDocManager(0, false)
{
    Initialize();
}

wxString CVantrelDocManager::MakeNewDocumentName()
{
    return wxString::Format("Untitled%d", ++m_untitledCount);
}

bool CVantrelDocManager::TryBefore(wxEvent&)
{
    return false;
}

void CVantrelDocManager::OnMRUFileNotExist(unsigned index, const wxString& path)
{
    // Not a file on disk, but perhaps an entry that the folder's archive holds: the folder's
    // factory finds it. A failed open has shown its message; the entry leaves the list then.
    if (CreateDocument(path, wxDOC_SILENT) == nullptr && index < GetHistoryFilesCount() &&
        GetHistoryFile(index) == path)
        RemoveFileFromHistory(index);
}

wxFileHistory* CVantrelDocManager::OnCreateFileHistory()
{
    return new CRecentFiles(HistorySize);
}

CFixedMultiDocTemplate* CVantrelDocManager::FindTemplateById(int id) const
{
    for (wxList::compatibility_iterator node = m_templates.GetFirst(); node; node = node->GetNext())
    {
        auto* docTemplate = dynamic_cast<CFixedMultiDocTemplate*>(static_cast<wxDocTemplate*>(node->GetData()));
        if (docTemplate != nullptr && docTemplate->GetId() == id)
            return docTemplate;
    }
    return nullptr;
}

wxDocTemplate* CVantrelDocManager::FindTemplateForPath(const wxString& path)
{
    wxDocTemplate* first = nullptr;
    for (wxList::compatibility_iterator node = m_templates.GetFirst(); node; node = node->GetNext())
    {
        auto* docTemplate = static_cast<wxDocTemplate*>(node->GetData());
        if (first == nullptr)
            first = docTemplate;
        if (docTemplate->FileMatchesTemplate(path))
            return docTemplate;
    }
    return first;
}

wxString CVantrelDocManager::GetOpenFilter() const
{
    wxString filter;
    for (wxList::compatibility_iterator node = m_templates.GetFirst(); node; node = node->GetNext())
    {
        auto* docTemplate = dynamic_cast<CFixedMultiDocTemplate*>(static_cast<wxDocTemplate*>(node->GetData()));
        const wxString piece = docTemplate != nullptr ? docTemplate->GetOpenFilter() : wxString();
        if (!piece.empty())
            filter += piece + "|";
    }
    return filter + "All Files (*.*)|*";
}

wxDocTemplate* CVantrelDocManager::SelectDocumentPath(wxDocTemplate**, int, wxString& path, long, bool)
{
    wxFileDialog dialog(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, "Open", GetLastDirectory(),
                        wxString(), GetOpenFilter(), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (ShowChooser(dialog) != wxID_OK)
        return nullptr;
    // The chooser's own bytes first: they name any file, whatever its name's bytes.
    const std::string chosen = Chosen(dialog, "gtk_file_chooser_get_filename");
    path = !chosen.empty() ? CPathText::ToWx(chosen) : dialog.GetPath();
    // The toolkit may know the chosen name before it can give the whole path.
    if (path.empty() && !dialog.GetFilename().empty())
        path = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    if (path.empty())
    {
        // Chosen, but given as no name that can be opened: the user learns which.
        const std::string address = Chosen(dialog, "gtk_file_chooser_get_uri");
        CCatchPattern::ShowMessage(address.empty() ? std::string(NoNameText) : NoNameText + (": " + address));
        return nullptr;
    }
    SetLastDirectory(wxFileName(path).GetPath());
    return FindTemplateForPath(path);
}

wxDocument* CVantrelDocManager::CreateDocument(const wxString& pathIn, long flags)
{
    if (flags & wxDOC_NEW)
        return wxDocManager::CreateDocument(pathIn, flags);

    wxString path = pathIn;
    wxDocTemplate* chosen = nullptr;
    if (path.empty())
        chosen = SelectDocumentPath(nullptr, 0, path, flags);
    else
        chosen = FindTemplateForPath(path);
    auto* docTemplate = dynamic_cast<CFixedMultiDocTemplate*>(chosen);
    if (docTemplate == nullptr)
        return nullptr;

    // Relative names resolve against the current folder, names that do not exist as written
    // without regard to case; a path with '|' names a container entry and stays as it is.
    std::string file = CPathText::FromWx(path);
    std::string resolved;
    if (file.find('|') == std::string::npos && Velmo::Util::ResolvePath(file, resolved))
        file = resolved;
    path = CPathText::ToWx(file);

    if (wxDocument* open = FindDocumentByPath(path))
    {
        open->Activate();
        return open;
    }

    auto* document = dynamic_cast<CVantrelDoc*>(docTemplate->CreateDocumentObject());
    if (document == nullptr)
        return nullptr;
    document->SetDocumentTemplate(docTemplate);
    document->SetDocumentName(docTemplate->GetDocumentName());
    if (!document->OnOpenDocument(path))
    {
        delete document;
        return nullptr;
    }
    AddDocument(document);
    document->SetCommandProcessor(document->OnCreateCommandProcessor());
    if (!document->OnCreate(path, flags))
    {
        // A view that failed has taken its document with it already.
        if (GetDocuments().Member(document))
            document->DeleteAllViews();
        return nullptr;
    }
    if (document->AddsToHistory(file))
        AddFileToHistory(path);
    document->Activate();
    return document;
}

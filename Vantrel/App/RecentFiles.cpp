#include "Vantrel/App/RecentFiles.h"

#include <wx/menu.h>

#include "Vantrel/Doc/PathText.h"

void CRecentFiles::AddFileToHistory(const wxString& file)
{
    wxFileHistory::AddFileToHistory(file);
    ShowReadably();
}

void CRecentFiles::RemoveFileFromHistory(std::size_t i)
{
    wxFileHistory::RemoveFileFromHistory(i);
    ShowReadably();
}

void CRecentFiles::Load(const wxConfigBase& config)
{
    wxFileHistory::Load(config);
    ShowReadably();
}

void CRecentFiles::AddFilesToMenu()
{
    wxFileHistory::AddFilesToMenu();
    ShowReadably();
}

void CRecentFiles::AddFilesToMenu(wxMenu* menu)
{
    wxFileHistory::AddFilesToMenu(menu);
    ShowReadably();
}

void CRecentFiles::ShowReadably()
{
    for (wxList::compatibility_iterator node = GetMenus().GetFirst(); node; node = node->GetNext())
    {
        auto* menu = static_cast<wxMenu*>(node->GetData());
        for (std::size_t i = 0; i < GetCount(); ++i)
        {
            wxMenuItem* item = menu->FindItem(GetBaseId() + int(i));
            if (item == nullptr)
                continue;
            const wxString label = item->GetItemLabel();
            const wxString shown = CPathText::Shown(label);
            if (shown != label)
                item->SetItemLabel(shown);
        }
    }
}

#pragma once
// The recent-file list of the File menus. Its paths keep their bytes (CPathText); the menus show
// them readably, as the documents' titles do, whatever their bytes.
#include <wx/filehistory.h>

class CRecentFiles : public wxFileHistory
{
public:
    explicit CRecentFiles(std::size_t maxFiles) : wxFileHistory(maxFiles) {}

    void AddFileToHistory(const wxString& file) override;
    void RemoveFileFromHistory(std::size_t i) override;
    void Load(const wxConfigBase& config) override;
    void AddFilesToMenu() override;
    void AddFilesToMenu(wxMenu* menu) override;

private:
    // The framework labels the entries with their paths as the toolkit holds them.
    void ShowReadably();
};

#pragma once
// What the program gives back once documents have closed. A closed document's windows are
// deleted when the program is next idle; once none waits for deletion, the game folders'
// factories drop what nobody holds any longer (FileFactoryRegistry::Purge) and the allocator
// returns its free memory to the system (malloc_trim), so that closing a large bitmap leaves the
// program about as large as it was before the bitmap opened. Driven by the main window's idle
// events: a document count lower than at the last idle turn marks a return as due.
#include <cstddef>

class wxDocManager;
class wxIdleEvent;

class CMemoryReturn
{
public:
    explicit CMemoryReturn(wxDocManager& manager) : m_manager(manager) {}

    void OnIdle(wxIdleEvent& event);
    // Drops what the caches hold for nobody and returns the free memory now.
    static void Return();
    // For the tests: the returns made since the program started.
    static int GetReturnCount();

private:
    wxDocManager& m_manager;
    std::size_t m_documents = 0;
    bool m_due = false;
};

// A program that leaks strings of GLib's from event handlers of its own, run as the suites that
// drive the toolkit's real file chooser run (their suppressions, their whole stacks): a call
// after of the toolkit that takes the name a file chooser holds (gtk_file_chooser_get_current_name,
// which hands over a string of GLib's to be freed with g_free) and forgets to free it, as a
// mistake in reading the chooser's choice would; and a callback that the loop's library calls
// itself (an idle source of GLib) that leaks a copy made by g_strdup. GLib is reached at run time,
// as the program reaches it. The leak check must report each, naming the handler.
#include <dlfcn.h>

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/frame.h>

namespace
{
char* volatile kept = nullptr;

template <typename Function>
Function Find(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

[[gnu::noinline]] void LeakAChoosersName(wxFrame* frame)
{
    using GetName = char* (*)(void*);
    const auto get = Find<GetName>("gtk_file_chooser_get_current_name");
    wxFileDialog dialog(frame, "Save", wxFileName::GetTempDir(), "chosen.3do", "*.3do", wxFD_SAVE);
    if (get == nullptr || dialog.GetHandle() == nullptr)
        return;
    kept = get(dialog.GetHandle());
    kept = nullptr;
}

[[gnu::noinline]] void LeakAGLibCopy()
{
    using Copy = char* (*)(const char*);
    if (const auto copy = Find<Copy>("g_strdup"))
        kept = copy("a copy of GLib's");
    kept = nullptr;
}
} // namespace

class CLeakingApp : public wxApp
{
public:
    bool OnInit() override
    {
        using IdleAdd = unsigned (*)(int (*)(void*), void*);
        const auto idleAdd = Find<IdleAdd>("g_idle_add");
        if (idleAdd == nullptr)
            return false;
        m_frame = new wxFrame(nullptr, wxID_ANY, "leaks");
        m_frame->Show();
        CallAfter([this, idleAdd] {
            LeakAChoosersName(m_frame);
            idleAdd(
                [](void* app) {
                    LeakAGLibCopy();
                    static_cast<CLeakingApp*>(app)->m_frame->Destroy();
                    // The toolkit deletes the window, and so ends, in its next idle.
                    wxWakeUpIdle();
                    return 0; // once
                },
                this);
        });
        return true;
    }

private:
    wxFrame* m_frame = nullptr;
};

wxIMPLEMENT_APP(CLeakingApp);

// A program linked as the desktop program is, its leak suppressions among it, that leaks from
// event handlers of its own, called by the toolkit's message loop: a call after, a timer and an
// idle of the toolkit, and a callback that the loop's library calls itself (an idle source of
// GLib, found at run time as the program links GLib only through the toolkit). Each leaks an
// allocation of its own, then the window goes and the program ends. The sanitizer build's leak
// check must report each of them.
#include <dlfcn.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/timer.h>

namespace
{
char* volatile kept = nullptr;

[[gnu::noinline]] void Leak(std::size_t size)
{
    kept = new char[size];
    kept = nullptr;
}

[[gnu::noinline]] void LeakInACallAfter()
{
    Leak(1015);
}

[[gnu::noinline]] void LeakInATimer()
{
    Leak(1016);
}

[[gnu::noinline]] void LeakInAnIdle()
{
    Leak(1017);
}

[[gnu::noinline]] void LeakInALoopCallback()
{
    Leak(1018);
}
} // namespace

class CLeakingApp : public wxApp
{
public:
    bool OnInit() override
    {
        using IdleAdd = unsigned (*)(int (*)(void*), void*);
        const auto idleAdd = reinterpret_cast<IdleAdd>(dlsym(RTLD_DEFAULT, "g_idle_add"));
        if (idleAdd == nullptr)
            return false;
        m_frame = new wxFrame(nullptr, wxID_ANY, "leaks");
        m_frame->Show();
        m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            LeakInATimer();
            m_timed = true;
            wxWakeUpIdle();
        });
        Bind(wxEVT_IDLE, [this, idleAdd](wxIdleEvent& event) {
            event.Skip();
            if (!m_timed || m_idled)
                return;
            m_idled = true;
            LeakInAnIdle();
            idleAdd(
                [](void* app) {
                    LeakInALoopCallback();
                    static_cast<CLeakingApp*>(app)->m_frame->Destroy();
                    // The toolkit deletes the window, and so ends, in its next idle.
                    wxWakeUpIdle();
                    return 0; // once
                },
                this);
        });
        CallAfter([this] {
            LeakInACallAfter();
            m_timer.StartOnce(1);
        });
        return true;
    }

private:
    wxFrame* m_frame = nullptr;
    wxTimer m_timer;
    bool m_timed = false;
    bool m_idled = false;
};

wxIMPLEMENT_APP(CLeakingApp);

#pragma once
// The meter that every walk over a file's data passes through: the node visits of a 3D-object
// walk, the splitter entries it tests, the vertex, index, section and name lists it reads. A
// walk that must end in time (a frame of the 3D pane) arms the meter with a check of its own
// deadline for as long as it runs (Scope); every step ticks the meter (a count), and every
// Interval steps the meter asks the check. Once the check says the time is up, the next tick
// throws XDeadline, which ends the walk where it is, in whatever loop it is, whether or not
// that loop charges anything; whoever armed the meter catches it at the walk's top.
//
// Unarmed (outside any such walk: loading, saving, the trees of the panes), a tick only counts.
// The meter is per thread.
#include <cstdint>
#include <functional>

namespace Velmo::Util
{
class WalkMeter
{
public:
    // Thrown by Tick once per arming, when the check said the time is up. It is not one of the
    // errors of the Exception tree, so that no handler of a bad file takes it for one; a handler
    // that catches everything must throw it on.
    class XDeadline
    {
    };

    // The steps between two looks at the check.
    static constexpr std::int64_t Interval = 1024;

    // Counts n steps (n >= 0). Armed, it may throw XDeadline.
    static void Tick(std::int64_t n = 1)
    {
        if ((s_left -= n) <= 0)
            Look();
    }

    // Whether the armed check says the time is up, or the meter has already thrown for it
    // (false unarmed). Never throws: for a loop that cannot be left by an exception.
    static bool IsPast();
    // Whether the meter is armed on this thread.
    static bool IsArmed();
    // The steps ticked on this thread so far, armed or not.
    static std::int64_t GetCount();

    // Arms the meter on this thread for its life with the check: true when the time is up. The
    // arming before it (if any) comes back when it ends.
    class Scope
    {
    public:
        explicit Scope(std::function<bool()> check);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        // Whether the meter threw XDeadline while this arming held.
        bool HasStopped() const { return m_stopped; }

    private:
        friend class WalkMeter;
        std::function<bool()> m_check;
        Scope* m_outer;
        bool m_stopped = false;
    };

private:
    // The count is due: adds the steps since the last look, asks the check.
    static void Look();

    static inline thread_local std::int64_t s_left = Interval;
};
} // namespace Velmo::Util

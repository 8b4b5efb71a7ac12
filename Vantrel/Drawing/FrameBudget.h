#pragma once
// The budget of one walk of the 3D pane: what a frame may cost, whatever the file. Node visits
// alone do not bound a frame: a file of a few hundred bytes can name one full-screen square
// half a million times within them, a mesh node can send a hundred thousand triangles in one
// visit, a track can ask for every cross and floor section of a segment for each point of its
// plan. So every walk counts what it does in the units below and asks before doing it; past a
// limit the budget is spent and every later ask is refused, so the walk stops where it is and
// unwinds, and what it did stays done.
//
// The walks of one frame share one budget (the painter's), so that the frame, not each walk,
// keeps to it. The limits lie well above what the largest real objects cost (see Limits) and
// low enough that a frame ends within about two seconds under the software renderer in a pane
// of about 1000 x 750. Behind them stands a deadline: a frame whose walks have run for
// Limits[Seconds] since its first charge is spent as well, whatever it has taken, so that a walk
// that some file still makes slow ends anyway. The clock is the budget's to be handed: tests
// drive it without waiting.
//
// A charge reads the deadline, but a loop that charges nothing would never reach it: so each
// walk arms the walk meter (Util::WalkMeter) with IsPastDeadline for as long as it runs
// (BudgetedVisitor::Walk), and every node visit and every read of a list that a walk loops over
// ticks the meter, which looks at the deadline every so many steps and ends the walk past it.
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

class FrameBudget
{
public:
    enum Cost
    {
        Nodes,          // node visits, and the splitter entries a walk tests to choose a child
        Primitives,     // primitives sent: polygons, lines, quads, client-array calls
        Vertices,       // vertices and indices sent or copied into an array, vertex values read
                        // (a client array's triangles cost their indices)
        Pixels,         // the window area that what is sent may cover (fill)
        TrackPoints,    // points placed along a track segment (plan points, section corners)
        SectionLookups, // cross and floor sections looked at to place those points
        Names,          // names looked up: the textures a node names, colour-map entries copied
        Seconds,        // the time since the frame's first charge (never charged: the deadline)
        CostCount
    };
    typedef std::array<double, CostCount> Amounts;
    // Seconds on a steady clock.
    typedef std::function<double()> Clock;

    // The limits of a frame of the pane.
    static const Amounts Limits;
    // The limits with the deadline off.
    static Amounts WithoutDeadline(Amounts limits = Limits);

    // The clock of the process's steady time.
    static double SteadySeconds();
    // The clock every budget made from now on reads (SteadySeconds unless set: test programs
    // stop it, so that no machine's speed decides what a test draws).
    static void SetDefaultClock(Clock clock);

    explicit FrameBudget(const Amounts& limits = Limits);
    FrameBudget(const Amounts& limits, Clock clock);

    // Charges the amounts when all of them fit (true); else charges nothing, the budget is
    // spent, and this and every later ask answer false.
    bool Take(const Amounts& amounts);
    bool Take(Cost cost, double amount);
    // Charges as many of count items as fit, in order, item i costing each plus pixels[i]
    // Pixels (pixels empty: none) and answers their number; fewer than count spends the budget.
    std::size_t TakeItems(std::size_t count, const Amounts& each, const std::vector<double>& pixels);

    bool IsSpent() const { return m_spent; }
    // Whether the frame has run past its deadline: reads the clock (the first read starts the
    // deadline when nothing was charged yet); past it, the budget is spent on Seconds if it was
    // not spent already.
    bool IsPastDeadline();
    // Runs walk with the walk meter armed with IsPastDeadline, for a walk that is no visitor
    // (the plans of the track and replay panes): true when it ended by itself; false when the
    // meter ended it at the deadline (the budget is then spent on Seconds).
    bool KeepToDeadline(const std::function<void()>& walk);
    // The cost whose limit was reached; CostCount while the budget is not spent.
    Cost GetSpentOn() const { return m_spentOn; }
    const Amounts& GetTaken() const { return m_taken; }
    const Amounts& GetLimits() const { return m_limits; }
    // A budget of its own for one walk of the frame: share of what the frame has left of each
    // limit (of its time too), on the frame's clock. Its walk may spend it; the frame keeps the
    // rest for the walks after it. Absorb charges the frame what the part took.
    FrameBudget Part(double share);
    void Absorb(const FrameBudget& part);

    // The whole budget again, for the next frame; the limits and the clock stay. The deadline
    // runs from the first charge after it.
    void Restart();
    void SetLimits(const Amounts& limits) { m_limits = limits; }
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    // The name of a cost, for figures: "nodes", "primitives", ...
    static const char* NameOf(Cost cost);

private:
    // The first cost that the amounts would take past its limit; CostCount when all fit.
    Cost FirstOver(const Amounts& amounts) const;
    void Spend(Cost cost);
    // The frame's time so far into the Seconds taken.
    void Tick();

    Amounts m_limits;
    Clock m_clock;
    bool m_started = false;
    double m_start = 0;
    Amounts m_taken{};
    bool m_spent = false;
    Cost m_spentOn = CostCount;
};

#pragma once
// The base of every walk of the 3D pane: the drawing and its highlight passes, the bounds step,
// the check, the clip test and the track plan with its measuring walks. Each walk keeps to a
// FrameBudget: every descent is a node visit (Descends, which no walk can change), and so is
// every splitter entry tested (ChooseChild); what a visit costs beyond that (primitives,
// vertices, pixels, track points) is asked for with Spend before it is done. Past the budget the walk descends no further and unwinds where it is,
// what it did stays done, and the report tells DrawingMessages::TooLarge once, as a notice.
//
// A walk keeps to a budget of its own unless it is handed the frame's (ShareBudget): the walks
// of one paint share one, so that the paint as a whole keeps to it.
//
// Behind the charges stands the budget's deadline, which no loop has to remember: a walk starts
// with Walk (or runs within KeepToDeadline), which arms the walk meter (Util::WalkMeter) with the
// budget's deadline. Every node visit and every read of the lists a walk loops over (splitter
// entries, vertices, indices, sections, names) ticks the meter; past the deadline the meter ends
// the walk where it is, in whatever loop, whether that loop charges anything or not. The walk
// unwinds (what it pushed is put back: Unwind), the budget is spent on its time and the report
// tells DrawingMessages::TooLarge, as for any other limit.
//
// A splitter's child is chosen once a visit (SplitterChoice), each entry tested costing a node.
//
// The report also keeps every other problem the walk drew past, each text once.
#include <cstddef>
#include <functional>
#include <vector>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FrameBudget.h"
#include "Vantrel/Drawing/SplitterChoice.h"

namespace Velmo::Papy
{
class TrackSegmentLookup;
}

class BudgetedVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    // A node visit: false once the budget is spent.
    bool Descends(Velmo::Papy::ThreeDObject& child) final;

    // Walks the node (node.Accept(*this)) within the budget's deadline: a walk cut there ends
    // here, unwound, with the report told.
    void Walk(Velmo::Papy::ThreeDObject& node);
    // Runs walk (one or more walks, on this visitor or on others that share its budget) with
    // the meter armed with the budget's deadline, as the budget stands when the meter looks (so
    // walk may share a frame's budget first): true when it ran to its end; false when the
    // deadline cut it, the budget spent on its time and the report told. An error other than
    // the deadline passes through, as from Accept.
    bool KeepToDeadline(const std::function<void()>& walk);

    const DrawingReport& GetReport() const { return m_report; }
    DrawingReport& GetReport() { return m_report; }
    const FrameBudget& GetBudget() const { return *m_budget; }
    FrameBudget& GetBudget() { return *m_budget; }
    // Other limits from now on (tests and benchmarks).
    void SetLimits(const FrameBudget::Amounts& limits) { m_budget->SetLimits(limits); }
    // The walk's own budget whole again, for the next walk; a shared one stays as it is (its
    // frame restarts it).
    void RestartBudget()
    {
        if (m_budget == &m_own)
            m_own.Restart();
    }
    // Charges the frame's budget from now on (it must outlive the walk); nullptr: the walk's own.
    void ShareBudget(FrameBudget* frame) { m_budget = frame != nullptr ? frame : &m_own; }
    // A copy keeps to a copy of the budget's own, or to the same shared one.
    BudgetedVisitor(const BudgetedVisitor& other);
    BudgetedVisitor& operator=(const BudgetedVisitor& other);

protected:
    BudgetedVisitor() = default;

    // Charges the amounts: true when they fit; else false, and the report tells the object is
    // too large.
    bool Spend(const FrameBudget::Amounts& amounts);
    bool Spend(FrameBudget::Cost cost, double amount);
    // Charges as many of count items as fit (FrameBudget::TakeItems) and answers their number.
    std::size_t SpendItems(std::size_t count, const FrameBudget::Amounts& each, const std::vector<double>& pixels);
    // A segment's sections read once for its points.
    bool SpendSections(const Velmo::Papy::TrackSegmentLookup& segment);
    // Points placed on a track segment, with their section look-ups.
    bool SpendTrackPoints(const Velmo::Papy::TrackSegmentLookup& segment, int points);
    // Points of the plan, which look up no section.
    bool SpendPlanPoints(int points);
    bool IsSpent() const { return m_budget->IsSpent(); }

    // The child of a splitter's visit, chosen as the walk enters the splitter (entered false:
    // the enter refused the children, none is chosen): the first of its count entries that
    // applies(i) holds, each test costing a node; each child's before asks IsChosenChild, the
    // splitter's leave calls LeaveChoice (whatever the enter returned).
    template <class Applies>
    void ChooseChild(const Velmo::Papy::ThreeDObject& splitter, bool entered, int count, Applies applies)
    {
        m_choices.Enter(splitter, entered ? count : 0, applies, [this] { return Spend(FrameBudget::Nodes, 1); });
    }
    bool IsChosenChild(const Velmo::Papy::ThreeDObject& splitter, int i) const
    {
        return m_choices.IsChosen(splitter, i);
    }
    void LeaveChoice(const Velmo::Papy::ThreeDObject& splitter) { m_choices.Leave(splitter); }

    // Puts back what a walk that the deadline cut left pushed (matrices, enables), before Walk
    // returns. Nothing by default: a walk that keeps state of its own for its leaves to undo puts
    // it back here.
    virtual void Unwind() {}

private:
    bool Told(bool fits);

    DrawingReport m_report;
    FrameBudget m_own;
    FrameBudget* m_budget = &m_own;
    SplitterChoice m_choices;
};

#pragma once
// The base of every walk of the 3D pane: the drawing and its highlight passes, the bounds step,
// the check, the clip test and the track plan with its measuring walks. Each walk keeps to a
// FrameBudget: every descent is a node visit (Descends, which no walk can change), and what a
// visit costs beyond that (primitives, vertices, pixels, track points) is asked for with Spend
// before it is done. Past the budget the walk descends no further and unwinds where it is,
// what it did stays done, and the report tells DrawingMessages::TooLarge once, as a notice.
//
// A walk keeps to a budget of its own unless it is handed the frame's (ShareBudget): the walks
// of one paint share one, so that the paint as a whole keeps to it.
//
// The report also keeps every other problem the walk drew past, each text once.
#include <cstddef>
#include <vector>

#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/FrameBudget.h"

namespace Velmo::Papy
{
class TrackSegmentLookup;
}

class BudgetedVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    // A node visit: false once the budget is spent.
    bool Descends(Velmo::Papy::ThreeDObject& child) final;

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

private:
    bool Told(bool fits);

    DrawingReport m_report;
    FrameBudget m_own;
    FrameBudget* m_budget = &m_own;
};

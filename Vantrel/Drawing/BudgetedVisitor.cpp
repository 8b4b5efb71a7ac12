#include "Vantrel/Drawing/BudgetedVisitor.h"

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Util/WalkMeter.h"
#include "Vantrel/Drawing/DrawingMessages.h"

BudgetedVisitor::BudgetedVisitor(const BudgetedVisitor& other)
    : Velmo::Papy::ThreeDObjectVisitor(other), m_report(other.m_report), m_own(other.m_own),
      m_budget(other.m_budget == &other.m_own ? &m_own : other.m_budget), m_choices(other.m_choices)
{
}

BudgetedVisitor& BudgetedVisitor::operator=(const BudgetedVisitor& other)
{
    if (this == &other)
        return *this;
    Velmo::Papy::ThreeDObjectVisitor::operator=(other);
    m_report = other.m_report;
    m_own = other.m_own;
    m_budget = other.m_budget == &other.m_own ? &m_own : other.m_budget;
    m_choices = other.m_choices;
    return *this;
}

bool BudgetedVisitor::Told(bool fits)
{
    if (!fits)
        m_report.AddNotice(DrawingMessages::TooLarge());
    return fits;
}

bool BudgetedVisitor::Descends(Velmo::Papy::ThreeDObject&)
{
    return Told(m_budget->Take(FrameBudget::Nodes, 1));
}

bool BudgetedVisitor::KeepToDeadline(const std::function<void()>& walk)
{
    // The budget in force when the meter looks: walk may share a frame's first.
    Velmo::Util::WalkMeter::Scope armed([this] { return m_budget->IsPastDeadline(); });
    // The choices of splitters that an earlier walk left entered when it was cut.
    m_choices.Clear();
    try
    {
        walk();
        return true;
    }
    catch (const Velmo::Util::WalkMeter::XDeadline&)
    {
        // The meter spent the budget on its time as it looked.
        m_choices.Clear();
        Told(false);
        return false;
    }
}

void BudgetedVisitor::Walk(Velmo::Papy::ThreeDObject& node)
{
    if (!KeepToDeadline([&] { node.Accept(*this); }))
        Unwind();
}

bool BudgetedVisitor::Spend(const FrameBudget::Amounts& amounts)
{
    return Told(m_budget->Take(amounts));
}

bool BudgetedVisitor::Spend(FrameBudget::Cost cost, double amount)
{
    return Told(m_budget->Take(cost, amount));
}

std::size_t BudgetedVisitor::SpendItems(std::size_t count, const FrameBudget::Amounts& each,
                                        const std::vector<double>& pixels)
{
    const std::size_t taken = m_budget->TakeItems(count, each, pixels);
    Told(taken == count);
    return taken;
}

bool BudgetedVisitor::SpendSections(const Velmo::Papy::TrackSegmentLookup& segment)
{
    return Spend(FrameBudget::SectionLookups, segment.GetSectionsRead());
}

bool BudgetedVisitor::SpendTrackPoints(const Velmo::Papy::TrackSegmentLookup& segment, int points)
{
    FrameBudget::Amounts amounts{};
    amounts[FrameBudget::TrackPoints] = points;
    amounts[FrameBudget::SectionLookups] = points * segment.GetReadsPerPoint();
    return Spend(amounts);
}

bool BudgetedVisitor::SpendPlanPoints(int points)
{
    return Spend(FrameBudget::TrackPoints, points);
}

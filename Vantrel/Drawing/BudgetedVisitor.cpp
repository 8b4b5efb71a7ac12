#include "Vantrel/Drawing/BudgetedVisitor.h"

#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Vantrel/Drawing/DrawingMessages.h"

bool BudgetedVisitor::Told(bool fits)
{
    if (!fits)
        m_report.Add(DrawingMessages::TooLarge());
    return fits;
}

bool BudgetedVisitor::Descends(Velmo::Papy::ThreeDObject&)
{
    return Told(m_budget.Take(FrameBudget::Nodes, 1));
}

bool BudgetedVisitor::Spend(const FrameBudget::Amounts& amounts)
{
    return Told(m_budget.Take(amounts));
}

bool BudgetedVisitor::Spend(FrameBudget::Cost cost, double amount)
{
    return Told(m_budget.Take(cost, amount));
}

std::size_t BudgetedVisitor::SpendItems(std::size_t count, const FrameBudget::Amounts& each,
                                        const std::vector<double>& pixels)
{
    const std::size_t taken = m_budget.TakeItems(count, each, pixels);
    Told(taken == count);
    return taken;
}

double BudgetedVisitor::LookupsPerPoint(const Velmo::Papy::ThreeDObjectTrackSegment& segment)
{
    const int sections = segment.GetXSectionCount() + segment.GetFSectionCount();
    return sections > 0 ? double(sections) : 0.0;
}

bool BudgetedVisitor::SpendTrackPoints(const Velmo::Papy::ThreeDObjectTrackSegment& segment, int points)
{
    FrameBudget::Amounts amounts{};
    amounts[FrameBudget::TrackPoints] = points;
    amounts[FrameBudget::SectionLookups] = points * LookupsPerPoint(segment);
    return Spend(amounts);
}

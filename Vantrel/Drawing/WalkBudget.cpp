#include "Vantrel/Drawing/WalkBudget.h"

#include "Vantrel/Drawing/DrawingMessages.h"

bool WalkBudget::Take(DrawingReport& report)
{
    if (m_taken < m_nodes)
    {
        ++m_taken;
        return true;
    }
    if (!m_spent)
    {
        m_spent = true;
        report.Add(DrawingMessages::TooLarge());
    }
    return false;
}

void WalkBudget::Restart()
{
    m_taken = 0;
    m_spent = false;
}

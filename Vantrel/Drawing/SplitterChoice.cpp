#include "Vantrel/Drawing/SplitterChoice.h"

bool SplitterChoice::IsChosen(const Velmo::Papy::ThreeDObject& splitter, int i) const
{
    return !m_choices.empty() && m_choices.back().Splitter == &splitter && m_choices.back().Chosen == i && i != None;
}

void SplitterChoice::Leave(const Velmo::Papy::ThreeDObject& splitter)
{
    if (!m_choices.empty() && m_choices.back().Splitter == &splitter)
        m_choices.pop_back();
}

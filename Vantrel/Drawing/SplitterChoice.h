#pragma once
// The child that one visit of a splitter walks, for every walk that chooses among a splitter's
// children: the first entry whose condition holds, found once, as the walk enters the splitter,
// not again for each child (which made a visit of n entries cost n * n / 2 tests). Each test is
// paid for first; once a payment is refused, no child is chosen. The splitters met inside the
// chosen child's walk choose for themselves: Enter pushes a choice, Leave pops it, and each
// child's before asks the innermost one, which is its splitter's.
#include <cstddef>
#include <vector>

namespace Velmo::Papy
{
class ThreeDObject;
}

class SplitterChoice
{
public:
    // The choice of a visit where no entry applies.
    static constexpr int None = -1;

    // Enters a visit of the splitter: tests entries 0, 1, ... of count (applies(i): whether entry
    // i holds), each after pay() accepted its cost (false: refused), up to the first that holds.
    template <class Applies, class Pay>
    void Enter(const Velmo::Papy::ThreeDObject& splitter, int count, Applies applies, Pay pay)
    {
        int chosen = None;
        for (int i = 0; i < count; ++i)
        {
            if (!pay())
                break;
            ++m_tests;
            if (applies(i))
            {
                chosen = i;
                break;
            }
        }
        m_choices.push_back({&splitter, chosen});
    }
    // Whether child i is the one chosen for the visit of the splitter in progress (false when
    // the innermost visit entered is another's).
    bool IsChosen(const Velmo::Papy::ThreeDObject& splitter, int i) const;
    // Ends the visit of the splitter entered last.
    void Leave(const Velmo::Papy::ThreeDObject& splitter);
    // Forgets every visit (a walk that was cut left some entered).
    void Clear() { m_choices.clear(); }

    // The entries tested by every visit so far.
    std::size_t GetTests() const { return m_tests; }

private:
    struct Choice
    {
        const Velmo::Papy::ThreeDObject* Splitter;
        int Chosen;
    };
    std::vector<Choice> m_choices;
    std::size_t m_tests = 0;
};

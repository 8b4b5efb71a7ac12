#pragma once
// The budget of nodes of every walk that the 3D pane runs over a node graph: the drawing, the
// bounds step, the check and the clip test, all with the same NodeLimit. A file may name one
// subtree from many places, and external objects may name each other many times over: the
// paths of such a graph outnumber its nodes by far, and a walk that followed them all would
// keep the pane busy for hours. Each of these visitors is a ThreeDObjectWalkLimit that answers
// Descends with Take: past the limit the walk descends no further and unwinds where it is,
// what it did stays done (drawn, measured, checked, tested), and the report tells
// DrawingMessages::TooLarge once.
#include <cstddef>

#include "Vantrel/Drawing/DrawingReport.h"

class WalkBudget
{
public:
    // Far above the nodes of a real object (a track holds some hundred thousand), and walked
    // within seconds by each walk: the drawing, the costliest, sends about half of them as
    // polygons.
    static constexpr std::size_t NodeLimit = 1'000'000;

    explicit WalkBudget(std::size_t nodes = NodeLimit) : m_nodes(nodes) {}

    // One descent: true within the budget; false past it, and the first time also
    // DrawingMessages::TooLarge added to report.
    bool Take(DrawingReport& report);
    // The whole budget again, for the next walk.
    void Restart();

    bool IsSpent() const { return m_spent; }
    std::size_t GetTaken() const { return m_taken; }

private:
    std::size_t m_nodes;
    std::size_t m_taken = 0;
    bool m_spent = false;
};

#pragma once
// The highlight passes of a frame. Draw lets the highlighted node accept this visitor before
// and after each pass over the shown node; only an object locator acts (every other node is
// left at once), so a highlighted locator makes two passes:
//   pass 1, before: the locator's four planes become clip planes 0 to 3 (the first two
//     negated), the stencil takes 1 wherever something is drawn, and only the ground classes
//     (Infield, Object, Terrain, Track) are drawn, flat and untextured;
//   pass 1, after: the clip planes go off and one more pass is asked for;
//   pass 2, before: colour and depth are cleared, a red quad covers the area marked 1, and
//     the shown node draws only outside it;
//   pass 2, after: the stencil test goes off.
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

class ThreeDObject3DVisitor::HighlightVisitor : public BudgetedVisitor
{
public:
    // options: the pass options of the owning visitor, which pass 1 changes.
    explicit HighlightVisitor(DrawOptions& options) : m_options(&options) {}

    bool Enter(Velmo::Papy::ThreeDObject& node) override;
    bool EnterObjectLocator(Velmo::Papy::ThreeDObjectObjectLocator& node) override;

    int Pass = 0;
    bool PrePass = true;
    bool Again = false;

private:
    DrawOptions* m_options;
};

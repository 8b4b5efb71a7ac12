#include "Papy/GPL/GPLTrackTdoFixupVisitor.h"

#include "Papy/GPL/GPLObjectLocatorList.h"
#include "Papy/GPL/GPLTrackDetailSplit.h"
#include "Papy/GPL/GPLTrackDrawingDistances.h"
#include "Papy/GPL/GPLTrackIndex.h"
#include "Papy/GPL/GPLTrackLink.h"
#include "Papy/GPL/GPLTrackRoot.h"
#include "Papy/GPL/GPLTrackSections.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"

namespace Velmo::Papy
{
bool GPLTrackTdoFixupVisitor::EnterRoot(ThreeDObjectRoot& node)
{
    if (!FirstEntry(node))
        return false;
    Replace<GPLTrackRoot, ThreeDObjectObjectList>(node.GetChild(0), TrackObjectListExpected);
    return true;
}

bool GPLTrackTdoFixupVisitor::EnterTrackRoot(ThreeDObjectTrackRoot& node)
{
    if (!FirstEntry(node))
        return false;
    Replace<GPLTrackSections, ThreeDObjectObjectList>(node.GetChild(), TrackObjectListExpected);
    Replace<GPLTrackDrawingDistances, ThreeDObjectNumberList>(node.GetDrawingDistances(), NumberListExpected);
    return true;
}

bool GPLTrackTdoFixupVisitor::EnterTrackSections(ThreeDObjectTrackSections& node)
{
    if (!FirstEntry(node))
        return false;
    Replace<GPLTrackIndex, ThreeDObjectNumberList>(node.GetIndex(), NumberListExpected);
    for (int i = 0; i < node.GetSectionCount(); ++i)
        Replace<GPLTrackDetailSplit, ThreeDObjectObjectList>(node.GetSection(i), TrackObjectListExpected);
    Replace<GPLObjectLocatorList, ThreeDObjectObjectList>(node.GetTracksideObjects(), TrackObjectListExpected);
    return true;
}

bool GPLTrackTdoFixupVisitor::EnterTrackDetailSplit(ThreeDObjectTrackDetailSplit& node, bool& reverse)
{
    reverse = false;
    if (!FirstEntry(node))
        return false;
    Replace<GPLTrackLink, ThreeDObjectNumberList>(node.GetLinks(), NumberListExpected);
    return true;
}
} // namespace Velmo::Papy

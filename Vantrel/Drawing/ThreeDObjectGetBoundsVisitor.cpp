#include "Vantrel/Drawing/ThreeDObjectGetBoundsVisitor.h"

#include <algorithm>

#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectWalk.h"
#include "Vantrel/Drawing/FileErrors.h"
#include "Vantrel/Drawing/NodeTransforms.h"

using namespace Velmo::Papy;
using Velmo::U32;
using Velmo::Util::CountedPointer;

namespace
{
// The display class whose draw switch lets external and trackside objects count.
constexpr unsigned ObjectClass = 15;
} // namespace

ThreeDObjectGetBoundsVisitor::ThreeDObjectGetBoundsVisitor(const CountedPointer<FileFactory>& factory,
                                                           const DrawOptions& options)
    : m_factory(factory), m_options(options)
{
    if (m_factory->HasFacet<MakeSrb>())
        m_makeSrb = m_factory->GetFacet<MakeSrb>();
    m_makeTdo = m_factory->GetFacet<MakeTdo>();
}

double ThreeDObjectGetBoundsVisitor::GetSpriteScale(bool hasScale, double scale, double height, double z0,
                                                    double z2)
{
    if (hasScale)
        return scale;
    const double extent = z2 - z0;
    if (height == 0 || extent == 0)
        return 1;
    return height / extent;
}

bool ThreeDObjectGetBoundsVisitor::PushTransform(double x, double y, double z, double xDegrees, double yDegrees,
                                                 double zDegrees)
{
    ++m_pending;
    if (!m_stack.Push())
    {
        GetReport().Add(BoundsTransformStack::OverflowMessage());
        return false;
    }
    m_stack.Translate(x, y, z);
    m_stack.Rotate(zDegrees, 0, 0, 1);
    m_stack.Rotate(yDegrees, 0, 1, 0);
    m_stack.Rotate(xDegrees, 1, 0, 0);
    return true;
}

void ThreeDObjectGetBoundsVisitor::PopTransform()
{
    if (m_pending > 0)
        --m_pending;
    m_stack.Pop();
}

void ThreeDObjectGetBoundsVisitor::Unwind()
{
    while (m_pending > 0)
        PopTransform();
}

void ThreeDObjectGetBoundsVisitor::Include(const Vertex& point)
{
    IncludeTransformed(m_stack.Transform(point));
}

void ThreeDObjectGetBoundsVisitor::IncludeTransformed(const Vertex& p)
{
    // A NaN coordinate fails every comparison and widens nothing.
    if (p.GetX() < m_bounds.MinX)
        m_bounds.MinX = p.GetX();
    if (p.GetX() > m_bounds.MaxX)
        m_bounds.MaxX = p.GetX();
    if (p.GetY() < m_bounds.MinY)
        m_bounds.MinY = p.GetY();
    if (p.GetY() > m_bounds.MaxY)
        m_bounds.MaxY = p.GetY();
    if (p.GetZ() < m_bounds.MinZ)
        m_bounds.MinZ = p.GetZ();
    if (p.GetZ() > m_bounds.MaxZ)
        m_bounds.MaxZ = p.GetZ();
}

void ThreeDObjectGetBoundsVisitor::IncludeWithId(const Vertex& point, int id)
{
    if (!m_fixed.empty())
    {
        auto fixed = m_fixed.find({m_level, id});
        if (fixed != m_fixed.end())
            return IncludeTransformed(fixed->second.Position);
    }
    Include(point);
}

bool ThreeDObjectGetBoundsVisitor::EnterTransformation(ThreeDObjectTransformation& node)
{
    return PushTransform(node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation(),
                         node.GetXRotation(), node.GetYRotation(), node.GetZRotation());
}

void ThreeDObjectGetBoundsVisitor::LeaveTransformation(ThreeDObjectTransformation& node)
{
    PopTransform();
    if (node.ResetsFixedVertices() && !m_fixed.empty())
    {
        const int depth = m_stack.GetDepth();
        std::erase_if(m_fixed, [depth](const auto& entry) { return entry.second.Depth > depth; });
    }
}

bool ThreeDObjectGetBoundsVisitor::EnterAnimatedTransform(ThreeDObjectAnimatedTransform& node)
{
    const double unit = RotationDegreesPerUnit(node);
    return PushTransform(node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation(),
                         node.GetXRotation() * unit, node.GetYRotation() * unit, node.GetZRotation() * unit);
}

void ThreeDObjectGetBoundsVisitor::LeaveAnimatedTransform(ThreeDObjectAnimatedTransform&)
{
    PopTransform();
}

bool ThreeDObjectGetBoundsVisitor::EnterTransform(ThreeDObjectTransform& node)
{
    const double unit = RotationDegreesPerUnit(node);
    return PushTransform(node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation(),
                         node.GetXRotation() * unit, node.GetYRotation() * unit, node.GetZRotation() * unit);
}

void ThreeDObjectGetBoundsVisitor::LeaveTransform(ThreeDObjectTransform&)
{
    PopTransform();
}

bool ThreeDObjectGetBoundsVisitor::EnterTsoReference(ThreeDObjectTsoReference& node)
{
    const double unit = RotationDegreesPerUnit(node);
    return PushTransform(node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation(),
                         node.GetXRotation() * unit, node.GetYRotation() * unit, node.GetZRotation() * unit);
}

void ThreeDObjectGetBoundsVisitor::LeaveTsoReference(ThreeDObjectTsoReference&)
{
    PopTransform();
}

bool ThreeDObjectGetBoundsVisitor::EnterBillboard(ThreeDObjectBillboard& node)
{
    ++m_pending;
    if (!m_stack.Push())
    {
        GetReport().Add(BoundsTransformStack::OverflowMessage());
        return false;
    }
    m_stack.Translate(node.GetXTranslation(), node.GetYTranslation(), node.GetZTranslation());
    return true;
}

void ThreeDObjectGetBoundsVisitor::LeaveBillboard(ThreeDObjectBillboard&)
{
    PopTransform();
}

void ThreeDObjectGetBoundsVisitor::VisitPolygon(ThreeDObjectPolygon& node)
{
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    for (int i = 0; i < count; ++i)
        IncludeWithId(node.GetVertex(i), node.GetVertexId(i));
}

void ThreeDObjectGetBoundsVisitor::VisitLine(ThreeDObjectLine& node)
{
    if (!Spend(FrameBudget::Vertices, 2))
        return;
    IncludeWithId(node.GetFromVertex(), node.GetFromVertexId());
    IncludeWithId(node.GetToVertex(), node.GetToVertexId());
}

bool ThreeDObjectGetBoundsVisitor::EnterBoundingBox(ThreeDObjectBoundingBox& node)
{
    if (m_options.BoundingBoxes && Spend(FrameBudget::Vertices, ThreeDObjectBoundingBox::VertexCount))
        for (int i = 0; i < ThreeDObjectBoundingBox::VertexCount; ++i)
            IncludeWithId(node.GetVertex(i), node.GetVertexId(i));
    return true;
}

void ThreeDObjectGetBoundsVisitor::VisitVertices(ThreeDObjectVertices& node)
{
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    for (int i = 0; i < count; ++i)
        Include(node.GetVertex(i));
}

void ThreeDObjectGetBoundsVisitor::VisitMorphVertices(ThreeDObjectMorphVertices& node)
{
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    for (int i = 0; i < count; ++i)
        Include(node.GetVertex(i));
}

void ThreeDObjectGetBoundsVisitor::VisitVertexFixer(ThreeDObjectVertexFixer& node)
{
    const int depth = m_stack.GetDepth();
    const int count = node.GetVertexCount();
    if (!Spend(FrameBudget::Vertices, count))
        return;
    for (int i = 0; i < count; ++i)
        m_fixed[{m_level, node.GetVertexId(i)}] = {m_stack.Transform(node.GetVertex(i)), depth};
}

void ThreeDObjectGetBoundsVisitor::VisitScaledBitmap(ThreeDObjectScaledBitmap& node)
{
    // A game without scaled bitmaps (no MakeSrb) has no corners to give: the sprite adds nothing.
    if (!m_makeSrb || !Spend(FrameBudget::Vertices, 4))
        return;
    CountedPointer<SrbFile> srb;
    if (!m_sprites.Make(*m_makeSrb, srb, node.GetSrbName(), GetReport()))
        return;
    const double scale = GetSpriteScale(node.HasScale(), node.HasScale() ? node.GetScale() : 0, node.GetHeight(),
                                        srb->GetCorner(0).GetZ(), srb->GetCorner(2).GetZ());
    const Vertex position = node.GetVertex();
    for (U32 i = 0; i < 4; ++i)
    {
        const Vertex c = srb->GetCorner(i);
        Include(Vertex(position.GetX() + scale * c.GetX(), position.GetY() + scale * c.GetY(),
                       position.GetZ() + scale * c.GetZ()));
    }
}

void ThreeDObjectGetBoundsVisitor::WalkObject(const std::string& name, bool nested)
{
    CountedPointer<TdoFile> object;
    if (!m_objects.Make(*m_makeTdo, object, name, GetReport()))
        return;
    CountedPointer<ThreeDObject> root;
    root = object->GetRoot();
    if (!root)
        return;
    if (m_chain.Contains(object.Get()))
    {
        GetReport().Add("External object cycle passed over: " + m_chain.Describe(object.Get(), name));
        return;
    }
    // Undone however the walk ends.
    struct Scope
    {
        ThreeDObjectGetBoundsVisitor& visitor;
        bool nested;
        ~Scope()
        {
            visitor.m_chain.Leave();
            if (nested)
                --visitor.m_level;
        }
    };
    m_chain.Enter(name, object.Get());
    if (nested)
        ++m_level;
    Scope scope{*this, nested};
    ThreeDObjectWalk::Descend(*this, root);
}

void ThreeDObjectGetBoundsVisitor::VisitExtObject(ThreeDObjectExtObject& node)
{
    if (m_options.GetDraw(ObjectClass))
        WalkObject(node.GetObjectName(), true);
}

void ThreeDObjectGetBoundsVisitor::VisitTracksideObject(ThreeDObjectTracksideObject& node)
{
    if (m_options.GetDraw(ObjectClass))
        WalkObject(node.GetObjectName(), false);
}

bool ThreeDObjectGetBoundsVisitor::EnterTrackSegment(ThreeDObjectTrackSegment& node)
{
    m_segment.emplace(node);
    return SpendSections(*m_segment);
}

void ThreeDObjectGetBoundsVisitor::LeaveTrackSegment(ThreeDObjectTrackSegment&)
{
    m_segment.reset();
}

bool ThreeDObjectGetBoundsVisitor::EnterFSection(ThreeDObjectFSection& node)
{
    if (m_segment && SpendTrackPoints(*m_segment, 2))
    {
        Include(m_segment->GetPoint(0, node.GetStartLatitude()));
        Include(m_segment->GetPoint(1, node.GetEndLatitude()));
    }
    return false;
}

bool ThreeDObjectGetBoundsVisitor::EnterWSection(ThreeDObjectWSection& node)
{
    if (!m_segment || !SpendTrackPoints(*m_segment, 4))
        return false;
    const struct
    {
        double fraction, latitude, halfWidth, height;
    } ends[] = {{0, node.GetStartLatitude(), node.GetStartHalfWidth(), node.GetStartHeight()},
                {1, node.GetEndLatitude(), node.GetEndHalfWidth(), node.GetEndHeight()}};
    for (const auto& end : ends)
    {
        for (double latitude : {end.latitude - end.halfWidth, end.latitude + end.halfWidth})
        {
            const Vertex p = m_segment->GetPoint(end.fraction, latitude);
            Include(p);
            Include(Vertex(p.GetX(), p.GetY(), p.GetZ() + end.height));
        }
    }
    return false;
}

bool ThreeDObjectGetBoundsVisitor::EnterTrackDetail(ThreeDObjectTrackDetail& node)
{
    Include(Vertex(node.GetLongitude(), node.GetLatitude(), 0));
    Include(Vertex(node.GetLongitude() + node.GetWidth(), node.GetLatitude() + node.GetHeight(), 0));
    return false;
}

void ThreeDObjectGetBoundsVisitor::VisitStateValueSetter(ThreeDObjectStateValueSetter& node)
{
    m_states[node.GetStateIndex()] = node.GetStateValue();
}

// Only the first active child counts, chosen as the splitter is entered.
bool ThreeDObjectGetBoundsVisitor::EnterStateSplitter(ThreeDObjectStateSplitter& node)
{
    const double value = m_states[node.GetVariable()];
    ChooseChild(node, true, node.GetChildCount(), [&](int i) { return node.IsChildActive(i, value); });
    return true;
}

bool ThreeDObjectGetBoundsVisitor::BeforeStateSplitterChild(ThreeDObjectStateSplitter& node, int i)
{
    return IsChosenChild(node, i);
}

void ThreeDObjectGetBoundsVisitor::LeaveStateSplitter(ThreeDObjectStateSplitter& node)
{
    LeaveChoice(node);
}

bool ThreeDObjectGetBoundsVisitor::BeforeStateSwitchChild(ThreeDObjectStateSwitch&, int i)
{
    return i == 0;
}

bool ThreeDObjectGetBoundsVisitor::BeforeTrackDetailSplitLevelChild(ThreeDObjectTrackDetailSplit&, int level,
                                                                    int)
{
    return level == 0;
}

bool ThreeDObjectGetBoundsVisitor::BeforeCarRootShadow(ThreeDObjectCarRoot&)
{
    return false;
}

bool ThreeDObjectGetBoundsVisitor::BeforeCarRootCockpit(ThreeDObjectCarRoot&)
{
    return false;
}

bool ThreeDObjectGetBoundsVisitor::EnterExtObjectListObjects(ThreeDObjectExtObjectList&)
{
    return false;
}

bool ThreeDObjectGetBoundsVisitor::EnterHandle(ThreeDObjectHandle&)
{
    return false;
}

bool ThreeDObjectGetBoundsVisitor::EnterObjectLocatorList(ThreeDObjectObjectLocatorList&)
{
    return false;
}

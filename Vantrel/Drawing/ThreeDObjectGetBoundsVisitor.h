#pragma once
// The axis-aligned box of everything the 3D pane would draw for a node, in the node's own
// coordinates. The walk keeps its transforms on the OpenGL model-view stack: the caller makes a
// context current, selects the model-view matrix, pushes it and loads the identity before the
// node accepts the visitor, and pops it afterwards.
//
// Untrusted files are walked soundly: transforms nested deeper than the stack are left out
// (one message, the stack stays balanced); an external or trackside object met again inside
// its own walk is passed over (one message naming the chain); a scaled bitmap is passed over
// when the folder's game has no scaled bitmaps; a missing or unreadable external object or
// scaled bitmap is passed over, its error told once, as the drawing walk passes it over; a
// walk past its budget or its deadline (FrameBudget) stops with the bounds it has, its
// transforms popped. The problems are
// kept in GetReport().
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/BoundsTransformStack.h"
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/DrawOptions.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ExternalObjectChain.h"
#include "Vantrel/Drawing/FrameFiles.h"
#include "Vantrel/Drawing/ViewCamera.h"

class ThreeDObjectGetBoundsVisitor : public BudgetedVisitor
{
public:
    ThreeDObjectGetBoundsVisitor(const Velmo::Util::CountedPointer<Velmo::Papy::FileFactory>& factory,
                                 const DrawOptions& options);

    // Minimum above maximum on every axis while nothing was included.
    const ViewBounds& GetBounds() const { return m_bounds; }

    // The scale of a scaled bitmap as the 3D pane draws it: the node's scale when it has one,
    // else its height over the bitmap's height (z of corner 2 - z of corner 0), 1 when either is 0.
    static double GetSpriteScale(bool hasScale, double scale, double height, double z0, double z2);


    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    void LeaveTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    bool EnterAnimatedTransform(Velmo::Papy::ThreeDObjectAnimatedTransform& node) override;
    void LeaveAnimatedTransform(Velmo::Papy::ThreeDObjectAnimatedTransform& node) override;
    bool EnterTransform(Velmo::Papy::ThreeDObjectTransform& node) override;
    void LeaveTransform(Velmo::Papy::ThreeDObjectTransform& node) override;
    bool EnterTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;
    void LeaveTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;
    bool EnterBillboard(Velmo::Papy::ThreeDObjectBillboard& node) override;
    void LeaveBillboard(Velmo::Papy::ThreeDObjectBillboard& node) override;

    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& node) override;
    void VisitLine(Velmo::Papy::ThreeDObjectLine& node) override;
    bool EnterBoundingBox(Velmo::Papy::ThreeDObjectBoundingBox& node) override;
    void VisitVertices(Velmo::Papy::ThreeDObjectVertices& node) override;
    void VisitMorphVertices(Velmo::Papy::ThreeDObjectMorphVertices& node) override;
    void VisitVertexFixer(Velmo::Papy::ThreeDObjectVertexFixer& node) override;
    void VisitScaledBitmap(Velmo::Papy::ThreeDObjectScaledBitmap& node) override;
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& node) override;
    void VisitTracksideObject(Velmo::Papy::ThreeDObjectTracksideObject& node) override;

    bool EnterTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    void LeaveTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    bool EnterFSection(Velmo::Papy::ThreeDObjectFSection& node) override;
    bool EnterWSection(Velmo::Papy::ThreeDObjectWSection& node) override;
    bool EnterTrackDetail(Velmo::Papy::ThreeDObjectTrackDetail& node) override;

    void VisitStateValueSetter(Velmo::Papy::ThreeDObjectStateValueSetter& node) override;
    bool EnterStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& node) override;
    bool BeforeStateSplitterChild(Velmo::Papy::ThreeDObjectStateSplitter& node, int i) override;
    void LeaveStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& node) override;
    bool BeforeStateSwitchChild(Velmo::Papy::ThreeDObjectStateSwitch& node, int i) override;
    bool BeforeTrackDetailSplitLevelChild(Velmo::Papy::ThreeDObjectTrackDetailSplit& node, int level,
                                          int i) override;
    bool BeforeCarRootShadow(Velmo::Papy::ThreeDObjectCarRoot& node) override;
    bool BeforeCarRootCockpit(Velmo::Papy::ThreeDObjectCarRoot& node) override;
    bool EnterExtObjectListObjects(Velmo::Papy::ThreeDObjectExtObjectList& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterObjectLocatorList(Velmo::Papy::ThreeDObjectObjectLocatorList& node) override;

protected:
    // Pops the transforms of a walk that the deadline cut.
    void Unwind() override;

private:
    struct FixedVertex
    {
        Velmo::Papy::Vertex Position;
        int Depth;
    };

    // Push, translate and rotate Z, Y, X (degrees); false when the stack is full.
    bool PushTransform(double x, double y, double z, double xDegrees, double yDegrees, double zDegrees);
    void PopTransform();
    void Include(const Velmo::Papy::Vertex& point);
    void IncludeTransformed(const Velmo::Papy::Vertex& point);
    void IncludeWithId(const Velmo::Papy::Vertex& point, int id);
    // Walks the named object's root; nested marks an external object (its own fixed vertices).
    void WalkObject(const std::string& name, bool nested);

    Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> m_factory;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeSrb> m_makeSrb;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeTdo> m_makeTdo;
    ViewBounds m_bounds;
    DrawOptions m_options;
    // The current segment, its sections read once for all the points asked along it.
    std::optional<Velmo::Papy::TrackSegmentLookup> m_segment;
    unsigned m_level = 0;
    std::map<unsigned, unsigned> m_states;
    std::map<std::pair<unsigned, int>, FixedVertex> m_fixed;
    BoundsTransformStack m_stack;
    // The pushes of m_stack not yet popped.
    int m_pending = 0;
    ExternalObjectChain m_chain;
    // The files made by name, asked once a walk; one kind each.
    FrameFiles<Velmo::Papy::SrbFile> m_sprites;
    FrameFiles<Velmo::Papy::TdoFile> m_objects;
};

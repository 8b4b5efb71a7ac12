#pragma once
// Tests every vertex that the drawing visitor would send against the planes of the plane-order
// and plane-cull nodes above it: a vertex must lie on the side of each enclosing plane that the
// node gives the child being walked (far children on the negative side, near children on the
// positive side, middle, front and back children on the plane), within 0.01. It draws nothing:
// it repeats only the drawing's transforms and fixed vertices to know where each vertex lies.
//
// Every plane-order kind is tested, the one with a front child among three (9) too.
//
// A plane stays where its node puts it: its eye-space equation is taken when its record is
// pushed, so a child placed by a transformation below the plane-order node is tested where it
// is drawn.
//
// Each failing vertex is collected as (id of the vertex's node, id of the plane's node), each
// pair once; GetSummary gives the one message the pane shows after the walk, empty when every
// vertex passed. Problems walked past (an external object or a scaled bitmap that cannot be
// had, an external object that includes itself, transforms nested too deep, values that are
// not numbers, a walk past its budget (FrameBudget), which stops there) go to the
// report.
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Papy/Bitmap/SrbFile.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ExternalObjectStack.h"
#include "Vantrel/Drawing/FixedVertexMap.h"
#include "Vantrel/Drawing/FrameFiles.h"
#include "Vantrel/Drawing/ModelviewStack.h"

namespace Velmo::Papy
{
class FileFactory;
class MakeSrb;
class MakeTdo;
} // namespace Velmo::Papy

class ThreeDObjectClipTestVisitor : public BudgetedVisitor
{
public:
    static constexpr double Tolerance = 0.01;
    // The most failures the summary names one by one.
    static constexpr std::size_t SummaryLimit = 20;

    struct Failure
    {
        int VertexNodeId;
        int PlaneNodeId;
        bool operator==(const Failure&) const = default;
    };

    explicit ThreeDObjectClipTestVisitor(Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> factory);

    // Forgets fixed vertices and plane records, pops what an interrupted walk left pushed; the
    // failures and the report stay.
    void Reset();

    const std::vector<Failure>& GetFailures() const { return m_failures; }
    // The number of vertices that failed (a vertex met twice counts twice).
    std::size_t GetFailedVertexCount() const { return m_failedVertices; }
    // "" when every vertex passed; else "Clip test: 3 vertices lie on the wrong side of their
    // planes (tolerance 0.01): node 120 against plane node 40, node 200 against plane node 40".
    std::string GetSummary() const;

    // Whether a signed distance x from a plane passes for the side (-1, 0, 1).
    static bool Passes(int side, double x);


    bool EnterPlaneCullFront(Velmo::Papy::ThreeDObjectPlaneCullFront& node) override;
    void LeavePlaneCullFront(Velmo::Papy::ThreeDObjectPlaneCullFront& node) override;
    bool BeforePlaneOrder2FarChild(Velmo::Papy::ThreeDObjectPlaneOrder2& node) override;
    void AfterPlaneOrder2FarChild(Velmo::Papy::ThreeDObjectPlaneOrder2& node) override;
    bool BeforePlaneOrder2NearChild(Velmo::Papy::ThreeDObjectPlaneOrder2& node) override;
    void AfterPlaneOrder2NearChild(Velmo::Papy::ThreeDObjectPlaneOrder2& node) override;
    bool BeforePlaneOrder2CullFrontBackBackChild(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node) override;
    void AfterPlaneOrder2CullFrontBackBackChild(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node) override;
    bool BeforePlaneOrder2CullFrontBackFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node) override;
    void AfterPlaneOrder2CullFrontBackFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node) override;
    bool BeforePlaneOrder3FarChild(Velmo::Papy::ThreeDObjectPlaneOrder3& node) override;
    void AfterPlaneOrder3FarChild(Velmo::Papy::ThreeDObjectPlaneOrder3& node) override;
    bool BeforePlaneOrder3MiddleChild(Velmo::Papy::ThreeDObjectPlaneOrder3& node) override;
    void AfterPlaneOrder3MiddleChild(Velmo::Papy::ThreeDObjectPlaneOrder3& node) override;
    bool BeforePlaneOrder3NearChild(Velmo::Papy::ThreeDObjectPlaneOrder3& node) override;
    void AfterPlaneOrder3NearChild(Velmo::Papy::ThreeDObjectPlaneOrder3& node) override;
    bool BeforePlaneOrder3CullFrontFarChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    void AfterPlaneOrder3CullFrontFarChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    bool BeforePlaneOrder3CullFrontFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    void AfterPlaneOrder3CullFrontFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    bool BeforePlaneOrder3CullFrontNearChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    void AfterPlaneOrder3CullFrontNearChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    bool BeforePlaneOrder4CullFrontBackFarChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    void AfterPlaneOrder4CullFrontBackFarChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    bool BeforePlaneOrder4CullFrontBackBackChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    void AfterPlaneOrder4CullFrontBackBackChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    bool BeforePlaneOrder4CullFrontBackFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    void AfterPlaneOrder4CullFrontBackFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    bool BeforePlaneOrder4CullFrontBackNearChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    void AfterPlaneOrder4CullFrontBackNearChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;

    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    void LeaveTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    void VisitVertexFixer(Velmo::Papy::ThreeDObjectVertexFixer& node) override;
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& node) override;
    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& node) override;
    void VisitLine(Velmo::Papy::ThreeDObjectLine& node) override;
    void VisitScaledBitmap(Velmo::Papy::ThreeDObjectScaledBitmap& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterObjectLocatorList(Velmo::Papy::ThreeDObjectObjectLocatorList& node) override;
    bool EnterExtObjectListObjects(Velmo::Papy::ThreeDObjectExtObjectList& node) override;

protected:
    // A walk that the deadline cut: Reset.
    void Unwind() override;

private:
    struct PlaneRecord
    {
        int PlaneNodeId;
        Velmo::Papy::Plane Plane;
        std::array<double, 4> EyePlane;
        int Side;
    };

    void PushPlane(Velmo::Papy::ThreeDObject& node, const Velmo::Papy::Plane& plane, int side);
    void PopPlane();
    // Reads the modelview for the vertices of one node.
    void BeginNode();
    // Charges points tested against every open plane (a vertex each test): false past the budget.
    bool SpendTests(int points);
    void TestVertex(Velmo::Papy::ThreeDObject& node, int vertexId, const Velmo::Papy::Vertex& position);
    void TestEyePoint(Velmo::Papy::ThreeDObject& node, const Velmo::Papy::Vertex& eye);

    Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> m_factory;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeSrb> m_makeSrb;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeTdo> m_makeTdo;
    unsigned m_externalDepth = 0;
    FixedVertexMap m_fixed;
    std::vector<PlaneRecord> m_planes;
    ModelviewStack m_matrices;
    ExternalObjectStack m_externals;
    // The files made by name, asked once a walk; one kind each.
    FrameFiles<Velmo::Papy::SrbFile> m_sprites;
    FrameFiles<Velmo::Papy::TdoFile> m_objects;
    double m_modelview[16] = {};

    std::vector<Failure> m_failures;
    std::set<std::pair<int, int>> m_failureSet;
    std::size_t m_failedVertices = 0;
};

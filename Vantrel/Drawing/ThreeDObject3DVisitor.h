#pragma once
// Draws a 3D-object node tree with OpenGL 1.1: immediate mode for the GPL and N2 primitives,
// client arrays for the N4 meshes and the track sections. One visitor lives per 3D-object pane
// for the pane's life, so that its texture cache survives from frame to frame; everything else
// is reset before and after each frame. Draw (below) draws one frame: the embedded
// HighlightVisitor wraps it in the passes that mark the area of a highlighted object locator
// through the stencil buffer, and the highlighted node itself draws in inverted colours.
//
// What the walk meets in a file it draws past, and tells once: an index outside its vertex
// array, too few texture coordinates, a coordinate or an angle that is not a number, a
// texture or an external object that cannot be had, an external object that includes itself,
// transforms nested deeper than the modelview stack, an unknown blend code, a walk of the shown
// node past its budget or its deadline (FrameBudget: the rest is not drawn). Each problem's
// text is added to the visitor's report, which keeps each text once; the pane shows the texts
// it has not shown yet after the paint. OpenGL errors and the fixed-vertex solve's failure
// end the frame with their exception; the OpenGL state the frame had changed (matrices,
// clip planes, stencil, logic operation, client arrays) is put back first.
#include <cstdint>
#include <map>
#include <optional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Papy/Model/Colour.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/TrackSegmentLookup.h"
#include "Papy/Model/Vertex.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/BudgetedVisitor.h"
#include "Vantrel/Drawing/ClientArrays.h"
#include "Vantrel/Drawing/DrawOptions.h"
#include "Vantrel/Drawing/DrawingReport.h"
#include "Vantrel/Drawing/ExternalObjectStack.h"
#include "Vantrel/Drawing/FixedVertexMap.h"
#include "Vantrel/Drawing/FrameFiles.h"
#include "Vantrel/Drawing/ModelviewStack.h"
#include "Vantrel/Drawing/ScreenArea.h"
#include "Vantrel/Drawing/TextureCache.h"
#include "Vantrel/Drawing/TextureSlots.h"
#include "Vantrel/Drawing/TrackSectionQuads.h"

namespace Velmo::Papy
{
class FileFactory;
class MakeMip;
class MakeSrb;
class MakeTdo;
} // namespace Velmo::Papy

class ThreeDObject3DVisitor;

// Draws one frame: the shown node (nothing when empty) over a grey background, the
// highlighted node (empty, or the null node, for none) inverted, and the area of a highlighted
// object locator in red.
void Draw(const DrawOptions& options, ThreeDObject3DVisitor& visitor,
          Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> shown,
          Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> highlighted);

class ThreeDObject3DVisitor : public BudgetedVisitor
{
public:
    class HighlightVisitor;

    // Takes the factory's MakeMip, MakeSrb and MakeTdo facets (each empty when the factory has
    // none).
    explicit ThreeDObject3DVisitor(Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> factory);
    ~ThreeDObject3DVisitor() override;
    ThreeDObject3DVisitor(const ThreeDObject3DVisitor&) = delete;
    ThreeDObject3DVisitor& operator=(const ThreeDObject3DVisitor&) = delete;

    // The per-frame reset: client arrays freed, texture slots emptied, the blend, alpha and
    // texture environment state set, state values, colour maps, fixed vertices and external
    // objects forgotten. The texture cache stays.
    void Reset();
    // Before the pane's context goes: Reset, then every cached texture deleted.
    void DestroyGL();

    // The loader of the texture cache (tests count or refuse uploads through it).
    void SetTextureUploader(const Velmo::Util::CountedPointer<TextureUploader>& uploader);
    const TextureCache& GetTextureCache() const { return m_textures; }

    bool Enter(Velmo::Papy::ThreeDObject& node) override;
    void Leave(Velmo::Papy::ThreeDObject& node) override;
    void Visit(Velmo::Papy::ThreeDObject& node) override;

    // Transforms.
    bool EnterAnimatedTransform(Velmo::Papy::ThreeDObjectAnimatedTransform& node) override;
    void LeaveAnimatedTransform(Velmo::Papy::ThreeDObjectAnimatedTransform& node) override;
    bool EnterTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    void LeaveTransformation(Velmo::Papy::ThreeDObjectTransformation& node) override;
    bool EnterTransform(Velmo::Papy::ThreeDObjectTransform& node) override;
    void LeaveTransform(Velmo::Papy::ThreeDObjectTransform& node) override;
    bool EnterTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;
    void LeaveTsoReference(Velmo::Papy::ThreeDObjectTsoReference& node) override;
    bool EnterBillboard(Velmo::Papy::ThreeDObjectBillboard& node) override;
    void LeaveBillboard(Velmo::Papy::ThreeDObjectBillboard& node) override;

    // Choices among children.
    bool BeforeAnimationSplitterChild(Velmo::Papy::ThreeDObjectAnimationSplitter& node, int i) override;
    bool BeforeLatitudeSplitterChild(Velmo::Papy::ThreeDObjectLatitudeSplitter& node, int i) override;
    bool BeforeLongitudeSplitterChild(Velmo::Papy::ThreeDObjectLongitudeSplitter& node, int i) override;
    bool BeforeStateSwitchChild(Velmo::Papy::ThreeDObjectStateSwitch& node, int i) override;
    bool EnterDistanceSplitter(Velmo::Papy::ThreeDObjectDistanceSplitter& node) override;
    bool BeforeDistanceSplitterChild(Velmo::Papy::ThreeDObjectDistanceSplitter& node, int i) override;
    void LeaveDistanceSplitter(Velmo::Papy::ThreeDObjectDistanceSplitter& node) override;
    bool BeforeLodSwitchChild(Velmo::Papy::ThreeDObjectLodSwitch& node, int i) override;
    bool EnterStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& node) override;
    bool BeforeStateSplitterChild(Velmo::Papy::ThreeDObjectStateSplitter& node, int i) override;
    void LeaveStateSplitter(Velmo::Papy::ThreeDObjectStateSplitter& node) override;
    void VisitStateValueSetter(Velmo::Papy::ThreeDObjectStateValueSetter& node) override;
    bool EnterDisplayClass(Velmo::Papy::ThreeDObjectDisplayClass& node) override;
    bool BeforeCarRootShadow(Velmo::Papy::ThreeDObjectCarRoot& node) override;
    bool BeforeCarRootCockpit(Velmo::Papy::ThreeDObjectCarRoot& node) override;
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle& node) override;
    bool EnterObjectLocatorList(Velmo::Papy::ThreeDObjectObjectLocatorList& node) override;
    bool EnterExtObjectListObjects(Velmo::Papy::ThreeDObjectExtObjectList& node) override;
    void VisitExtObject(Velmo::Papy::ThreeDObjectExtObject& node) override;
    void VisitTracksideObject(Velmo::Papy::ThreeDObjectTracksideObject& node) override;

    // Plane orders.
    bool EnterPlaneCullFront(Velmo::Papy::ThreeDObjectPlaneCullFront& node) override;
    bool EnterPlaneOrder2(Velmo::Papy::ThreeDObjectPlaneOrder2& node, bool& reverse) override;
    bool EnterPlaneOrder2CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node,
                                       bool& reverse) override;
    bool BeforePlaneOrder2CullFrontBackBackChild(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node) override;
    bool BeforePlaneOrder2CullFrontBackFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder2CullFrontBack& node) override;
    bool EnterPlaneOrder3(Velmo::Papy::ThreeDObjectPlaneOrder3& node, bool& reverse) override;
    bool EnterPlaneOrder3CullFront(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node, bool& reverse) override;
    bool BeforePlaneOrder3CullFrontFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder3CullFront& node) override;
    bool EnterPlaneOrder4CullFrontBack(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node,
                                       bool& reverse) override;
    bool BeforePlaneOrder4CullFrontBackBackChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;
    bool BeforePlaneOrder4CullFrontBackFrontChild(Velmo::Papy::ThreeDObjectPlaneOrder4CullFrontBack& node) override;

    // Colours and immediate-mode primitives.
    bool EnterColourMap(Velmo::Papy::ThreeDObjectColourMap& node) override;
    void LeaveColourMap(Velmo::Papy::ThreeDObjectColourMap& node) override;
    void VisitPolygon(Velmo::Papy::ThreeDObjectPolygon& node) override;
    void VisitLine(Velmo::Papy::ThreeDObjectLine& node) override;
    bool EnterBoundingBox(Velmo::Papy::ThreeDObjectBoundingBox& node) override;
    void VisitScaledBitmap(Velmo::Papy::ThreeDObjectScaledBitmap& node) override;
    void VisitVertexFixer(Velmo::Papy::ThreeDObjectVertexFixer& node) override;

    // Textures.
    bool EnterTexture(Velmo::Papy::ThreeDObjectTexture& node) override;
    void LeaveTexture(Velmo::Papy::ThreeDObjectTexture& node) override;
    void VisitTexture2(Velmo::Papy::ThreeDObjectTexture2& node) override;
    bool EnterClassTexture(Velmo::Papy::ThreeDObjectClassTexture& node) override;
    void LeaveClassTexture(Velmo::Papy::ThreeDObjectClassTexture& node) override;
    bool EnterClassTextureMaterial(Velmo::Papy::ThreeDObjectClassTextureMaterial& node) override;
    void LeaveClassTextureMaterial(Velmo::Papy::ThreeDObjectClassTextureMaterial& node) override;
    bool EnterTextureSelector(Velmo::Papy::ThreeDObjectTextureSelector& node) override;
    void LeaveTextureSelector(Velmo::Papy::ThreeDObjectTextureSelector& node) override;
    bool EnterClassTextureSelector(Velmo::Papy::ThreeDObjectClassTextureSelector& node) override;
    void LeaveClassTextureSelector(Velmo::Papy::ThreeDObjectClassTextureSelector& node) override;
    bool EnterClassTextureSelectorMaterial(Velmo::Papy::ThreeDObjectClassTextureSelectorMaterial& node) override;
    void LeaveClassTextureSelectorMaterial(Velmo::Papy::ThreeDObjectClassTextureSelectorMaterial& node) override;
    bool EnterMultipleTextures(Velmo::Papy::ThreeDObjectMultipleTextures& node) override;
    void LeaveMultipleTextures(Velmo::Papy::ThreeDObjectMultipleTextures& node) override;
    void VisitTextureCoords(Velmo::Papy::ThreeDObjectTextureCoords& node) override;

    // Meshes through client arrays.
    bool EnterAppearance(Velmo::Papy::ThreeDObjectAppearance& node) override;
    bool BeforeAppearanceSpecularTexture(Velmo::Papy::ThreeDObjectAppearance& node) override;
    bool EnterAppearanceOtherTextures(Velmo::Papy::ThreeDObjectAppearance& node) override;
    void VisitVertices(Velmo::Papy::ThreeDObjectVertices& node) override;
    void VisitMorphVertices(Velmo::Papy::ThreeDObjectMorphVertices& node) override;
    void VisitTriangles(Velmo::Papy::ThreeDObjectTriangles& node) override;
    bool EnterTriangleFan(Velmo::Papy::ThreeDObjectTriangleFan& node) override;
    bool EnterTriangleStrip(Velmo::Papy::ThreeDObjectTriangleStrip& node) override;
    bool EnterShape(Velmo::Papy::ThreeDObjectShape& node) override;
    void LeaveShape(Velmo::Papy::ThreeDObjectShape& node) override;

    // Track sections.
    bool EnterTrack(Velmo::Papy::ThreeDObjectTrack& node) override;
    void LeaveTrack(Velmo::Papy::ThreeDObjectTrack& node) override;
    bool EnterTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    bool BeforeTrackSegmentFSection(Velmo::Papy::ThreeDObjectTrackSegment& node, int i) override;
    void LeaveTrackSegment(Velmo::Papy::ThreeDObjectTrackSegment& node) override;
    bool EnterFSection(Velmo::Papy::ThreeDObjectFSection& node) override;
    void LeaveFSection(Velmo::Papy::ThreeDObjectFSection& node) override;
    bool EnterTrackDetail(Velmo::Papy::ThreeDObjectTrackDetail& node) override;
    void LeaveTrackDetail(Velmo::Papy::ThreeDObjectTrackDetail& node) override;
    bool BeforeWSectionAppearance(Velmo::Papy::ThreeDObjectWSection& node, int subsection, int entry) override;
    void AfterWSectionTextureCoords(Velmo::Papy::ThreeDObjectWSection& node, int subsection, int entry) override;

protected:
    // A walk of this visitor alone (Walk) that the deadline cut: what a cut frame puts back.
    void Unwind() override;

private:
    friend void Draw(const DrawOptions&, ThreeDObject3DVisitor&, Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>,
                     Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>);
    // Draw's passes, within the frame's deadline.
    static void DrawPasses(const DrawOptions& options, ThreeDObject3DVisitor& visitor,
                           const Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>& shown,
                           const Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject>& highlighted);

    // One prepared vertex of an immediate-mode primitive: everything is worked out before
    // glBegin, so that nothing between glBegin and glEnd can throw or ask OpenGL anything.
    struct Emitted
    {
        double Position[3];
        double Texture[2];
        Velmo::Papy::Colour Shade;
        double Normal[3];
    };

    // The highlighted node draws inverted: its enter switches the colour logic operation on,
    // its leave (or the end of its leaf operation) off.
    void Highlight(Velmo::Papy::ThreeDObject& node);
    void Unhighlight(Velmo::Papy::ThreeDObject& node);

    void SendColour(const Velmo::Papy::Colour& colour);
    // Pushes the modelview and applies a translation and rotations about Z, then Y, then X
    // (degrees); pushes nothing (and the children are not drawn) when a value is not finite or
    // the stack is full.
    bool PushTransform(Velmo::Papy::ThreeDObject& node, double x, double y, double z, double zDegrees,
                       double yDegrees, double xDegrees);
    void PopTransform();
    // The enter of a node with a translation and rotations about Z, Y, X: pushed as
    // PushTransform does, the rotations multiplied by degreesPerUnit. Its leave pops it.
    template <class Node>
    bool EnterTransformNode(Node& node, double degreesPerUnit);
    void LeaveTransformNode(Velmo::Papy::ThreeDObject& node);
    // The enter of a plane order: children in reverse when the eye is on the plane's negative side.
    template <class Node>
    bool EnterPlaneOrderNode(Node& node, bool& reverse);
    // The current modelview (column-major), and the eye distance of a point under it.
    void ReadModelview(double modelview[16]);
    double EyeDistance(const Velmo::Papy::Vertex& point);
    bool EyeOnNegativeSide(const Velmo::Papy::Plane& plane);

    // The position to send for a vertex: its pinned position solved back through the
    // captured modelview when the fixed-vertex map holds it, else its own.
    Velmo::Papy::Vertex Place(int vertexId, const Velmo::Papy::Vertex& position);
    // Captures the modelview before a primitive when pinned vertices exist.
    void CapturePrimitive();
    // The window area of what is sent: the projection and viewport read at the frame's start,
    // the modelview again after a transform changed it.
    void ReadFrameArea();
    const ScreenArea& Area();
    // The pixels of the prepared vertices as a primitive of the mode.
    double PixelsOfEmitted(unsigned mode);
    // Charges the indices of a client-array primitive, whole triangles in order, and answers
    // how many of them to send (fewer than all once the budget is spent).
    std::size_t SpendElements(unsigned mode);
    // Sends prepared vertices as one primitive (nothing else happens between glBegin and
    // glEnd); false, with the node reported, when a position is not finite, or when the
    // frame's budget has no room for it.
    bool Emit(Velmo::Papy::ThreeDObject& node, unsigned mode, bool textured, bool shades, bool normals);
    void DrawPrimitiveVertices(Velmo::Papy::ThreeDObject& node, unsigned mode, const int* ids,
                               const Velmo::Papy::Vertex* positions, std::size_t count);

    // Textures.
    TextureSlots::Entry LoadMip(const std::string& name);
    void PushTexture(const std::string& name);
    void PushSelectedTexture(unsigned selector);
    void PopTexture();
    // The enters of the class textures: the node's texture (or, outside wireframe, its
    // selected slot's) when its class is textured, else none; the leave of a node that pushed
    // slot 0 pops it.
    template <class Node>
    bool EnterClassTextureNode(Node& node);
    template <class Node>
    bool EnterClassTextureSelectorNode(Node& node);
    void LeaveTextureNode(Velmo::Papy::ThreeDObject& node);
    // Texturing on with slot 0's texture bound (and the texture function set to modulate).
    void BindSlot0(bool modulate);
    void UnbindSlot0();
    bool Slot0Textured() const;

    // Client-array primitives: the mesh primitives of N4 and the quads of the track sections.
    template <class IndexOf>
    void DrawElements(Velmo::Papy::ThreeDObject& node, unsigned mode, int count, IndexOf indexOf);
    void DrawQuad(Velmo::Papy::ThreeDObject& node, const SectionQuad& quad, const std::vector<double>* ownCoords);
    void BeginSection();
    void EndSection();
    // The enter of a node that is a section of its own (a shape, a floor section, a detail).
    bool EnterSectionNode(Velmo::Papy::ThreeDObject& node);
    // Opens a scope in which a Texture2 stays pushed until the scope ends.
    void OpenTextureScope();
    void CloseTextureScope();

    // An external or trackside object, made by name and walked (nested: one external depth
    // deeper, a name space of its own for fixed vertices).
    void DrawExternal(const std::string& name, bool nested);

    // The factory and its facets.
    Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> m_factory;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeMip> m_makeMip;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeSrb> m_makeSrb;
    Velmo::Util::CountedPointer<Velmo::Papy::MakeTdo> m_makeTdo;

    TextureCache m_textures;
    TextureSlots m_slots;
    ClientArrays m_arrays;
    // One flag per open shape or section (the first for the frame): a Texture2 of that scope
    // is pushed on slot 0.
    std::vector<bool> m_pendingTextures;

    Velmo::Papy::ThreeDObjectTrack* m_track = nullptr;
    // The current segment, its sections read once for all the points asked along it.
    std::optional<Velmo::Papy::TrackSegmentLookup> m_segment;
    int m_nextFSection = 0;

    DrawOptions m_frameOptions;
    DrawOptions m_passOptions;

    unsigned m_externalDepth = 0;
    ExternalObjectStack m_externals;
    FrameFiles<Velmo::Papy::TdoFile> m_objects;
    ModelviewStack m_matrices;

    std::map<unsigned, unsigned> m_stateValues;
    std::vector<std::map<unsigned, Velmo::Papy::Colour>> m_colourMaps;
    // The slots each open multiple-textures node pushed (none when its names did not fit).
    std::vector<int> m_multipleTextures;
    FixedVertexMap m_fixed;

    Velmo::Util::CountedPointer<Velmo::Papy::ThreeDObject> m_highlighted;
    int m_highlightedId = -1;
    std::unique_ptr<HighlightVisitor> m_highlight;

    // The modelview in force at the last primitive, when pinned vertices exist.
    double m_modelview[16] = {};
    std::vector<Emitted> m_emitted;
    std::vector<unsigned> m_indices;

    ScreenArea m_area;
    bool m_modelviewKnown = false;
    // The vertex array's points as ScreenArea::ToPoint gives them: a point's values hold
    // while its entry of m_projectedAt is the generation, which grows whenever the modelview
    // or the array changes.
    std::vector<double> m_window;
    std::vector<std::uint64_t> m_projectedAt;
    std::uint64_t m_windowGeneration = 1;
    std::vector<double> m_points;
    std::vector<double> m_pixels;

};

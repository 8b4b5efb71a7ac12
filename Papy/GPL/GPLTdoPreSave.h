#pragma once
// The first pass of a GPL .3do save: compacts the file's vertex, plane and normal tables and
// its string table. Every node of the file is visited once, in the order of the node table,
// through its own kind's operation; no pass descends from a node into its children.
//
// It runs twice over the same nodes in the same order:
//   Check  reads every table index and string of every node, refuses one that lies outside
//          its table, and numbers the entries in use in the order of their first use. Nothing
//          is changed, so a file that fails here is left exactly as it was.
//   Apply  gives each node its new indexes and enters its strings anew through the nodes'
//          own setters (the file collects them in its save string table meanwhile).
// After Apply, NewVertices, NewPlanes and NewNormals hold the compacted tables.
#include <string>
#include <vector>

#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/Model/Vertex.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoFile;

class GPLTdoPreSave : public ThreeDObjectVisitor
{
public:
    enum class Mode
    {
        Check,
        Apply
    };

    explicit GPLTdoPreSave(GPLTdoFile& file);

    // Check first; Apply only after a Check over the same nodes has passed.
    void SetMode(Mode mode) { m_mode = mode; }

    std::vector<Vertex> NewVertices() const;
    std::vector<Plane> NewPlanes() const;
    std::vector<Normal> NewNormals() const;

    bool Enter(ThreeDObject& node) override;

    bool EnterBoundingBox(ThreeDObjectBoundingBox& node) override;
    bool EnterClassTexture(ThreeDObjectClassTexture& node) override;
    bool EnterClassTextureMaterial(ThreeDObjectClassTextureMaterial& node) override;
    bool EnterTexture(ThreeDObjectTexture& node) override;
    void VisitExtObject(ThreeDObjectExtObject& node) override;
    bool EnterHandle(ThreeDObjectHandle& node) override;
    bool EnterMultipleTextures(ThreeDObjectMultipleTextures& node) override;
    bool EnterDistanceSplitter(ThreeDObjectDistanceSplitter& node) override;
    void VisitLine(ThreeDObjectLine& node) override;
    bool EnterObjectLocator(ThreeDObjectObjectLocator& node) override;
    bool EnterPlaneCullFront(ThreeDObjectPlaneCullFront& node) override;
    bool EnterPlaneOrder2(ThreeDObjectPlaneOrder2& node, bool& reverse) override;
    bool EnterPlaneOrder2CullFrontBack(ThreeDObjectPlaneOrder2CullFrontBack& node, bool& reverse) override;
    bool EnterPlaneOrder3(ThreeDObjectPlaneOrder3& node, bool& reverse) override;
    bool EnterPlaneOrder3CullFront(ThreeDObjectPlaneOrder3CullFront& node, bool& reverse) override;
    bool EnterPlaneOrder4CullFrontBack(ThreeDObjectPlaneOrder4CullFrontBack& node, bool& reverse) override;
    void VisitPolygon(ThreeDObjectPolygon& node) override;
    void VisitScaledBitmap(ThreeDObjectScaledBitmap& node) override;
    void VisitVertexFixer(ThreeDObjectVertexFixer& node) override;

private:
    // One table being renumbered: old index -> new index (-1 while unused), in first-use order.
    struct Table
    {
        std::vector<int> newIndex;
        U32 count = 0;
        const char* message;
    };

    // The new index of old; in Check mode numbers old on its first use, after refusing an old
    // index outside the table.
    int Remap(Table& table, int old);
    // Reads a string through get; in Apply mode enters it again through set.
    template <class Get, class Set>
    void Restring(Get get, Set set);
    template <class Node>
    bool PlaneNode(Node& node, bool& reverse);

    GPLTdoFile& m_file;
    Mode m_mode = Mode::Check;
    Table m_vertices;
    Table m_planes;
    Table m_normals;
};
} // namespace Velmo::Papy

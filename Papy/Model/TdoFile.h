#pragma once
// An open 3D-object file of any game: the root of its node tree, any node by id, the null node,
// handles by name, fresh ids for new nodes, saving, and the node factories with which the tree
// editor inserts nodes. A subclass reads the whole file in its constructor and keeps every node
// in its own table SubObjects (id -> node). A factory that the file's game does not support
// fails with the assertion "false".
#include <array>
#include <map>
#include <string>
#include <vector>

#include "Papy/Model/Colour.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TextureVertex.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/Vertex.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectAnimatedTransform;
class ThreeDObjectAppearance;
class ThreeDObjectBoundingBox;
class ThreeDObjectClassMaterial;
class ThreeDObjectClassTexture;
class ThreeDObjectClassTextureMaterial;
class ThreeDObjectDisplayClass;
class ThreeDObjectDistanceSplitter;
class ThreeDObjectExtObject;
class ThreeDObjectGeometry;
class ThreeDObjectHandle;
class ThreeDObjectLine;
class ThreeDObjectNull;
class ThreeDObjectNumberList;
class ThreeDObjectObjectList;
class ThreeDObjectObjectLocator;
class ThreeDObjectObjectLocatorList;
class ThreeDObjectPlaneCullFront;
class ThreeDObjectPlaneOrder2;
class ThreeDObjectPlaneOrder2CullFrontBack;
class ThreeDObjectPlaneOrder3;
class ThreeDObjectPlaneOrder3CullFront;
class ThreeDObjectPlaneOrder4CullFrontBack;
class ThreeDObjectPolygon;
class ThreeDObjectProxy;
class ThreeDObjectRoot;
class ThreeDObjectScaledBitmap;
class ThreeDObjectShape;
class ThreeDObjectTexture;
class ThreeDObjectTexture2;
class ThreeDObjectTrackDetailSplit;
class ThreeDObjectTrackDrawingDistances;
class ThreeDObjectTrackIndex;
class ThreeDObjectTrackLink;
class ThreeDObjectTrackRoot;
class ThreeDObjectTrackSections;
class ThreeDObjectTransformation;
class ThreeDObjectTriangles;
class ThreeDObjectVertices;

class TdoFile
{
public:
    typedef Util::CountedPointer<ThreeDObject> Node;
    typedef std::vector<Node> Nodes;

    virtual ~TdoFile();

    // The root of the tree; an empty pointer while the file has none.
    virtual Util::CountedPointer<ThreeDObjectRoot> GetRoot() const = 0;
    // The node with that id; an id that is not in the file fails with the assertion
    // "p != SubObjects.end()".
    virtual Node GetSubObject(int id) const = 0;
    // The node that stands for no object, target of every null reference.
    virtual Util::CountedPointer<ThreeDObjectNull> GetNull() const = 0;
    // The first handle of that name in the file's handle order, or an empty pointer.
    virtual Util::CountedPointer<ThreeDObjectHandle> FindHandle(const std::string& name) const = 0;
    // A fresh id for a node the editor is about to create; never one read from the file.
    virtual int NewId() = 0;
    // Writes the whole file in its format.
    virtual void Save(Util::CountedPointer<Util::BinaryStream>& stream) = 0;
    // Whether Save writes the file at all; a document asks before it creates any output.
    virtual bool CanSave() const { return true; }

    // The node factories: each makes a node of its kind with the given id and values, enters it
    // into the file's table (replacing a node of that id) and returns it.
    virtual Util::CountedPointer<ThreeDObjectAnimatedTransform> CreateAnimatedTransform(int id, const std::string& name,
                                                                                        const std::string& text,
                                                                                        double d0, double d1, double d2,
                                                                                        double d3, double d4, double d5,
                                                                                        const Node& child);
    virtual Util::CountedPointer<ThreeDObjectAppearance> CreateAppearance(int id, const std::string& name, double red,
                                                                          double green, double blue, const Node& first,
                                                                          const Node& second, const Node& third,
                                                                          int textureFunction);
    // corners: the 8 corner vertices.
    virtual Util::CountedPointer<ThreeDObjectBoundingBox> CreateBoundingBox(int id, const std::vector<Vertex>& corners,
                                                                            const Node& child);
    virtual Util::CountedPointer<ThreeDObjectClassMaterial> CreateClassMaterial(int id, DisplayClass displayClass,
                                                                                double shininess,
                                                                                const Colour& specularShade,
                                                                                const Node& child);
    virtual Util::CountedPointer<ThreeDObjectClassTexture> CreateClassTexture(int id, DisplayClass displayClass,
                                                                              const std::string& textureName,
                                                                              const Node& child);
    virtual Util::CountedPointer<ThreeDObjectClassTextureMaterial> CreateClassTextureMaterial(
        int id, DisplayClass displayClass, const std::string& textureName, double shininess,
        const Colour& specularShade, const Node& child);
    virtual Util::CountedPointer<ThreeDObjectDisplayClass> CreateDisplayClass(int id, DisplayClass displayClass,
                                                                              const Node& child);
    virtual Util::CountedPointer<ThreeDObjectDistanceSplitter> CreateDistanceSplitter(
        int id, const Vertex& centre, const Nodes& children, const std::vector<double>& distances);
    virtual Util::CountedPointer<ThreeDObjectExtObject> CreateExtObject(int id, const std::string& objectName);
    virtual Util::CountedPointer<ThreeDObjectGeometry> CreateGeometry(int id, const Node& first, const Node& second);
    // The file gives a handle its own id.
    virtual Util::CountedPointer<ThreeDObjectHandle> CreateHandle(const std::string& name, const Node& child);
    virtual Util::CountedPointer<ThreeDObjectLine> CreateLine(int id, const Vertex& from, const Vertex& to,
                                                              const Colour& colour);
    virtual Util::CountedPointer<ThreeDObjectNull> CreateNull(int id);
    virtual Util::CountedPointer<ThreeDObjectNumberList> CreateNumberList(int id, const std::vector<int>& numbers);
    virtual Util::CountedPointer<ThreeDObjectObjectList> CreateObjectList(int id, const Nodes& children);
    // planes and siblings: four each; x, y, z and objects: one entry per located object.
    virtual Util::CountedPointer<ThreeDObjectObjectLocator> CreateObjectLocator(
        int id, const std::vector<Plane>& planes, const Nodes& siblings, const Node& child,
        const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& z, const Nodes& objects);
    virtual Util::CountedPointer<ThreeDObjectObjectLocatorList> CreateObjectLocatorList(int id, const Nodes& children);
    virtual Util::CountedPointer<ThreeDObjectPlaneCullFront> CreatePlaneCullFront(int id, const Plane& plane,
                                                                                  const Node& child);
    virtual Util::CountedPointer<ThreeDObjectPlaneOrder2> CreatePlaneOrder2(int id, const Plane& plane,
                                                                            const Node& first, const Node& second);
    virtual Util::CountedPointer<ThreeDObjectPlaneOrder2CullFrontBack> CreatePlaneOrder2CullFrontBack(
        int id, const Plane& plane, const Node& first, const Node& second);
    virtual Util::CountedPointer<ThreeDObjectPlaneOrder3> CreatePlaneOrder3(int id, const Plane& plane,
                                                                            const Node& first, const Node& second,
                                                                            const Node& third);
    virtual Util::CountedPointer<ThreeDObjectPlaneOrder3CullFront> CreatePlaneOrder3CullFront(
        int id, const Plane& plane, const Node& first, const Node& second, const Node& third);
    virtual Util::CountedPointer<ThreeDObjectPlaneOrder4CullFrontBack> CreatePlaneOrder4CullFrontBack(
        int id, const Plane& plane, const Node& first, const Node& second, const Node& third, const Node& fourth);
    virtual Util::CountedPointer<ThreeDObjectPolygon> CreatePolygon(int id, const std::vector<Vertex>& vertices,
                                                                    const Colour& colour, bool hasShades,
                                                                    const std::vector<Colour>& shades, bool hasNormals,
                                                                    const std::vector<Normal>& normals,
                                                                    bool hasTextureVertices,
                                                                    const std::vector<TextureVertex>& textureVertices);
    virtual Util::CountedPointer<ThreeDObjectProxy> CreateProxy(int id, const Node& target);
    virtual Util::CountedPointer<ThreeDObjectRoot> CreateRoot(int id, const Nodes& children);
    virtual Util::CountedPointer<ThreeDObjectScaledBitmap> CreateScaledBitmap(int id, const Vertex& vertex,
                                                                              bool hasScale, double scale1,
                                                                              double scale2, double height,
                                                                              const std::string& bitmapName);
    virtual Util::CountedPointer<ThreeDObjectShape> CreateShape(int id, const std::string& name, const Node& first,
                                                                const Node& second);
    virtual Util::CountedPointer<ThreeDObjectTexture> CreateTexture(int id, const std::string& textureName,
                                                                    const Node& child);
    virtual Util::CountedPointer<ThreeDObjectTexture2> CreateTexture2(int id, const std::string& fileName);
    // levels: the split's child lists in order.
    virtual Util::CountedPointer<ThreeDObjectTrackDetailSplit> CreateTrackDetailSplit(int id,
                                                                                      const std::vector<Nodes>& levels,
                                                                                      const Node& child);
    virtual Util::CountedPointer<ThreeDObjectTrackDrawingDistances> CreateTrackDrawingDistances(
        int id, const std::vector<std::array<int, 4>>& records);
    virtual Util::CountedPointer<ThreeDObjectTrackIndex> CreateTrackIndex(int id, const std::vector<int>& numbers);
    virtual Util::CountedPointer<ThreeDObjectTrackLink> CreateTrackLink(int id, const std::vector<int>& numbers);
    virtual Util::CountedPointer<ThreeDObjectTrackRoot> CreateTrackRoot(int id, const Node& first, const Node& second);
    virtual Util::CountedPointer<ThreeDObjectTrackSections> CreateTrackSections(int id, const Node& first,
                                                                                const Nodes& middle, const Node& last);
    // Rotations in degrees.
    virtual Util::CountedPointer<ThreeDObjectTransformation> CreateTransformation(int id, double xTranslation,
                                                                                  double yTranslation,
                                                                                  double zTranslation, double xRotation,
                                                                                  double yRotation, double zRotation,
                                                                                  double scale, const Node& child);
    virtual Util::CountedPointer<ThreeDObjectTriangles> CreateTriangles(int id, const std::vector<U32>& indices);
    virtual Util::CountedPointer<ThreeDObjectVertices> CreateVertices(
        int id, const std::vector<Vertex>& vertices, const std::vector<Normal>& normals,
        const std::vector<TextureVertex>& textureVertices, const std::vector<TextureVertex>& secondTextureVertices);

protected:
    TdoFile() = default;
    TdoFile(const TdoFile&) = delete;
    TdoFile& operator=(const TdoFile&) = delete;

    // The shape of a subclass's node table.
    typedef std::map<int, Node> SubObjectMap;

    // The node of id in a node table. An unknown id fails with the assertion
    // "p != SubObjects.end()" and leaves the table as it was.
    static Node FindSubObject(const SubObjectMap& SubObjects, int id);
    // Enters a node into a node table under its own id, replacing a node of that id.
    static void EnterSubObject(SubObjectMap& SubObjects, const Node& node);

    // The id of a node that a factory is given as a child: the node must be one of the file's
    // own nodes (table: the file's node table keyed by id). Otherwise XUsage "<family> node
    // given no child" or "<family> node child not in this file", before anything is made.
    template <class Table>
    static int ChildIdIn(const Table& table, const Node& node, const char* family)
    {
        if (node.Get() == nullptr)
            throw Util::XUsage(std::string(family) + " node given no child");
        auto p = table.find(node->GetId());
        if (p == table.end() || p->second.Get() != node.Get())
            throw Util::XUsage(std::string(family) + " node child not in this file");
        return node->GetId();
    }
};
} // namespace Velmo::Papy

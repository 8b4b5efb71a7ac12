#pragma once
// A GPL 3D-object file (.3do, "3DO4"): a chunk file with the sections NORM (normals), XYZS
// (vertices), PLAN (planes), STRN (strings), PRIM (the instruction records that become the
// nodes) and HAND (named entry points).
//
// The file owns every node under its id. A node read from the file has the byte offset of its
// record in the PRIM data as id; -1 is the null node, -2 the root, -3, -4, ... the handles,
// and the editor's new nodes take ids from NewId (0x40000004, 0x40000008, ...). Nodes refer to
// each other by id only; a reference is resolved by GetSubObject each time it is followed.
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "Papy/GPL/GPLNodeTable.h"
#include "Papy/GPL/GPLValueTable.h"
#include "Papy/Model/DisplayClass.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/Vertex.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRoot;

class GPLTdoFile final : public TdoFile
{
public:
    // The node table, ordered by the id taken as unsigned: file offsets first, then the
    // editor's ids, then the handles (most recent first), then -2 and -1.
    typedef GPLNodeTable NodeTable;

    // Reads the whole file; any error leaves the constructor, nothing half-built is kept.
    explicit GPLTdoFile(const Util::CountedPointer<Util::BinaryStream>& stream);
    // A new empty file: only the null node; no root until one is made.
    GPLTdoFile();
    ~GPLTdoFile() override;
    // Nodes point back to their file, and the lookup index points into this file's table.
    GPLTdoFile(const GPLTdoFile&) = delete;
    GPLTdoFile& operator=(const GPLTdoFile&) = delete;

    Util::CountedPointer<ThreeDObjectRoot> GetRoot() const override;
    Util::CountedPointer<ThreeDObject> GetSubObject(int id) const override;
    Util::CountedPointer<ThreeDObjectNull> GetNull() const override;
    Util::CountedPointer<ThreeDObjectHandle> FindHandle(const std::string& name) const override;
    int NewId() override;

    // Lookups of the node classes.
    unsigned GetVertexCount() const;
    Vertex GetVertex(unsigned id) const;
    int AddVertex(const Vertex& vertex);
    Plane GetPlane(unsigned id) const;
    int AddPlane(const Plane& plane);
    Normal GetNormal(unsigned id) const;
    int AddNormal(const Normal& normal);
    std::string GetString(U32 offset) const;
    U32 AddString(const std::string& text);
    // The DisplayClass of a GPL display-class number: unknown numbers give Unknown, or fail
    // with "GPL 3do file unknown display class" when Strict is on (read at each call).
    DisplayClass GetDisplayClass(int number) const;
    int GetDisplayClassNumber(DisplayClass value) const;
    // Stores the node under its own id, replacing any node of that id.
    void AddSubObject(const Util::CountedPointer<ThreeDObject>& node);

    // Turns one PRIM record into its node: id is the offset of its type word in the PRIM data,
    // the reader stands behind the type word and is left behind the record.
    Util::CountedPointer<ThreeDObject> DecodeInstruction(int id, U32 typeWord, Util::RecordReader& reader);

    const std::string& GetFileName() const { return m_fileName; }
    const NodeTable& GetSubObjects() const { return m_subObjects; }
    const std::vector<Vertex>& GetVertices() const { return m_vertices.Values(); }
    const std::vector<Plane>& GetPlanes() const { return m_planes.Values(); }
    const std::vector<Normal>& GetNormals() const { return m_normals.Values(); }
    const std::map<U32, std::string>& GetStrings() const { return m_strings; }
    const std::vector<Util::CountedPointer<ThreeDObjectHandle>>& GetHandles() const { return m_handles; }
    U32 GetRootOffset() const { return m_rootOffset; }

    // The null node's file offset and id.
    static constexpr int NullId = -1;
    static constexpr int RootId = -2;
    static constexpr int FirstHandleId = -3;
    // Handle ids run from -3 down to this one (0xF0000000 taken as unsigned).
    static constexpr int LastHandleId = int(0xF0000000u - 0x100000000ll);
    static constexpr int FirstNewId = 0x40000004;
    // The largest PRIM data whose record offsets stay below the first NewId.
    static constexpr U32 MaxPrimSize = 0x40000000;

private:
    void Initialise();
    void Load(Util::BinaryStream& stream);
    void CheckSectionOrder(U32 id, U32 size) const;
    // A table section (NORM, XYZS, PLAN) of 16-byte records: make builds a value from the four
    // floats of a record. With a zeroMessage, a record whose first float is not zero is refused.
    template <class T, class Make>
    void ReadTable(Util::RecordReader& section, const char* sizeMessage, const char* zeroMessage,
                   GPLValueTable<T>& table, Make make);
    void ReadStrings(Util::RecordReader& section);
    void ReadInstructions(Util::RecordReader& section);
    void ReadHandles(Util::RecordReader& section);
    // The assertion of GetSubObject for an id that names no node.
    [[noreturn]] static void ThrowNoSubObject();

    NodeTable m_subObjects;
    GPLValueTable<Vertex> m_vertices;
    GPLValueTable<Plane> m_planes;
    GPLValueTable<Normal> m_normals;
    std::map<U32, std::string> m_strings;
    std::map<U32, std::string> m_saveStrings;
    // The offsets of m_saveStrings by their text, while a save fills it.
    std::unordered_map<std::string, U32> m_saveStringIndex;
    std::map<int, DisplayClass> m_displayClasses;
    std::vector<Util::CountedPointer<ThreeDObjectHandle>> m_handles;
    U32 m_rootOffset = 0xFFFFFFFF;
    int m_rootId = -1;
    int m_nextId = 0x40000000;
    int m_nextHandleId = FirstHandleId;
    std::string m_fileName;
    bool m_saving = false;

    // Load state.
    bool m_trackSeen = false;
    bool m_carSeen = false;
    bool m_primSeen = false;
    GPLRoot* m_loadRoot = nullptr;

public:
    // ---- Writing and the node factories ---------------------------------------------------
    // Writes the whole file from position 0 of the stream (bytes beyond the new end are left
    // as they were). Before anything changes, every node the save will write is checked: table
    // indexes and string offsets (XFileFormat naming the file), references to missing nodes
    // (the assertion "p != SubObjects.end()"), cycles and references to the root or a handle
    // (XFileFormat); a save refused there leaves the file object and the stream untouched.
    // Then the tables are compacted to the entries in use, in first-use order, every node that
    // a handle or the top node reaches is written once and gets its new file offset; ids stay.
    void Save(Util::CountedPointer<Util::BinaryStream>& stream) override;

    // The factories make a node with file offset 0 under the given id (replacing a node of
    // that id) from values in the editor's terms: vertices, planes and normals become table
    // indexes (an equal entry is reused), names string offsets, display classes GPL numbers,
    // children their ids. Every argument is checked before anything is stored; a refused call
    // is an XUsage and leaves the file as it was.
    Util::CountedPointer<ThreeDObjectBoundingBox> CreateBoundingBox(int id, const std::vector<Vertex>& corners,
                                                                    const Node& child) override;
    Util::CountedPointer<ThreeDObjectClassMaterial> CreateClassMaterial(int id, DisplayClass displayClass,
                                                                        double shininess, const Colour& specularShade,
                                                                        const Node& child) override;
    Util::CountedPointer<ThreeDObjectClassTexture> CreateClassTexture(int id, DisplayClass displayClass,
                                                                      const std::string& textureName,
                                                                      const Node& child) override;
    Util::CountedPointer<ThreeDObjectClassTextureMaterial> CreateClassTextureMaterial(
        int id, DisplayClass displayClass, const std::string& textureName, double shininess,
        const Colour& specularShade, const Node& child) override;
    Util::CountedPointer<ThreeDObjectDisplayClass> CreateDisplayClass(int id, DisplayClass displayClass,
                                                                      const Node& child) override;
    // The comparison is "greater or equal" (2); distances are stored as f32.
    Util::CountedPointer<ThreeDObjectDistanceSplitter> CreateDistanceSplitter(
        int id, const Vertex& centre, const Nodes& children, const std::vector<double>& distances) override;
    Util::CountedPointer<ThreeDObjectExtObject> CreateExtObject(int id, const std::string& objectName) override;
    // Takes the next handle id and hangs the handle from the root, which must exist.
    Util::CountedPointer<ThreeDObjectHandle> CreateHandle(const std::string& name, const Node& child) override;
    Util::CountedPointer<ThreeDObjectLine> CreateLine(int id, const Vertex& from, const Vertex& to,
                                                      const Colour& colour) override;
    Util::CountedPointer<ThreeDObjectNull> CreateNull(int id) override;
    Util::CountedPointer<ThreeDObjectNumberList> CreateNumberList(int id, const std::vector<int>& numbers) override;
    Util::CountedPointer<ThreeDObjectObjectList> CreateObjectList(int id, const Nodes& children) override;
    Util::CountedPointer<ThreeDObjectObjectLocator> CreateObjectLocator(
        int id, const std::vector<Plane>& planes, const Nodes& siblings, const Node& child,
        const std::vector<double>& x, const std::vector<double>& y, const std::vector<double>& z,
        const Nodes& objects) override;
    Util::CountedPointer<ThreeDObjectObjectLocatorList> CreateObjectLocatorList(int id, const Nodes& children) override;
    Util::CountedPointer<ThreeDObjectPlaneCullFront> CreatePlaneCullFront(int id, const Plane& plane,
                                                                          const Node& child) override;
    Util::CountedPointer<ThreeDObjectPlaneOrder2> CreatePlaneOrder2(int id, const Plane& plane, const Node& first,
                                                                    const Node& second) override;
    Util::CountedPointer<ThreeDObjectPlaneOrder2CullFrontBack> CreatePlaneOrder2CullFrontBack(
        int id, const Plane& plane, const Node& first, const Node& second) override;
    Util::CountedPointer<ThreeDObjectPlaneOrder3> CreatePlaneOrder3(int id, const Plane& plane, const Node& first,
                                                                    const Node& second, const Node& third) override;
    Util::CountedPointer<ThreeDObjectPlaneOrder3CullFront> CreatePlaneOrder3CullFront(
        int id, const Plane& plane, const Node& first, const Node& second, const Node& third) override;
    Util::CountedPointer<ThreeDObjectPlaneOrder4CullFrontBack> CreatePlaneOrder4CullFrontBack(
        int id, const Plane& plane, const Node& first, const Node& second, const Node& third,
        const Node& fourth) override;
    // The class follows the three flags; the polygon carries a full colour.
    Util::CountedPointer<ThreeDObjectPolygon> CreatePolygon(int id, const std::vector<Vertex>& vertices,
                                                            const Colour& colour, bool hasShades,
                                                            const std::vector<Colour>& shades, bool hasNormals,
                                                            const std::vector<Normal>& normals,
                                                            bool hasTextureVertices,
                                                            const std::vector<TextureVertex>& textureVertices) override;
    Util::CountedPointer<ThreeDObjectProxy> CreateProxy(int id, const Node& target) override;
    // The top node becomes the first child.
    Util::CountedPointer<ThreeDObjectRoot> CreateRoot(int id, const Nodes& children) override;
    // GPL bitmaps are sized by a height: with hasScale set nothing is made (an empty pointer).
    Util::CountedPointer<ThreeDObjectScaledBitmap> CreateScaledBitmap(int id, const Vertex& vertex, bool hasScale,
                                                                      double scale1, double scale2, double height,
                                                                      const std::string& bitmapName) override;
    Util::CountedPointer<ThreeDObjectTexture> CreateTexture(int id, const std::string& textureName,
                                                            const Node& child) override;
    // Exactly three levels of 4, 2 and 1 nodes.
    Util::CountedPointer<ThreeDObjectTrackDetailSplit> CreateTrackDetailSplit(int id, const std::vector<Nodes>& levels,
                                                                              const Node& child) override;
    Util::CountedPointer<ThreeDObjectTrackDrawingDistances> CreateTrackDrawingDistances(
        int id, const std::vector<std::array<int, 4>>& records) override;
    Util::CountedPointer<ThreeDObjectTrackIndex> CreateTrackIndex(int id, const std::vector<int>& numbers) override;
    // Exactly four numbers.
    Util::CountedPointer<ThreeDObjectTrackLink> CreateTrackLink(int id, const std::vector<int>& numbers) override;
    Util::CountedPointer<ThreeDObjectTrackRoot> CreateTrackRoot(int id, const Node& first, const Node& second) override;
    Util::CountedPointer<ThreeDObjectTrackSections> CreateTrackSections(int id, const Node& first, const Nodes& middle,
                                                                        const Node& last) override;
    // Rotations in degrees; every value is stored as f32.
    Util::CountedPointer<ThreeDObjectTransformation> CreateTransformation(int id, double xTranslation,
                                                                          double yTranslation, double zTranslation,
                                                                          double xRotation, double yRotation,
                                                                          double zRotation, double scale,
                                                                          const Node& child) override;

private:
    // The id a record holds for node, a node of this file; XUsage for anything else.
    U32 ReferenceTo(const Node& node) const;
    std::vector<U32> ReferencesTo(const Nodes& nodes) const;
    // XUsage for the ids of the null node and the handles, which a factory may not replace,
    // and for the root's id unless the factory makes a root.
    static void CheckNewId(int id, bool root = false);
    // Stores a new node under its id and hands it back as its kind.
    template <class Kind>
    Util::CountedPointer<Kind> Store(Kind* node);
    // ---- End of writing and the node factories ---------------------------------------------
};

// Every reference between nodes is followed through here: kept inline for the walks.
inline Util::CountedPointer<ThreeDObject> GPLTdoFile::GetSubObject(int id) const
{
    if (const Node* node = m_subObjects.Find(id))
        return *node;
    ThrowNoSubObject();
}
} // namespace Velmo::Papy

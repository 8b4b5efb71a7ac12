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
#include <vector>

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
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRoot;

class GPLTdoFile : public TdoFile
{
public:
    // The node table, ordered by the id taken as unsigned: file offsets first, then the
    // editor's ids, then the handles (most recent first), then -2 and -1.
    struct IdOrder
    {
        bool operator()(int a, int b) const { return U32(a) < U32(b); }
    };
    typedef std::map<int, Util::CountedPointer<ThreeDObject>, IdOrder> NodeTable;

    // Reads the whole file; any error leaves the constructor, nothing half-built is kept.
    explicit GPLTdoFile(const Util::CountedPointer<Util::BinaryStream>& stream);
    // A new empty file: only the null node; no root until one is made.
    GPLTdoFile();
    ~GPLTdoFile() override;

    Util::CountedPointer<ThreeDObjectRoot> GetRoot() const override;
    Util::CountedPointer<ThreeDObject> GetSubObject(int id) const override;
    Util::CountedPointer<ThreeDObjectNull> GetNull() const override;
    Util::CountedPointer<ThreeDObjectHandle> FindHandle(const std::string& name) const override;
    int NewId() override;
    // Writing a whole file belongs to the GPL writer, which is not part of this library yet.
    void Save(Util::CountedPointer<Util::BinaryStream>& stream) override;

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
    // the stream stands behind the type word and is left behind the record.
    Util::CountedPointer<ThreeDObject> DecodeInstruction(int id, U32 typeWord, Util::BinaryStream& stream);

    const std::string& GetFileName() const { return m_fileName; }
    const NodeTable& GetSubObjects() const { return m_subObjects; }
    const std::vector<Vertex>& GetVertices() const { return m_vertices; }
    const std::vector<Plane>& GetPlanes() const { return m_planes; }
    const std::vector<Normal>& GetNormals() const { return m_normals; }
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
    void ReadNormals(Util::BinaryStream& stream, const std::vector<U8>& data);
    void ReadVertices(Util::BinaryStream& stream, const std::vector<U8>& data, bool strict);
    void ReadPlanes(Util::BinaryStream& stream, const std::vector<U8>& data);
    void ReadStrings(Util::BinaryStream& stream, const std::vector<U8>& data);
    void ReadInstructions(Util::BinaryStream& stream, const std::vector<U8>& data);
    void ReadHandles(Util::BinaryStream& stream, const std::vector<U8>& data);

    NodeTable m_subObjects;
    std::vector<Vertex> m_vertices;
    std::vector<Plane> m_planes;
    std::vector<Normal> m_normals;
    std::map<U32, std::string> m_strings;
    std::map<U32, std::string> m_saveStrings;
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
};
} // namespace Velmo::Papy

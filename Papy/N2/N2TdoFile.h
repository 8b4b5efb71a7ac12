#pragma once
// An N2 3D-object file (.3do, "3DO3"), read only: a chunk file with the sections PREP
// (vertices), NORM (normals), STRN (strings) and PRIM (the instruction records that become the
// nodes), in any order and number.
//
// The file owns every node under its id: a node read from PRIM has the byte offset of its
// record in the PRIM data as id and file offset; -1 is the null node, -2 the root; nodes made
// after loading (line segments, the track nodes of the fix-up) take ids from NewId
// (0x40000005, 0x4000000A, ...). Nodes refer to each other by id, resolved on every request.
//
// Palette colours and textures come from the factory the file was opened through: the file
// takes that factory's palette server and MIP maker when it is made and asks them on every
// call (the palette in force, the texture of a name). It holds the two facets, not the factory:
// a caller may keep the file after the registry's purge has dropped the factory.
#include <map>
#include <string>
#include <vector>

#include "Papy/Model/Colour.h"
#include "Papy/Model/Normal.h"
#include "Papy/Model/Plane.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/Vertex.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class FileFactory;
class MipFile;

class N2TdoFile : public TdoFile
{
public:
    typedef std::map<int, Util::CountedPointer<ThreeDObject>> NodeTable;

    // Reads the whole file; any error leaves the constructor, nothing half-built is kept. The
    // factory (not owned; null for none) gives the file its palette server and MIP maker; it need
    // not outlive the file.
    N2TdoFile(const Util::CountedPointer<Util::BinaryStream>& stream, FileFactory* factory);
    ~N2TdoFile() override;
    N2TdoFile(const N2TdoFile&) = delete;
    N2TdoFile& operator=(const N2TdoFile&) = delete;

    Util::CountedPointer<ThreeDObjectRoot> GetRoot() const override;
    Util::CountedPointer<ThreeDObject> GetSubObject(int id) const override;
    Util::CountedPointer<ThreeDObjectNull> GetNull() const override;
    Util::CountedPointer<ThreeDObjectHandle> FindHandle(const std::string& name) const override;
    int NewId() override;
    // N2 files are never written: refused with XUsage "N2 3do file cannot be saved", and the
    // stream is not touched.
    void Save(Util::CountedPointer<Util::BinaryStream>& stream) override;
    bool CanSave() const override { return false; }

    // Stores the node under its own id, replacing any node of that id.
    void AddSubObject(const Util::CountedPointer<ThreeDObject>& node);

    // Lookups of the node classes; an index or key the file does not have fails an assertion.
    Vertex GetVertex(U32 index) const;
    Normal GetNormal(U32 index) const;
    std::string GetString(U32 offset) const;
    int GetDisplayClass(int number) const;
    // The entry of the palette in force in the factory's palette server. Without a palette
    // server or palette, or for an index beyond the palette: transparent black, the meaning
    // of entry 0. A factory without the kind fails the assertion "HasFacet<FacetT>()".
    Colour GetColour(U32 index) const;
    // The texture of that name through the factory's MIP maker; a missing file fails with
    // the maker's error, a factory without the kind the assertion "HasFacet<FacetT>()".
    Util::CountedPointer<MipFile> GetTexture(const std::string& name) const;
    // Width and height of a texture's full-size bitmap.
    static void GetTextureSize(const Util::CountedPointer<MipFile>& texture, U32& width, U32& height);

    // Turns one PRIM record into its node: id is the record's offset in the PRIM data, the
    // reader stands behind the five-byte record header and is left behind the record.
    Util::CountedPointer<ThreeDObject> DecodeInstruction(int id, U8 type, Util::RecordReader& reader);

    const std::string& GetFileName() const { return m_fileName; }
    const NodeTable& GetSubObjects() const { return m_subObjects; }
    const std::vector<Vertex>& GetVertices() const { return m_vertices; }
    const std::vector<Normal>& GetNormals() const { return m_normals; }
    // The number of STRN strings (of distinct offsets).
    std::size_t GetStringCount() const { return m_stringStarts.size(); }

    static constexpr int NullId = -1;
    static constexpr int RootId = -2;
    static constexpr int FirstNewId = 0x40000005;
    // The largest PRIM data whose record offsets stay below the first NewId.
    static constexpr U32 MaxPrimSize = 0x40000000;

private:
    // The facets the file asks of the factory it was opened through.
    struct FactoryFacets
    {
        bool opened = false;      // a factory was given
        bool hasPalettes = false; // it carries the kind (whose facet may be empty)
        bool hasTextures = false;
        Util::CountedPointer<PaletteServer> palettes;
        Util::CountedPointer<MakeMip> textures;
    };
    static FactoryFacets TakeFacets(const FileFactory* factory);

    void Load(Util::BinaryStream& stream);
    // The sections in the next size bytes of file; each section reader is given a reader over
    // that section's data in memory.
    void ReadSections(Util::RecordReader& file, U32 size);
    void ReadVertices(Util::RecordReader& section);
    void ReadNormals(Util::RecordReader& section);
    void ReadStrings(Util::RecordReader& section);
    // Orders the string starts by offset, the last section's string winning an offset.
    void FinishStrings();
    void ReadInstructions(Util::RecordReader& section);

    FactoryFacets m_factory;
    NodeTable m_subObjects;
    std::vector<Vertex> m_vertices;
    std::vector<Normal> m_normals;
    std::map<int, int> m_displayClasses;
    // The STRN strings, in memory a small multiple of the sections' bytes however short the
    // strings: the sections' bytes one after another, each followed by a NUL so that every
    // string ends in one, and where each string starts in them, by its offset in its section.
    std::vector<char> m_stringBytes;
    std::vector<std::pair<U32, U32>> m_stringStarts;
    int m_rootId = 0;
    int m_nextId = 0x40000000;
    std::string m_fileName;

    // Load state.
    bool m_trackSeen = false;
    bool m_grooveSeen = false;
    bool m_primSeen = false;
};

// The plane of an N2 record: (a, b, c) scaled to unit length (a length of 0 taken as 1) and
// the distance dHigh:dLow, a signed 64-bit count of N2 lengths, over that length. The
// distance is rounded half away from zero and clamped to the 32-bit range before it becomes
// metres.
Plane N2PlaneFromInts(S32 a, S32 b, S32 c, S32 dHigh, S32 dLow);
// (x, y, z) over its length; a length of 0 counts as 1.
Normal N2NormalFromInts(S32 x, S32 y, S32 z);
} // namespace Velmo::Papy

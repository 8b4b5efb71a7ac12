#pragma once
// An N4 .3do or .ptf file: an object archive (see N4Archiver) loaded into a table of nodes.
// The two kinds of file differ only in the node classes they may hold (GetN4TdoArchivers,
// GetN4PtfArchivers).
//
// Fixed ids: 0 is the null node (the target of every null reference), -1 a second null node,
// -2 the root of a loaded file, whose one child is archive object 1; archive objects keep
// their archive numbers; nodes made by the editor get ids from NewId (0x40000001 upwards).
#include <map>
#include <string>
#include <vector>

#include "Papy/Model/TdoFile.h"
#include "Papy/N4/N4Archiver.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactory;

class N4TdoFile : public TdoFile
{
public:
    // Loads the whole file from the stream; throws what the archive and the node readers
    // throw (XFileFormat naming the stream, XFileRead, XAssertion). The factory the file is
    // opened through is not kept: N4 files ask nothing of it, and a file may outlive it.
    N4TdoFile(Util::CountedPointer<Util::BinaryStream> stream, const N4ArchiverList& archivers,
              FileFactory* factory);
    // A new, empty file: the two null nodes and no root until CreateRoot.
    N4TdoFile(const N4ArchiverList& archivers, FileFactory* factory);
    ~N4TdoFile() override;

    Util::CountedPointer<ThreeDObjectRoot> GetRoot() const override;
    Node GetSubObject(int id) const override;
    Util::CountedPointer<ThreeDObjectNull> GetNull() const override;
    // N4 files have no handles: always an empty pointer.
    Util::CountedPointer<ThreeDObjectHandle> FindHandle(const std::string& name) const override;
    int NewId() override;
    // Writes the archive from offset 0; the stream ends where the archive ends. A file
    // without a root refuses with XUsage.
    void Save(Util::CountedPointer<Util::BinaryStream>& stream) override;

    Util::CountedPointer<ThreeDObjectAnimatedTransform> CreateAnimatedTransform(int id, const std::string& name,
                                                                                const std::string& text, double d0,
                                                                                double d1, double d2, double d3,
                                                                                double d4, double d5,
                                                                                const Node& child) override;
    // textureFunction is the enumeration value 0 to 5 (any other fails the assertion "false").
    Util::CountedPointer<ThreeDObjectAppearance> CreateAppearance(int id, const std::string& name, double red,
                                                                  double green, double blue, const Node& first,
                                                                  const Node& second, const Node& third,
                                                                  int textureFunction) override;
    Util::CountedPointer<ThreeDObjectGeometry> CreateGeometry(int id, const Node& first, const Node& second) override;
    // children must hold exactly one node; it becomes the file's root.
    Util::CountedPointer<ThreeDObjectRoot> CreateRoot(int id, const Nodes& children) override;
    Util::CountedPointer<ThreeDObjectShape> CreateShape(int id, const std::string& name, const Node& first,
                                                        const Node& second) override;
    // A version 2 texture, not shared.
    Util::CountedPointer<ThreeDObjectTexture2> CreateTexture2(int id, const std::string& fileName) override;
    Util::CountedPointer<ThreeDObjectTriangles> CreateTriangles(int id, const std::vector<U32>& indices) override;
    Util::CountedPointer<ThreeDObjectVertices> CreateVertices(
        int id, const std::vector<Vertex>& vertices, const std::vector<Normal>& normals,
        const std::vector<TextureVertex>& textureVertices,
        const std::vector<TextureVertex>& secondTextureVertices) override;

    // -- for the node classes -----------------------------------------------------------
    // The archive of the load or save in progress (assertion when there is none).
    N4Archiver& GetArchive() const;
    // Enters a node under its own id, replacing a node of the same id.
    void AddSubObject(const Node& node);
    // The zero bytes that followed the archive in the loaded file; written back on save.
    U32 GetPadding() const { return m_padding; }
    const N4ArchiverList& GetArchivers() const { return m_archivers; }

private:
    void AddNullNodes();
    // Factories refuse the reserved ids and children that are not nodes of this file (XUsage).
    void CheckNewId(int id) const;
    int ChildId(const Node& child) const;

    SubObjectMap SubObjects;
    int m_idCounter = 0x40000000;
    static constexpr int LoadedRootId = -2;
    int m_rootId = -1;
    N4Archiver* m_archive = nullptr;
    N4ArchiverList m_archivers;
    U32 m_padding = 0;
    U64 m_loadedSize = 0; // the size of the file as loaded: what a save will likely need
};
} // namespace Velmo::Papy

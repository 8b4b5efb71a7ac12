#include "Papy/N4/N4TdoFile.h"

#include <limits>
#include <memory>

#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/N4/N4AnimatedTransform.h"
#include "Papy/N4/N4Appearance.h"
#include "Papy/N4/N4Geometry.h"
#include "Papy/N4/N4Null.h"
#include "Papy/N4/N4PlainVertexList.h"
#include "Papy/N4/N4Root.h"
#include "Papy/N4/N4Shape.h"
#include "Papy/N4/N4Texture.h"
#include "Papy/N4/N4TriList.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
// Makes an archive the file's current one for the life of a load or save.
class CurrentArchive
{
public:
    CurrentArchive(N4Archiver*& slot, N4Archiver& archive) : m_slot(slot) { m_slot = &archive; }
    ~CurrentArchive() { m_slot = nullptr; }
    CurrentArchive(const CurrentArchive&) = delete;
    CurrentArchive& operator=(const CurrentArchive&) = delete;

private:
    N4Archiver*& m_slot;
};

constexpr U64 Chunk = U64(1) << 30;
} // namespace

N4TdoFile::N4TdoFile(Util::CountedPointer<Util::BinaryStream> stream, const N4ArchiverList& archivers,
                     FileFactory*)
    : m_archivers(archivers)
{
    Util::BinaryStream& source = *stream;
    source.Seek(0);
    AddNullNodes();

    // The archive is parsed from memory under the stream's name, so that every message names
    // the file as before: in place when the stream holds its bytes in memory already (an
    // unpacked container entry), else after one read of the whole file into a block.
    U64 size = source.Size();
    if (size > std::numeric_limits<U32>::max())
        throw Util::XFileFormat(source.GetName(), "N4 archive too large");
    std::unique_ptr<U8[]> data;
    const U8* bytes = source.GetBlock();
    if (bytes == nullptr)
    {
        data.reset(new U8[size == 0 ? 1 : size]);
        for (U64 done = 0; done < size;)
        {
            U32 part = U32(std::min(size - done, Chunk));
            source.Read(part, data.get() + done);
            done += part;
        }
        bytes = data.get();
    }
    Util::RecordReader reader(bytes, size, source.GetName());

    N4Archiver archive(m_archivers);
    int rootId;
    {
        CurrentArchive current(m_archive, archive);
        rootId = archive.Load(reader, *this);
    }
    VELMO_ASSERT_TEXT(rootId == 1, "root_id == 1");
    m_padding = archive.GetPadding();
    m_loadedSize = size;
    m_rootId = LoadedRootId;
    AddSubObject(Util::CountedPointer<ThreeDObject>(new N4Root(*this, LoadedRootId, 1)));
}

N4TdoFile::N4TdoFile(const N4ArchiverList& archivers, FileFactory*)
    : m_archivers(archivers)
{
    AddNullNodes();
}

N4TdoFile::~N4TdoFile() = default;

void N4TdoFile::AddNullNodes()
{
    AddSubObject(Util::CountedPointer<ThreeDObject>(new N4Null(0)));
    AddSubObject(Util::CountedPointer<ThreeDObject>(new N4Null(-1)));
}

void N4TdoFile::AddSubObject(const Node& node)
{
    EnterSubObject(SubObjects, node);
}

N4Archiver& N4TdoFile::GetArchive() const
{
    VELMO_ASSERT(m_archive != nullptr);
    return *m_archive;
}

Util::CountedPointer<ThreeDObjectRoot> N4TdoFile::GetRoot() const
{
    Util::CountedPointer<ThreeDObjectRoot> root;
    root = GetSubObject(m_rootId);
    return root;
}

TdoFile::Node N4TdoFile::GetSubObject(int id) const
{
    return FindSubObject(SubObjects, id);
}

Util::CountedPointer<ThreeDObjectNull> N4TdoFile::GetNull() const
{
    Util::CountedPointer<ThreeDObjectNull> null;
    null = GetSubObject(0);
    return null;
}

Util::CountedPointer<ThreeDObjectHandle> N4TdoFile::FindHandle(const std::string&) const
{
    return Util::CountedPointer<ThreeDObjectHandle>();
}

int N4TdoFile::NewId()
{
    return ++m_idCounter;
}

void N4TdoFile::CheckNewId(int id) const
{
    // The null nodes and the root of a loaded file are the file's own: a factory never
    // replaces them (GetNull and GetRoot would lose their nodes).
    if (id == 0 || id == -1 || id == LoadedRootId)
        throw Util::XUsage("N4 node id reserved for the null nodes or the root");
}

int N4TdoFile::ChildId(const Node& child) const
{
    return ChildIdIn(SubObjects, child, "N4");
}

void N4TdoFile::Save(Util::CountedPointer<Util::BinaryStream>& stream)
{
    Util::CountedPointer<ThreeDObjectRoot> root = GetRoot();
    if (!root)
        throw Util::XUsage("N4 3do file has no root to save");
    // An archive is its root object: a root over the null node would write the lone reference
    // 0, which no load accepts.
    if (dynamic_cast<ThreeDObjectNull*>(root->GetChild(0).Get()) != nullptr)
        throw Util::XUsage("N4 3do file has no root object to save");

    Util::BinaryStream& target = *stream;
    target.Seek(0);
    // The archive is written into memory and handed to the stream in one write.
    Util::MemoryStream buffer(target.GetName());
    buffer.Reserve(m_loadedSize);
    N4Archiver archive(m_archivers);
    {
        CurrentArchive current(m_archive, archive);
        archive.BeginSave(buffer);
        root->Write(buffer, 0);
    }
    const U8 zeros[N4Archiver::MaxPadding] = {};
    buffer.Write(m_padding, zeros);

    const U64 size = buffer.Size();
    // Saving over a longer stream must not leave its old tail behind the archive: a stream that
    // cannot be shortened is refused before anything is written to it.
    auto* file = dynamic_cast<Util::BinaryFile*>(&target);
    auto* memory = dynamic_cast<Util::MemoryStream*>(&target);
    const bool longer = target.Size() > size;
    if (longer && !file && !memory)
        throw Util::XFileWrite(target.GetName());
    for (U64 done = 0; done < size;)
    {
        U32 part = U32(std::min<U64>(size - done, Chunk));
        target.Write(part, buffer.GetData() + done);
        done += part;
    }
    if (longer)
    {
        if (file)
            file->Truncate();
        else
            memory->Truncate();
    }
    target.Flush();
}

Util::CountedPointer<ThreeDObjectAnimatedTransform> N4TdoFile::CreateAnimatedTransform(
    int id, const std::string& name, const std::string& text, double d0, double d1, double d2, double d3, double d4,
    double d5, const Node& child)
{
    CheckNewId(id);
    const double values[6] = {d0, d1, d2, d3, d4, d5};
    Util::CountedPointer<ThreeDObjectAnimatedTransform> node(
        new N4AnimatedTransform(*this, id, name, text, values, ChildId(child)));
    AddSubObject(node);
    return node;
}

Util::CountedPointer<ThreeDObjectAppearance> N4TdoFile::CreateAppearance(int id, const std::string& name, double red,
                                                                       double green, double blue, const Node& first,
                                                                       const Node& second, const Node& third,
                                                                       int textureFunction)
{
    CheckNewId(id);
    // Any null node (also the second one, -1) is the absent link 0, as a saved file reads back.
    auto link = [this](const Node& node) {
        int child = ChildId(node);
        return dynamic_cast<ThreeDObjectNull*>(node.Get()) ? 0 : child;
    };
    Util::CountedPointer<ThreeDObjectAppearance> node(new N4Appearance(*this, id, name, red, green, blue, link(first),
                                                                       link(second), link(third), textureFunction));
    AddSubObject(node);
    return node;
}

Util::CountedPointer<ThreeDObjectGeometry> N4TdoFile::CreateGeometry(int id, const Node& first, const Node& second)
{
    CheckNewId(id);
    Util::CountedPointer<ThreeDObjectGeometry> node(new N4Geometry(*this, id, ChildId(first), ChildId(second)));
    AddSubObject(node);
    return node;
}

Util::CountedPointer<ThreeDObjectRoot> N4TdoFile::CreateRoot(int id, const Nodes& children)
{
    VELMO_ASSERT_TEXT(children.size() == 1, "children.size() == 1");
    CheckNewId(id);
    Util::CountedPointer<ThreeDObjectRoot> node(new N4Root(*this, id, ChildId(children[0])));
    AddSubObject(node);
    m_rootId = id;
    return node;
}

Util::CountedPointer<ThreeDObjectShape> N4TdoFile::CreateShape(int id, const std::string& name, const Node& first,
                                                               const Node& second)
{
    CheckNewId(id);
    Util::CountedPointer<ThreeDObjectShape> node(new N4Shape(*this, id, name, ChildId(first), ChildId(second)));
    AddSubObject(node);
    return node;
}

Util::CountedPointer<ThreeDObjectTexture2> N4TdoFile::CreateTexture2(int id, const std::string& fileName)
{
    CheckNewId(id);
    Util::CountedPointer<ThreeDObjectTexture2> node(new N4Texture(*this, id, fileName));
    AddSubObject(node);
    return node;
}

Util::CountedPointer<ThreeDObjectTriangles> N4TdoFile::CreateTriangles(int id, const std::vector<U32>& indices)
{
    CheckNewId(id);
    Util::CountedPointer<ThreeDObjectTriangles> node(new N4TriList(*this, id, indices));
    AddSubObject(node);
    return node;
}

Util::CountedPointer<ThreeDObjectVertices> N4TdoFile::CreateVertices(
    int id, const std::vector<Vertex>& vertices, const std::vector<Normal>& normals,
    const std::vector<TextureVertex>& textureVertices, const std::vector<TextureVertex>& secondTextureVertices)
{
    CheckNewId(id);
    Util::CountedPointer<ThreeDObjectVertices> node(
        new N4PlainVertexList(*this, id, vertices, normals, textureVertices, secondTextureVertices));
    AddSubObject(node);
    return node;
}
} // namespace Velmo::Papy

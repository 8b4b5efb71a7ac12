#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "N4TestSupport.h"
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/BinaryFile.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
// Counts the nodes a walk meets, by id.
class IdCollector : public ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override
    {
        ++seen[node.GetId()];
        return true;
    }
    void Visit(ThreeDObject& node) override { ++seen[node.GetId()]; }
    std::map<int, int> seen;
};

TdoFile::Node Null(N4TdoFile& file)
{
    TdoFile::Node node;
    node = file.GetNull();
    return node;
}
} // namespace

TEST(N4TdoFile, GeneratedSamplesRoundTripByteIdentically)
{
    for (const char* name : {"structure.3do", "structure-padded.3do", "shared.3do"})
    {
        Bytes bytes = ReadSample(name);
        auto file = Load(bytes);
        Bytes saved = Save(*file);
        EXPECT_EQ(saved, bytes) << name;
        // And the saved file reads back to the same bytes again.
        EXPECT_EQ(Save(*Load(saved)), bytes) << name;
    }
}

TEST(N4TdoFile, FixedIdsOfALoadedFile)
{
    auto file = Load(ReadSample("shared.3do"));
    EXPECT_EQ(file->GetSubObject(0)->GetId(), 0);
    EXPECT_EQ(file->GetSubObject(-1)->GetId(), -1);
    EXPECT_EQ(file->GetNull()->GetId(), 0);
    EXPECT_EQ(file->GetSubObject(0)->GetFileOffset(), ~U64(0));
    auto root = file->GetRoot();
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetId(), -2);
    ASSERT_EQ(root->GetChildCount(), 1);
    EXPECT_EQ(root->GetChild(0)->GetId(), 1);
    EXPECT_THROW(root->GetFileOffset(), Util::XAssertion);
    EXPECT_FALSE(file->FindHandle("anything"));
    try
    {
        file->GetSubObject(2); // a class number, not a node
        ADD_FAILURE();
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "p != SubObjects.end()");
    }
    // Group 1 (class 2), shape 3 (class 4), referenced three times, and group 5.
    IdCollector walk;
    root->Accept(walk);
    EXPECT_EQ(walk.seen, (std::map<int, int>{{-2, 1}, {0, 6}, {1, 1}, {3, 3}, {5, 1}}));

    EXPECT_EQ(file->NewId(), 0x40000001);
    EXPECT_EQ(file->NewId(), 0x40000002);
}

TEST(N4TdoFile, NullNodeWritesTheNullReference)
{
    auto file = Load(ReadSample("shared.3do"));
    Util::MemoryStream out("x");
    file->GetNull()->Write(out, 0);
    file->GetSubObject(-1)->Write(out, 0);
    EXPECT_EQ(out.GetBytes(), Bytes(8, 0));
}

TEST(N4TdoFile, RegistryOfTheOtherKindRefusesTheFirstForeignClass)
{
    EXPECT_EQ(FormatError(ReadSample("structure.3do"), GetN4PtfArchivers()),
              "N4 archive unknown descriptor GroupDescriptor");
    EXPECT_EQ(FormatError(ReadSample("track.ptf"), GetN4TdoArchivers()),
              "N4 archive unknown descriptor TrackDescriptor");
}

TEST(N4TdoFile, RegistriesInTheirOrder)
{
    auto names = [](const N4ArchiverList& list) {
        std::vector<std::string> out;
        for (const N4ArchivedTdoType* type : list)
            out.push_back(type->GetDescriptorName());
        return out;
    };
    const std::vector<std::string> tdo = {
        "AnimatedTransformDescriptor", "AppearanceDescriptor", "AppNodeDescriptor", "BillboardDescriptor",
        "EmptyDescriptor", "GeometryDescriptor", "GroupDescriptor", "LodSwitchDescriptor",
        "PlainVertexListDescriptor", "PointLightDescriptor", "PortalDescriptor", "RegionMorphVertexListDescriptor",
        "SelfLightingDescriptor", "ShapeDescriptor", "StateSwitchDescriptor", "TextureDescriptor",
        "TransformDescriptor", "TriFanDescriptor", "TriListDescriptor", "TriStripDescriptor"};
    const std::vector<std::string> ptf = {
        "AppearanceDescriptor", "F_SectionDescriptor", "TextureDescriptor", "TextureCoordsDescriptor",
        "TrackDescriptor", "TrackDetailDescriptor", "SegmentDescriptor", "TSODescriptor", "TSOReferenceDescriptor",
        "W_SectionDescriptor", "X_SectionDescriptor"};
    EXPECT_EQ(names(GetN4TdoArchivers()), tdo);
    EXPECT_EQ(names(GetN4PtfArchivers()), ptf);
    EXPECT_EQ(&GetN4TdoArchivers(), &GetN4TdoArchivers());
}

TEST(N4TdoFile, NewFileBuiltWithTheFactoriesSavesAndLoads)
{
    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    EXPECT_EQ(file.GetSubObject(0)->GetId(), 0);
    EXPECT_EQ(file.GetSubObject(-1)->GetId(), -1);
    EXPECT_FALSE(file.GetRoot());

    // Saving before there is a root refuses instead of writing nothing.
    auto* buffer = new Util::MemoryStream("new.3do");
    Util::CountedPointer<Util::BinaryStream> stream(buffer);
    EXPECT_THROW(file.Save(stream), Util::XUsage);
    EXPECT_EQ(buffer->Size(), 0u);

    std::vector<Vertex> vertices = {Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)};
    std::vector<Normal> normals(3, Normal(0, 0, 1));
    std::vector<TextureVertex> uv = {TextureVertex(0, 0), TextureVertex(1, 0), TextureVertex(0, 1)};
    TdoFile::Node list(file.CreateVertices(file.NewId(), vertices, normals, uv, {}));
    TdoFile::Node tris(file.CreateTriangles(file.NewId(), {0, 1, 2}));
    TdoFile::Node geometry(file.CreateGeometry(file.NewId(), list, tris));
    auto texture = file.CreateTexture2(file.NewId(), "skin.mip");
    // A new texture is of version 2: it is not shared, and it can be.
    EXPECT_FALSE(texture->IsShared());
    texture->SetShared(true);
    TdoFile::Node textureNode(texture);
    TdoFile::Node shape(file.CreateShape(file.NewId(), "body", textureNode, geometry));
    // A second shape over the same geometry: the geometry is written once.
    TdoFile::Node top(file.CreateGeometry(file.NewId(), shape, file.CreateShape(file.NewId(), "", Null(file), geometry)));
    auto root = file.CreateRoot(file.NewId(), {top});
    EXPECT_EQ(file.GetRoot().Get(), root.Get());
    EXPECT_EQ(top->GetFileOffset(), 0u);

    Bytes saved = Save(file);
    // Written nodes get the offsets of their new records.
    EXPECT_EQ(top->GetFileOffset(), 0u);
    EXPECT_GT(geometry->GetFileOffset(), 0u);

    auto loaded = Load(saved);
    Util::CountedPointer<ThreeDObjectGeometry> g;
    g = loaded->GetRoot()->GetChild(0);
    ASSERT_TRUE(g);
    Util::CountedPointer<ThreeDObjectShape> first, second;
    first = g->GetVertices();
    second = g->GetPolygons();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetName(), "body");
    EXPECT_EQ(first->GetGeometry().Get(), second->GetGeometry().Get());
    EXPECT_EQ(second->GetAppearance()->GetId(), 0);
    Util::CountedPointer<ThreeDObjectTexture2> t;
    t = first->GetAppearance();
    ASSERT_TRUE(t);
    EXPECT_EQ(t->GetFileName(), "skin.mip");
    EXPECT_TRUE(t->IsShared());
    Util::CountedPointer<ThreeDObjectGeometry> mesh;
    mesh = first->GetGeometry();
    Util::CountedPointer<ThreeDObjectVertices> v;
    v = mesh->GetVertices();
    Util::CountedPointer<ThreeDObjectTriangles> ix;
    ix = mesh->GetPolygons();
    ASSERT_TRUE(v && ix);
    EXPECT_EQ(v->GetVertex(1), Vertex(1, 0, 0));
    EXPECT_EQ(v->GetNormal(2), Normal(0, 0, 1));
    EXPECT_TRUE(v->HasTextureVertices());
    EXPECT_EQ(v->GetTextureVertex(2), TextureVertex(0, 1));
    EXPECT_FALSE(v->HasSpecularTextureVertices());
    EXPECT_EQ(ix->GetIndexCount(), 3);
    EXPECT_EQ(ix->GetIndex(2), 2u);
    EXPECT_EQ(Save(*loaded), saved);
}

TEST(N4TdoFile, FactoryRefusals)
{
    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    TdoFile::Node null = Null(file);
    try
    {
        file.CreateRoot(file.NewId(), {null, null});
        ADD_FAILURE();
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "children.size() == 1");
    }
    EXPECT_FALSE(file.GetRoot());
    try
    {
        file.CreatePolygon(file.NewId(), {}, Colour(), false, {}, false, {}, false, {});
        ADD_FAILURE();
    }
    catch (const Util::XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
    }
    // Normals must match the vertices, else the record would be unreadable.
    EXPECT_THROW(file.CreateVertices(file.NewId(), {Vertex()}, {}, {}, {}), Util::XAssertion);
}

TEST(N4TdoFile, SaveOverALongerFileLeavesNoStaleTail)
{
    Bytes sample = ReadSample("shared.3do");
    std::string path = std::string(VELMO_TEST_BINARY_DIR) + "/n4-stale-tail.3do";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(sample.data()), std::streamsize(sample.size()));
        out << std::string(5000, 'x');
    }
    auto file = Load(sample);
    {
        Util::CountedPointer<Util::BinaryStream> stream(Util::BinaryFile::OpenUpdate(path));
        file->Save(stream);
        dynamic_cast<Util::BinaryFile&>(*stream).Commit();
    }
    std::ifstream in(path, std::ios::binary);
    Bytes written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, sample);
    std::remove(path.c_str());

    // A fixed block longer than the archive cannot be shortened: the save fails before it
    // writes anything, and the block keeps its bytes.
    Bytes block(sample.size() + 10, 0xEE);
    Util::CountedPointer<Util::BinaryStream> memory(new Util::CharBuffer("block", U32(block.size()), block.data()));
    EXPECT_THROW(file->Save(memory), Util::XFileWrite);
    EXPECT_EQ(block, Bytes(sample.size() + 10, 0xEE));
}

// A stream that holds its bytes in memory (an unpacked DAT entry, a buffer) is parsed where the
// bytes are, never copied: here every read of the stream would fail, and the file still loads
// and saves back byte for byte.
TEST(N4TdoFile, AStreamHoldingItsBytesIsParsedInPlace)
{
    class Held : public Util::CharBuffer
    {
    public:
        explicit Held(const Bytes& bytes) : CharBuffer(SampleName) { Attach(U32(bytes.size()), bytes.data()); }
        void Read(U32, void*) override { throw Util::XFileRead(SampleName); }
    };
    const Bytes bytes = ReadSample("structure.3do");
    Util::CountedPointer<Util::BinaryStream> stream(new Held(bytes));
    N4TdoFile file(stream, GetN4TdoArchivers(), nullptr);
    EXPECT_EQ(Save(file), bytes);
}

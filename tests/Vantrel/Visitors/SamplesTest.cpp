// Every node of the independent generators' samples (GPL, N2, N4) lists without an exception,
// with the "Type" of its kind, and the tree pane shows every node as the generators list it.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <sstream>

#include "Papy/Bitmap/GPLMipFile.h"
#include "Papy/Bitmap/Palette.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAnimationSplitter.h"
#include "Papy/Model/ThreeDObjectAppNode.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectBoundingBox.h"
#include "Papy/Model/ThreeDObjectCarRoot.h"
#include "Papy/Model/ThreeDObjectClassMaterial.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureMaterial.h"
#include "Papy/Model/ThreeDObjectClassTextureSelector.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectColourMap.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectEmpty.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectExtObjectList.h"
#include "Papy/Model/ThreeDObjectFSection.h"
#include "Papy/Model/ThreeDObjectGeometry.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectLatitudeSplitter.h"
#include "Papy/Model/ThreeDObjectLine.h"
#include "Papy/Model/ThreeDObjectLodSwitch.h"
#include "Papy/Model/ThreeDObjectLongitudeSplitter.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Papy/Model/ThreeDObjectMorphVertices.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNull.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectObjectLocatorList.h"
#include "Papy/Model/ThreeDObjectPlaneCullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPointLight.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectPortal.h"
#include "Papy/Model/ThreeDObjectProxy.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectScaledBitmap.h"
#include "Papy/Model/ThreeDObjectSelfLighting.h"
#include "Papy/Model/ThreeDObjectShape.h"
#include "Papy/Model/ThreeDObjectStateSplitter.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTextureCoords.h"
#include "Papy/Model/ThreeDObjectTextureSelector.h"
#include "Papy/Model/ThreeDObjectTrack.h"
#include "Papy/Model/ThreeDObjectTrackDetail.h"
#include "Papy/Model/ThreeDObjectTrackDetailSplit.h"
#include "Papy/Model/ThreeDObjectTrackDrawingDistances.h"
#include "Papy/Model/ThreeDObjectTrackIndex.h"
#include "Papy/Model/ThreeDObjectTrackLevelPlane.h"
#include "Papy/Model/ThreeDObjectTrackLink.h"
#include "Papy/Model/ThreeDObjectTrackRoot.h"
#include "Papy/Model/ThreeDObjectTrackSections.h"
#include "Papy/Model/ThreeDObjectTrackSegment.h"
#include "Papy/Model/ThreeDObjectTrackSubSection1.h"
#include "Papy/Model/ThreeDObjectTracksideObject.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectU1.h"
#include "Papy/Model/ThreeDObjectU3.h"
#include "Papy/Model/ThreeDObjectVertexFixer.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Papy/Model/ThreeDObjectWSection.h"
#include "Papy/Model/ThreeDObjectXSection.h"
#include "Papy/N2/N2TdoFile.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectTreeVisitor.h"
#include "Support/Robustness.h"
#include "Vantrel/Visitors/ThreeDObjectFindIdVisitor.h"
#include "SampleNodes.h"
#include "VisitorSupport.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
template <class Kind>
bool Is(const ThreeDObject& node)
{
    return dynamic_cast<const Kind*>(&node) != nullptr;
}

// The "Type" of each kind but the polygon's, from the tables of the kinds' rows.
const std::vector<std::pair<bool (*)(const ThreeDObject&), std::string>>& KindLabels()
{
    static const std::vector<std::pair<bool (*)(const ThreeDObject&), std::string>> labels = {
        {Is<ThreeDObjectAnimatedTransform>, "Animated Transform"},
        {Is<ThreeDObjectAnimationSplitter>, "Animation Splitter"},
        {Is<ThreeDObjectDistanceSplitter>, "Distance Splitter"},
        {Is<ThreeDObjectLatitudeSplitter>, "Latitude Splitter"},
        {Is<ThreeDObjectLongitudeSplitter>, "Longitude Splitter"},
        {Is<ThreeDObjectStateSplitter>, "State Splitter"},
        {Is<ThreeDObjectStateSwitch>, "State Switch"},
        {Is<ThreeDObjectStateValueSetter>, "State Value Setter"},
        {Is<ThreeDObjectLodSwitch>, "Level of Detail Switch"},
        {Is<ThreeDObjectTransform>, "Transform"},
        {Is<ThreeDObjectTransformation>, "Transformation"},
        {Is<ThreeDObjectBillboard>, "Billboard"},
        {Is<ThreeDObjectPlaneCullFront>, "Plane Cull Front"},
        {Is<ThreeDObjectPlaneOrder2>, "Plane Order 2"},
        {Is<ThreeDObjectPlaneOrder2CullFrontBack>, "Plane Order 2 Cull Front/Back"},
        {Is<ThreeDObjectPlaneOrder3>, "Plane Order 3"},
        {Is<ThreeDObjectPlaneOrder3CullFront>, "Plane Order 3 Cull Front"},
        {Is<ThreeDObjectPlaneOrder4CullFrontBack>, " Plane Order 4 Cull Front/Back"},
        {Is<ThreeDObjectRoot>, "Root Pseudo-Node"},
        {Is<ThreeDObjectHandle>, "Handle Pseudo-Node"},
        {Is<ThreeDObjectProxy>, "Proxy Pseudo-Node"},
        {Is<ThreeDObjectEmpty>, "Empty"},
        {Is<ThreeDObjectGroup>, "Group"},
        {Is<ThreeDObjectObjectList>, "Object List"},
        {Is<ThreeDObjectObjectLocatorList>, "Object Locator List"},
        {Is<ThreeDObjectObjectLocator>, "Object Locator"},
        {Is<ThreeDObjectNumberList>, "Number List"},
        {Is<ThreeDObjectExtObject>, "External Object"},
        {Is<ThreeDObjectExtObjectList>, "External Object List"},
        {Is<ThreeDObjectCarRoot>, "Car Root"},
        {Is<ThreeDObjectAppNode>, "App Node Object"},
        {Is<ThreeDObjectU1>, "Unknown"},
        {Is<ThreeDObjectU3>, "Unknown"},
        {Is<ThreeDObjectBoundingBox>, "Bounding Box"},
        {Is<ThreeDObjectMaterial>, "Material"},
        {Is<ThreeDObjectClassMaterial>, "Material with Display Class"},
        {Is<ThreeDObjectClassTexture>, "Texture with Class"},
        {Is<ThreeDObjectClassTextureMaterial>, "Texture with Class and Material"},
        {Is<ThreeDObjectClassTextureSelector>, "Texture Selector with Class"},
        {Is<ThreeDObjectClassTextureSelectorMaterial>, "Texture Selector with Class and Material"},
        {Is<ThreeDObjectDisplayClass>, "Display Class"},
        {Is<ThreeDObjectTexture>, "Texture"},
        {Is<ThreeDObjectTexture2>, "Texture2"},
        {Is<ThreeDObjectTextureSelector>, "Texture Selector"},
        {Is<ThreeDObjectMultipleTextures>, "Multiple Textures"},
        {Is<ThreeDObjectColourMap>, "Colour Map"},
        {Is<ThreeDObjectAppearance>, "Appearance"},
        {Is<ThreeDObjectSelfLighting>, "Self Lighting"},
        {Is<ThreeDObjectPointLight>, " Point Light"},
        {Is<ThreeDObjectShape>, "Shape"},
        {Is<ThreeDObjectGeometry>, "Geometry"},
        {Is<ThreeDObjectLine>, "Line"},
        {Is<ThreeDObjectScaledBitmap>, "Scaled Bitmap"},
        {Is<ThreeDObjectVertices>, "Vertices"},
        {Is<ThreeDObjectVertexFixer>, "Vertex Fixer"},
        {Is<ThreeDObjectTextureCoords>, "Texture Coordinates"},
        {Is<ThreeDObjectMorphVertices>, "Morph Vertices"},
        {Is<ThreeDObjectTriangles>, "Triangles"},
        {Is<ThreeDObjectTriangleFan>, "Triangle Fan"},
        {Is<ThreeDObjectTriangleStrip>, "Triangle Strip"},
        {Is<ThreeDObjectPortal>, "Portal"},
        {Is<ThreeDObjectTrack>, "Track"},
        {Is<ThreeDObjectTrackSegment>, "Track Segment"},
        {Is<ThreeDObjectXSection>, "X Section"},
        {Is<ThreeDObjectFSection>, "F Section"},
        {Is<ThreeDObjectWSection>, "W Section"},
        {Is<ThreeDObjectTrackDetail>, "TrackDetail"},
        {Is<ThreeDObjectTrackDetailSplit>, "Track Detail Split"},
        {Is<ThreeDObjectTrackRoot>, "Track Root"},
        {Is<ThreeDObjectTrackDrawingDistances>, "Track Drawing Distances"},
        {Is<ThreeDObjectTrackSections>, "Track Sections"},
        {Is<ThreeDObjectTrackSubSection1>, "Track Sub Section 1"},
        {Is<ThreeDObjectTrackIndex>, "Track Index"},
        {Is<ThreeDObjectTrackLink>, "Track Link"},
        {Is<ThreeDObjectTrackLevelPlane>, "Track Level Plane"},
        {Is<ThreeDObjectTracksideObject>, "Trackside Object"},
        {Is<ThreeDObjectTsoReference>, "Trackside Object Reference"},
    };
    return labels;
}

std::string ExpectedType(const ThreeDObject& node)
{
    if (const auto* polygon = dynamic_cast<const ThreeDObjectPolygon*>(&node))
    {
        std::istringstream lines(ExpectedRows("polygon-labels.txt"));
        std::string line;
        const int row = (polygon->HasTextureVertices() ? 0 : 4) + (polygon->HasShades() ? 0 : 2) +
                        (polygon->HasNormals() ? 0 : 1);
        for (int i = 0; i <= row; ++i)
            std::getline(lines, line);
        return line;
    }
    for (const auto& [is, label] : KindLabels())
        if (is(node))
            return label;
    return "no kind";
}

// Lists one node; returns its rows, or fails the test with the exception's text.
Rows ListNode(ThreeDObject& node, std::set<std::string>& types)
{
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    try
    {
        node.Accept(visitor);
    }
    catch (const Velmo::Util::Exception& e)
    {
        ADD_FAILURE() << "node " << node.GetId() << ": " << e.GetText();
        return sink.rows;
    }
    if (Is<ThreeDObjectNull>(node))
    {
        EXPECT_TRUE(sink.rows.empty());
        return sink.rows;
    }
    EXPECT_FALSE(sink.rows.empty()) << node.GetId();
    if (!sink.rows.empty())
    {
        EXPECT_EQ(sink.rows[0], std::make_pair(std::string("Type"), ExpectedType(node))) << node.GetId();
        types.insert(sink.rows[0].second);
    }
    return sink.rows;
}

// Fills the tree from the root and expands every item, breadth first, as a user opening
// every item would; stops at a bound for heavily shared files.
void ExpandAll(FakeTree& tree, const TdoFile& file)
{
    {
        ThreeDObjectTreeVisitor visitor(tree, tree.GetRootItem());
        file.GetRoot()->Accept(visitor);
    }
    std::deque<TreeItem> queue(1, tree.Children(tree.GetRootItem()).at(0));
    while (!queue.empty() && tree.GetInsertedCount() < 20000)
    {
        TreeItem item = queue.front();
        queue.pop_front();
        ThreeDObjectTreeVisitor visitor(tree, item);
        file.GetSubObject(tree.Get(item).id)->Accept(visitor);
        for (TreeItem child : tree.Children(item))
            queue.push_back(child);
    }
}

std::vector<TreeItem> AllItems(const FakeTree& tree)
{
    std::vector<TreeItem> items;
    std::deque<TreeItem> queue(1, tree.GetRootItem());
    while (!queue.empty())
    {
        for (TreeItem child : tree.Children(queue.front()))
        {
            items.push_back(child);
            queue.push_back(child);
        }
        queue.pop_front();
    }
    return items;
}

std::string RunCommand(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return output;
}

// The factory an N2 file takes its colours and textures from: a palette of 256 colours, and
// a small texture for every name.
class OnePalette : public PaletteServer
{
public:
    OnePalette() : m_palette(new Palette(256))
    {
        for (Velmo::U32 i = 1; i < 256; ++i)
            m_palette->SetColour(i, Colour(i / 255.0f, 1 - i / 255.0f, 0.5f, 1));
    }
    CountedPointer<Palette> GetCurrentPalette() override { return m_palette; }
    CountedPointer<Palette> GetBasePalette() override { return m_palette; }
    void PushPalette(CountedPointer<Palette>) override {}
    void PopPalette() override {}

private:
    CountedPointer<Palette> m_palette;
};

class AnyTexture : public MakeMip
{
public:
    void Make(CountedPointer<MipFile>& object, const std::string&, const std::string&, bool) override
    {
        object = CountedPointer<MipFile>(new GPLMipFile(8, 16, 5, 6, 5, 0, 0, false, 0, false, true, true, 1, 0, 6, 0));
    }
    void Adopt(const CountedPointer<MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}
};

FileFactory& N2Factory()
{
    static FileFactory factory;
    static const bool filled = [] {
        factory.AddFacet<PaletteServer>(new OnePalette);
        factory.AddFacet<MakeMip>(new AnyTexture);
        return true;
    }();
    static_cast<void>(filled);
    return factory;
}
} // namespace

TEST(Samples, GPLNodesListAndShowAsTheGeneratorListsThem)
{
    std::set<std::string> types;
    for (const std::string name : {"minimal", "basic", "allkinds", "track", "car"})
    {
        SCOPED_TRACE(name);
        const std::string folder = VELMO_GPL_SAMPLE_DIR;
        std::string bytes;
        CountedPointer<GPLTdoFile> file(new GPLTdoFile(StreamOfFile(folder + "/" + name + ".3do", bytes)));

        // The generator's listing: "offset type" per record, "handle name object" per handle.
        std::map<int, std::string> records;
        std::vector<std::string> handles;
        std::istringstream lines(ReadFile(folder + "/" + name + ".list"));
        for (std::string line; std::getline(lines, line);)
        {
            std::istringstream words(line);
            std::string first, second;
            words >> first >> second;
            if (first == "handle")
                handles.push_back(second);
            else if (first != "root")
                records[std::stoi(first)] = second;
        }
        ASSERT_FALSE(records.empty());

        for (const auto& [id, node] : file->GetSubObjects())
            ListNode(*node, types);

        FakeTree tree;
        ExpandAll(tree, *file);
        std::set<int> shown;
        for (TreeItem item : AllItems(tree))
        {
            const FakeTree::Item& i = tree.Get(item);
            if (i.id == GPLTdoFile::RootId)
                EXPECT_EQ(i.text, "Root");
            else if (i.id == GPLTdoFile::NullId)
                EXPECT_EQ(i.text, "");
            else if (i.id < GPLTdoFile::NullId)
                EXPECT_EQ(i.text, handles.at(std::size_t(GPLTdoFile::FirstHandleId - i.id)));
            else
            {
                ASSERT_TRUE(records.count(i.id)) << i.text;
                EXPECT_EQ(i.text, std::to_string(i.id) + " [" + records[i.id] + "]");
                shown.insert(i.id);
            }
        }
        EXPECT_EQ(shown.size(), records.size()) << "every record of the file shows in the tree";
    }
    EXPECT_GE(types.size(), 30u);
}

TEST(Samples, N4NodesListAndShowAsTheGeneratorListsThem)
{
    std::set<std::string> types;
    for (const std::string name : {"structure.3do", "shared.3do", "primitives.3do", "track.ptf", "variants.ptf"})
    {
        SCOPED_TRACE(name);
        const std::string path = std::string(VELMO_N4_SAMPLE_DIR) + "/" + name;
        const bool ptf = name.ends_with(".ptf");
        std::string bytes;
        CountedPointer<N4TdoFile> file(
            new N4TdoFile(StreamOfFile(path, bytes), ptf ? GetN4PtfArchivers() : GetN4TdoArchivers(), nullptr));

        std::map<int, std::string> objects;
        const std::string command =
            std::string(VELMO_PYTHON3) + " \"" + VELMO_N4_LISTING_SCRIPT + "\" " + name + " \"" + path + "\"";
        std::istringstream lines(RunCommand(command));
        for (std::string line; std::getline(lines, line);)
        {
            std::istringstream words(line);
            int id;
            std::string type;
            words >> id >> type;
            objects[id] = type;
        }
        ASSERT_FALSE(objects.empty());

        Collector collector;
        file->GetRoot()->Accept(collector);
        for (ThreeDObject* node : collector.nodes)
        {
            const Rows rows = ListNode(*node, types);
            // The generic values of N4 nodes close the listing.
            EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const auto& row) { return row.first == "Unknown"; }),
                      node->GetStringCount() + node->GetBooleanCount() + node->GetIntegerCount() +
                          node->GetFloatCount());
        }

        FakeTree tree;
        ExpandAll(tree, *file);
        std::set<int> shown;
        for (TreeItem item : AllItems(tree))
        {
            const FakeTree::Item& i = tree.Get(item);
            CountedPointer<ThreeDObject> node = file->GetSubObject(i.id);
            if (Is<ThreeDObjectRoot>(*node))
                EXPECT_EQ(i.text, "Root");
            else if (Is<ThreeDObjectNull>(*node))
                EXPECT_EQ(i.text, "");
            else
            {
                ASSERT_TRUE(objects.count(i.id)) << i.text;
                EXPECT_EQ(i.text, std::to_string(i.id) + " [" + objects[i.id] + "]");
                shown.insert(i.id);
            }
        }
        EXPECT_EQ(shown.size(), objects.size()) << "every object of the file shows in the tree";
    }
    EXPECT_GE(types.size(), 20u);
}

TEST(Samples, N2NodesListAndShowAsTheGeneratorListsThem)
{
    std::set<std::string> types;
    for (const std::string name : {"minimal", "allkinds", "textures", "track", "groove"})
    {
        SCOPED_TRACE(name);
        const std::string folder = VELMO_N2_SAMPLE_DIR;
        std::string bytes;
        CountedPointer<N2TdoFile> file(new N2TdoFile(StreamOfFile(folder + "/" + name + ".3do", bytes), &N2Factory()));

        // The generator's listing: "id type=T kids=K,K,... facts" per node, the root and null
        // too ("-" for no children).
        std::map<int, std::string> nodes;
        std::map<int, std::vector<int>> kids;
        std::istringstream lines(ReadFile(folder + "/" + name + ".list"));
        for (std::string line; std::getline(lines, line);)
        {
            std::istringstream words(line);
            int id;
            std::string type, children;
            words >> id >> type >> children;
            ASSERT_EQ(type.rfind("type=", 0), 0u) << line;
            ASSERT_EQ(children.rfind("kids=", 0), 0u) << line;
            nodes[id] = type.substr(5);
            std::istringstream ids(children.substr(5));
            for (std::string child; std::getline(ids, child, ',');)
                if (child != "-")
                    kids[id].push_back(std::stoi(child));
        }
        ASSERT_GT(nodes.size(), 2u);
        // The nodes the root reaches, as the generator sees them (a record nothing refers to
        // is in the file but not in the tree).
        std::set<int> reached;
        std::deque<int> pending(1, N2TdoFile::RootId);
        while (!pending.empty())
        {
            const int id = pending.front();
            pending.pop_front();
            if (reached.insert(id).second)
                for (int child : kids[id])
                    pending.push_back(child);
        }

        for (const auto& [id, node] : file->GetSubObjects())
        {
            const Rows rows = ListNode(*node, types);
            // Records are listed by their id; every node of the file is one the generator lists.
            EXPECT_TRUE(nodes.count(id)) << id;
            if (id >= 0 && rows.size() > 1)
            {
                EXPECT_EQ(rows[1], std::make_pair(std::string("Id"), std::to_string(id))) << id;
            }
        }

        FakeTree tree;
        ExpandAll(tree, *file);
        std::set<int> shown;
        for (TreeItem item : AllItems(tree))
        {
            const FakeTree::Item& i = tree.Get(item);
            if (i.id == N2TdoFile::RootId)
                EXPECT_EQ(i.text, "Root");
            else if (i.id == N2TdoFile::NullId)
                EXPECT_EQ(i.text, "");
            else
            {
                ASSERT_TRUE(nodes.count(i.id)) << i.text;
                EXPECT_EQ(i.text, std::to_string(i.id) + " [" + nodes[i.id] + "]");
                shown.insert(i.id);
            }
        }
        // Every node the root reaches shows, the fix-up's line segments among them.
        reached.erase(N2TdoFile::RootId);
        reached.erase(N2TdoFile::NullId);
        EXPECT_EQ(shown, reached) << "every node the root reaches shows in the tree";
    }
    EXPECT_GE(types.size(), 20u);
}

// A file read from disk is untrusted: every node of a mutated sample that still loads lists,
// shows in the tree and is searched with nothing escaping but the library's own exceptions
// (an enumeration value without a name, for one), and without a crash.
namespace
{
void ListTreeAndFind(const TdoFile& file)
{
    Collector collector;
    file.GetRoot()->Accept(collector);
    for (ThreeDObject* node : collector.nodes)
    {
        RowCollector sink;
        ThreeDObjectListVisitor visitor(sink);
        try
        {
            node->Accept(visitor);
        }
        catch (const Velmo::Util::Exception&)
        {
        }
    }
    FakeTree tree;
    ExpandAll(tree, file);
    ThreeDObjectFindIdVisitor find(0x7FFFFFF0);
    file.GetRoot()->Accept(find);
    EXPECT_FALSE(find.IsFound());
}

Bytes SampleBytes(const std::string& path)
{
    const std::string text = ReadFile(path);
    EXPECT_FALSE(text.empty()) << path;
    return Bytes(text.begin(), text.end());
}

CountedPointer<Velmo::Util::BinaryStream> StreamOfBytes(const Bytes& bytes)
{
    auto* buffer = new Velmo::Util::CharBuffer("mutated");
    CountedPointer<Velmo::Util::BinaryStream> stream(buffer);
    buffer->Attach(Velmo::U32(bytes.size()), bytes.data());
    return stream;
}
} // namespace

TEST(Samples, MutatedFilesListShowAndFindSafely)
{
    for (const std::string name : {"basic", "allkinds", "track", "car"})
    {
        const Bytes sample = SampleBytes(std::string(VELMO_GPL_SAMPLE_DIR) + "/" + name + ".3do");
        const RobustnessTally tally = Robustness(name, sample).Mutations(20261209, 500, [](const Bytes& bytes) {
            CountedPointer<GPLTdoFile> file(new GPLTdoFile(StreamOfBytes(bytes)));
            ListTreeAndFind(*file);
        });
        EXPECT_GT(tally.loaded, 0) << name;
    }
    for (const std::string name : {"allkinds", "textures", "track", "groove"})
    {
        const Bytes sample = SampleBytes(std::string(VELMO_N2_SAMPLE_DIR) + "/" + name + ".3do");
        const RobustnessTally tally = Robustness(name, sample).Mutations(20261209, 300, [](const Bytes& bytes) {
            CountedPointer<N2TdoFile> file(new N2TdoFile(StreamOfBytes(bytes), &N2Factory()));
            ListTreeAndFind(*file);
        });
        EXPECT_GT(tally.loaded, 0) << name;
    }
    for (const std::string name : {"structure.3do", "primitives.3do", "track.ptf", "variants.ptf"})
    {
        const bool ptf = name.ends_with(".ptf");
        const Bytes sample = SampleBytes(std::string(VELMO_N4_SAMPLE_DIR) + "/" + name);
        const RobustnessTally tally = Robustness(name, sample).Mutations(20261209, 500, [&](const Bytes& bytes) {
            CountedPointer<N4TdoFile> file(
                new N4TdoFile(StreamOfBytes(bytes), ptf ? GetN4PtfArchivers() : GetN4TdoArchivers(), nullptr));
            ListTreeAndFind(*file);
        });
        EXPECT_GT(tally.loaded, 0) << name;
    }
}

// Every row that the field pane lists for the nodes of the independent generators' samples goes
// through the field editor: a row whose label the editor knows for the node's kind opens its
// dialog under that label (or asks before a delete), any other row is not editable; Cancel
// changes nothing, and OK with the value the editor was given writes back what the row shows
// (a rotation converted twice would show up here).
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "EditDialogsScript.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
#include "Papy/Model/ThreeDObjectAnimatedTransform.h"
#include "Papy/Model/ThreeDObjectAppearance.h"
#include "Papy/Model/ThreeDObjectBillboard.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectDistanceSplitter.h"
#include "Papy/Model/ThreeDObjectExtObject.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/Model/ThreeDObjectObjectList.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2.h"
#include "Papy/Model/ThreeDObjectPlaneOrder2CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3.h"
#include "Papy/Model/ThreeDObjectPlaneOrder3CullFront.h"
#include "Papy/Model/ThreeDObjectPlaneOrder4CullFrontBack.h"
#include "Papy/Model/ThreeDObjectPolygon.h"
#include "Papy/Model/ThreeDObjectStateSwitch.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Papy/Model/ThreeDObjectTexture2.h"
#include "Papy/Model/ThreeDObjectTransform.h"
#include "Papy/Model/ThreeDObjectTransformation.h"
#include "Papy/Model/ThreeDObjectTriangleFan.h"
#include "Papy/Model/ThreeDObjectTriangleStrip.h"
#include "Papy/Model/ThreeDObjectTriangles.h"
#include "Papy/Model/ThreeDObjectTsoReference.h"
#include "Papy/Model/ThreeDObjectVertices.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Vantrel/Visitors/ThreeDObjectEditVisitor.h"
#include "Vantrel/Visitors/ThreeDObjectListVisitor.h"
#include "SampleNodes.h"
#include "VisitorSupport.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
template <class Kind>
bool Is(ThreeDObject& node)
{
    return dynamic_cast<Kind*>(&node) != nullptr;
}

// The labels the field editor knows for the node's kind: the value rows, then the delete rows
// (a "%u" in a label stands for a child's or an entry's index).
struct KnownLabels
{
    bool (*kind)(ThreeDObject&);
    std::vector<std::string> values;
    std::vector<std::string> deletes;
};

const std::vector<std::string> Translations = {"X Translation", "Y Translation", "Z Translation"};
const std::vector<std::string> Rotations = {"X Rotation", "Y Rotation", "Z Rotation"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<KnownLabels>& Known()
{
    static const std::vector<KnownLabels> known = {
        {Is<ThreeDObjectAnimatedTransform>, Join(Translations, Rotations), {}},
        {Is<ThreeDObjectAppearance>, {"Name"}, {}},
        {Is<ThreeDObjectBillboard>, Join(Translations, {"Rotation Axis X", "Rotation Axis Y", "Rotation Axis Z"}), {}},
        {Is<ThreeDObjectClassTexture>, {"MIP"}, {}},
        {Is<ThreeDObjectDistanceSplitter>, {"Split Distance %u"}, {"Child %u"}},
        {Is<ThreeDObjectExtObject>, {"3DO"}, {}},
        {Is<ThreeDObjectGroup>, {}, {"Child %u"}},
        {Is<ThreeDObjectHandle>, {"Name"}, {}},
        {Is<ThreeDObjectMultipleTextures>, {"MIP Count", "MIP %u"}, {}},
        {Is<ThreeDObjectNumberList>, {"Count", "Number %u"}, {}},
        {Is<ThreeDObjectObjectList>, {}, {"Child %u"}},
        {Is<ThreeDObjectObjectLocator>, {}, {"Object %u"}},
        {Is<ThreeDObjectPlaneOrder2>, {}, {"Far Child", "Near Child"}},
        {Is<ThreeDObjectPlaneOrder2CullFrontBack>, {}, {"Front Child", "Back Child"}},
        {Is<ThreeDObjectPlaneOrder3>, {}, {"Far Child", "Middle Child", "Near Child"}},
        {Is<ThreeDObjectPlaneOrder3CullFront>, {}, {"Far Child", "Front Child", "Near Child"}},
        {Is<ThreeDObjectPlaneOrder4CullFrontBack>, {}, {"Far Child", "Back Child", "Front Child", "Near Child"}},
        {Is<ThreeDObjectPolygon>, {"Shade %u"}, {}},
        {Is<ThreeDObjectStateSwitch>, {"State %u"}, {"Child %u"}},
        {Is<ThreeDObjectTexture>, {"MIP"}, {}},
        {Is<ThreeDObjectTexture2>, {"MIP"}, {}},
        {Is<ThreeDObjectTransform>, Join(Translations, Rotations), {}},
        {Is<ThreeDObjectTransformation>, Join(Join(Translations, Rotations), {"Scale"}), {}},
        {Is<ThreeDObjectTriangles>, {"Vertex Index %u"}, {}},
        {Is<ThreeDObjectTriangleFan>, {"Vertex Index %u"}, {}},
        {Is<ThreeDObjectTriangleStrip>, {"Vertex Index %u"}, {}},
        {Is<ThreeDObjectTsoReference>, Join(Join(Translations, Rotations), {"Use Wind Direction"}), {}},
        {Is<ThreeDObjectVertices>,
         {"Vertex %u", "Normal %u", "Texture Vertex %u", "Specular Highlight Texture Vertex %u"},
         {}},
    };
    return known;
}

bool Matches(const std::string& pattern, const std::string& label)
{
    const std::size_t at = pattern.find("%u");
    if (at == std::string::npos)
        return label == pattern;
    // Parsed from the start of the label with the pattern, as the editor reads it.
    unsigned index = 0;
    return label.compare(0, at, pattern, 0, at) == 0 && std::sscanf(label.c_str() + at, "%u", &index) == 1;
}

// "value", "delete" or "none": what the editor should make of the label on this node.
std::string ExpectedEdit(ThreeDObject& node, const std::string& label)
{
    for (const KnownLabels& known : Known())
    {
        if (!known.kind(node))
            continue;
        for (const std::string& pattern : known.values)
            if (Matches(pattern, label))
                return "value";
        for (const std::string& pattern : known.deletes)
            if (Matches(pattern, label))
                return "delete";
    }
    return "none";
}

Rows List(ThreeDObject& node)
{
    RowCollector sink;
    ThreeDObjectListVisitor visitor(sink);
    node.Accept(visitor);
    return sink.rows;
}

// Edits every row of every node twice, Cancel then OK with the given value; returns the number
// of rows that opened an editor.
int EditEveryRow(const std::vector<ThreeDObject*>& nodes)
{
    int edited = 0;
    for (ThreeDObject* node : nodes)
    {
        const Rows before = List(*node);
        for (std::size_t r = 0; r < before.size(); ++r)
        {
            const std::string& label = before[r].first;
            SCOPED_TRACE(std::to_string(node->GetId()) + " row " + std::to_string(r) + " " + label);
            for (const bool ok : {false, true})
            {
                ScriptedDialogs dialogs;
                dialogs.ok = ok;
                dialogs.confirm = false;
                ThreeDObjectEditVisitor visitor(int(r), label, dialogs);
                try
                {
                    node->Accept(visitor);
                }
                catch (const Velmo::Util::Exception& e)
                {
                    ADD_FAILURE() << e.GetText();
                    continue;
                }
                if (dialogs.asked.size() != 1)
                {
                    ADD_FAILURE() << dialogs.asked.size() << " requests";
                    continue;
                }
                // The label decides: its own dialog under its own caption, the delete question,
                // or not editable.
                const std::string expected = ExpectedEdit(*node, label);
                const std::string& asked = dialogs.asked[0];
                if (expected == "value")
                    EXPECT_EQ(asked.substr(0, asked.find('|') + 1 + label.size() + 1).substr(asked.find('|') + 1),
                              label + "|")
                        << asked;
                else if (expected == "delete")
                    EXPECT_EQ(asked, "Ask|Delete Child ?");
                else
                    EXPECT_EQ(asked, "Message|This item is not editable");
                EXPECT_EQ(visitor.Modified(), ok && !dialogs.asked[0].starts_with("Message|") &&
                                                  !dialogs.asked[0].starts_with("Ask|"));
                EXPECT_EQ(List(*node), before);
                if (ok && visitor.Modified())
                    ++edited;
            }
        }
    }
    return edited;
}
} // namespace

TEST(EditSamples, GPLRowsEditInPlace)
{
    int edited = 0;
    for (const std::string name : {"allkinds", "basic", "track"})
    {
        SCOPED_TRACE(name);
        std::string bytes;
        CountedPointer<GPLTdoFile> file(
            new GPLTdoFile(StreamOfFile(std::string(VELMO_GPL_SAMPLE_DIR) + "/" + name + ".3do", bytes)));
        Collector collector;
        file->GetRoot()->Accept(collector);
        edited += EditEveryRow(collector.nodes);
    }
    EXPECT_GE(edited, 20);
}

TEST(EditSamples, N4RowsEditInPlace)
{
    int edited = 0;
    for (const std::string name : {"structure.3do", "primitives.3do", "track.ptf"})
    {
        SCOPED_TRACE(name);
        std::string bytes;
        const bool ptf = name.ends_with(".ptf");
        CountedPointer<N4TdoFile> file(new N4TdoFile(StreamOfFile(std::string(VELMO_N4_SAMPLE_DIR) + "/" + name, bytes),
                                                     ptf ? GetN4PtfArchivers() : GetN4TdoArchivers(), nullptr));
        Collector collector;
        file->GetRoot()->Accept(collector);
        edited += EditEveryRow(collector.nodes);
    }
    EXPECT_GE(edited, 20);
}

// Every row that the field pane lists for the nodes of the independent generators' samples goes
// through the field editor: Cancel changes nothing, and OK with the value the editor was given
// writes back what the row shows (a rotation converted twice would show up here).
#include <gtest/gtest.h>

#include <set>

#include "EditDialogsScript.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/N4/N4ArchiverLists.h"
#include "Papy/N4/N4TdoFile.h"
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

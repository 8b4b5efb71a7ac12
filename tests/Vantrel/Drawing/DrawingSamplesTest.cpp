// Every sample of the GPL, N2 and N4 generators draws, shaded and in wireframe, with bounding
// boxes and the Z buffer, and with each of its nodes highlighted in turn: no exception, no
// OpenGL error, the modelview stack as it was, and no problem told twice.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <iostream>

#include "DrawingTestSupport.h"
#include "Vantrel/Drawing/ModelviewStack.h"
#include "Vantrel/Drawing/ThreeDObject3DVisitor.h"

using namespace DrawingTest;

namespace
{
// The ids of every node a walk reaches from the root (handles too).
class IdCollector : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override { return Ids.insert(node.GetId()).second; }
    void Visit(ThreeDObject& node) override { Ids.insert(node.GetId()); }
    bool BeforeObjectLocatorSibling(Velmo::Papy::ThreeDObjectObjectLocator&, int) override { return true; }
    std::set<int> Ids;
};

void DrawSample(const std::string& folder, const std::string& name, const std::string& extension)
{
    SCOPED_TRACE(folder + "/" + name + "." + extension);
    auto factory = FactoryOf(folder);
    auto file = LoadObject(factory, name, extension);
    ThreeDObject3DVisitor visitor(factory);
    IdCollector collector;
    RootOf(file)->Accept(collector);
    const int depth = ModelviewStack::GetDepth();
    DrawOptions shaded, wireframe, boxes;
    wireframe.Wireframe = true;
    boxes.BoundingBoxes = true;
    boxes.ZBuffer = true;
    std::size_t told = 0;
    for (const DrawOptions* options : {&shaded, &wireframe, &boxes, &shaded})
    {
        if (options == &shaded)
            told = visitor.GetReport().GetMessages().size();
        for (int id : collector.Ids)
        {
            try
            {
                Draw(*options, visitor, RootOf(file), file->GetSubObject(id));
            }
            catch (const Velmo::Util::Exception& error)
            {
                ADD_FAILURE() << "highlighting " << id << ": " << error.GetText();
            }
            ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
            ASSERT_EQ(ModelviewStack::GetDepth(), depth);
        }
    }
    // The second shaded round told nothing new.
    EXPECT_EQ(visitor.GetReport().GetMessages().size(), told);
    for (const std::string& message : visitor.GetReport().GetMessages())
        std::cout << "    " << folder << "/" << name << ": " << message << "\n";
}
} // namespace

TEST(DrawingSamples, EveryGeneratorSampleDrawsInEveryMode)
{
    GLContext context(32, 32);
    VELMO_REQUIRE_GL(context);
    SetView();
    const std::tuple<const char*, const char*, const char*> samples[] = {
        {"gpl-samples", "minimal", "3do"},    {"gpl-samples", "basic", "3do"}, {"gpl-samples", "allkinds", "3do"},
        {"gpl-samples", "track", "3do"},      {"gpl-samples", "car", "3do"},   {"n2-samples", "minimal", "3do"},
        {"n2-samples", "allkinds", "3do"},    {"n2-samples", "track", "3do"},  {"n2-samples", "groove", "3do"},
        {"n2-samples", "textures", "3do"},    {"n4-samples", "structure", "3do"},
        {"n4-samples", "primitives", "3do"},  {"n4-samples", "shared", "3do"}, {"n4-samples", "track", "ptf"},
        {"n4-samples", "variants", "ptf"},
    };
    for (const auto& [folder, name, extension] : samples)
        DrawSample(folder, name, extension);
}

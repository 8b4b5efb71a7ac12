#pragma once
// What the drawing tests share: the generated scene folders (each a game folder of its own, so
// that the registry gives it its game's factory), the test's own projection (an orthographic
// view of x and y from -10 to 10, the eye on the +z side), pixel probes with a tolerance of
// 2, a finder of nodes by kind, and an uploader that counts or refuses uploads.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "GLContext.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Model/TdoFile.h"
#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Drawing/TextureUploader.h"

namespace DrawingTest
{
using Velmo::Papy::FileFactory;
using Velmo::Papy::TdoFile;
using Velmo::Papy::ThreeDObject;
using Velmo::Util::CountedPointer;

typedef std::array<int, 3> Rgb;
const Rgb Grey = {128, 128, 128};
const Rgb White = {255, 255, 255};
// The generators' colours.
const Rgb Red = {220, 30, 30};
const Rgb Green = {30, 200, 30};
const Rgb Blue = {30, 30, 220};
const Rgb Yellow = {230, 230, 40};

inline std::string SceneFolder(const std::string& folder)
{
    return std::string(VELMO_DRAWING_SCENES) + "/" + folder;
}

inline CountedPointer<FileFactory> FactoryOf(const std::string& folder)
{
    CountedPointer<FileFactory> factory =
        Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(SceneFolder(folder), false);
    EXPECT_TRUE(factory);
    return factory;
}

// A 3D object of a scene folder, through the folder's factory as the document loads it.
inline CountedPointer<TdoFile> LoadObject(const CountedPointer<FileFactory>& factory, const std::string& name,
                                          const std::string& extension = "3do")
{
    CountedPointer<TdoFile> file;
    if (extension == "ptf")
        factory->GetFacet<Velmo::Papy::MakePtf>()->Make(file, name, extension, false);
    else
        factory->GetFacet<Velmo::Papy::MakeTdo>()->Make(file, name, extension, false);
    return file;
}

inline CountedPointer<ThreeDObject> RootOf(const CountedPointer<TdoFile>& file)
{
    CountedPointer<ThreeDObject> root = file->GetRoot();
    return root;
}

// The projection of every drawing test; the modelview is the identity moved back by distance
// along z (the eye's distance from the plane z = 0).
inline void SetView(double distance = 50)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 10, -10, 10, -200, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0, 0, -distance);
}

// The pixel of a point of the plane z = 0 (x and y from -10 to 10 across the context).
inline std::pair<int, int> PixelOf(const GLContext& context, double x, double y)
{
    return {int((x + 10) / 20 * context.Width()), int((y + 10) / 20 * context.Height())};
}

inline Rgb ColourAt(const GLContext& context, double x, double y)
{
    auto [px, py] = PixelOf(context, x, y);
    auto pixel = context.Pixel(px, py);
    return {pixel[0], pixel[1], pixel[2]};
}

inline ::testing::AssertionResult Near(const Rgb& got, const Rgb& expected)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(got[i] - expected[i]) > 2)
            return ::testing::AssertionFailure() << "got (" << got[0] << ", " << got[1] << ", " << got[2]
                                                 << "), expected (" << expected[0] << ", " << expected[1] << ", "
                                                 << expected[2] << ")";
    return ::testing::AssertionSuccess();
}

#define EXPECT_COLOUR_AT(context, x, y, expected)                                                  \
    EXPECT_TRUE(::DrawingTest::Near(::DrawingTest::ColourAt(context, x, y), expected)) << "at (" << (x) << ", " << (y) << ")"

// The distinct colours of the whole context.
inline std::set<Rgb> Colours(const GLContext& context)
{
    std::set<Rgb> colours;
    const std::vector<std::uint8_t> pixels = context.Pixels();
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
        colours.insert({pixels[i], pixels[i + 1], pixels[i + 2]});
    return colours;
}

// The first node (in walk order, handles included) that the test accepts.
class FindVisitor : public Velmo::Papy::ThreeDObjectVisitor
{
public:
    explicit FindVisitor(std::function<bool(ThreeDObject&)> test) : m_test(std::move(test)) {}
    bool Enter(ThreeDObject& node) override
    {
        Check(node);
        return m_found == nullptr;
    }
    void Visit(ThreeDObject& node) override { Check(node); }
    bool EnterHandle(Velmo::Papy::ThreeDObjectHandle&) override { return false; }
    ThreeDObject* Found() const { return m_found; }

private:
    void Check(ThreeDObject& node)
    {
        if (m_found == nullptr && m_test(node))
            m_found = &node;
    }
    std::function<bool(ThreeDObject&)> m_test;
    ThreeDObject* m_found = nullptr;
};

// The id of the first node of a kind under the root.
template <class Kind>
int FindId(const CountedPointer<TdoFile>& file)
{
    FindVisitor finder([](ThreeDObject& node) { return dynamic_cast<Kind*>(&node) != nullptr; });
    file->GetRoot()->Accept(finder);
    EXPECT_NE(finder.Found(), nullptr);
    return finder.Found() != nullptr ? finder.Found()->GetId() : -1;
}

template <class Kind>
Kind* FindNode(const CountedPointer<TdoFile>& file)
{
    FindVisitor finder([](ThreeDObject& node) { return dynamic_cast<Kind*>(&node) != nullptr; });
    file->GetRoot()->Accept(finder);
    return dynamic_cast<Kind*>(finder.Found());
}

// An uploader that counts uploads, records their sizes and can refuse sizes at the proxy test
// as a driver with a smaller limit would.
class CountingUploader : public TextureUploader
{
public:
    explicit CountingUploader(std::uint32_t largest = 0) : m_largest(largest) {}
    bool Fits(std::uint32_t width, std::uint32_t height) override
    {
        ++ProxyTests;
        if (m_largest != 0 && (width > m_largest || height > m_largest))
            return false;
        return TextureUploader::Fits(width, height);
    }
    unsigned Upload(std::uint32_t width, std::uint32_t height, const RowSource& rows, bool repeatHorizontally,
                    bool repeatVertically) override
    {
        Sizes.push_back({width, height});
        return TextureUploader::Upload(width, height, rows, repeatHorizontally, repeatVertically);
    }
    int ProxyTests = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> Sizes;

private:
    std::uint32_t m_largest;
};
} // namespace DrawingTest

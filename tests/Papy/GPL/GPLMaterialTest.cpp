// The ten type-5 nodes: one record layout by feature bits, their answers, the value
// constructors and the list of multiple textures.
#include <gtest/gtest.h>

#include <cmath>

#include "GPLPrimBuilder.h"
#include "Papy/GPL/GPLClassMaterial.h"
#include "Papy/GPL/GPLClassTextureMaterial.h"
#include "Papy/GPL/GPLMaterialRecord.h"
#include "Papy/Model/ThreeDObjectClassTexture.h"
#include "Papy/Model/ThreeDObjectClassTextureSelectorMaterial.h"
#include "Papy/Model/ThreeDObjectDisplayClass.h"
#include "Papy/Model/ThreeDObjectMaterial.h"
#include "Papy/Model/ThreeDObjectMultipleTextures.h"
#include "Papy/Model/ThreeDObjectTexture.h"
#include "Util/Exception.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XFileFormat;

namespace
{
std::uint32_t FloatWord(float f)
{
    std::uint32_t w;
    std::memcpy(&w, &f, 4);
    return w;
}

// A type-5 record naming the anchor behind it as its child.
Bytes Material(std::uint32_t sub, const std::vector<std::uint32_t>& fields)
{
    std::vector<std::uint32_t> words{5, 4 + 12 + 4 * std::uint32_t(fields.size()), sub};
    words.insert(words.end(), fields.begin(), fields.end());
    return WordBytes(words);
}

// Strings of the test files: "obj" at 0.
constexpr std::uint32_t Obj = 0;
} // namespace

TEST(GPLMaterial, EachSubTypeReadsItsFieldsAndWritesBackByteIdentically)
{
    struct Case
    {
        std::uint32_t sub;
        std::vector<std::uint32_t> fields;
    };
    const Case cases[] = {
        {1, {Obj}},
        {4, {1140}},
        {5, {Obj, 3}},
        {8, {7, FloatWord(0.25f)}},
        {12, {2, 9, FloatWord(std::nanf("2"))}},
        {13, {Obj, 2, 9, FloatWord(0.5f)}},
        {17, {3, Obj, Obj, Obj}},
        {17, {0}},
        {32, {4}},
        {36, {4, 20}},
        {44, {4, 20, 3, FloatWord(1.0f)}},
    };
    for (const auto& c : cases)
    {
        const Bytes record = Material(c.sub, c.fields);
        auto file = LoadWithAnchor(record);
        auto node = file->GetSubObject(4);
        EXPECT_EQ(node->GetType(), "5." + std::to_string(c.sub));
        EXPECT_EQ(WrittenBytes(*node, 4), record) << c.sub;
        EXPECT_EQ(file->GetSubObject(4 + int(record.size()))->GetType(), "20") << c.sub;
    }
}

TEST(GPLMaterial, UnknownSubTypesAndShortNameLists)
{
    for (std::uint32_t sub : {0u, 2u, 3u, 16u, 33u, 45u})
    {
        try
        {
            LoadWithAnchor(Material(sub, {}));
            ADD_FAILURE() << sub;
        }
        catch (const XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), "GPL TDO File unknown instruction type") << sub;
        }
    }
    EXPECT_THROW(Load(FileWithPrim(WordBytes({4, 5, 4, 17, 0x40000000, 0}))), Velmo::Util::XFileRead);
}

TEST(GPLMaterial, Answers)
{
    auto materialFile = LoadWithAnchor(Material(8, {7, FloatWord(0.25f)}));
    CountedPointer<ThreeDObjectMaterial> material;
    material = materialFile->GetSubObject(4);
    ASSERT_TRUE(material.Get());
    EXPECT_EQ(material->GetShininess(), 7.0);
    EXPECT_EQ(material->GetSpecularShade(), Colour(0.25f, 0.25f, 0.25f, 1.0f));
    EXPECT_EQ(material->GetChild()->GetType(), "20");

    auto textureFile = LoadWithAnchor(Material(1, {Obj}));
    CountedPointer<ThreeDObjectTexture> texture;
    texture = textureFile->GetSubObject(4);
    ASSERT_TRUE(texture.Get());
    EXPECT_EQ(texture->GetTextureName(), "obj");
    texture->SetTextureName("wall");
    EXPECT_EQ(texture->GetTextureName(), "wall");
    EXPECT_EQ(WrittenBytes(*texture, 4), WordBytes({5, 20, 1, 4}));

    auto selectorFile = LoadWithAnchor(Material(44, {4, 20, 0xFFFFFFFF, FloatWord(0.5f)}));
    CountedPointer<ThreeDObjectClassTextureSelectorMaterial> selector;
    selector = selectorFile->GetSubObject(4);
    ASSERT_TRUE(selector.Get());
    EXPECT_EQ(selector->GetTextureSlot(), 4u);
    EXPECT_EQ(selector->GetClass(), DisplayClassGroove);
    EXPECT_EQ(selector->GetShininess(), 4294967295.0);

    auto classTextureFile = LoadWithAnchor(Material(5, {Obj, 10}));
    CountedPointer<ThreeDObjectClassTexture> classTexture;
    classTexture = classTextureFile->GetSubObject(4);
    ASSERT_TRUE(classTexture.Get());
    EXPECT_EQ(classTexture->GetClass(), DisplayClassTrackMarking);
    EXPECT_EQ(classTexture->GetTextureName(), "obj");

    // A name offset that is no string of the file fails when it is asked for.
    auto badNameFile = LoadWithAnchor(Material(1, {2}));
    CountedPointer<ThreeDObjectTexture> badName;
    badName = badNameFile->GetSubObject(4);
    ASSERT_TRUE(badName.Get());
    EXPECT_THROW(badName->GetTextureName(), Velmo::Util::XAssertion);
}

TEST(GPLMaterial, UnknownDisplayClassIsResolvedWhenAskedUnderStrict)
{
    for (std::uint32_t number : {12u, 14u, 21u, 1139u})
    {
        auto file = LoadWithAnchor(Material(4, {number}));
        CountedPointer<ThreeDObjectDisplayClass> node;
        node = file->GetSubObject(4);
        ASSERT_TRUE(node.Get());
        {
            StrictGuard strict(false);
            EXPECT_EQ(node->GetClass(), DisplayClassUnknown) << number;
        }
        StrictGuard strict(true);
        try
        {
            node->GetClass();
            ADD_FAILURE() << number;
        }
        catch (const XFileFormat& e)
        {
            EXPECT_EQ(e.GetText(), XFileFormat("test.3do", "GPL 3do file unknown display class").GetText());
        }
    }
    // The same file loads under Strict: the class is not looked at when reading.
    StrictGuard strict(true);
    EXPECT_NO_THROW(LoadWithAnchor(Material(12, {14, 1, 0})));
}

TEST(GPLMaterial, ValueConstructorsRoundShininessAndGreyTheColour)
{
    GPLTdoFile file;
    GPLClassMaterial material(file, file.NewId(), 13, 9.6, 0.3, 0.6, 0.9, std::uint32_t(-1));
    EXPECT_EQ(material.GetShininess(), 10.0);
    EXPECT_EQ(material.GetSpecularShade(), Colour(0.6f, 0.6f, 0.6f, 1.0f));
    EXPECT_EQ(material.GetClass(), DisplayClassCar);
    EXPECT_EQ(material.GetFileOffset(), 0u);
    EXPECT_EQ(WrittenBytes(material, 0), WordBytes({5, 0xFFFFFFFF, 12, 13, 10, FloatWord(0.6f)}));

    const std::uint32_t name = file.AddString("sky");
    GPLClassTextureMaterial textured(file, file.NewId(), 5, name, 0.4, 1, 1, 1, std::uint32_t(-1));
    EXPECT_EQ(textured.GetShininess(), 0.0);
    EXPECT_EQ(textured.GetTextureName(), "sky");
    EXPECT_EQ(GPLMaterialRecord::ShininessFromDouble(-3.0), 0u);
}

TEST(GPLMaterial, MultipleTexturesCountChanges)
{
    auto file = LoadWithAnchor(Material(17, {2, Obj, Obj}));
    CountedPointer<ThreeDObjectMultipleTextures> textures;
    textures = file->GetSubObject(4);
    ASSERT_TRUE(textures.Get());
    ASSERT_EQ(textures->GetTextureCount(), 2);
    textures->SetTextureName(1, "b");
    EXPECT_EQ(textures->GetTextureName(0), "obj");
    EXPECT_EQ(textures->GetTextureName(1), "b");
    textures->SetTextureCount(3);
    EXPECT_EQ(textures->GetTextureName(2), "");
    textures->SetTextureCount(0);
    EXPECT_EQ(WrittenBytes(*textures, 4), WordBytes({5, 28, 17, 0}));
}

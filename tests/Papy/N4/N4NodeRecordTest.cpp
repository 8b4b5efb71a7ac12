// The record checks of the structural, mesh, morph, grouping and light nodes: every reserved
// word, version and size word refuses a wrong value with its exact message.
#include <gtest/gtest.h>

#include <functional>

#include "N4TestSupport.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
const std::vector<double> Box = {0, 0, 0, 0, 0, 0};

// A valid record of each class with null children, empty names and no elements; Start is the
// offset of the body (after the object's reference and class announcement).
struct Record
{
    std::string descriptor;
    std::function<void(N4Builder&)> body;
};

std::map<std::string, Record> Records()
{
    auto box = [](N4Builder& b) {
        for (double v : Box)
            b.F64(v);
    };
    auto plainArrays = [](N4Builder& b) {
        b.Words({0, 0, 0, 0, 0, 0, 0, 3, 0, 0});
        b.Zeros(18 * 4).Words({0, 0, 0, 0});
    };
    std::map<std::string, Record> r;
    r["Geometry"] = {"GeometryDescriptor", [](N4Builder& b) { b.Words({1, 0, 1, 0, 0}); }};
    r["Shape"] = {"ShapeDescriptor", [](N4Builder& b) { b.S32(1).Str("").Words({1, 1, 0, 0}); }};
    r["Texture"] = {"TextureDescriptor", [](N4Builder& b) { b.Words({1, 0, 2}).Str("").U8(0); }};
    r["TriList"] = {"TriListDescriptor", [](N4Builder& b) { b.Words({1, 0, 1, 0, 1, 0, 0}); }};
    r["PlainVertexList"] = {"PlainVertexListDescriptor", [=](N4Builder& b) {
                                b.Words({1, 0, 1, 1, 0});
                                plainArrays(b);
                            }};
    r["RegionMorphVertexList"] = {"RegionMorphVertexListDescriptor", [](N4Builder& b) {
                                      b.Words({1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0});
                                      b.Zeros(18 * 4).Words({0, 0, 0, 0});
                                      // One morph of no vertices.
                                      b.Words({1}).Str("").Words({8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
                                  }};
    r["Group"] = {"GroupDescriptor", [=](N4Builder& b) {
                      b.S32(1).Str("").Words({1, 1});
                      box(b);
                      b.Words({1, 0, 0});
                  }};
    r["LodSwitch"] = {"LodSwitchDescriptor", [=](N4Builder& b) {
                          b.Words({1, 0, 1, 1});
                          box(b);
                          b.Words({2, 0}).Doubles({0, 0, 0}).U8(0).Words({0, 0});
                      }};
    r["StateSwitch"] = {"StateSwitchDescriptor", [=](N4Builder& b) {
                            b.S32(1).Str("").Words({1, 1});
                            box(b);
                            b.S32(1).Str("").Words({0, 0, 0, 8}).F64(0).S32(0);
                        }};
    r["Transform"] = {"TransformDescriptor", [=](N4Builder& b) {
                          b.S32(1).Str("").Words({1, 1});
                          box(b);
                          b.S32(1).Doubles({0, 0, 0, 0, 0, 0}).S32(0);
                      }};
    r["Billboard"] = {"BillboardDescriptor", [=](N4Builder& b) {
                          b.Words({1, 0, 1, 1});
                          box(b);
                          b.S32(1).Doubles({0, 0, 0, 0, 0, 0}).S32(0);
                      }};
    r["AppNode"] = {"AppNodeDescriptor", [](N4Builder& b) { b.Words({1, 0, 1}).Zeros(15 * 4).Str("").S32(0); }};
    r["Empty"] = {"EmptyDescriptor", [](N4Builder& b) { b.Words({1, 0}); }};
    r["PointLight"] = {"PointLightDescriptor", [](N4Builder& b) {
                           b.Words({1, 0, 1, 3}).F64(0).Zeros(6 * 4).Doubles({0, 0, 0});
                       }};
    r["SelfLighting"] = {"SelfLightingDescriptor", [](N4Builder& b) {
                             b.Words({1, 0, 1, 1}).Doubles({0, 0, 0, 0, 0, 0}).S32(1).U8(0).U8(0).U8(1);
                             b.Zeros(9 * 8).S32(0);
                         }};
    return r;
}

// The record of a class as the root object, with one word of its body replaced.
Bytes Patched(const std::string& cls, size_t offset, std::int32_t value)
{
    Record record = Records().at(cls);
    N4Builder b;
    b.New(record.descriptor);
    size_t start = b.Size();
    record.body(b);
    if (offset != size_t(-1))
        b.PatchU32(start + offset, std::uint32_t(value));
    return b.Get();
}
} // namespace

TEST(N4NodeRecord, ValidRecordsLoadAndWriteBackUnchanged)
{
    for (const auto& [cls, record] : Records())
    {
        Bytes bytes = Patched(cls, size_t(-1), 0);
        auto file = Load(bytes);
        EXPECT_EQ(file->GetSubObject(1)->GetType(), cls);
        EXPECT_EQ(Save(*file), bytes) << cls;
    }
}

TEST(N4NodeRecord, ReservedWordsAndVersions)
{
    struct Case
    {
        const char* cls;
        size_t offset;
        std::int32_t value;
        const char* message;
    };
    const Case cases[] = {
        {"Geometry", 0, 0, "N4 3do Geometry reserved0 not 1"},
        {"Geometry", 4, 1, "N4 3do Geometry reserved1 not 0"},
        {"Geometry", 8, 2, "N4 3do Geometry unsupported version"},
        {"Shape", 0, 2, "N4 3do Shape reserved0 not 1"},
        {"Shape", 8, 0, "N4 3do Shape reserved1 not 1"},
        {"Shape", 12, 0, "N4 3do Shape reserved2 not 1"},
        {"Texture", 0, 0, "N4 3do Texture reserved0 not 1"},
        {"Texture", 4, -1, "N4 3do Texture reserved1 not 0"},
        {"Texture", 8, 0, "N4 3do Texture unsupported version"},
        {"Texture", 8, 3, "N4 3do Texture unsupported version"},
        {"Texture", 8, -1, "N4 3do Texture unsupported version"},
        {"TriList", 0, 0, "N4 3do TriList reserved0 not 1"},
        {"TriList", 4, 1, "N4 3do TriList reserved1 not 0"},
        {"TriList", 8, 0, "N4 3do TriList reserved2 not 1"},
        {"TriList", 12, 1, "N4 3do TriList reserved3 not 0"},
        {"TriList", 16, 0, "N4 3do TriList reserved4 not 1"},
        {"TriList", 20, 4, "N4 tdo TriList vertex count % 3 not zero"},
        {"PlainVertexList", 0, 0, "N4 3do PlainVertexList reserved0 not 1"},
        {"PlainVertexList", 4, 1, "N4 3do PlainVertexList reserved1 not 0"},
        {"PlainVertexList", 8, 2, "N4 3do PlainVertexList version not supported"},
        {"PlainVertexList", 12, 0, "N4 3do PlainVertexList reserved3 not 1"},
        {"PlainVertexList", 32, 1, "N4 3do PlainVertexList reserved4 not 0"},
        {"PlainVertexList", 48, 2, "N4 3do PlainVertexList reserved5 not 3"},
        {"RegionMorphVertexList", 0, 0, "N4 3do RegionMorphVertexList reserved0 not 1"},
        {"RegionMorphVertexList", 4, 1, "N4 3do RegionMorphVertexList reserved1 not 0"},
        {"RegionMorphVertexList", 8, 0, "N4 3do RegionMorphVertexList reserved2 not 1"},
        {"RegionMorphVertexList", 12, 0, "N4 3do RegionMorphVertexList reserved3 not 1"},
        {"RegionMorphVertexList", 32, 1, "N4 3do RegionMorphVertexList reserved4 not 0"},
        {"RegionMorphVertexList", 48, 1, "N4 3do RegionMorphVertexList reserved5 not 0"},
        {"RegionMorphVertexList", 52, 1, "N4 3do RegionMorphVertexList reserved6 not 3"},
        {"RegionMorphVertexList", 160, 0, "N4 3do RegionMorphVertexList reserved7 not 8"},
        {"RegionMorphVertexList", 184, 1, "N4 3do RegionMorphVertexList reserved8 not 0"},
        {"RegionMorphVertexList", 200, 1, "N4 3do RegionMorphVertexList reserved9 not 0"},
        {"Group", 0, 0, "N4 3do Group reserved0 not 1"},
        {"Group", 8, 0, "N4 3do Group reserved1 not 1"},
        {"Group", 12, 0, "N4 3do Group reserved2 not 1"},
        {"Group", 64, 0, "N4 3do Group reserved3 not 1"},
        {"Group", 72, 4, "N4 3do Group child array size mismatch"},
        {"LodSwitch", 0, 0, "N4 3do LodSwitch reserved0 not 1"},
        {"LodSwitch", 4, 1, "N4 3do LodSwitch reserved1 not 0"},
        {"LodSwitch", 8, 0, "N4 3do LodSwitch reserved2 not 1"},
        {"LodSwitch", 12, 0, "N4 3do LodSwitch reserved3 not 1"},
        {"LodSwitch", 64, 1, "N4 3do LodSwitch reserved4 not 2"},
        {"LodSwitch", 97, 8, "N4 3do LodSwitch distance array size mismatch"},
        {"LodSwitch", 101, 4, "N4 3do LodSwitch child array size mismatch"},
        {"StateSwitch", 0, 0, "N4 3do StateSwitch reserved0 not 1"},
        {"StateSwitch", 8, 0, "N4 3do StateSwitch reserved1 not 1"},
        {"StateSwitch", 12, 0, "N4 3do StateSwitch reserved2 not 1"},
        {"StateSwitch", 64, 0, "N4 3do StateSwitch flag count less than 1"},
        {"StateSwitch", 64, -5, "N4 3do StateSwitch flag count less than 1"},
        {"StateSwitch", 76, 1, "N4 3do StateSwitch reserved5 not 0"},
        {"StateSwitch", 80, 1, "N4 3do StateSwitch reserved5 not 0"},
        {"StateSwitch", 84, 16, "N4 3do StateSwitch state array size mismatch"},
        {"StateSwitch", 96, 4, "N4 3do StateSwitch child array size mismatch"},
        {"Transform", 0, 0, "N4 3do Transform reserved0 not 1"},
        {"Transform", 8, 0, "N4 3do Transform reserved1 not 1"},
        {"Transform", 12, 0, "N4 3do Transform reserved2 not 1"},
        {"Transform", 64, 0, "N4 3do Transform reserved4 not 1"},
        {"Billboard", 0, 0, "N4 3do Billboard reserved0 not 1"},
        {"Billboard", 4, 1, "N4 3do Billboard reserved1 not 0"},
        {"Billboard", 8, 0, "N4 3do Billboard reserved2 not 1"},
        {"Billboard", 12, 0, "N4 3do Billboard reserved3 not 1"},
        {"Billboard", 64, 0, "N4 3do Billboard reserved5 not 1"},
        {"AppNode", 0, 0, "N4 3do AppNode reserved0 not 1"},
        {"AppNode", 4, 1, "N4 3do AppNode reserved1 not 0"},
        {"AppNode", 8, 2, "N4 3do AppNode unsupported version"},
        {"Empty", 0, 0, "N4 3do Empty reserved0 not 1"},
        {"Empty", 4, 1, "N4 3do Empty reserved1 not 0"},
        {"PointLight", 0, 0, "N4 3do PointLight reserved0 not 1"},
        {"PointLight", 4, 1, "N4 3do PointLight reserved1 not 0"},
        {"PointLight", 8, 0, "N4 3do PointLight reserved2 not 1"},
        {"PointLight", 12, 1, "N4 3do PointLight unsupported version"},
        {"PointLight", 12, 4, "N4 3do PointLight unsupported version"},
        {"SelfLighting", 0, 0, "N4 3do SelfLighting reserved0 not 1"},
        {"SelfLighting", 4, 1, "N4 3do SelfLighting reserved1 not 0"},
        {"SelfLighting", 8, 0, "N4 3do SelfLighting reserved2 not 1"},
        {"SelfLighting", 12, 0, "N4 3do SelfLighting reserved3 not 1"},
        {"SelfLighting", 20, 0x3FF00000, "N4 3do SelfLighting reserved4 not 0.0"},
        {"SelfLighting", 60, 0x00000001, "N4 3do SelfLighting reserved4 not 0.0"},
        {"SelfLighting", 64, 0, "N4 3do SelfLighting reserved5 not 1"},
        {"SelfLighting", 68, 0x00000000, "N4 3do SelfLighting reserved6 not 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatError(Patched(c.cls, c.offset, c.value)), c.message) << c.cls << " @" << c.offset;
}

TEST(N4NodeRecord, SizeAssertions)
{
    struct Case
    {
        const char* cls;
        size_t offset;
        std::int32_t value;
        const char* expression;
    };
    const Case cases[] = {
        {"TriList", 24, 4, "byte_count == vertex_count * sizeof(U32)"},
        {"PlainVertexList", 20, 8, "array_size == vertex_count * sizeof(F64)"},
        {"PlainVertexList", 44, 8, "array_size == vertex_count * sizeof(F64)"},
        {"PlainVertexList", 56, 8, "array_size ==0"},
        {"PlainVertexList", 60, 8, "array_size == vertex_count * sizeof(F64)"},
        {"PlainVertexList", 60 + 18 * 4 + 4, 8, "array_size ==0"},
        {"PlainVertexList", 60 + 18 * 4 + 8, 8, "array_size == vertex_count * sizeof(F64)"},
        {"RegionMorphVertexList", 28, 8, "array_size == vertex_count * sizeof(F64)"},
        {"RegionMorphVertexList", 60, 8, "array_size ==0"},
        {"RegionMorphVertexList", 64, 8, "array_size == vertex_count* sizeof(F64)"},
        {"RegionMorphVertexList", 172, 8, "array_size == vertex_count * sizeof(F64)"},
        {"RegionMorphVertexList", 204, 4, "array_size == vertex_count * sizeof(U32)"},
    };
    for (const Case& c : cases)
    {
        Bytes bytes = Patched(c.cls, c.offset, c.value);
        EXPECT_EQ(AssertionError(bytes), c.expression) << c.cls << " @" << c.offset;
    }
}

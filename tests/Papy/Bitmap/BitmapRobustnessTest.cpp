// Bitmap files are untrusted: every prefix of the checker's samples and thousands of seeded
// mutations of them load or fail with one of our exceptions; what loads has every pixel of
// every level read, is saved and loaded again (the sanitizer build runs this too).
#include <gtest/gtest.h>

#include "BitmapTestSupport.h"
#include "Support/Robustness.h"

using namespace VelmoTest;

namespace
{
void LoadReadSaveReload(const Bytes& bytes, const std::string& kind)
{
    LoadedBitmap loaded = LoadKind(bytes, kind, "mutant");
    for (const auto& level : loaded.levels)
    {
        // A level 0 pixels wide may claim any height: it has no pixel to read.
        if (level->GetWidth() == 0)
            continue;
        for (std::uint32_t r = 0; r < level->GetHeight(); ++r)
            for (std::uint32_t c = 0; c < level->GetWidth(); ++c)
                level->GetPixel(r, c);
    }
    Velmo::Util::MemoryStream out("saved");
    loaded.save(out);
    LoadKind(out.GetBytes(), kind, "saved");
}
} // namespace

TEST(BitmapRobustness, PrefixesAndMutationsOfEveryKind)
{
    // One sample of each kind, the paletted and block formats among them.
    const std::pair<const char*, const char*> samples[] = {
        {"f0.pbf", "pbf"},   {"f11.pbf", "pbf"}, {"m1-f7.bmap", "bmap1"}, {"f0.mip", "mip"},
        {"f1.mip", "mip"},   {"v1.mip", "mip1"}, {"block-levels.mip", "mip"}, {"f7.srb", "srb-strict"},
        {"f0.srb", "srb"},
    };
    int loaded = 0;
    int refused = 0;
    std::uint32_t seed = 20261209;
    for (auto [name, kind] : samples)
    {
        Bytes bytes = ReadFileBytes(SampleFolder() + "/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        std::string k = kind;
        Robustness check(name, bytes);
        auto use = [&k](const Bytes& b) { LoadReadSaveReload(b, k); };
        RobustnessTally prefixes = check.EveryPrefix(use);
        // Only the whole file loads: every chunk declares its size.
        EXPECT_EQ(prefixes.loaded, 0) << name;
        RobustnessTally mutations = check.Mutations(seed++, 800, use);
        loaded += mutations.loaded;
        refused += prefixes.refused + mutations.refused;
    }
    // The mutations reach both outcomes.
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 1000);
}

TEST(BitmapRobustness, PrefixesAndMutationsOfTheN2AndN4Files)
{
    // Every level of what loads is read: the N4 levels are read from their kept bytes then.
    const std::pair<const char*, const char*> samples[] = {
        {"n2-f1.mip", "n2mip"}, {"n2-f3.srb", "n2srb"}, {"n4-v1-f7.mip", "n4mip"}, {"n4-v4-f10.mip", "n4mip"},
        {"n4-v4-f11.mip", "n4mip"}, {"f7.stp", "stp"}, {"f11.stp", "stp"}, {"sunny.pcx", "pcx"},
    };
    int loaded = 0;
    int refused = 0;
    std::uint32_t seed = 20261210;
    for (auto [name, kind] : samples)
    {
        Bytes bytes = ReadFileBytes(SampleFolder() + "/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        std::string k = kind;
        Robustness check(name, bytes);
        auto use = [&k](const Bytes& b) { LoadReadSaveReload(b, k); };
        RobustnessTally prefixes = check.EveryPrefix(use);
        RobustnessTally mutations = check.Mutations(seed++, 600, use);
        loaded += prefixes.loaded + mutations.loaded;
        refused += prefixes.refused + mutations.refused;
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 1000);
}

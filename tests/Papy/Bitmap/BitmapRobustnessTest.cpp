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

typedef std::pair<const char*, const char*> Sample; // file name, kind

// Every prefix and the mutations of each sample; both outcomes must be reached.
void Exercise(const std::vector<Sample>& samples, std::uint32_t seed, int mutations, bool onlyWholeFilesLoad)
{
    int loaded = 0;
    int refused = 0;
    for (auto [name, kind] : samples)
    {
        Bytes bytes = ReadFileBytes(SampleFolder() + "/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        std::string k = kind;
        Robustness check(name, bytes);
        auto use = [&k](const Bytes& b) { LoadReadSaveReload(b, k); };
        RobustnessTally prefixes = check.EveryPrefix(use);
        if (onlyWholeFilesLoad)
        {
            EXPECT_EQ(prefixes.loaded, 0) << name;
        }
        RobustnessTally changed = check.Mutations(seed++, mutations, use);
        loaded += prefixes.loaded + changed.loaded;
        refused += prefixes.refused + changed.refused;
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 1000);
}
} // namespace

TEST(BitmapRobustness, PrefixesAndMutationsOfEveryKind)
{
    // One sample of each kind, the paletted and block formats among them. Only the whole
    // file loads: every chunk declares its size.
    Exercise({{"f0.pbf", "pbf"}, {"f11.pbf", "pbf"}, {"m1-f7.bmap", "bmap1"}, {"f0.mip", "mip"}, {"f1.mip", "mip"},
              {"v1.mip", "mip1"}, {"block-levels.mip", "mip"}, {"f7.srb", "srb-strict"}, {"f0.srb", "srb"}},
             20261209, 800, true);
}

TEST(BitmapRobustness, PrefixesAndMutationsOfTheN2AndN4Files)
{
    // Every level of what loads is read: the N4 levels are read from their kept bytes then.
    Exercise({{"n2-f1.mip", "n2mip"}, {"n2-f3.srb", "n2srb"}, {"n4-v1-f7.mip", "n4mip"}, {"n4-v4-f10.mip", "n4mip"},
              {"n4-v4-f11.mip", "n4mip"}, {"f7.stp", "stp"}, {"f11.stp", "stp"}, {"sunny.pcx", "pcx"}},
             20261210, 600, false);
}

TEST(BitmapRobustness, FilesCutShortFailWithTheirReadersErrors)
{
    // A file cut anywhere, within a level as much as within a header, is refused by its
    // reader (a short read, a seek or a format error), never by an assertion: every prefix of
    // every sample of the checker, of every kind (the one large sample left out for time).
    auto samples = ReadTable(SampleFolder() + "/samples.txt");
    ASSERT_GE(samples.size(), 30u);
    int files = 0;
    for (const auto& row : samples)
    {
        const std::string& name = row.at(0);
        std::string kind = row.at(1);
        Bytes bytes = ReadFileBytes(SampleFolder() + "/" + name);
        if (bytes.size() > 4096)
            continue;
        Robustness check(name, bytes);
        RobustnessTally prefixes = check.EveryPrefix([&kind](const Bytes& b) { LoadReadSaveReload(b, kind); });
        EXPECT_EQ(prefixes.asserted, 0) << name;
        EXPECT_GT(prefixes.refused, 0) << name;
        ++files;
    }
    EXPECT_GE(files, 30);
}

// A .3do file is untrusted: every prefix of valid files and thousands of seeded mutations of
// them must load or fail with one of our exceptions, never crash, hang or allocate wildly
// (the sanitizer build runs this too). Nodes of the files that do load are written back.
#include <random>

#include <gtest/gtest.h>

#include "GPLSamples.h"
#include "GPLTestFile.h"
#include "Util/Exception.h"

using namespace VelmoTest;

namespace
{
// Loads the bytes and writes every node of the result; returns false when something other
// than one of our exceptions escaped.
bool Survives(const Bytes& bytes, bool strict, std::string& what)
{
    StrictGuard guard(strict);
    try
    {
        auto file = Load(bytes, "mutant.3do");
        OwnedBuffer out("out", Bytes(bytes.size() * 2 + 64));
        for (const auto& [id, node] : file->GetSubObjects())
        {
            try
            {
                node->GetType();
                out.Seek(0);
                node->Write(out, 0);
            }
            catch (const Velmo::Util::Exception&)
            {
                // A dangling reference or an offset asked of a handle: our errors.
            }
        }
    }
    catch (const Velmo::Util::Exception&)
    {
    }
    catch (const std::exception& e)
    {
        what = e.what();
        return false;
    }
    catch (...)
    {
        what = "unknown exception";
        return false;
    }
    return true;
}

// One to four changes: a byte, a word set to a value that stresses counts and offsets, or
// the file cut short.
Bytes Mutate(const Bytes& original, std::mt19937& random)
{
    Bytes bytes = original;
    const std::uint32_t special[] = {0, 1, 3, 4, 12, 16, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFC,
                                     0x40000000, 0x10000, std::uint32_t(bytes.size())};
    std::uniform_int_distribution<int> changes(1, 4);
    for (int n = changes(random); n > 0 && !bytes.empty(); --n)
    {
        std::size_t at = std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random);
        switch (std::uniform_int_distribution<int>(0, 9)(random))
        {
        case 0:
            bytes.resize(at);
            break;
        case 1:
        case 2:
        case 3:
            bytes[at] = std::uint8_t(random());
            break;
        default:
        {
            at &= ~std::size_t(3);
            if (at + 4 > bytes.size())
                break;
            std::uint32_t value = std::uniform_int_distribution<int>(0, 2)(random) == 0
                                      ? std::uint32_t(random())
                                      : special[random() % (sizeof special / sizeof special[0])];
            for (int i = 0; i < 4; ++i)
                bytes[at + i] = std::uint8_t(value >> (8 * i));
        }
        }
    }
    return bytes;
}
} // namespace

TEST(GPLRobustness, EveryPrefixOfTheSamplesFailsCleanly)
{
    for (const auto& name : SampleNames())
    {
        const Bytes bytes = ReadSample(name);
        ASSERT_FALSE(bytes.empty()) << name;
        for (std::size_t length = 0; length <= bytes.size(); ++length)
        {
            std::string what;
            EXPECT_TRUE(Survives(Bytes(bytes.begin(), bytes.begin() + length), length % 2 == 0, what))
                << name << " cut at " << length << ": " << what;
        }
    }
}

TEST(GPLRobustness, SeededMutationsOfTheSamplesFailCleanly)
{
    const int perSample = 2000;
    for (const auto& name : SampleNames())
    {
        const Bytes bytes = ReadSample(name);
        ASSERT_FALSE(bytes.empty()) << name;
        for (int seed = 0; seed < perSample; ++seed)
        {
            std::mt19937 random(std::uint32_t(seed * 7919 + name.size()));
            std::string what;
            EXPECT_TRUE(Survives(Mutate(bytes, random), seed % 2 == 1, what))
                << name << " seed " << seed << ": " << what;
        }
    }
}

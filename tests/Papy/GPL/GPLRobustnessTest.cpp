// A .3do file is untrusted: every prefix of valid files and thousands of seeded mutations of
// them must load or fail with one of our exceptions, never crash, hang or allocate wildly
// (the sanitizer build runs this too). Nodes of the files that do load are written back.
// Strict mode alternates from case to case.
#include <gtest/gtest.h>

#include "GPLSamples.h"
#include "GPLTestFile.h"
#include "Support/Robustness.h"
#include "Util/Exception.h"

using namespace VelmoTest;

namespace
{
// Loads the bytes and writes every node of the result.
void LoadAndWrite(const Bytes& bytes, bool strict)
{
    StrictGuard guard(strict);
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
} // namespace

TEST(GPLRobustness, EveryPrefixOfTheSamplesFailsCleanly)
{
    for (const auto& name : SampleNames())
    {
        const Bytes bytes = ReadSample(name);
        ASSERT_FALSE(bytes.empty()) << name;
        Robustness(name, bytes).EveryPrefix([](const Bytes& b, int length) { LoadAndWrite(b, length % 2 == 0); });
    }
}

TEST(GPLRobustness, SeededMutationsOfTheSamplesFailCleanly)
{
    for (const auto& name : SampleNames())
    {
        const Bytes bytes = ReadSample(name);
        ASSERT_FALSE(bytes.empty()) << name;
        Robustness(name, bytes).Mutations(7919, 2000, [](const Bytes& b, int seed) { LoadAndWrite(b, seed % 2 == 1); });
    }
}

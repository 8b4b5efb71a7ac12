// An N2 .3do file is untrusted: every prefix of the generator's samples and thousands of
// seeded mutations of them must load or fail with one of our exceptions, never crash, hang or
// allocate wildly (the sanitizer build runs this too). A file that loads is listed (every
// node's values asked through its interface, colours under the palette) and each node is
// written to a scratch block.
#include <gtest/gtest.h>

#include "N2TestSupport.h"
#include "Support/Robustness.h"

using namespace VelmoTest;

namespace
{
void LoadAndUse(const Bytes& bytes)
{
    TestFactory factory;
    auto file = Load(bytes, factory.Factory, "mutant.3do");
    try
    {
        ListFile(*file);
    }
    catch (const Velmo::Util::Exception&)
    {
        // A reference to a missing node, vertex or string: the look-up's assertion.
    }
    Bytes block(bytes.size() * 2 + 64);
    Velmo::Util::CharBuffer scratch("scratch", U32(block.size()), block.data());
    for (const auto& [id, node] : file->GetSubObjects())
    {
        try
        {
            scratch.Seek(0);
            node->Write(scratch, U32(id));
        }
        catch (const Velmo::Util::Exception&)
        {
        }
    }
}
} // namespace

TEST(N2Robustness, EveryPrefixOfTheSamplesFailsCleanly)
{
    for (const auto& name : SampleNames())
    {
        Robustness check(name + ".3do", ReadFile(SampleFolder() + "/" + name + ".3do"));
        auto tally = check.EveryPrefix(LoadAndUse, true);
        EXPECT_EQ(tally.loaded, 0) << name;
    }
}

TEST(N2Robustness, SeededMutationsOfTheSamplesFailCleanly)
{
    for (const auto& name : SampleNames())
    {
        Robustness check(name + ".3do", ReadFile(SampleFolder() + "/" + name + ".3do"));
        auto tally = check.Mutations(20261209 + std::uint32_t(name.size()), 800, LoadAndUse);
        EXPECT_GT(tally.refused, 0) << name;
    }
}

// Damaged archives: every prefix and thousands of seeded mutations of the generated samples.
// Each load ends in success or one of our exceptions (never a crash, a hang or a huge
// allocation; the sanitizer build checks the memory accesses). A file that loads is walked,
// saved, and must load again and save to the same bytes.
#include <gtest/gtest.h>

#include "N4TestSupport.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Support/Robustness.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
struct Sample
{
    const char* name;
    const N4ArchiverList& archivers;
};

const Sample Samples[] = {
    {"structure.3do", GetN4TdoArchivers()},
    {"shared.3do", GetN4TdoArchivers()},
    {"track.ptf", GetN4PtfArchivers()},
    {"primitives.3do", GetN4TdoArchivers()},
    {"variants.ptf", GetN4PtfArchivers()},
};

// Loads bytes (a refusal throws); a file that loads is also walked and written back, and what
// it writes must read back and write the same bytes again.
void Exercise(const Bytes& bytes, const N4ArchiverList& archivers)
{
    Util::CountedPointer<N4TdoFile> file = Load(bytes, archivers);
    try
    {
        ThreeDObjectVisitor visitor;
        file->GetRoot()->Accept(visitor);
    }
    catch (const Util::Exception&)
    {
        // A node may refuse to answer a value it holds (a box whose maximum lies below its
        // minimum, a code without a name); the file itself stays usable.
    }
    Bytes saved = Save(*file);
    Bytes again;
    EXPECT_NO_THROW(again = Save(*Load(saved, archivers)));
    EXPECT_EQ(again, saved);
}
} // namespace

TEST(N4Robustness, EveryPrefixIsRefused)
{
    for (const Sample& sample : Samples)
    {
        const Bytes bytes = ReadSample(sample.name);
        ASSERT_NO_THROW(Exercise(bytes, sample.archivers)) << sample.name;
        Robustness(sample.name, bytes).EveryPrefix([&](const Bytes& b) { Exercise(b, sample.archivers); }, true);
    }
}

TEST(N4Robustness, SeededMutations)
{
    for (const Sample& sample : Samples)
    {
        const int rounds = 4000;
        RobustnessTally tally = Robustness(sample.name, ReadSample(sample.name))
                                    .Mutations(20261209, rounds, [&](const Bytes& b) { Exercise(b, sample.archivers); });
        // Mutations that only change values leave loadable files: both outcomes occur.
        EXPECT_GT(tally.loaded, 0) << sample.name;
        EXPECT_LT(tally.loaded, rounds) << sample.name;
    }
}

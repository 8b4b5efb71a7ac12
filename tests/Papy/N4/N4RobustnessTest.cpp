// Damaged archives: every prefix and thousands of seeded mutations of the generated samples.
// Each load ends in success or one of our exceptions (never a crash, a hang or a huge
// allocation; the sanitizer build checks the memory accesses). A file that loads is walked,
// saved, and must load again and save to the same bytes.
#include <gtest/gtest.h>

#include <random>

#include "N4TestSupport.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"

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

enum class Outcome
{
    Loaded,
    Refused
};

// Loads bytes; a file that loads is also walked and written back, and what it writes must
// read back and write the same bytes again.
Outcome Exercise(const Bytes& bytes, const N4ArchiverList& archivers)
{
    Util::CountedPointer<N4TdoFile> file;
    try
    {
        file = Load(bytes, archivers);
    }
    catch (const Util::Exception&)
    {
        return Outcome::Refused;
    }
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
    return Outcome::Loaded;
}

void Mutate(Bytes& bytes, std::mt19937& random)
{
    static const std::uint32_t words[] = {0,          1,          2,          3,          4,          8,
                                          0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0x40000000, 0x10000000, 24};
    int count = 1 + int(random() % 4);
    for (int i = 0; i < count && !bytes.empty(); ++i)
    {
        size_t at = random() % bytes.size();
        switch (random() % 5)
        {
        case 0:
            bytes[at] = std::uint8_t(random());
            break;
        case 1:
            bytes[at] ^= std::uint8_t(1u << (random() % 8));
            break;
        case 2:
            if (at + 4 <= bytes.size())
            {
                std::uint32_t w = words[random() % std::size(words)];
                for (int k = 0; k < 4; ++k)
                    bytes[at + k] = std::uint8_t(w >> (8 * k));
            }
            break;
        case 3:
            bytes.erase(bytes.begin() + at, bytes.begin() + std::min(bytes.size(), at + 1 + random() % 8));
            break;
        default:
            bytes.insert(bytes.begin() + at, 1 + random() % 8, std::uint8_t(random()));
            break;
        }
    }
}
} // namespace

TEST(N4Robustness, EveryPrefixIsRefused)
{
    for (const Sample& sample : Samples)
    {
        Bytes bytes = ReadSample(sample.name);
        ASSERT_EQ(Exercise(bytes, sample.archivers), Outcome::Loaded) << sample.name;
        for (size_t size = 0; size < bytes.size(); ++size)
        {
            Bytes prefix(bytes.begin(), bytes.begin() + size);
            EXPECT_EQ(Exercise(prefix, sample.archivers), Outcome::Refused) << sample.name << " prefix " << size;
        }
    }
}

TEST(N4Robustness, SeededMutations)
{
    for (const Sample& sample : Samples)
    {
        const Bytes original = ReadSample(sample.name);
        std::mt19937 random(20261209);
        int loaded = 0;
        const int rounds = 4000;
        for (int round = 0; round < rounds; ++round)
        {
            Bytes bytes = original;
            Mutate(bytes, random);
            SCOPED_TRACE(std::string(sample.name) + " round " + std::to_string(round));
            loaded += Exercise(bytes, sample.archivers) == Outcome::Loaded;
        }
        // Mutations that only change values leave loadable files: both outcomes occur.
        EXPECT_GT(loaded, 0) << sample.name;
        EXPECT_LT(loaded, rounds) << sample.name;
    }
}

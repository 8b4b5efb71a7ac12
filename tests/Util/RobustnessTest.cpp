// The shared robustness helper itself: which cases it feeds and what it reports.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "Support/Robustness.h"
#include "Util/Exception.h"

using namespace VelmoTest;

namespace
{
const Bytes Sample{1, 2, 3, 4, 5, 6, 7, 8};

// Loads a sample only when it is whole; anything else is refused with our error.
void LoadWhole(const Bytes& bytes)
{
    if (bytes != Sample)
        throw Velmo::Util::XFileFormat("sample", "damaged");
}
} // namespace

TEST(Robustness, FeedsEveryProperPrefixAndReproducibleMutations)
{
    Robustness check("sample", Sample);
    std::vector<size_t> lengths;
    RobustnessTally prefixes = check.EveryPrefix([&](const Bytes& b) { lengths.push_back(b.size()); LoadWhole(b); }, true);
    EXPECT_EQ(prefixes.refused, 8);
    EXPECT_EQ(lengths, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7}));

    std::vector<Bytes> first, second;
    check.Mutations(7, 50, [&](const Bytes& b, int) { first.push_back(b); });
    check.Mutations(7, 50, [&](const Bytes& b) { second.push_back(b); });
    EXPECT_EQ(first, second);
    EXPECT_EQ(std::count(first.begin(), first.end(), Sample), 0);
}

TEST(Robustness, ReportsWhatIsNotOurError)
{
    static const Robustness check("sample", Sample);
    EXPECT_NONFATAL_FAILURE(check.Mutations(1, 1, [](const Bytes&) { throw std::length_error("vector"); }),
                            "sample seed 1 mutation 0: vector");
    EXPECT_NONFATAL_FAILURE(check.EveryPrefix([](const Bytes& b) { if (b.size() == 5) throw 5; }),
                            "sample cut at 5: an unknown exception");
    EXPECT_NONFATAL_FAILURE(check.EveryPrefix(
                                [](const Bytes& b) {
                                    if (b.size() != 3)
                                        LoadWhole(b);
                                },
                                true),
                            "sample cut at 3: loaded");
}

// An assertion is not a refusal: it is counted apart, with the first cases and their texts.
TEST(Robustness, CountsAssertionsApartFromRefusals)
{
    Robustness check("sample", Sample);
    RobustnessTally prefixes = check.EveryPrefix([](const Bytes& b) {
        if (b.size() % 2 == 1)
            throw Velmo::Util::XAssertion("count <= remaining", "Reader.cpp", 12);
        LoadWhole(b);
    });
    EXPECT_EQ(prefixes.loaded, 0);
    EXPECT_EQ(prefixes.refused, 4);
    EXPECT_EQ(prefixes.asserted, 4);
    EXPECT_EQ(prefixes.Calls(), 8);
    ASSERT_EQ(prefixes.assertions.size(), Robustness::KeptAssertions);
    EXPECT_EQ(prefixes.assertions[0],
              "sample cut at 1: " + Velmo::Util::XAssertion("count <= remaining", "Reader.cpp", 12).GetText());
    EXPECT_EQ(prefixes.assertions[2].rfind("sample cut at 5: ", 0), 0u);

    RobustnessTally clean = check.Mutations(3, 20, LoadWhole);
    EXPECT_EQ(clean.asserted, 0);
    EXPECT_TRUE(clean.assertions.empty());
    EXPECT_EQ(clean.refused, 20);
}

#pragma once
// Untrusted input, the shared test: a reader is handed every prefix of a valid sample and
// seeded mutations of it, and each call must end in success or one of our exceptions
// (a Util::Exception). Anything else escaping (a standard exception, an unknown one) is a
// test failure naming the case; crashes and bad memory accesses show in the sanitizer build.
//
//     VelmoTest::Robustness check("car.3do", bytes);
//     check.EveryPrefix([](const Bytes& b) { Load(b); });
//     check.Mutations(20261209, 2000, [](const Bytes& b) { Load(b)->Save(); });
//
// The callable takes the bytes, or the bytes and the case number (to vary a switch per case).
// What it does with a loaded object (walk, save, load again, EXPECT_...) is up to it.
//
// A call ends loaded, refused (one of our errors: the reader's own refusal) or asserted (our
// XAssertion: an internal check caught what the reader let through). An assertion is allowed
// but is counted apart and shown, with the first cases, on the test's output and as a property
// of the test, so that a reader that starts asserting is seen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <exception>
#include <iterator>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "Util/Exception.h"

namespace VelmoTest
{
typedef std::vector<std::uint8_t> Bytes;

// How the calls of one run ended.
struct RobustnessTally
{
    int loaded = 0;
    // Refused with one of our errors other than an assertion.
    int refused = 0;
    // Ended in an XAssertion.
    int asserted = 0;
    // The first few assertions: the case and the assertion's text.
    std::vector<std::string> assertions;

    int Calls() const { return loaded + refused + asserted; }
};

// One to four changes, each one of: a byte set at random, a bit flipped, a 32-bit word set
// to a value that stresses counts, sizes and offsets (mostly at a word boundary), the file
// cut short, a few bytes taken out, a few bytes put in.
inline Bytes MutateSample(const Bytes& original, std::mt19937& random)
{
    Bytes bytes = original;
    const std::uint32_t stress[] = {0, 1, 2, 3, 4, 8, 12, 16, 24, 0x10000, 0x10000000, 0x40000000, 0x7FFFFFFF,
                                    0x80000000, 0xFFFFFFFC, 0xFFFFFFFF, std::uint32_t(original.size())};
    int changes = 1 + int(random() % 4);
    for (int n = 0; n < changes && !bytes.empty(); ++n)
    {
        std::size_t at = random() % bytes.size();
        switch (random() % 10)
        {
        case 0:
            bytes[at] = std::uint8_t(random());
            break;
        case 1:
        case 2:
            bytes[at] ^= std::uint8_t(1u << (random() % 8));
            break;
        case 3:
            bytes.resize(at);
            break;
        case 4:
            bytes.erase(bytes.begin() + std::ptrdiff_t(at),
                        bytes.begin() + std::ptrdiff_t(std::min(bytes.size(), at + 1 + random() % 8)));
            break;
        case 5:
            bytes.insert(bytes.begin() + std::ptrdiff_t(at), 1 + random() % 8, std::uint8_t(random()));
            break;
        default:
        {
            if (random() % 4 != 0)
                at &= ~std::size_t(3);
            if (at + 4 > bytes.size())
                break;
            std::uint32_t word = random() % 4 == 0 ? std::uint32_t(random()) : stress[random() % std::size(stress)];
            for (int k = 0; k < 4; ++k)
                bytes[at + k] = std::uint8_t(word >> (8 * k));
        }
        }
    }
    return bytes;
}

class Robustness
{
public:
    Robustness(std::string name, Bytes sample) : m_name(std::move(name)), m_sample(std::move(sample)) {}

    // Every proper prefix, from the empty file up. With mustFail, a prefix that loads is a
    // failure too (for formats whose every byte is needed).
    template <class Use>
    RobustnessTally EveryPrefix(Use use, bool mustFail = false) const
    {
        RobustnessTally tally;
        for (std::size_t length = 0; length < m_sample.size(); ++length)
        {
            Bytes prefix(m_sample.begin(), m_sample.begin() + std::ptrdiff_t(length));
            std::string label = m_name + " cut at " + std::to_string(length);
            bool loaded = Run(use, prefix, int(length), label, tally);
            if (loaded && mustFail)
                ADD_FAILURE() << label << ": loaded, but a prefix must be refused";
        }
        Show(tally, "prefixes");
        return tally;
    }

    // count mutations; case i is made by a generator seeded from seed and i alone, so each
    // failure can be replayed on its own.
    template <class Use>
    RobustnessTally Mutations(std::uint32_t seed, int count, Use use) const
    {
        RobustnessTally tally;
        for (int i = 0; i < count; ++i)
        {
            std::seed_seq sequence{seed, std::uint32_t(i)};
            std::mt19937 random(sequence);
            Run(use, MutateSample(m_sample, random), i,
                m_name + " seed " + std::to_string(seed) + " mutation " + std::to_string(i), tally);
        }
        Show(tally, "mutations");
        return tally;
    }

    // How many assertions are kept with their text.
    static constexpr std::size_t KeptAssertions = 3;

private:
    // Shows the assertions of a run, if any.
    void Show(const RobustnessTally& tally, const char* run) const
    {
        if (tally.asserted == 0)
            return;
        std::string text = m_name + " " + run + ": " + std::to_string(tally.asserted) + " of " +
                           std::to_string(tally.Calls()) + " calls ended in an assertion";
        for (std::string first : tally.assertions)
        {
            while (!first.empty() && first.back() == '\n')
                first.pop_back();
            std::replace(first.begin(), first.end(), '\n', ' ');
            text += "\n  " + first;
        }
        std::cout << "[ ASSERTED ] " << text << std::endl;
        ::testing::Test::RecordProperty(m_name + " " + run + " assertions", tally.asserted);
    }

    // True when the call returned.
    template <class Use>
    static bool Run(Use& use, const Bytes& bytes, int number, const std::string& label, RobustnessTally& tally)
    {
        SCOPED_TRACE(label);
        try
        {
            if constexpr (std::is_invocable_v<Use&, const Bytes&, int>)
                use(bytes, number);
            else
                use(bytes);
            ++tally.loaded;
            return true;
        }
        catch (const Velmo::Util::XAssertion& e)
        {
            if (tally.assertions.size() < KeptAssertions)
                tally.assertions.push_back(label + ": " + e.GetText());
            ++tally.asserted;
        }
        catch (const Velmo::Util::Exception&)
        {
            ++tally.refused;
        }
        catch (const std::exception& e)
        {
            ADD_FAILURE() << label << ": " << e.what();
        }
        catch (...)
        {
            ADD_FAILURE() << label << ": an unknown exception";
        }
        return false;
    }

    std::string m_name;
    Bytes m_sample;
};
} // namespace VelmoTest

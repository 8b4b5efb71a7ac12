// Damaged archives: every prefix and thousands of seeded mutations of the samples are loaded,
// listed and read entry by entry; each ends in success or one of our exceptions.
#include <gtest/gtest.h>

#include "DatTestSupport.h"
#include "Support/Robustness.h"
#include "Support/TempFolder.h"

using namespace VelmoTest;

namespace
{
void LoadListRead(const std::string& format, const TempFolder& folder, const Bytes& bytes, int number)
{
    // A new file for each case: rewriting one file in place would make the file system write
    // it out to disk at every close.
    const std::string path = folder.Path("mutant" + std::to_string(number) + ".dat");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    struct Remove
    {
        const std::string& path;
        ~Remove() { std::remove(path.c_str()); }
    } remove{path};

    StrictScope strict(number % 2 == 1);
    auto dat = OpenDat(format, path);
    for (int i = 0; i < dat->GetEntryCount(); ++i)
    {
        std::string name = EntryPath(*dat, i);
        dat->GetEntrySize(i);
        dat->GetEntryCompressedSize(i);
        try
        {
            ReadAll(*dat->OpenEntry(i));
            if (auto byName = dat->OpenEntry(name))
                ReadAll(*byName);
        }
        catch (const Velmo::Util::Exception&)
        {
            // One damaged entry does not stop the others.
        }
    }
}
} // namespace

TEST(DatFileRobustness, PrefixesAndMutations)
{
    TempFolder folder;
    for (const char* name : {"icr2-valid.dat", "n4-valid.dat", "n4-damaged.dat"})
    {
        const std::string format = std::string(name).substr(0, 2) == "n4" ? "n4" : "icr2";
        std::string sample = FileBytes(DatSamplePath(name));
        Robustness check(name, Bytes(sample.begin(), sample.end()));
        auto use = [&](const Bytes& bytes, int number) { LoadListRead(format, folder, bytes, number); };
        RobustnessTally prefixes = check.EveryPrefix(use);
        RobustnessTally mutations = check.Mutations(20261209, 2000, use);
        // Most of the mutants are still archives.
        EXPECT_GT(mutations.loaded, 100) << name;
        EXPECT_GT(prefixes.refused, 0) << name;
    }
}

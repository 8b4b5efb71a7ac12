// The generator's samples load as its listings say, under either palette; every record of them
// is written back byte for byte; every crafted bad file fails with the generator's error.
#include <gtest/gtest.h>

#include "N2TestSupport.h"
#include "Util/StreamIO.h"

using namespace VelmoTest;
using namespace Velmo::Papy;

namespace
{
// The data of the first section with the given id.
Bytes SectionData(const Bytes& file, const std::string& id)
{
    std::size_t at = 12;
    while (at + 12 <= file.size())
    {
        std::string letters(file.rbegin() + std::ptrdiff_t(file.size() - at - 4), file.rbegin() + std::ptrdiff_t(file.size() - at));
        std::uint32_t size = Velmo::Util::DecodeLE<std::uint32_t>(file.data() + at + 8);
        if (letters == id)
            return Bytes(file.begin() + std::ptrdiff_t(at + 12), file.begin() + std::ptrdiff_t(at + 12 + size));
        at += 12 + (size + 3) / 4 * 4;
    }
    return {};
}

// A stream that writes into a block of its own.
class OutBuffer : public Velmo::Util::CharBuffer
{
public:
    explicit OutBuffer(std::vector<std::uint8_t>& block) : CharBuffer("out", U32(block.size()), block.data()) {}
};
} // namespace

TEST(N2Samples, LoadAsListedUnderEitherPalette)
{
    for (const auto& name : SampleNames())
    {
        SCOPED_TRACE(name);
        TestFactory factory;
        auto file = Load(ReadFile(SampleFolder() + "/" + name + ".3do"), factory.Factory, name + ".3do");
        EXPECT_EQ(ListFile(*file), ReadText(SampleFolder() + "/" + name + ".list"));
        // Colours are asked of the palette in force at each call.
        factory.Server->PushPalette(PaletteB());
        EXPECT_EQ(ListFile(*file), ReadText(SampleFolder() + "/" + name + ".B.list"));
        factory.Server->PopPalette();
        EXPECT_EQ(ListFile(*file), ReadText(SampleFolder() + "/" + name + ".list"));
    }
}

TEST(N2Samples, EveryRecordIsWrittenBackByteForByte)
{
    for (const auto& name : SampleNames())
    {
        SCOPED_TRACE(name);
        TestFactory factory;
        const Bytes bytes = ReadFile(SampleFolder() + "/" + name + ".3do");
        auto file = Load(bytes, factory.Factory, name + ".3do");
        const Bytes prim = SectionData(bytes, "PRIM");
        ASSERT_GE(prim.size(), 4u);
        Bytes written(prim.size());
        OutBuffer out(written);
        out.Write(4, prim.data());
        for (const auto& [id, node] : file->GetSubObjects())
        {
            if (id < 0 || id >= N2TdoFile::FirstNewId)
                continue;
            ASSERT_EQ(out.Tell(), std::uint64_t(id));
            node->Write(out, U32(id));
            EXPECT_EQ(node->GetFileOffset(), std::uint64_t(id));
            // Each record alone.
            Bytes record(out.Tell() - std::uint64_t(id));
            std::copy(written.begin() + id, written.begin() + std::ptrdiff_t(out.Tell()), record.begin());
            EXPECT_TRUE(std::equal(record.begin(), record.end(), prim.begin() + id)) << "record " << id;
        }
        EXPECT_EQ(out.Tell(), prim.size());
        EXPECT_TRUE(written == prim);
    }
}

TEST(N2Samples, BadFilesFailWithTheirErrors)
{
    std::istringstream list(ReadText(SampleFolder() + "/bad.list"));
    std::string line;
    int count = 0;
    while (std::getline(list, line))
    {
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos);
        const std::string name = line.substr(0, tab);
        TestFactory factory;
        EXPECT_EQ(LoadError(ReadFile(SampleFolder() + "/" + name), factory.Factory), line.substr(tab + 1)) << name;
        ++count;
    }
    EXPECT_GE(count, 25);
}

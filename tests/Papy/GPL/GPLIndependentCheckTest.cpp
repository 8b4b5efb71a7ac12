// Files of the independent generator load as its own listing says, and every record of them
// is written back byte for byte.
#include <gtest/gtest.h>

#include "GPLSamples.h"
#include "GPLTestFile.h"
#include "Papy/GPL/GPLInstructionDecoder.h"
#include "Papy/Model/ThreeDObjectHandle.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/Exception.h"
#include "Util/StreamIO.h"

using namespace VelmoTest;
using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;

namespace
{
struct Listing
{
    std::vector<std::pair<int, std::string>> records;
    std::uint32_t rootWord = 0;
    std::vector<int> handleObjects;
};

Listing ListSample(const std::string& name)
{
    Listing listing;
    std::ifstream lines(SampleFolder() + "/" + name.substr(0, name.size() - 4) + ".list");
    std::string first, second, third;
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream words(line);
        words >> first >> second;
        if (first == "root")
            listing.rootWord = std::uint32_t(std::stoul(second));
        else if (first == "handle")
        {
            words >> third;
            listing.handleObjects.push_back(std::stoi(third));
        }
        else
            listing.records.emplace_back(std::stoi(first), second);
    }
    return listing;
}

// The type word and sub-type of a type text ("27-8", "5.13", "8-21", "3-A", "17.2", "23").
std::pair<std::uint32_t, std::int64_t> TypeOf(const std::string& text)
{
    if (text == "8-21")
        return {2069, GPLInstructionDecoder::NoSubType};
    if (text == "3-A")
        return {2563, GPLInstructionDecoder::NoSubType};
    auto dot = text.find('.');
    if (dot != std::string::npos)
        return {std::uint32_t(std::stoul(text.substr(0, dot))), std::stoll(text.substr(dot + 1))};
    std::uint32_t word = std::uint32_t(std::stoul(text));
    if (text.size() > 2 && text.substr(text.size() - 2) == "-8")
        word |= 0x800;
    return {word, GPLInstructionDecoder::NoSubType};
}

// The data of the first section with the given id.
Bytes SectionData(const Bytes& file, const std::string& id)
{
    std::size_t at = 12;
    while (at + 12 <= file.size())
    {
        std::string letters(file.begin() + at, file.begin() + at + 4);
        std::uint32_t size = Velmo::Util::DecodeLE<std::uint32_t>(file.data() + at + 8);
        if (letters == ChunkLetters(id))
            return Bytes(file.begin() + at + 12, file.begin() + at + 12 + size);
        at += 12 + (size + 3) / 4 * 4;
    }
    return {};
}

class Counter : public ThreeDObjectVisitor
{
public:
    bool Enter(ThreeDObject& node) override
    {
        ids.push_back(node.GetId());
        return true;
    }
    void Visit(ThreeDObject& node) override { ids.push_back(node.GetId()); }
    std::vector<int> ids;
};
} // namespace

TEST(GPLIndependentCheck, GeneratedFilesLoadAsListedAndWriteBackByteForByte)
{
    for (const auto& name : SampleNames())
    {
        SCOPED_TRACE(name);
        const Listing listing = ListSample(name);
        ASSERT_FALSE(listing.records.empty());
        bool known = true;
        for (const auto& [id, text] : listing.records)
        {
            auto [word, sub] = TypeOf(text);
            known = known && GPLInstructionDecoder::Knows(word, sub);
        }
        const Bytes bytes = ReadSample(name);
        if (!known)
        {
            // Record types of another family of nodes: refused until their rows exist.
            try
            {
                Load(bytes, name);
                ADD_FAILURE() << "loaded with unknown records";
            }
            catch (const Velmo::Util::XFileFormat& e)
            {
                EXPECT_EQ(e.GetMessage(), "GPL TDO File unknown instruction type");
            }
            continue;
        }
        auto file = Load(bytes, name);

        // Every record under its offset, with the generator's type text.
        std::vector<std::pair<int, std::string>> loaded;
        for (const auto& [id, node] : file->GetSubObjects())
            if (id >= 0)
                loaded.emplace_back(id, node->GetType());
        EXPECT_EQ(loaded, listing.records);

        // The root: the root word's object, then one handle per HAND record.
        auto root = file->GetRoot();
        ASSERT_EQ(root->GetChildCount(), int(1 + listing.handleObjects.size()));
        EXPECT_EQ(std::uint32_t(root->GetChild(0)->GetId()), listing.rootWord);
        for (std::size_t i = 0; i < listing.handleObjects.size(); ++i)
        {
            CountedPointer<ThreeDObjectHandle> handle;
            handle = root->GetChild(int(i + 1));
            ASSERT_TRUE(handle.Get() != nullptr);
            EXPECT_EQ(handle->GetId(), -3 - int(i));
            EXPECT_EQ(handle->GetObject()->GetId(), listing.handleObjects[i]);
        }

        // Each node written at its own offset rebuilds the PRIM data.
        const Bytes prim = SectionData(bytes, "PRIM");
        OwnedBuffer out("out", Bytes(prim.size()));
        Velmo::Util::WriteLE<std::uint32_t>(out, listing.rootWord);
        for (const auto& [id, text] : listing.records)
        {
            EXPECT_EQ(out.Tell(), std::uint64_t(id));
            file->GetSubObject(id)->Write(out, std::uint32_t(id));
        }
        const Bytes& written = out.GetBytes();
        std::size_t differ = 0;
        while (differ < prim.size() && written[differ] == prim[differ])
            ++differ;
        EXPECT_EQ(differ, prim.size()) << "first difference at PRIM offset " << differ;
    }
}

TEST(GPLIndependentCheck, MinimalFileHasOneRootChildAndWalksItsTree)
{
    auto file = Load(ReadSample("minimal.3do"));
    auto root = file->GetRoot();
    ASSERT_EQ(root->GetChildCount(), 1);
    Counter walk;
    root->Accept(walk);
    // The list at 4 names the polygon at 28, the shared polygon at 52 twice and the line at 76.
    EXPECT_EQ(walk.ids, (std::vector<int>{-2, 4, 28, 52, 52, 76}));
}

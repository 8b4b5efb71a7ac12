#include <gtest/gtest.h>

#include <string>

#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Factory/MakeFacets.h"
#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Vantrel/Doc/DocumentPattern.h"
#include "Vantrel/Doc/DocumentSource.h"

using Velmo::Util::CountedPointer;

namespace
{
// A folder's files as plain streams, named by the name and extension Make is given.
class PlainMakeUnknown : public Velmo::Papy::MakeUnknown
{
public:
    explicit PlainMakeUnknown(std::string folder) : m_folder(std::move(folder)) {}
    void Make(CountedPointer<Velmo::Util::BinaryStream>& object, const std::string& name,
              const std::string& extension, bool) override
    {
        Names.push_back(name + "|" + extension);
        const std::string file = name.find('.') != std::string::npos ? name : name + "." + extension;
        object.Reset(Velmo::Util::BinaryFile::OpenRead(m_folder + file));
    }
    void Adopt(const CountedPointer<Velmo::Util::BinaryStream>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}
    static inline std::vector<std::string> Names;

private:
    std::string m_folder;
};

// Every folder is the test game's; a folder named "bare" gets a factory without facets.
class TestRecognizer : public Velmo::Papy::FileFactoryRecognizer
{
public:
    TestRecognizer() : FileFactoryRecognizer(true) {}
    CountedPointer<Velmo::Papy::FileFactory> MakeDirectoryFactory(const Velmo::Papy::PapyDirectory& directory,
                                                                 bool) override
    {
        CountedPointer<Velmo::Papy::FileFactory> factory(new Velmo::Papy::FileFactory);
        if (directory.GetName() != "bare")
            factory->AddFacet<Velmo::Papy::MakeUnknown>(new PlainMakeUnknown(directory.GetPath()));
        return factory;
    }
    CountedPointer<Velmo::Papy::FileFactory> MakeDatFactory(const std::string&, bool) override { return {}; }
    bool RecognizeDatHeader(const std::string&) override { return false; }
    bool RecognizeDatContent(const std::string&) override { return false; }
    bool RecognizeDirectory(const Velmo::Papy::PapyDirectory&) override { return true; }
};

void Register(Velmo::Papy::FileFactoryRegistry&)
{
    static TestRecognizer recognizer;
}
} // namespace

TEST(DocumentPattern, OpensThroughTheFoldersFactory)
{
    Velmo::Papy::FileFactoryRegistry::SetRegistration(Register);
    VelmoTest::TempFolder folder;
    folder.Write("game/Dump.Bin", "0123456789");
    folder.Write("bare/x.ptf", "ptf");

    CountedPointer<Velmo::Util::BinaryStream> stream;
    CDocumentPattern::Factory factory =
        CDocumentPattern::Make<Velmo::Papy::MakeUnknown>(folder.Path("game/dump.bin"), "dump", "bin", stream);
    ASSERT_NE(stream.Get(), nullptr);
    EXPECT_EQ(stream->Size(), 10u);
    EXPECT_NE(factory.Get(), nullptr);
    EXPECT_EQ(PlainMakeUnknown::Names.back(), "dump|bin");
    // The same folder gives the same factory.
    CountedPointer<Velmo::Util::BinaryStream> again;
    EXPECT_EQ(CDocumentPattern::Make<Velmo::Papy::MakeUnknown>(folder.Path("GAME/Dump.Bin"), "dump", "Bin", again).Get(),
              factory.Get());

    // A factory without the facet: a plain sentence, and nothing handed over.
    CountedPointer<Velmo::Util::BinaryStream> none;
    std::string text;
    try
    {
        CDocumentPattern::Make<Velmo::Papy::MakeUnknown>(folder.Path("bare/x.ptf"), "x", "ptf", none);
    }
    catch (const Velmo::Util::XUsage& refused)
    {
        text = refused.GetText();
    }
    EXPECT_EQ(text, folder.Path("bare/x.ptf") + " can't be opened: its folder holds no files of that kind");
    EXPECT_EQ(none.Get(), nullptr);

    // The hexadecimal dump takes its stream the same way once the registry is in use.
    CDocumentPattern::SetUsesRegistry(true);
    CDocumentSource::Stream viaSource = CDocumentSource::MakeUnknown(folder.Path("game/dump.bin"));
    CDocumentPattern::SetUsesRegistry(false);
    ASSERT_NE(viaSource.Get(), nullptr);
    EXPECT_EQ(viaSource->Size(), 10u);
    EXPECT_EQ(PlainMakeUnknown::Names.back(), "dump.bin|bin");
}

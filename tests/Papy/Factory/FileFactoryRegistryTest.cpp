#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PurgeFactory.h"
#include "Support/TempFolder.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"

using Velmo::Papy::FileFactory;
using Velmo::Papy::FileFactoryRecognizer;
using Velmo::Papy::GetDirectory;
using Velmo::Papy::MakeMip;
using Velmo::Papy::MipFile;
using Velmo::Papy::PapyDirectory;
using Velmo::Papy::PurgeFactory;
typedef Velmo::Papy::FileFactoryRegistry Registry;
using Velmo::Util::CountedPointer;
using Velmo::Util::XAssertion;
using Velmo::Util::XFileFormat;
using Velmo::Util::XFileOpen;
using VelmoTest::TempFolder;

namespace
{
// A Make facet that counts the purges of its cache.
class PurgeCountingMakeMip : public MakeMip
{
public:
    void Make(CountedPointer<MipFile>&, const std::string&, const std::string&, bool) override {}
    void Adopt(const CountedPointer<MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override { ++purges; }

    int purges = 0;
};

// A stand-in for a game's recognizer: answers what it is told and logs every question.
class FakeRecognizer : public FileFactoryRecognizer
{
public:
    FakeRecognizer(std::string name, bool isDefault, Registry& registry, std::vector<std::string>& log)
        : FileFactoryRecognizer(isDefault, registry), m_name(std::move(name)), m_log(log)
    {
    }

    std::function<bool(const std::string&)> header = [](const std::string&) { return false; };
    std::function<bool(const std::string&)> content = [](const std::string&) { return false; };
    std::function<bool(const PapyDirectory&)> folder = [](const PapyDirectory&) { return false; };
    // Called by the builders; may throw.
    std::function<void()> build = [] {};
    // Whether the factories built carry a PurgeFactory facet.
    bool purgeable = true;

    CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory& directory, bool writable) override
    {
        m_log.push_back(m_name + ":build-folder" + (writable ? "-writable" : ""));
        return Make(directory);
    }
    CountedPointer<FileFactory> MakeDatFactory(const std::string& path, bool writable) override
    {
        m_log.push_back(m_name + ":build-dat" + (writable ? "-writable" : ""));
        return Make(PapyDirectory(path));
    }
    bool RecognizeDatHeader(const std::string& path) override
    {
        m_log.push_back(m_name + ":header");
        return header(path);
    }
    bool RecognizeDatContent(const std::string& path) override
    {
        m_log.push_back(m_name + ":content");
        return content(path);
    }
    bool RecognizeDirectory(const PapyDirectory& directory) override
    {
        m_log.push_back(m_name + ":folder");
        return folder(directory);
    }

private:
    CountedPointer<FileFactory> Make(const PapyDirectory& directory)
    {
        build();
        CountedPointer<FileFactory> factory(new FileFactory);
        factory->AddFacet<GetDirectory>(new GetDirectory(directory));
        factory->AddFacet<MakeMip>(new PurgeCountingMakeMip);
        if (purgeable)
            factory->AddFacet<PurgeFactory>(new PurgeFactory(factory.Get()));
        return factory;
    }

    std::string m_name;
    std::vector<std::string>& m_log;
};

class FileFactoryRegistry : public ::testing::Test
{
protected:
    FileFactoryRegistry()
    {
        folder.MakeFolder("x/Monza");
        folder.Write("x/Monza/Monza.dat", "dat");
        folder.Write("x/Monza/extra.dat", "dat");
        folder.MakeFolder("x/monza2");
        folder.Write("x/monza2/Monza2.dat", "dat");
    }

    // The log since the last call.
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    TempFolder folder;
    Registry registry;
    std::vector<std::string> log;
};

typedef std::vector<std::string> Log;
} // namespace

TEST_F(FileFactoryRegistry, MakeKey)
{
    const std::string x = folder.Path("x");
    const std::string lx = Velmo::Util::ToLower(x);
    struct Case
    {
        std::string path, key;
    } cases[] = {
        {x + "/Monza", lx + "/monza"},
        {x + "/MONZA", lx + "/monza"},
        {x + "\\monza", lx + "/monza"},
        // A DAT named after its folder is the folder; any other DAT is itself.
        {x + "/Monza/Monza.dat", lx + "/monza"},
        {x + "/monza/monza.DAT", lx + "/monza"},
        {x + "/Monza/extra.dat", lx + "/monza/extra.dat"},
        // The base name is compared with the folder's name in the case they have on disk.
        {x + "/monza2/Monza2.dat", lx + "/monza2/monza2.dat"},
        {"/", "/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Registry::MakeKey(c.path), c.key) << c.path;
}

TEST_F(FileFactoryRegistry, OneFactoryPerFolder)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    gpl.folder = [](const PapyDirectory&) { return true; };
    gpl.header = [](const std::string&) { return true; };

    CountedPointer<FileFactory> first = registry.GetFactory(folder.Path("x/Monza"), false);
    ASSERT_TRUE(first);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder"}));
    EXPECT_EQ(first->GetFacet<GetDirectory>()->Directory.GetPath(), folder.Path("x/Monza/"));

    // Other spellings of the folder, and the DAT named after it: the cache answers.
    for (const std::string& path : {folder.Path("x/MONZA/"), folder.Path("x/monza"), folder.Path("x/Monza/Monza.dat"),
                                    registry.MakeKey(folder.Path("x/Monza"))})
    {
        EXPECT_EQ(registry.GetFactory(path, false).Get(), first.Get()) << path;
        EXPECT_EQ(Take(), Log{}) << path;
    }
    EXPECT_EQ(registry.GetFactory(PapyDirectory(folder.Path("x/Monza/Monza.dat")), false).Get(), first.Get());

    // Another DAT of the folder has a factory of its own.
    CountedPointer<FileFactory> extra = registry.GetFactory(folder.Path("x/Monza/extra.dat"), false);
    EXPECT_NE(extra.Get(), first.Get());
    EXPECT_EQ(Take(), (Log{"GPL:content", "GPL:header", "GPL:build-dat"}));

    // The root keeps its separator.
    CountedPointer<FileFactory> root = registry.GetFactory("/", false);
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->GetFacet<GetDirectory>()->Directory.IsRoot());
    EXPECT_EQ(registry.GetFactory(PapyDirectory("/"), false).Get(), root.Get());
}

TEST_F(FileFactoryRegistry, DatFirstThenFolderShareTheFactory)
{
    FakeRecognizer n4("N4", false, registry, log);
    n4.content = [](const std::string&) { return true; };
    CountedPointer<FileFactory> dat = registry.GetFactory(folder.Path("x/Monza/Monza.dat"), false);
    EXPECT_EQ(Take(), (Log{"N4:content", "N4:build-dat"}));
    EXPECT_EQ(registry.GetFactory(folder.Path("x/monza/"), false).Get(), dat.Get());
    EXPECT_EQ(Take(), Log{});
}

TEST_F(FileFactoryRegistry, DatPasses)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    FakeRecognizer n2("N2", false, registry, log);
    FakeRecognizer n4("N4", false, registry, log);
    const std::string dat = folder.Path("x/Monza/extra.dat");

    // Content, in registration order.
    n2.content = [](const std::string&) { return true; };
    n4.content = [](const std::string&) { return true; };
    registry.GetFactory(dat, false);
    EXPECT_EQ(Take(), (Log{"GPL:content", "N2:content", "N2:build-dat"}));

    // Then the default recognizer's header test, before anybody else's.
    Registry second;
    FakeRecognizer a("A", false, second, log), b("B", true, second, log), c("C", false, second, log);
    a.header = c.header = b.header = [](const std::string&) { return true; };
    second.GetFactory(dat, false);
    EXPECT_EQ(Take(), (Log{"A:content", "B:content", "C:content", "B:header", "B:build-dat"}));

    // Then the first header test that says yes.
    Registry third;
    FakeRecognizer d("D", true, third, log), e("E", false, third, log), f("F", false, third, log);
    f.header = [](const std::string&) { return true; };
    third.GetFactory(dat, false);
    EXPECT_EQ(Take(), (Log{"D:content", "E:content", "F:content", "D:header", "D:header", "E:header", "F:header",
                           "F:build-dat"}));

    // A lone recognizer is asked in pass two whatever its flag.
    Registry fourth;
    FakeRecognizer g("G", false, fourth, log);
    g.header = [](const std::string&) { return true; };
    fourth.GetFactory(dat, false);
    EXPECT_EQ(Take(), (Log{"G:content", "G:header", "G:build-dat"}));
}

TEST_F(FileFactoryRegistry, UnrecognisedFileGivesNothingEveryTime)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    const std::string dat = folder.Path("x/Monza/extra.dat");
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_FALSE(registry.GetFactory(dat, false));
        EXPECT_EQ(Take(), (Log{"GPL:content", "GPL:header", "GPL:header"}));
    }
}

TEST_F(FileFactoryRegistry, FolderPasses)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    FakeRecognizer n2("N2", false, registry, log);
    FakeRecognizer sub("Sub", false, registry, log);
    n2.folder = [](const PapyDirectory&) { return true; };
    registry.GetFactory(folder.Path("x/Monza"), false);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "N2:folder", "N2:build-folder"}));

    // Nobody claims it: the default recognizer builds.
    n2.folder = [](const PapyDirectory&) { return false; };
    registry.GetFactory(folder.Path("x"), false);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "N2:folder", "Sub:folder", "GPL:build-folder"}));

    // A folder test that cannot open a file ends the pass.
    n2.folder = [](const PapyDirectory&) -> bool { throw XFileOpen("f", "gone"); };
    registry.GetFactory(folder.Path("x/monza2"), false);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "N2:folder", "GPL:build-folder"}));
}

TEST_F(FileFactoryRegistry, FoldersThatDifferOnlyInCaseHaveAFactoryEach)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    gpl.folder = [](const PapyDirectory&) { return true; };
    folder.MakeFolder("x/Spa");
    folder.MakeFolder("x/spa");
    CountedPointer<FileFactory> upper = registry.GetFactory(folder.Path("x/Spa"), false);
    CountedPointer<FileFactory> lower = registry.GetFactory(folder.Path("x/spa/"), false);
    ASSERT_TRUE(upper && lower);
    EXPECT_NE(upper.Get(), lower.Get());
    EXPECT_EQ(upper->GetFacet<GetDirectory>()->Directory.GetPath(), folder.Path("x/Spa/"));
    EXPECT_EQ(lower->GetFacet<GetDirectory>()->Directory.GetPath(), folder.Path("x/spa/"));
    EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder", "GPL:folder", "GPL:build-folder"}));
    // Asked again, each as written; written as neither, the first in the folder's order.
    EXPECT_EQ(registry.GetFactory(folder.Path("x/spa"), false).Get(), lower.Get());
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Spa/"), false).Get(), upper.Get());
    EXPECT_EQ(registry.GetFactory(folder.Path("x/SPA"), false).Get(), upper.Get());
    EXPECT_EQ(Take(), Log{});
    // The purge drops both.
    upper = lower = nullptr;
    registry.Purge();
    EXPECT_NE(registry.GetFactory(folder.Path("x/spa"), false).Get(), nullptr);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder"}));
}

TEST_F(FileFactoryRegistry, FolderWithoutDefault)
{
    // A lone recognizer builds whatever its flag.
    FakeRecognizer a("A", false, registry, log);
    EXPECT_TRUE(registry.GetFactory(folder.Path("x"), false));
    EXPECT_EQ(Take(), (Log{"A:folder", "A:build-folder"}));

    // Two, neither the default: the assertion.
    FakeRecognizer b("B", false, registry, log);
    try
    {
        registry.GetFactory(folder.Path("x/Monza"), false);
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "false");
        EXPECT_STREQ(e.GetFile(), ".\\FileFactoryRegistry.cpp");
    }
}

TEST_F(FileFactoryRegistry, FailedBuildCachesNothing)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    gpl.build = [] { throw XFileFormat("monza.dat", "ICR2 dat file subfile count error"); };
    for (int i = 0; i < 2; ++i)
    {
        EXPECT_THROW(registry.GetFactory(folder.Path("x/Monza"), false), XFileFormat);
        EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder"}));
    }
    gpl.build = [] {};
    EXPECT_TRUE(registry.GetFactory(folder.Path("x/Monza"), false));
}

TEST_F(FileFactoryRegistry, WritableRebuild)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    CountedPointer<FileFactory> readOnly = registry.GetFactory(folder.Path("x/Monza"), false);
    CountedPointer<FileFactory> writable = registry.GetFactory(folder.Path("x/Monza"), true);
    EXPECT_NE(writable.Get(), readOnly.Get());
    EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder", "GPL:folder", "GPL:build-folder-writable"}));
    // Either request is answered by the writable one now.
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Monza"), false).Get(), writable.Get());
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Monza/Monza.dat"), true).Get(), writable.Get());
    EXPECT_EQ(Take(), Log{});
    // The read-only factory lives on with its holder only.
    EXPECT_EQ(readOnly.GetCount(), 1);

    // A DAT of its own is rebuilt the same way, through the DAT passes.
    gpl.header = [](const std::string&) { return true; };
    const std::string extra = folder.Path("x/Monza/extra.dat");
    CountedPointer<FileFactory> readOnlyDat = registry.GetFactory(extra, false);
    CountedPointer<FileFactory> writableDat = registry.GetFactory(extra, true);
    EXPECT_NE(writableDat.Get(), readOnlyDat.Get());
    EXPECT_EQ(registry.GetFactory(extra, false).Get(), writableDat.Get());
    EXPECT_EQ(Take(), (Log{"GPL:content", "GPL:header", "GPL:build-dat", "GPL:content", "GPL:header",
                           "GPL:build-dat-writable"}));
}

TEST_F(FileFactoryRegistry, PurgeKeepsWhatIsHeld)
{
    FakeRecognizer gpl("GPL", true, registry, log);
    CountedPointer<FileFactory> held = registry.GetFactory(folder.Path("x/Monza"), false);
    CountedPointer<FileFactory> dropped = registry.GetFactory(folder.Path("x/monza2"), false);
    const FileFactory* droppedAddress = dropped.Get();
    dropped = nullptr;
    Take();

    registry.Purge();
    EXPECT_EQ(held.GetCount(), 2); // ours and the cache's
    // What is kept is purged: its Make caches drop what only they hold.
    EXPECT_EQ(dynamic_cast<PurgeCountingMakeMip&>(*held->GetFacet<MakeMip>()).purges, 1);
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Monza"), false).Get(), held.Get());
    EXPECT_EQ(Take(), Log{});
    // The dropped one is built again.
    CountedPointer<FileFactory> again = registry.GetFactory(folder.Path("x/monza2"), false);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder"}));
    static_cast<void>(droppedAddress);
    EXPECT_EQ(again.GetCount(), 2);
}

TEST_F(FileFactoryRegistry, RecognizersMayAskAgain)
{
    // A folder known through its parent, as folders inside a DAT are: the test asks for the
    // parent's factory while the outer request runs.
    FakeRecognizer gpl("GPL", true, registry, log);
    FakeRecognizer sub("Sub", false, registry, log);
    folder.MakeFolder("x/Monza/cars");
    CountedPointer<FileFactory> parent;
    sub.folder = [&](const PapyDirectory& directory) {
        if (directory.GetName() != "cars")
            return false;
        parent = registry.GetFactory(PapyDirectory(directory.GetParent()), false);
        return true;
    };
    CountedPointer<FileFactory> cars = registry.GetFactory(folder.Path("x/Monza/cars"), false);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "Sub:folder", "GPL:folder", "Sub:folder", "GPL:build-folder",
                           "Sub:build-folder"}));
    ASSERT_TRUE(parent);
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Monza"), false).Get(), parent.Get());
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Monza/Cars"), false).Get(), cars.Get());
    EXPECT_EQ(Take(), Log{});
}

TEST_F(FileFactoryRegistry, RegistrationRunsOnceOnFirstUse)
{
    static std::vector<std::string> log;
    static int runs = 0;
    Registry::SetRegistration([](Registry& registry) {
        ++runs;
        // Recognizers made here register with the registry being handed out.
        static FakeRecognizer first("First", true, *Registry::Instance(), log);
        static FakeRecognizer second("Second", false, registry, log);
    });
    Registry* registry = Registry::Instance();
    EXPECT_EQ(Registry::Instance(), registry);
    EXPECT_EQ(runs, 1);
    ASSERT_TRUE(registry->GetFactory(folder.Path(), false));
    EXPECT_EQ(log, (Log{"First:folder", "Second:folder", "First:build-folder"}));
}

TEST_F(FileFactoryRegistry, PurgePassesOverFactoriesWithoutThePurgeFacet)
{
    // As the factories of folders inside a DAT: kept while held, never purged.
    FakeRecognizer gpl("GPL", true, registry, log);
    gpl.purgeable = false;
    CountedPointer<FileFactory> held = registry.GetFactory(folder.Path("x/Monza"), false);
    registry.Purge();
    registry.Purge();
    EXPECT_EQ(held.GetCount(), 2);
    EXPECT_EQ(dynamic_cast<PurgeCountingMakeMip&>(*held->GetFacet<MakeMip>()).purges, 0);
    held = nullptr;
    registry.Purge();
    EXPECT_EQ(registry.GetFactory(folder.Path("x/Monza"), false).GetCount(), 2);
    EXPECT_EQ(Take(), (Log{"GPL:folder", "GPL:build-folder", "GPL:folder", "GPL:build-folder"}));
}

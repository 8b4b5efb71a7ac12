#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>
#include <sys/resource.h>

#include "Support/TempFolder.h"
#include "Papy/Model/TdoFile.h"
#include "Util/Exception.h"
#include "Util/CountedPointer.h"
#include "Vantrel/Doc/CommonSave.h"

namespace
{
const std::string Original = std::string(200, 'o');

// What the targets were told once their files were in place: the path, then what the file held.
std::vector<std::string> told;

void Tell(CCommonSave::Target& target)
{
    target.Saved = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        told.push_back(path + ": " + std::string(std::istreambuf_iterator<char>(in), {}));
    };
}

CCommonSave::Target Writing(const std::string& bytes)
{
    CCommonSave::Target target;
    target.HasFile = true;
    target.CanSave = true;
    target.Save = [bytes](Velmo::Util::BinaryStream& stream) { stream.Write(Velmo::U32(bytes.size()), bytes.data()); };
    Tell(target);
    return target;
}

std::string UsageText(const std::string& path, const CCommonSave::Target& target)
{
    try
    {
        CCommonSave::Save(path, target);
    }
    catch (const Velmo::Util::XUsage& usage)
    {
        return usage.GetText();
    }
    return "(saved)";
}

struct Unsavable
{
    bool CanSave() const { return false; }
    void Save(Velmo::Util::BinaryStream&) {}
};
struct Plain
{
    void Save(Velmo::Util::BinaryStream& stream) { stream.Write(5, "plain"); }
};
} // namespace

// 3D objects answer whether they can be saved (N2's cannot); the common save asks them.
static_assert(requires(const Velmo::Papy::TdoFile& file) { file.CanSave(); });

TEST(CommonSave, WritesAndReplaces)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("obj.3do", Original);
    told.clear();
    CCommonSave::Save(path, Writing("new contents"));
    EXPECT_EQ(folder.Read("obj.3do"), "new contents");
    EXPECT_EQ(told, std::vector<std::string>{path + ": new contents"}) << "told once the file is in place";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(CommonSave, RefusesBeforeMakingAnyFile)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("obj.3do", Original);
    told.clear();
    CCommonSave::Target none;
    Tell(none);
    EXPECT_EQ(UsageText(path, none), CCommonSave::NoFileText);
    CCommonSave::Target cannot = Writing("x");
    cannot.CanSave = false;
    EXPECT_EQ(UsageText(path, cannot), CCommonSave::CannotSaveText);
    EXPECT_EQ(UsageText(folder.Path("new.3do"), cannot), CCommonSave::CannotSaveText);
    EXPECT_EQ(folder.Read("obj.3do"), Original);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("new.3do")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    EXPECT_TRUE(told.empty());

    // The file object's own query decides; objects without one can always be saved.
    Velmo::Util::CountedPointer<Unsavable> unsavable(new Unsavable);
    EXPECT_EQ(UsageText(path, MakeSaveTarget<Unsavable>(unsavable)), CCommonSave::CannotSaveText);
    Velmo::Util::CountedPointer<Unsavable> empty;
    EXPECT_EQ(UsageText(path, MakeSaveTarget<Unsavable>(empty)), CCommonSave::NoFileText);
    Velmo::Util::CountedPointer<Plain> plain(new Plain);
    CCommonSave::Save(path, MakeSaveTarget<Plain>(plain));
    EXPECT_EQ(folder.Read("obj.3do"), "plain");
}

TEST(CommonSave, ThrowingWriterLeavesOriginal)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("obj.3do", Original);
    CCommonSave::Target target;
    target.HasFile = target.CanSave = true;
    target.Save = [](Velmo::Util::BinaryStream& stream) {
        stream.Write(4, "half");
        throw std::runtime_error("writer failed");
    };
    Tell(target);
    told.clear();
    EXPECT_THROW(CCommonSave::Save(path, target), std::runtime_error);
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(folder.Read("obj.3do"), Original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(CommonSave, FailingCommitLeavesOriginal)
{
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("obj.3do", Original);
    // Files may not grow beyond 16 bytes: the buffered bytes fail to reach the disk at Commit.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string text;
    told.clear();
    try
    {
        CCommonSave::Save(path, Writing(std::string(100, 'n')));
    }
    catch (const Velmo::Util::XFileWrite& error)
    {
        text = error.GetText();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(text.rfind("Couldn't write to ", 0), 0u) << text;
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(folder.Read("obj.3do"), Original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

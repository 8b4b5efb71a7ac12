// The system may deliver fewer bytes than asked, or be interrupted before delivering any.
// This test program puts itself in front of the system's pread and pwrite to do exactly that
// while a flag is set, and checks that BinaryFile retries instead of failing. While another
// flag is set, every write goes to the system's always-full device instead, so that the
// system itself refuses it as a full disk does.
#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <sys/types.h>

#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

namespace
{
bool stingy = false;
int calls = 0;
int fullDevice = -1; // while open, the device every write goes to

template <class F>
F Next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// While stingy: every other call is interrupted, the others move at most 3 bytes.
bool Interrupt(std::size_t& count)
{
    if (!stingy)
        return false;
    if (++calls % 2 == 1)
        return true;
    count = count < 3 ? count : 3;
    return false;
}
} // namespace

extern "C" ssize_t pread(int fd, void* data, std::size_t count, off_t offset)
{
    static auto next = Next<ssize_t (*)(int, void*, std::size_t, off_t)>("pread");
    if (Interrupt(count))
    {
        errno = EINTR;
        return -1;
    }
    return next(fd, data, count, offset);
}

extern "C" ssize_t pwrite(int fd, const void* data, std::size_t count, off_t offset)
{
    static auto next = Next<ssize_t (*)(int, const void*, std::size_t, off_t)>("pwrite");
    if (fullDevice >= 0)
        return next(fullDevice, data, count, 0);
    if (Interrupt(count))
    {
        errno = EINTR;
        return -1;
    }
    return next(fd, data, count, offset);
}

TEST(BinaryFile, ShortAndInterruptedTransfersAreRetried)
{
    using namespace Velmo::Util;
    VelmoTest::TempFolder folder;
    std::string content;
    for (int i = 0; i < 70000; ++i)
        content += char('a' + i % 26);
    std::string path = folder.Write("short.bin", content);

    stingy = true;
    calls = 0;
    std::string read(content.size(), '\0');
    {
        CountedPointer<BinaryFile> file(BinaryFile::OpenUpdate(path));
        file->Read(10, read.data());                           // through the buffer
        file->Read(Velmo::U32(content.size() - 10), read.data() + 10); // directly
        file->Seek(5);
        file->Write(4, "WXYZ");
        file->Commit();
    }
    stingy = false;
    EXPECT_GT(calls, 1000);
    EXPECT_TRUE(read == content);
    EXPECT_EQ(folder.Read("short.bin").substr(0, 12), "abcdeWXYZjkl");
}

// A write refused for lack of space says so, whichever call writes the bytes out: a write too
// large for the buffer, a flush, or the commit of a save (whose target stays as it was).
TEST(BinaryFile, AWriteThatFindsTheDiskFullSaysWhy)
{
    using namespace Velmo::Util;
    VelmoTest::TempFolder folder;
    const std::string path = folder.Write("doc.3do", "original");
    const std::string full = "Couldn't write to " + path + "\nNo space left on device\n";
    const std::string large(300000, 'n');
    const struct
    {
        const char* what;
        bool save;
        std::size_t bytes;
    } cases[] = {{"large write", false, large.size()}, {"flush", false, 10}, {"commit of a save", true, 10}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        CountedPointer<BinaryFile> file(c.save ? BinaryFile::CreateAlways(path) : BinaryFile::OpenUpdate(path));
        fullDevice = open("/dev/full", O_WRONLY | O_CLOEXEC);
        ASSERT_GE(fullDevice, 0);
        std::string text = "(written)";
        try
        {
            file->Write(Velmo::U32(c.bytes), large.data());
            if (c.save)
                file->Commit();
            else
                file->Flush();
        }
        catch (const XFileWrite& e)
        {
            text = e.GetText();
        }
        close(fullDevice);
        fullDevice = -1;
        EXPECT_EQ(text, full);
        file = nullptr;
        EXPECT_EQ(folder.Read("doc.3do"), "original");
    }
}

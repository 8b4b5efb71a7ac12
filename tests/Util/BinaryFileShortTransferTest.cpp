// The system may deliver fewer bytes than asked, or be interrupted before delivering any.
// This test program puts itself in front of the system's pread and pwrite to do exactly that
// while a flag is set, and checks that BinaryFile retries instead of failing.
#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <sys/types.h>

#include "Support/TempFolder.h"
#include "Util/BinaryFile.h"
#include "Util/CountedPointer.h"

namespace
{
bool stingy = false;
int calls = 0;

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

// A string section is untrusted like the rest of the file: however short its strings (a
// section of NUL bytes is a string at every byte), the loaded file holds its strings in a
// small multiple of the section's bytes. The heap in use is counted through the program's
// operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

#include "N2Builder.h"
#include "N2TestSupport.h"

namespace
{
std::atomic<long long> g_heapInUse{0};

void* Allocate(std::size_t size) noexcept
{
    void* p = std::malloc(size != 0 ? size : 1);
    if (p != nullptr)
        g_heapInUse += static_cast<long long>(malloc_usable_size(p));
    return p;
}

void* AllocateOrThrow(std::size_t size)
{
    void* p = Allocate(size);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}
} // namespace

// Every form of new and delete that plain allocations use is replaced, so that nothing the
// program allocates is freed by another allocator. (The compiler cannot tell that these deletes
// free what these news allocated.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void operator delete(void* p) noexcept
{
    if (p == nullptr)
        return;
    g_heapInUse -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    operator delete(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    operator delete(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    operator delete(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    operator delete(p);
}
#pragma GCC diagnostic pop

using namespace VelmoTest;

TEST(N2TdoFile, StringsOfNulBytesTakeASmallMultipleOfTheirSection)
{
    const std::size_t sectionSize = 256 * 1024;
    N2Builder b;
    b.Record("list", 4, {0});
    const auto bytes = b.File("list", {N2Builder::Section("STRN", std::vector<std::uint8_t>(sectionSize, 0))});
    TestFactory factory;
    const long long before = g_heapInUse;
    auto file = Load(bytes, factory.Factory);
    const long long held = g_heapInUse - before;
    EXPECT_EQ(file->GetStringCount(), sectionSize - 1);
    EXPECT_EQ(file->GetString(Velmo::U32(sectionSize - 2)), "");
    EXPECT_LT(held, static_cast<long long>(12 * sectionSize)) << held << " bytes held for a section of " << sectionSize;
}

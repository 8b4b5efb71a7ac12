#include "Vantrel/Rows/BitmapPixelAllocator.h"

#include <cstdint>

#include <sys/mman.h>

namespace
{
// Large buffers are laid on huge pages where the system offers them: one page-table entry and
// one fault per 2 MiB in place of 512.
const std::size_t HugePage = std::size_t(2) << 20;

std::size_t Rounded(std::size_t size)
{
    return (size + HugePage - 1) / HugePage * HugePage;
}
} // namespace

void* MapBitmapPixelPages(std::size_t size)
{
    const std::size_t rounded = Rounded(size);
    if (rounded < size || rounded + HugePage < rounded)
        throw std::bad_alloc();
    // Mapped one huge page longer, then cut to a huge-page boundary at both ends.
    void* mapped = mmap(nullptr, rounded + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + HugePage - 1) & ~std::uintptr_t(HugePage - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    const std::uintptr_t end = start + rounded + HugePage;
    if (end > aligned + rounded)
        munmap(reinterpret_cast<void*>(aligned + rounded), end - (aligned + rounded));
    void* pages = reinterpret_cast<void*>(aligned);
    // Advice only: without huge pages the buffer works the same.
    madvise(pages, rounded, MADV_HUGEPAGE);
    return pages;
}

void UnmapBitmapPixelPages(void* pages, std::size_t size) noexcept
{
    munmap(pages, Rounded(size));
}

#pragma once
// The allocator of the image buffers of the bitmap panes. A large buffer is mapped on its own,
// on huge pages where the system offers them: a buffer of tens of megabytes on 4 KiB pages costs
// a fault and a page-table entry per page, which outweighs the making of the images (several
// times over where page tables are costly, as under a hypervisor). Elements are left
// uninitialised (the images write every byte), so there is no zeroing pass either.
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

// Zeroed pages for size bytes; throws std::bad_alloc when none can be had.
void* MapBitmapPixelPages(std::size_t size);
void UnmapBitmapPixelPages(void* pages, std::size_t size) noexcept;

template <class T>
class BitmapPixelAllocator
{
public:
    typedef T value_type;

    // Buffers from this size on are mapped; smaller ones come from the heap.
    static constexpr std::size_t MappedSize = std::size_t(1) << 20;

    BitmapPixelAllocator() noexcept = default;
    template <class U>
    BitmapPixelAllocator(const BitmapPixelAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        if (n * sizeof(T) >= MappedSize)
            return static_cast<T*>(MapBitmapPixelPages(n * sizeof(T)));
        return std::allocator<T>().allocate(n);
    }

    void deallocate(T* p, std::size_t n) noexcept
    {
        if (n * sizeof(T) >= MappedSize)
            UnmapBitmapPixelPages(p, n * sizeof(T));
        else
            std::allocator<T>().deallocate(p, n);
    }

    // Default initialisation: nothing for bytes.
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Arguments>
    void construct(U* p, Arguments&&... arguments)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Arguments>(arguments)...);
    }

    template <class U>
    bool operator==(const BitmapPixelAllocator<U>&) const noexcept
    {
        return true;
    }
};

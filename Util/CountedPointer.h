#pragma once
// The one shared-ownership handle of the system: the object pointer and a separately
// allocated use count shared by every holder. Counting is plain (single thread).
//
// The count word also remembers how to delete the object, chosen when a raw pointer is
// first wrapped. So the last holder deletes the object even when it holds no object itself
// (a converting assignment whose dynamic cast failed shares the count but not the object).
#include <cstddef>
#include <type_traits>
#include <utility>

// GCC 12 reports a false use-after-free when several holders of one count word are
// released in one inlined scope.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
#endif

namespace Velmo::Util
{
namespace Detail
{
struct CountWord
{
    int count;
    void* object;
    void (*destroy)(void*);
};
} // namespace Detail

template <class T>
class CountedPointer
{
public:
    typedef T element_type;

    CountedPointer() noexcept = default;
    CountedPointer(std::nullptr_t) noexcept {}

    // Brings an object under counting. An object is wrapped once; every further holder is a
    // copy. A null pointer gives an empty holder and allocates nothing.
    explicit CountedPointer(T* object)
    {
        if (object != nullptr)
        {
            try
            {
                m_count = new Detail::CountWord{1, const_cast<std::remove_cv_t<T>*>(object), &Destroy};
            }
            catch (...)
            {
                delete object;
                throw;
            }
            m_object = object;
        }
    }

    CountedPointer(const CountedPointer& other) noexcept : m_object(other.m_object), m_count(other.m_count)
    {
        AddRef();
    }

    CountedPointer(CountedPointer&& other) noexcept : m_object(other.m_object), m_count(other.m_count)
    {
        other.m_object = nullptr;
        other.m_count = nullptr;
    }

    // Converting copy from a holder of a derived type.
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    CountedPointer(const CountedPointer<U>& other) noexcept : m_object(other.m_object), m_count(other.m_count)
    {
        AddRef();
    }

    ~CountedPointer() { Release(); }

    CountedPointer& operator=(const CountedPointer& other) noexcept
    {
        if (other.m_object == m_object)
            return *this;
        Release();
        m_object = other.m_object;
        m_count = other.m_count;
        AddRef();
        return *this;
    }

    CountedPointer& operator=(CountedPointer&& other) noexcept
    {
        if (this == &other)
            return *this;
        if (other.m_object == m_object && m_object != nullptr)
        {
            other.Release();
            other.m_object = nullptr;
            other.m_count = nullptr;
            return *this;
        }
        Release();
        m_object = other.m_object;
        m_count = other.m_count;
        other.m_object = nullptr;
        other.m_count = nullptr;
        return *this;
    }

    CountedPointer& operator=(std::nullptr_t) noexcept
    {
        Release();
        m_object = nullptr;
        m_count = nullptr;
        return *this;
    }

    // Converting assignment: an upcast when U derives from T, otherwise a dynamic downcast
    // (the target then holds no object when the source is not a T, but shares the count).
    template <class U, class = std::enable_if_t<!std::is_same_v<U, T>>>
    CountedPointer& operator=(const CountedPointer<U>& other)
    {
        if constexpr (std::is_convertible_v<U*, T*>)
        {
            T* converted = other.m_object;
            if (converted == m_object)
                return *this;
            Release();
            m_object = converted;
        }
        else
        {
            static_assert(std::is_polymorphic_v<U>, "a narrowing assignment needs a polymorphic source");
            T* cast = dynamic_cast<T*>(other.m_object);
            U* held = m_object;
            if (held == other.m_object)
                return *this;
            Release();
            m_object = cast;
        }
        m_count = other.m_count;
        AddRef();
        return *this;
    }

    // Replaces the held object by a newly wrapped raw pointer (nothing when it is the same).
    void Reset(T* object = nullptr)
    {
        if (object == m_object)
            return;
        CountedPointer fresh(object);
        Release();
        m_object = fresh.m_object;
        m_count = fresh.m_count;
        fresh.m_object = nullptr;
        fresh.m_count = nullptr;
    }

    T* Get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    T& operator*() const noexcept { return *m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }

    // The number of holders sharing the count (0 for an empty holder).
    int GetCount() const noexcept { return m_count != nullptr ? m_count->count : 0; }

    // Lets go of the object (the last holder deletes it) and leaves this holder empty, so that
    // a later release, assignment or the destructor never counts it down twice.
    void Release() noexcept
    {
        Detail::CountWord* count = m_count;
        m_object = nullptr;
        m_count = nullptr;
        if (count == nullptr || --count->count != 0)
            return;
        if (count->object != nullptr)
            count->destroy(count->object);
        delete count;
    }

private:
    template <class U>
    friend class CountedPointer;

    static void Destroy(void* object) { delete static_cast<T*>(object); }

    void AddRef() noexcept
    {
        if (m_count != nullptr)
            ++m_count->count;
    }

    T* m_object = nullptr;
    Detail::CountWord* m_count = nullptr;
};

template <class T, class U>
bool operator==(const CountedPointer<T>& a, const CountedPointer<U>& b) noexcept
{
    return a.Get() == b.Get();
}

template <class T>
bool operator==(const CountedPointer<T>& a, std::nullptr_t) noexcept
{
    return a.Get() == nullptr;
}

template <class T, class U>
bool operator<(const CountedPointer<T>& a, const CountedPointer<U>& b) noexcept
{
    return a.Get() < b.Get();
}
} // namespace Velmo::Util

#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif

#pragma once
// The object cache of a Make source: key (the lower-cased file name) to the loaded object.
// Objects loaded through one factory are shared: a cached object is handed out again for every
// request of its key. Two purge forms, fixed per facet kind.
//
// Keys fold case, but two files on disk whose names differ only in case stay two objects: an
// object made from such a file (a "twin") is cached under its name as it is on disk, '/'
// between folders, and asked for by that name.
//
// An entry may name the object its object was made from (a track and the file it is built on),
// so that forgetting that object forgets what was made from it too. The source is known by its
// identity only: it is never reached through the pointer.
//
// ForgetUnheld keeps the objects that others hold only for their holders: such an entry is
// handed out while another holder keeps its object, so that a file held open is read again only
// as that object, and counts as absent once only the cache holds it (the next request reads the
// file again and its object takes the entry).
#include <algorithm>
#include <map>
#include <string>

#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
template <class Object>
class MakeCache
{
public:
    struct Entry
    {
        Util::CountedPointer<Object> Held;
        // The object Held was made from; null when it was read from its own file.
        const void* Source = nullptr;
        // Kept by ForgetUnheld for other holders: handed out only while they hold it.
        bool ForHolders = false;
    };
    typedef std::map<std::string, Entry> Map;

    // The cached object of key, or empty.
    Util::CountedPointer<Object> Find(const std::string& key) const { return FindIn(m_map, key); }

    // The cached object of a requested file: a twin of that very name, else the object of the
    // file's key; empty when neither is cached.
    Util::CountedPointer<Object> Find(const std::string& file, const std::string& key) const
    {
        if (!m_twins.empty())
        {
            std::string name = file;
            std::replace(name.begin(), name.end(), '\\', '/');
            if (auto twin = FindIn(m_twins, name))
                return twin;
        }
        return Find(key);
    }

    // The cached object of the twin of that name on disk, or empty.
    Util::CountedPointer<Object> FindTwin(const std::string& name) const { return FindIn(m_twins, name); }

    // Files object under key (made from source, when given), releasing what was there, which is
    // returned (empty when the key had nothing).
    Util::CountedPointer<Object> Store(const std::string& key, const Util::CountedPointer<Object>& object,
                                       const void* source = nullptr)
    {
        return StoreIn(m_map, key, object, source);
    }

    // Files the object of a twin under its name on disk, likewise.
    Util::CountedPointer<Object> StoreTwin(const std::string& name, const Util::CountedPointer<Object>& object,
                                           const void* source = nullptr)
    {
        return StoreIn(m_twins, name, object, source);
    }

    // Drops, in one walk in key order (the twins after the keys), every object that only the
    // cache holds. An object whose last other holder is dropped later in the same walk stays
    // until the next purge.
    void ReleaseUnheld()
    {
        ReleaseUnheldIn(m_map);
        ReleaseUnheldIn(m_twins);
    }

    // Forgets every object that only the cache holds and keeps the others only for their
    // holders (see above): no object is handed out again once nobody else holds it.
    void ForgetUnheld()
    {
        ReleaseUnheld();
        for (Map* map : {&m_map, &m_twins})
            for (auto& entry : *map)
                entry.second.ForHolders = true;
    }

    // Forgets the object wherever it is cached (under keys or as a twin), and every object made
    // from it, whoever else holds them; the next request of their files loads them again.
    // Whether anything was cached.
    bool Forget(const void* object)
    {
        const bool inMap = ForgetIn(m_map, object);
        const bool inTwins = ForgetIn(m_twins, object);
        return inMap || inTwins;
    }

    // Forgets every object, whoever else holds it; the next request loads the file again.
    void Clear()
    {
        m_map.clear();
        m_twins.clear();
    }

    // The entries cached under keys (twins aside).
    const Map& GetMap() const { return m_map; }
    // The entries of twins, by their names on disk.
    const Map& GetTwins() const { return m_twins; }

private:
    static Util::CountedPointer<Object> FindIn(const Map& map, const std::string& key)
    {
        auto found = map.find(key);
        if (found == map.end() || (found->second.ForHolders && found->second.Held.GetCount() == 1))
            return {};
        return found->second.Held;
    }

    static Util::CountedPointer<Object> StoreIn(Map& map, const std::string& key,
                                                const Util::CountedPointer<Object>& object, const void* source)
    {
        Entry& entry = map[key];
        Util::CountedPointer<Object> previous = std::move(entry.Held);
        entry = Entry{object, source, false};
        return previous;
    }

    static void ReleaseUnheldIn(Map& map)
    {
        for (auto entry = map.begin(); entry != map.end();)
        {
            if (entry->second.Held.GetCount() == 1)
                entry = map.erase(entry);
            else
                ++entry;
        }
    }

    static bool ForgetIn(Map& map, const void* object)
    {
        return std::erase_if(map, [object](const auto& entry) {
                   return static_cast<const void*>(entry.second.Held.Get()) == object ||
                          (object != nullptr && entry.second.Source == object);
               }) > 0;
    }

    Map m_map;
    Map m_twins;
};
} // namespace Velmo::Papy

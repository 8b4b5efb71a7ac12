#pragma once
// The object cache of a Make source: key (the lower-cased file name) to the loaded object.
// Objects loaded through one factory are shared: a cached object is handed out again for every
// request of its key. Two purge forms, fixed per facet kind.
//
// Keys fold case, but two files on disk whose names differ only in case stay two objects: an
// object made from such a file (a "twin") is cached under its name as it is on disk, '/'
// between folders, and asked for by that name.
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
    typedef std::map<std::string, Util::CountedPointer<Object>> Map;

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

    // Files object under key, releasing what was there.
    void Store(const std::string& key, const Util::CountedPointer<Object>& object) { m_map[key] = object; }

    // Files the object of a twin under its name on disk.
    void StoreTwin(const std::string& name, const Util::CountedPointer<Object>& object) { m_twins[name] = object; }

    // Drops, in one walk in key order (the twins after the keys), every object that only the
    // cache holds. An object whose last other holder is dropped later in the same walk stays
    // until the next purge.
    void ReleaseUnheld()
    {
        ReleaseUnheldIn(m_map);
        ReleaseUnheldIn(m_twins);
    }

    // Forgets the object wherever it is cached (under keys or as a twin), whoever else holds it;
    // the next request of its file loads the file again. Whether it was cached.
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

    // The objects cached under keys (twins aside).
    const Map& GetMap() const { return m_map; }
    // The objects of twins, by their names on disk.
    const Map& GetTwins() const { return m_twins; }

private:
    static Util::CountedPointer<Object> FindIn(const Map& map, const std::string& key)
    {
        auto found = map.find(key);
        return found != map.end() ? found->second : Util::CountedPointer<Object>();
    }

    static void ReleaseUnheldIn(Map& map)
    {
        for (auto entry = map.begin(); entry != map.end();)
        {
            if (entry->second.GetCount() == 1)
                entry = map.erase(entry);
            else
                ++entry;
        }
    }

    static bool ForgetIn(Map& map, const void* object)
    {
        return std::erase_if(map, [object](const auto& entry) {
                   return static_cast<const void*>(entry.second.Get()) == object;
               }) > 0;
    }

    Map m_map;
    Map m_twins;
};
} // namespace Velmo::Papy

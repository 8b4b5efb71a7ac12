#pragma once
// The object cache of a Make source: key (the lower-cased file name) to the loaded object.
// Objects loaded through one factory are shared: a cached object is handed out again for every
// request of its key. Two purge forms, fixed per facet kind.
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
    Util::CountedPointer<Object> Find(const std::string& key) const
    {
        auto found = m_map.find(key);
        return found != m_map.end() ? found->second : Util::CountedPointer<Object>();
    }

    // Files object under key, releasing what was there.
    void Store(const std::string& key, const Util::CountedPointer<Object>& object) { m_map[key] = object; }

    // Drops, in one walk in key order, every object that only the cache holds. An object whose
    // last other holder is dropped later in the same walk (at a greater key) stays until the
    // next purge.
    void ReleaseUnheld()
    {
        for (auto entry = m_map.begin(); entry != m_map.end();)
        {
            if (entry->second.GetCount() == 1)
                entry = m_map.erase(entry);
            else
                ++entry;
        }
    }

    // Forgets every object, whoever else holds it; the next request loads the file again.
    void Clear() { m_map.clear(); }

    const Map& GetMap() const { return m_map; }

private:
    Map m_map;
};
} // namespace Velmo::Papy

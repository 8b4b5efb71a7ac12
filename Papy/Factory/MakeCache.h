#pragma once
// The object cache of a Make source: key (the file name folded, MakeLookup::Key) to the loaded
// object. Objects loaded through one factory are shared: a cached object is handed out again for
// every request of its file while the file stays as it was read.
//
// Each entry keeps where its object came from: the path of the loose file and its identity
// (Util::FileIdentity), or, for an entry of the folder's DAT, the DAT file's identity and no
// path. A look-up hands the object out only for the same path with the same identity
// (FindCurrent); a file changed, replaced, deleted, or another file now found for the name,
// and the look-up reads the file again and its object takes the entry. An object filed by
// Adopt (made in memory, never read) is handed out whatever the disk holds.
//
// Keys fold case, but two files on disk whose names differ only in case stay two objects: an
// object made from such a file (a "twin") is cached under its name as it is on disk, '/'
// between folders, and asked for by that name.
//
// What nobody but the cache holds is kept only within a small share: at most keptUnheld
// entries, and only while the files they were read from come to at most keptUnheldBytes bytes
// together (the size of a file stands for the size of its object); past either, the entries
// used longest ago go first. Each Store keeps to the share, and so does TrimUnheld.
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
#include <vector>

#include "Util/CountedPointer.h"
#include "Util/FileIdentity.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
// Where a cached object was read from.
struct MakeOrigin
{
    std::string path;            // the loose file; empty for a DAT entry
    Util::FileIdentity identity; // of the loose file, or of the DAT file
    U64 size = 0;                // the bytes read
};

template <class Object>
class MakeCache
{
public:
    // The share of objects that only the cache holds.
    static constexpr std::size_t keptUnheld = 4;
    static constexpr U64 keptUnheldBytes = U64(32) << 20;

    struct Entry
    {
        Util::CountedPointer<Object> Held;
        // The object Held was made from; null when it was read from its own file.
        const void* Source = nullptr;
        // Kept by ForgetUnheld for other holders: handed out only while they hold it.
        bool ForHolders = false;
        // Where Held was read from; Filed when it was filed by Adopt, not read.
        MakeOrigin Origin;
        bool Filed = true;
        U64 LastUse = 0;
    };
    typedef std::map<std::string, Entry> Map;

    // The cached object of key, or empty.
    Util::CountedPointer<Object> Find(const std::string& key) const { return FindIn(m_map, key); }

    // The cached object of the twin of that name on disk, or empty.
    Util::CountedPointer<Object> FindTwin(const std::string& name) const { return FindIn(m_twins, name); }

    // The object of key (of the twin of that name on disk, when twin) if it was filed by Adopt
    // or read from the very file origin names, as it is now; else empty.
    Util::CountedPointer<Object> FindCurrent(const std::string& key, bool twin, const MakeOrigin& origin)
    {
        Map& map = twin ? m_twins : m_map;
        auto found = map.find(key);
        if (found == map.end() || !Usable(found->second))
            return {};
        const Entry& entry = found->second;
        if (!entry.Filed && (entry.Origin.path != origin.path || entry.Origin.identity != origin.identity))
            return {};
        found->second.LastUse = ++m_uses;
        return entry.Held;
    }

    // The object filed by Adopt under key, or empty.
    Util::CountedPointer<Object> FindFiled(const std::string& key)
    {
        auto found = m_map.find(key);
        if (found == m_map.end() || !found->second.Filed || !Usable(found->second))
            return {};
        found->second.LastUse = ++m_uses;
        return found->second.Held;
    }

    // Files object under key (made from source, when given), releasing what was there, which is
    // returned (empty when the key had nothing). Without an origin the object counts as filed
    // by Adopt.
    Util::CountedPointer<Object> Store(const std::string& key, const Util::CountedPointer<Object>& object,
                                       const void* source = nullptr)
    {
        return StoreIn(m_map, key, object, source, nullptr);
    }
    Util::CountedPointer<Object> Store(const std::string& key, const Util::CountedPointer<Object>& object,
                                       const MakeOrigin& origin, const void* source = nullptr)
    {
        return StoreIn(m_map, key, object, source, &origin);
    }

    // Files the object of a twin under its name on disk, likewise.
    Util::CountedPointer<Object> StoreTwin(const std::string& name, const Util::CountedPointer<Object>& object,
                                           const void* source = nullptr)
    {
        return StoreIn(m_twins, name, object, source, nullptr);
    }
    Util::CountedPointer<Object> StoreTwin(const std::string& name, const Util::CountedPointer<Object>& object,
                                           const MakeOrigin& origin, const void* source = nullptr)
    {
        return StoreIn(m_twins, name, object, source, &origin);
    }

    // Drops, in one walk in key order (the twins after the keys), every object that only the
    // cache holds. An object whose last other holder is dropped later in the same walk stays
    // until the next purge.
    void ReleaseUnheld()
    {
        ReleaseUnheldIn(m_map);
        ReleaseUnheldIn(m_twins);
    }

    // Drops the objects that only the cache holds beyond the share (see above), those used
    // longest ago first; an entry kept for its holders goes as soon as nobody holds it.
    void TrimUnheld()
    {
        // The objects die after the walk: a destructor must not find the maps in the middle of it.
        std::vector<Util::CountedPointer<Object>> dropped;
        auto drop = [&dropped](Map& map, typename Map::iterator entry) {
            dropped.push_back(std::move(entry->second.Held));
            return map.erase(entry);
        };
        std::vector<std::pair<Map*, typename Map::iterator>> unheld;
        for (Map* map : {&m_map, &m_twins})
            for (auto entry = map->begin(); entry != map->end();)
            {
                if (entry->second.Held.GetCount() != 1)
                    ++entry;
                else if (entry->second.ForHolders)
                    entry = drop(*map, entry);
                else
                    unheld.emplace_back(map, entry++);
            }
        std::sort(unheld.begin(), unheld.end(),
                  [](const auto& a, const auto& b) { return a.second->second.LastUse > b.second->second.LastUse; });
        std::size_t kept = 0;
        U64 bytes = 0;
        for (auto& [map, entry] : unheld)
        {
            const U64 size = entry->second.Origin.size;
            if (kept < keptUnheld && size <= keptUnheldBytes - bytes)
            {
                ++kept;
                bytes += size;
            }
            else
                drop(*map, entry);
        }
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
    static bool Usable(const Entry& entry) { return !(entry.ForHolders && entry.Held.GetCount() == 1); }

    static Util::CountedPointer<Object> FindIn(const Map& map, const std::string& key)
    {
        auto found = map.find(key);
        if (found == map.end() || !Usable(found->second))
            return {};
        return found->second.Held;
    }

    Util::CountedPointer<Object> StoreIn(Map& map, const std::string& key, const Util::CountedPointer<Object>& object,
                                         const void* source, const MakeOrigin* origin)
    {
        Util::CountedPointer<Object> previous;
        {
            Entry& entry = map[key];
            previous = std::move(entry.Held);
            entry = Entry{object, source, false, origin ? *origin : MakeOrigin(), origin == nullptr, ++m_uses};
        }
        TrimUnheld();
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
    U64 m_uses = 0;
};
} // namespace Velmo::Papy

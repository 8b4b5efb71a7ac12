#pragma once
// The Make source without DAT (racing lines and replays): a requested name is looked for only
// as a loose file in the factory's folder. The name is taken whole (not split at a '.') and the
// key always has the dot: "name.ext".
#include <string>
#include <utility>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeCache.h"
#include "Papy/Factory/MakeLookup.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/LookupPass.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
template <class Object>
class LooseMakeSource
{
public:
    // Makes the object of a file from its opened stream and the folder it lies in.
    typedef Util::CountedPointer<Object> (*Loader)(const Util::CountedPointer<Util::BinaryStream>& stream,
                                                   const PapyDirectory& directory);

    LooseMakeSource(const PapyDirectory& directory, std::string defaultExtension)
        : m_directory(directory), m_defaultExtension(std::move(defaultExtension))
    {
    }

    // The object of name and extension, from the cache or loaded and cached. A missing file
    // raises XUsage (folder path, key, ": file not found") and caches nothing; one that is there
    // but cannot be opened, the open's XFileOpen.
    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension, Loader load)
    {
        Util::LookupPass pass;
        const std::string file = MakeLookup::LooseFileName(m_directory, name, extension, m_defaultExtension);
        Util::CountedPointer<Object> made =
            MakeLookup::Cached(m_cache, m_directory, {}, file, false,
                               [&](const Util::CountedPointer<Util::BinaryStream>& stream) {
                                   return load(stream, m_directory);
                               });
        if (!made)
        {
            MakeLookup::ThrowIfUnopenable(m_directory, file);
            throw Util::XUsage(m_directory.GetPath() + MakeLookup::Key(file) + ": file not found");
        }
        object = made;
    }

    void Adopt(const Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension)
    {
        m_cache.Store(MakeLookup::Key(MakeLookup::LooseFileName(m_directory, name, extension, m_defaultExtension)),
                      object);
    }

    const PapyDirectory& GetDirectory() const { return m_directory; }
    const std::string& GetDefaultExtension() const { return m_defaultExtension; }
    MakeCache<Object>& GetCache() { return m_cache; }
    const MakeCache<Object>& GetCache() const { return m_cache; }

private:
    PapyDirectory m_directory;
    std::string m_defaultExtension;
    MakeCache<Object> m_cache;
};
} // namespace Velmo::Papy

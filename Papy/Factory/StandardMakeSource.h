#pragma once
// The standard Make source: the factory's folder, its DAT container and a default extension;
// a requested name is looked for as a loose file in the folder, then as an entry of the DAT,
// and the object made from it is cached under its key.
//
// The source keeps its own copy of the DAT pointer, taken when the factory was built:
// GetDat's SetDat replaces the factory's container but not this copy, so a source goes on
// reading the container it was given.
#include <string>
#include <utility>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeCache.h"
#include "Papy/Factory/MakeLookup.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/LookupPass.h"

namespace Velmo::Papy
{
class DatFile;

template <class Object>
class StandardMakeSource
{
public:
    // Makes the object of a file from its opened stream (the file object's constructor reads
    // it; a format error passes to the caller).
    typedef Util::CountedPointer<Object> (*Loader)(const Util::CountedPointer<Util::BinaryStream>& stream);

    StandardMakeSource(const PapyDirectory& directory, const Util::CountedPointer<DatFile>& dat,
                       std::string defaultExtension)
        : m_directory(directory), m_dat(dat), m_defaultExtension(std::move(defaultExtension))
    {
    }

    // The object of name and extension, from the cache or loaded and cached; never empty. A
    // missing file raises XFileOpen and caches nothing, as does a failing load.
    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
              bool datOnly, Loader load)
    {
        Util::LookupPass pass;
        const std::string file = MakeLookup::StandardFileName(m_directory, name, extension, m_defaultExtension);
        Util::CountedPointer<Object> made = MakeLookup::Cached(m_cache, m_directory, m_dat, file, datOnly, load);
        if (!made)
            MakeLookup::ThrowNotFound(m_directory, file);
        object = made;
    }

    // Files an object made elsewhere under the key Make gives the name and extension (the name
    // taken whole, not split at a '.').
    void Adopt(const Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension)
    {
        const std::string base = name.empty() ? m_directory.GetName() : name;
        const std::string& ext = extension.empty() ? m_defaultExtension : extension;
        m_cache.Store(MakeLookup::Key(ext.empty() ? base : base + "." + ext), object);
    }

    // Files an object as the object of the file that Make of the name and extension reads: under
    // its key, or under its name on disk when the folder has a case twin of it, as read from that
    // file as it is now (a saved object is the object of the file it was saved to, under every
    // name of the file). A name the folder has no file of files the object as Adopt does. What
    // the cache had for that file is returned (empty when nothing).
    Util::CountedPointer<Object> Replace(const Util::CountedPointer<Object>& object, const std::string& name,
                                         const std::string& extension)
    {
        Util::LookupPass pass;
        const std::string file = MakeLookup::StandardFileName(m_directory, name, extension, m_defaultExtension);
        std::string entry;
        bool twin = false;
        const MakeOrigin origin = MakeLookup::LooseOrigin(m_directory, file, entry, twin);
        if (origin.path.empty())
            return m_cache.Store(MakeLookup::Key(file), object);
        return twin ? m_cache.StoreTwin(entry, object, origin) : m_cache.Store(entry, object, origin);
    }

    const PapyDirectory& GetDirectory() const { return m_directory; }
    const Util::CountedPointer<DatFile>& GetDat() const { return m_dat; }
    const std::string& GetDefaultExtension() const { return m_defaultExtension; }
    MakeCache<Object>& GetCache() { return m_cache; }
    const MakeCache<Object>& GetCache() const { return m_cache; }

private:
    PapyDirectory m_directory;
    Util::CountedPointer<DatFile> m_dat;
    std::string m_defaultExtension;
    MakeCache<Object> m_cache;
};
} // namespace Velmo::Papy

#pragma once
// How a Make facet turns a requested name into a cache key and finds the file behind it. Shared
// by every Make source; the sources add the cache and the object.
//
// A key is the file name folded: '\' read as '/', empty and "." components dropped, lower-cased
// (A to Z only), so that every spelling of one file is one key. A name reaches the disk only as
// the factory's folder followed by the name, '\' read as '/', and only when it is a safe relative
// name: a name with "..", an empty or an absolute component never leaves the folder (it can
// still name a DAT entry). A name that exists as written is the file opened; only a name that
// does not is matched without regard to case, component by component. Two files whose names
// differ only in case stay two files: the cache keeps their objects apart (MakeCache).
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeCache.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/FileIdentity.h"
#include "Util/LookupPass.h"

namespace Velmo::Papy
{
class DatFile;

namespace MakeLookup
{
// The file a standard source looks for: the name split at the last '.' of its last component
// (an empty name is the folder's own name, without extension), the extension argument replacing
// the name's own when given, else the default extension when the name has none; "base.ext", or
// "base" without one.
std::string StandardFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                             const std::string& defaultExtension);

// The file a source without DAT looks for: the name unchanged (or the folder's name) followed
// by "." and the extension argument, or the default extension when it is empty.
std::string LooseFileName(const PapyDirectory& directory, const std::string& name, const std::string& extension,
                          const std::string& defaultExtension);

// The cache key of a file name: its components without the empty and "." ones, joined by '/',
// lower-cased with the classic locale (".\Sub//Tex.MIP" and "sub/tex.mip" are one key).
std::string Key(const std::string& file);

// The name of a file as a DAT entry: the components of Key, in the caller's case, joined by '\'.
std::string DatName(const std::string& file);

// Where an object of the DAT's entries comes from: the DAT file as it is now, without a path.
MakeOrigin DatOrigin(const DatFile& dat);

// A requested file as found loose in the folder.
struct LooseFile
{
    std::string path; // its full path on disk; empty when the folder has no such file
    std::string name; // its name relative to the folder as it is on disk, '/' between folders
    bool twin = false; // the name, or a folder on the way, differs only in case from another
    Util::FileIdentity identity; // the file's, as the look-up found it
};

// The loose file of a requested name (in the caller's case): the file of that very name when
// it exists, else the one whose name equals it without regard to case. Nothing for a name that
// is not a safe relative name, names nothing or names a folder.
LooseFile FindLoose(const PapyDirectory& directory, const std::string& file);

// The loose file opened for reading; empty when there is none or it cannot be opened.
Util::CountedPointer<Util::BinaryStream> OpenLoose(const LooseFile& file);

// The DAT's entry of a key (names compared without regard to case); empty when it has none.
Util::CountedPointer<Util::BinaryStream> OpenEntry(const Util::CountedPointer<DatFile>& dat, const std::string& key);

// Raises the open's own error when the name is there in the folder but cannot be opened (no
// permission, a folder), its cause as the system reports it: XFileOpen(its path, "Permission
// denied"); and the system's reason when it cannot tell whether the name is there (a loop of
// links, a folder that may not be entered or listed): XFileOpen(its path, "Too many levels of
// symbolic links"). The lookup takes such a name for a missing one (the DAT may have it); a
// source that finds it nowhere calls this before saying the file is missing. Returns when the
// system says the file is not there.
void ThrowIfUnopenable(const PapyDirectory& directory, const std::string& file);

// The error of a file that is neither in the folder nor in its DAT: the open's own error when
// the name is there (ThrowIfUnopenable), else XFileOpen(folder path + file, "File not found"),
// the file in the caller's case.
[[noreturn]] void ThrowNotFound(const PapyDirectory& directory, const std::string& file);

// The object of a requested file (the caller's case): from the cache, or made by
// load(stream) from the loose file (unless datOnly), else from the DAT entry of its key (when
// dat is not empty), and cached; empty when the file is in neither. A twin's object is cached
// under its name on disk, any other under the key.
//
// A cached object is handed out for the file it was read from as long as that file is still
// the one the name finds and has the identity it had when it was read (for a DAT entry, while
// the DAT file has); otherwise the file is read again. An object filed by Adopt is handed out
// first.
//
// Each look-up is one pass (Util::LookupPass): the folder is listed at most once for it, and
// not at all while the folder stays as it was at an earlier listing.
template <class Object, class Load>
Util::CountedPointer<Object> Cached(MakeCache<Object>& cache, const PapyDirectory& directory,
                                    const Util::CountedPointer<DatFile>& dat, const std::string& file,
                                    bool datOnly, Load load)
{
    Util::LookupPass pass;
    const std::string key = Key(file);
    if (auto filed = cache.FindFiled(key))
        return filed;
    LooseFile loose;
    if (!datOnly)
        loose = FindLoose(directory, file);
    MakeOrigin origin;
    bool twin = false;
    Util::CountedPointer<Util::BinaryStream> stream;
    if (!loose.path.empty())
    {
        origin.path = loose.path;
        origin.identity = loose.identity;
        twin = loose.twin;
        if (auto cached = cache.FindCurrent(twin ? loose.name : key, twin, origin))
            return cached;
        stream = OpenLoose(loose);
    }
    if (!stream)
    {
        if (!dat)
            return {};
        twin = false;
        origin = DatOrigin(*dat);
        if (auto cached = cache.FindCurrent(key, false, origin))
            return cached;
        stream = OpenEntry(dat, DatName(file));
        if (!stream)
            return {};
    }
    origin.size = stream->Size();
    Util::CountedPointer<Object> made = load(stream);
    if (twin)
        cache.StoreTwin(loose.name, made, origin);
    else
        cache.Store(key, made, origin);
    return made;
}

// Where the object of a requested loose file comes from as it is now (the path empty when the
// folder has no such file), and the entry that holds such an object: the twin's name on disk,
// or the key.
MakeOrigin LooseOrigin(const PapyDirectory& directory, const std::string& file, std::string& entry, bool& twin);
} // namespace MakeLookup
} // namespace Velmo::Papy

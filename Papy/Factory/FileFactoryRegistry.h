#pragma once
// The one place where a path becomes a FileFactory. The registry keeps the recognizers in
// registration order and a cache of the factories already built, one per game folder, keyed
// by the lower-cased resolved path (MakeKey): every document of a folder, and every facet that
// needs another file of the folder, gets the same factory and so the same loaded objects.
//
// The process's registry is Instance(). The game recognizers are registered by a registration
// function (SetRegistration) that Instance() runs once, before it hands the registry out, so
// the recognizers are in place, in their order, whatever the program's static initialisation
// order. Other registries (a tool's or a test's own) can be made directly.
//
// Recognizer tests and factory builders may ask the registry again for another folder while an
// outer GetFactory runs (a folder that lies inside its parent's DAT, a game's shared folder):
// the outer call does not touch the cache between its look-up and its store.
#include <map>
#include <string>
#include <vector>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class FileFactoryRegistry
{
public:
    typedef void (*Registration)(FileFactoryRegistry& registry);

    // The process's registry, made on the first call and kept until the process ends. Runs a
    // registration function set before this call, once.
    static FileFactoryRegistry* Instance();
    // Sets the function that registers the program's recognizers; it runs on the next call of
    // Instance() (the first one, or the next one when the registry already exists).
    static void SetRegistration(Registration registration);

    FileFactoryRegistry() = default;
    FileFactoryRegistry(const FileFactoryRegistry&) = delete;
    FileFactoryRegistry& operator=(const FileFactoryRegistry&) = delete;

    // Appends a recognizer; it is not owned and must outlive the registry's use.
    void Register(FileFactoryRecognizer* recognizer);

    // The factory of a folder (with or without a trailing '/') or of a DAT file. Empty only for
    // a file that no recognizer accepts (asked again on every call). writable asks for a
    // factory whose DAT is open for update; a read-only factory cached before is then rebuilt.
    // Errors of the chosen recognizer's builder (a damaged DAT) pass to the caller and nothing
    // is cached.
    Util::CountedPointer<FileFactory> GetFactory(const std::string& path, bool writable);
    Util::CountedPointer<FileFactory> GetFactory(const PapyDirectory& directory, bool writable);

    // The cache key of a path: the path resolved (made absolute, a name that does not exist as
    // written matched without regard to case), a DAT file whose base name equals its folder's
    // name (same case) replaced by that folder, then lower-cased (A to Z). Two folders on disk
    // whose paths differ only in case share a key but not a factory: the second is cached under
    // a key of its own.
    static std::string MakeKey(const std::string& path);

    // Drops the factories that only the cache holds, then purges the Make caches of every
    // factory left that carries a PurgeFactory facet.
    void Purge();
    // After the strict switch was flipped: no object read before is handed out again once nobody
    // but the factories holds it. Every factory forgets the objects that nobody else holds and
    // keeps the others only while they are held (FileFactory::ForgetUnheld), so that a file an
    // open document holds is read again only as that document's object; then the factories that
    // only the cache holds are dropped.
    void ForgetUnheld();
    // After documents closed: every factory drops the objects that nobody but its caches holds
    // beyond the caches' small share (MakeCache, FileFactory::TrimUnheld), so that the memory
    // of what the closed documents held is given back; objects still held stay as they are.
    void TrimUnheld();

private:
    struct Entry
    {
        Util::CountedPointer<FileFactory> factory;
        bool writable;
        std::string resolved; // the path the key was made from, before lower-casing
    };

    static std::string MakeKey(const std::string& path, std::string& resolved);
    // The key of a resolved path under which the cache holds (or is to hold) its factory.
    std::string CacheKey(const std::string& key, const std::string& resolved) const;

    FileFactoryRecognizer* ChooseDatRecognizer(const std::string& path);
    FileFactoryRecognizer* ChooseDirectoryRecognizer(const PapyDirectory& directory);

    std::vector<FileFactoryRecognizer*> m_recognizers;
    std::map<std::string, Entry> m_cache;
};
} // namespace Velmo::Papy

#include "Papy/Factory/FileFactoryRegistry.h"

#include <sys/stat.h>

#include "Papy/Factory/PurgeFactory.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/PathName.h"

namespace Velmo::Papy
{
namespace
{
FileFactoryRegistry::Registration& PendingRegistration()
{
    static FileFactoryRegistry::Registration pending = nullptr;
    return pending;
}

// An existing entry that is not a folder (a resolved path).
bool IsFile(const std::string& resolved)
{
    struct stat info;
    return stat(resolved.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}
} // namespace

FileFactoryRegistry* FileFactoryRegistry::Instance()
{
    static FileFactoryRegistry registry;
    Registration& pending = PendingRegistration();
    if (pending != nullptr)
    {
        // Cleared first: the recognizers that the function makes ask for the registry too.
        Registration registration = pending;
        pending = nullptr;
        registration(registry);
    }
    return &registry;
}

void FileFactoryRegistry::SetRegistration(Registration registration)
{
    PendingRegistration() = registration;
}

void FileFactoryRegistry::Register(FileFactoryRecognizer* recognizer)
{
    VELMO_ASSERT(recognizer != nullptr);
    m_recognizers.push_back(recognizer);
}

std::string FileFactoryRegistry::MakeKey(const std::string& path)
{
    std::string resolved;
    return MakeKey(path, resolved);
}

std::string FileFactoryRegistry::MakeKey(const std::string& path, std::string& resolved)
{
    if (!Util::ResolvePath(path, resolved))
        resolved = path;
    else if (IsFile(resolved))
    {
        // A DAT named after its folder (same letters, same case) shares the folder's key.
        Util::PathName file(resolved);
        Util::PathName folder(file.GetDirectory());
        if (!folder.IsRoot() && file.GetBaseName() == folder.GetFileName())
            resolved = folder.GetFullPath();
    }
    return Util::ToLower(resolved);
}

std::string FileFactoryRegistry::CacheKey(const std::string& key, const std::string& resolved) const
{
    auto cached = m_cache.find(key);
    if (cached == m_cache.end() || cached->second.resolved == resolved)
        return key;
    // Another spelling of the key. When both name entries on disk, they are two (a system that
    // tells case apart): the second gets a key no lower-cased path can be, the NUL and its path
    // as it is. Otherwise one of them names nothing on disk (a folder known only to a DAT),
    // and it is the same folder.
    struct stat info;
    if (lstat(resolved.c_str(), &info) != 0 || lstat(cached->second.resolved.c_str(), &info) != 0)
        return key;
    return std::string(1, '\0') + resolved;
}

Util::CountedPointer<FileFactory> FileFactoryRegistry::GetFactory(const PapyDirectory& directory, bool writable)
{
    return GetFactory(directory.GetPath(), writable);
}

Util::CountedPointer<FileFactory> FileFactoryRegistry::GetFactory(const std::string& given, bool writable)
{
    std::string path = given;
    if (path.size() > 1 && IsSeparator(path.back()))
        path.pop_back();
    std::string resolved;
    const std::string key = CacheKey(MakeKey(path, resolved), resolved);

    auto cached = m_cache.find(key);
    if (cached != m_cache.end())
    {
        if (!writable || cached->second.writable)
            return cached->second.factory;
        // Dropped before the rebuild: the read-only container must be closed for the
        // container to open for update.
        m_cache.erase(cached);
    }

    Util::CountedPointer<FileFactory> factory;
    if (Util::FileExists(path))
    {
        FileFactoryRecognizer* recognizer = ChooseDatRecognizer(path);
        if (recognizer == nullptr)
            return factory;
        factory = recognizer->MakeDatFactory(path, writable);
    }
    else
    {
        // As a folder: a folder not on disk (one of a DAT, or missing) is that folder, whatever
        // is missing above it.
        PapyDirectory directory(path + "/");
        FileFactoryRecognizer* recognizer = ChooseDirectoryRecognizer(directory);
        factory = recognizer->MakeDirectoryFactory(directory, writable);
    }
    m_cache[key] = Entry{factory, writable, resolved};
    return factory;
}

// Content first, then the header test of the default recognizer, then anybody's header test.
FileFactoryRecognizer* FileFactoryRegistry::ChooseDatRecognizer(const std::string& path)
{
    for (FileFactoryRecognizer* recognizer : m_recognizers)
        if (recognizer->RecognizeDatContent(path))
            return recognizer;
    for (FileFactoryRecognizer* recognizer : m_recognizers)
        if ((recognizer->IsDefault() || m_recognizers.size() == 1) && recognizer->RecognizeDatHeader(path))
            return recognizer;
    for (FileFactoryRecognizer* recognizer : m_recognizers)
        if (recognizer->RecognizeDatHeader(path))
            return recognizer;
    return nullptr;
}

// The first recognizer that claims the folder; a folder test that cannot open what it needs
// ends the search. Nobody: the default recognizer (or the only one).
FileFactoryRecognizer* FileFactoryRegistry::ChooseDirectoryRecognizer(const PapyDirectory& directory)
{
    try
    {
        for (FileFactoryRecognizer* recognizer : m_recognizers)
            if (recognizer->RecognizeDirectory(directory))
                return recognizer;
    }
    catch (const Util::XFileOpen&)
    {
    }
    for (FileFactoryRecognizer* recognizer : m_recognizers)
        if (recognizer->IsDefault())
            return recognizer;
    VELMO_ASSERT_AT(m_recognizers.size() == 1, "false", ".\\FileFactoryRegistry.cpp", 178);
    return m_recognizers.front();
}

void FileFactoryRegistry::ForgetUnheld()
{
    // The factories taken first, as in Purge.
    std::vector<Util::CountedPointer<FileFactory>> factories;
    for (const auto& entry : m_cache)
        if (entry.second.factory)
            factories.push_back(entry.second.factory);
    for (const Util::CountedPointer<FileFactory>& factory : factories)
        factory->ForgetUnheld();
    factories.clear();
    Purge();
}

void FileFactoryRegistry::TrimUnheld()
{
    // The factories taken first, as in Purge.
    std::vector<Util::CountedPointer<FileFactory>> factories;
    for (const auto& entry : m_cache)
        if (entry.second.factory)
            factories.push_back(entry.second.factory);
    for (const Util::CountedPointer<FileFactory>& factory : factories)
        factory->TrimUnheld();
}

void FileFactoryRegistry::Purge()
{
    // Factories, facets and file objects die only after each walk of the cache: their
    // destructors must not find the cache in the middle of one.
    std::vector<Util::CountedPointer<FileFactory>> dropped;
    for (auto entry = m_cache.begin(); entry != m_cache.end();)
    {
        if (entry->second.factory.GetCount() == 1)
        {
            dropped.push_back(std::move(entry->second.factory));
            entry = m_cache.erase(entry);
        }
        else
            ++entry;
    }
    dropped.clear();
    // The factories left, taken first, for the same reason.
    std::vector<Util::CountedPointer<FileFactory>> factories;
    for (const auto& entry : m_cache)
        if (entry.second.factory)
            factories.push_back(entry.second.factory);
    for (const Util::CountedPointer<FileFactory>& factory : factories)
        if (factory->HasFacet<PurgeFactory>())
            factory->GetFacet<PurgeFactory>()->Purge();
}
} // namespace Velmo::Papy

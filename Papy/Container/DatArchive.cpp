#include "Papy/Container/DatArchive.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <iostream>
#include <sys/stat.h>

#include "Papy/Container/CompressedSubFile.h"
#include "Papy/Container/SafeName.h"
#include "Papy/Container/UncompressedSubFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/MemoryStream.h"
#include "Util/PkCompression.h"

namespace Velmo::Papy
{
namespace
{
// The archive's file opened for reading, or for update; a new archive is an empty stream in
// memory, named after the file it is to be saved as, which must not exist yet and whose folder
// must (the errors of a creation that would fail, naming the file).
Util::BinaryStream* OpenArchive(const std::string& path, bool writable, bool create)
{
    if (!create)
        return writable ? Util::BinaryFile::OpenUpdate(path) : Util::BinaryFile::OpenRead(path);
    std::string resolved;
    if (!Util::ResolvePath(path, resolved))
        throw Util::XFileOpen(path, "");
    struct stat info;
    if (lstat(resolved.c_str(), &info) == 0)
        throw Util::XFileOpen(resolved, Util::SystemErrorText(EEXIST));
    const std::string folder = resolved.substr(0, std::max<std::size_t>(resolved.rfind('/'), 1));
    if (stat(folder.c_str(), &info) != 0)
        throw Util::XFileOpen(resolved, Util::SystemErrorText(errno));
    if (!S_ISDIR(info.st_mode))
        throw Util::XFileOpen(resolved, Util::SystemErrorText(ENOTDIR));
    return new Util::MemoryStream(resolved);
}

// The text of an entry name after its last '\' (entry names are split lexically: they are
// names inside the archive, not paths of this system).
std::string FileNameOf(const std::string& name)
{
    std::size_t separator = name.rfind('\\');
    return separator == std::string::npos ? name : name.substr(separator + 1);
}

// The largest size or offset a directory record holds.
constexpr U64 largest = 0xFFFFFFFFu;
} // namespace

DatArchive::DatArchive(const std::string& path, Open open, const Limits& limits)
    : m_stream(OpenArchive(path, open != Open::Read, open == Open::New)),
      // The name the file was found under: its folder and name as they are on disk.
      m_path(m_stream->GetName()), m_limits(limits), m_writable(open != Open::Read), m_onDisk(open != Open::New)
{
}

DatArchive::DatArchive(const Util::CountedPointer<Util::BinaryStream>& stream, const Limits& limits)
    : m_stream(stream), m_path(stream->GetName()), m_limits(limits), m_writable(false), m_onDisk(true)
{
}

const Util::CountedPointer<Util::BinaryStream>& DatArchive::GetStream() const
{
    // Empty only when a save put the new archive in place and it could not be opened again.
    VELMO_ASSERT(m_stream);
    return m_stream;
}

const DatArchive::Entry& DatArchive::EntryAt(int i) const
{
    VELMO_ASSERT(i >= 0 && std::size_t(i) < m_entries.size());
    return m_entries[std::size_t(i)];
}

void DatArchive::SetEntries(std::vector<Entry> entries)
{
    m_entries = std::move(entries);
    m_index.clear();
}

std::string DatArchive::GetEntryName(int i) const
{
    std::string file = FileNameOf(EntryAt(i).name);
    return file.substr(0, file.rfind('.'));
}

std::string DatArchive::GetEntryExtension(int i) const
{
    std::string file = FileNameOf(EntryAt(i).name);
    std::size_t dot = file.rfind('.');
    return dot == std::string::npos ? std::string() : file.substr(dot + 1);
}

std::string DatArchive::GetEntryFolder(int i) const
{
    const std::string& name = EntryAt(i).name;
    std::size_t separator = name.rfind('\\');
    return separator == std::string::npos ? std::string() : name.substr(0, separator);
}

U32 DatArchive::GetEntrySize(int i) const
{
    return EntryAt(i).size;
}

U32 DatArchive::GetEntryCompressedSize(int i) const
{
    return EntryAt(i).compressedSize;
}

Util::CountedPointer<Util::BinaryStream> DatArchive::OpenEntry(int i)
{
    const Entry& entry = EntryAt(i);
    const Util::CountedPointer<Util::BinaryStream>& stream = GetStream();
    U64 archiveSize = stream->Size();
    if (entry.offset > archiveSize || entry.compressedSize > archiveSize - entry.offset)
        ThrowSizeError();
    if (entry.method == stored)
        return Util::CountedPointer<Util::BinaryStream>(
            new UncompressedSubFile(stream, entry.name, entry.offset, entry.compressedSize));
    // Only the N4 layout has a method besides storing, and its reader admits no other.
    VELMO_ASSERT_AT(entry.method == imploded, "false", ".\\N4DatFile.cpp", 156);
    // Nothing is allocated for a size that no stream of the packed size can unpack to (a
    // damaged directory), nor for one beyond the library's ceiling.
    if (entry.size > Util::PkCompression::MaxDecompressedSize(entry.compressedSize))
        ThrowSizeError();
    Util::PkCompression::CheckUnpackedSize(GetFileName(), entry.name, entry.size);
    return Util::CountedPointer<Util::BinaryStream>(
        new CompressedSubFile(stream, entry.name, entry.offset, entry.compressedSize, entry.size));
}

void DatArchive::ThrowSizeError() const
{
    throw Util::XFileFormat(GetFileName(), std::string(m_limits.format) + " dat file subfile size error");
}

Util::CountedPointer<Util::BinaryStream> DatArchive::OpenEntry(const std::string& name)
{
    int i = Find(name);
    return i < 0 ? Util::CountedPointer<Util::BinaryStream>() : OpenEntry(i);
}

int DatArchive::Find(const std::string& name)
{
    if (m_index.empty() && !m_entries.empty())
    {
        m_index.reserve(m_entries.size());
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            m_index.emplace(Util::ToLower(m_entries[i].name), int(i)); // keeps the first of equal names
    }
    auto found = m_index.find(Util::ToLower(name));
    return found == m_index.end() ? -1 : found->second;
}

std::string DatArchive::SourcePath(const std::string& name) const
{
    const std::string format = m_limits.format;
    if (!IsSafeRelativeName(name))
        throw Util::XUsage(format + " dat file subfile name not allowed: " + name);
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::string folder, path;
    if (!Util::ResolvePath(m_path.GetDirectory(), folder) || !Util::ResolvePath(m_path.GetDirectory() + relative, path))
        throw Util::XUsage(format + " dat file subfile name not allowed: " + name);
    // Every folder between the archive's and the file must be a folder of its own, not a link
    // that leads elsewhere.
    std::size_t start = folder == "/" ? 1 : folder.size() + 1;
    for (std::size_t separator = path.find('/', start); separator != std::string::npos;
         separator = path.find('/', separator + 1))
    {
        struct stat info;
        if (lstat(path.substr(0, separator).c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            throw Util::XUsage(format + " dat file subfile folder is a link: " + name);
    }
    return path;
}

void DatArchive::Save()
{
    const std::string format = m_limits.format;
    if (m_entries.empty() && m_limits.needsEntries)
        throw Util::XUsage(format + " dat file needs at least one subfile");
    if (m_entries.size() > 32767)
        throw Util::XUsage(format + " dat file has too many subfiles");
    std::vector<std::string> sources;
    sources.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
    {
        if (entry.name.size() > m_limits.longestName)
            throw Util::XUsage(format + " dat file subfile name longer than " + std::to_string(m_limits.longestName) +
                               " characters: " + entry.name);
        sources.push_back(SourcePath(entry.name));
    }
    if (!m_writable)
        throw Util::XFileWrite(GetFileName());
    if (m_stream.GetCount() > 1)
        throw Util::XUsage(format + " dat file cannot be saved while its entries are open");

    // The first save of a new archive makes its file, which must not have appeared meanwhile.
    struct stat info;
    if (!m_onDisk && lstat(GetFileName().c_str(), &info) == 0)
        throw Util::XFileOpen(GetFileName(), Util::SystemErrorText(EEXIST));

    std::vector<Entry> written = m_entries;
    // The archive's own stream locks the file against the replacement: closed meanwhile, and
    // opened again as it was when anything fails. A new archive keeps its stream in memory.
    if (m_onDisk)
        m_stream = nullptr;
    Util::CountedPointer<Util::BinaryFile> output;
    try
    {
        output = Util::CountedPointer<Util::BinaryFile>(Util::BinaryFile::CreateAlways(GetFileName()));
        WriteArchive(*output, written, sources);
        output->Commit();
    }
    catch (...)
    {
        output = nullptr;
        if (m_onDisk)
            try
            {
                m_stream = Util::CountedPointer<Util::BinaryStream>(Util::BinaryFile::OpenUpdate(GetFileName()));
            }
            catch (const Util::Exception&)
            {
            }
        throw;
    }
    // The committed stream is the new archive, still open for reading and writing and locked:
    // nothing can fail from here on.
    m_stream = output;
    m_onDisk = true;
    m_entries = std::move(written);
}

void DatArchive::WriteArchive(Util::BinaryStream& output, std::vector<Entry>& entries,
                              const std::vector<std::string>& sources) const
{
    const std::string tooLarge = std::string(m_limits.format) + " dat file would be larger than 4 GB";
    for (Entry& entry : entries)
        entry.size = entry.compressedSize = entry.offset = 0;
    WriteDirectory(output, entries);
    std::vector<U8> data, packed;
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        Entry& entry = entries[i];
        Util::CountedPointer<Util::BinaryFile> source(Util::BinaryFile::OpenRead(sources[i]));
        U64 size = source->Size();
        U64 offset = output.Tell();
        if (size > largest || offset > largest)
            throw Util::XUsage(tooLarge);
        if (data.size() < size)
            data.resize(size);
        source->Read(U32(size), data.data());
        entry.offset = U32(offset);
        entry.size = U32(size);
        if (entry.method == stored)
        {
            entry.compressedSize = entry.size;
            output.Write(entry.size, data.data());
            continue;
        }
        // Room for the worst the coder can give, so that it never runs short.
        U64 capacity = Util::PkCompression::MaxCompressedSize(entry.size);
        if (capacity > largest)
            throw Util::XUsage(tooLarge);
        if (packed.size() < capacity)
            packed.resize(capacity);
        entry.compressedSize = Util::PkCompression::Compress(data.data(), entry.size, packed.data(), U32(capacity));
        output.Write(entry.compressedSize, packed.data());
    }
    output.Seek(0);
    WriteDirectory(output, entries);
}

void DatArchive::Report(const std::string& text)
{
    std::cout << text;
    std::cout.flush();
}
} // namespace Velmo::Papy

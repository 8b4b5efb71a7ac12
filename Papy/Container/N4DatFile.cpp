#include "Papy/Container/N4DatFile.h"

#include <cstring>
#include <sys/stat.h>

#include "Papy/Container/CompressedSubFile.h"
#include "Papy/Container/UncompressedSubFile.h"
#include "Util/BinaryFile.h"
#include "Util/DirectoryListing.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/PkCompression.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 headerSize = 10;
constexpr U32 recordHeadSize = 15;
constexpr U8 stored = 0;
constexpr U8 imploded = 2;

const char* const scannedFolders[] = {"art", "bkgrnds", "stamps", "trackmat", "widgets"};
const char* const archivedExtensions[] = {"3do", "bff", "cam", "ces", "ini", "lyt", "mip", "ogg",
                                          "pmf", "ptf", "rx",  "stp", "txt", "wav", "win"};
const char* const skippedFiles[] = {"track.ini", "trklogo.stp", "trkshot.stp"};
const char* const storedExtensions[] = {"bff", "mip", "stp"};

template <std::size_t N>
bool OneOf(const std::string& text, const char* const (&list)[N])
{
    for (const char* item : list)
        if (text == item)
            return true;
    return false;
}

bool IsLink(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

void WriteHeader(Util::BinaryStream& stream, std::size_t count, U32 directorySize)
{
    U8 header[headerSize] = {};
    Util::EncodeLE<S16>(S16(-int(count)), header);
    Util::EncodeLE<U32>(directorySize, header + 2);
    stream.Write(headerSize, header);
}

void WriteRecord(Util::BinaryStream& stream, U8 method, U32 size, U32 compressedSize, U32 offset,
                 const std::string& name)
{
    U8 head[recordHeadSize];
    head[0] = 5;
    head[1] = method;
    Util::EncodeLE<U32>(size, head + 2);
    Util::EncodeLE<U32>(compressedSize, head + 6);
    Util::EncodeLE<U32>(offset, head + 10);
    head[14] = U8(name.size()); // at most 255 characters
    stream.Write(recordHeadSize, head);
    stream.Write(U32(name.size() + 1), name.c_str());
}
} // namespace

N4DatFile::N4DatFile(const std::string& path, bool forUpdate)
    : m_archive(path, forUpdate ? DatArchive::Open::Update : DatArchive::Open::Read, "N4")
{
    ReadDirectory();
}

N4DatFile::N4DatFile(const std::string& path) : m_archive(path, DatArchive::Open::New, "N4")
{
}

void N4DatFile::ReadDirectory()
{
    Util::BinaryStream& stream = *m_archive.GetStream();
    stream.Seek(0);
    Util::RecordReader reader(stream);
    S16 count = reader.ReadS16();
    U32 directorySize = reader.ReadU32();
    U32 reserved = reader.ReadU32();
    if (reserved != 0)
        throw Util::XFileFormat(m_archive.GetFileName(), "N4 dat file reserved not zero");
    // The directory must be in the file before room is made for it.
    if (directorySize > reader.Remaining())
        throw Util::XFileFormat(m_archive.GetFileName(), "N4 dat file directory size error");
    std::vector<U8> directory(directorySize);
    reader.ReadBytes(directory.data(), directory.size());

    // Every record takes 16 bytes at least.
    m_entries.reserve(std::min<std::size_t>(count < 0 ? std::size_t(-int(count)) : 0, directorySize / 16));
    Util::RecordReader records(directory, m_archive.GetFileName());
    while (!records.AtEnd())
    {
        U8 type = records.ReadU8();
        U8 method = records.ReadU8();
        U32 size = records.ReadU32();
        U32 compressedSize = records.ReadU32();
        U32 offset = records.ReadU32();
        U8 length = records.ReadU8();
        if (type != 5)
            throw Util::XFileFormat(m_archive.GetFileName(), "N4 dat file subfile type error");
        if (method != stored && method != imploded)
            throw Util::XFileFormat(m_archive.GetFileName(), "N4 dat file unknown compression method");
        if (method == stored && compressedSize != size)
            throw Util::XFileFormat(m_archive.GetFileName(), "N4 dat file compressed size error");
        std::string name = records.ReadFixedString(U64(length) + 1);
        m_entries.push_back(Entry{method, size, compressedSize, offset, std::move(name)});
    }
    if (S64(count) + S64(m_entries.size()) != 0)
        throw Util::XFileFormat(m_archive.GetFileName(), "N4 dat file subfile count mismatch");
}

const N4DatFile::Entry& N4DatFile::EntryAt(int i) const
{
    VELMO_ASSERT(i >= 0 && std::size_t(i) < m_entries.size());
    return m_entries[std::size_t(i)];
}

std::string N4DatFile::GetEntryName(int i) const
{
    return DatArchive::BaseNameOf(EntryAt(i).name);
}

std::string N4DatFile::GetEntryExtension(int i) const
{
    return DatArchive::ExtensionOf(EntryAt(i).name);
}

std::string N4DatFile::GetEntryFolder(int i) const
{
    return DatArchive::FolderOf(EntryAt(i).name);
}

U32 N4DatFile::GetEntrySize(int i) const
{
    return EntryAt(i).size;
}

U32 N4DatFile::GetEntryCompressedSize(int i) const
{
    return EntryAt(i).compressedSize;
}

Util::CountedPointer<Util::BinaryStream> N4DatFile::OpenEntry(int i)
{
    const Entry& entry = EntryAt(i);
    const char* sizeError = "N4 dat file subfile size error";
    m_archive.CheckInside(entry.offset, entry.compressedSize, sizeError);
    const Util::CountedPointer<Util::BinaryStream>& stream = m_archive.GetStream();
    if (entry.method == stored)
        return Util::CountedPointer<Util::BinaryStream>(
            new UncompressedSubFile(stream, entry.name, entry.offset, entry.compressedSize));
    // Nothing is allocated for a size that no stream of the packed size can unpack to.
    if (entry.size > Util::PkCompression::MaxDecompressedSize(entry.compressedSize))
        throw Util::XFileFormat(m_archive.GetFileName(), sizeError);
    return Util::CountedPointer<Util::BinaryStream>(
        new CompressedSubFile(stream, entry.name, entry.offset, entry.compressedSize, entry.size));
}

Util::CountedPointer<Util::BinaryStream> N4DatFile::OpenEntry(const std::string& name)
{
    int i = m_archive.Find(name, GetEntryCount(), [this](int k) -> const std::string& { return m_entries[std::size_t(k)].name; });
    return i < 0 ? Util::CountedPointer<Util::BinaryStream>() : OpenEntry(i);
}

void N4DatFile::Build(bool report)
{
    m_entries.clear();
    m_archive.ForgetNames();
    Scan(m_archive.GetPathName().GetDirectory(), "");
    if (report)
        DatArchive::Report("N4 Dat file created\n");
}

void N4DatFile::Scan(const std::string& folder, const std::string& prefix)
{
    Util::DirectoryListing listing{Util::PathName(folder)};
    for (std::size_t i = 0; i < listing.GetCount(); ++i)
    {
        const Util::PathName& entry = listing.GetEntry(i);
        if (listing.IsDirectory(i))
        {
            if (OneOf(Util::ToLower(entry.GetFileName()), scannedFolders) && !IsLink(entry.GetFullPath()))
                Scan(entry.GetPathAsFolder(), prefix + entry.GetFileName() + "\\");
            continue;
        }
        const std::string extension = Util::ToLower(entry.GetExtension());
        if (!OneOf(extension, archivedExtensions) || OneOf(Util::ToLower(entry.GetFileName()), skippedFiles))
            continue;
        U8 method = OneOf(extension, storedExtensions) ? stored : imploded;
        m_entries.push_back(Entry{method, 0, 0, 0, prefix + entry.GetFileName()});
    }
}

void N4DatFile::Save()
{
    if (m_entries.size() > 32767)
        throw Util::XUsage("N4 dat file has too many subfiles");
    std::vector<std::string> sources;
    for (const Entry& entry : m_entries)
    {
        if (entry.name.size() > 255)
            throw Util::XUsage("N4 dat file subfile name longer than 255 characters: " + entry.name);
        sources.push_back(m_archive.SourcePath(entry.name));
    }

    std::vector<Entry> written = m_entries;
    m_archive.Replace(
        [&](Util::BinaryStream& output) {
            WriteHeader(output, written.size(), 0);
            for (const Entry& entry : written)
                WriteRecord(output, entry.method, 0, 0, 0, entry.name);
            const U32 directorySize = U32(output.Tell() - headerSize);
            std::vector<U8> data, packed;
            for (std::size_t i = 0; i < written.size(); ++i)
            {
                Entry& entry = written[i];
                Util::CountedPointer<Util::BinaryFile> source(Util::BinaryFile::OpenRead(sources[i]));
                U64 size = source->Size();
                U64 offset = output.Tell();
                if (size > 0xFFFFFFFFu || offset > 0xFFFFFFFFu)
                    throw Util::XUsage("N4 dat file would be larger than 4 GB");
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
                if (capacity > 0xFFFFFFFFu)
                    throw Util::XUsage("N4 dat file would be larger than 4 GB");
                if (packed.size() < capacity)
                    packed.resize(capacity);
                entry.compressedSize =
                    Util::PkCompression::Compress(data.data(), entry.size, packed.data(), U32(capacity));
                output.Write(entry.compressedSize, packed.data());
            }
            output.Seek(0);
            WriteHeader(output, written.size(), directorySize);
            for (const Entry& entry : written)
                WriteRecord(output, entry.method, entry.size, entry.compressedSize, entry.offset, entry.name);
        },
        [&] { m_entries = std::move(written); });
}
} // namespace Velmo::Papy

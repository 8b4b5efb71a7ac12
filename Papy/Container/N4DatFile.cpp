#include "Papy/Container/N4DatFile.h"

#include <cstring>
#include <sys/stat.h>

#include "Util/DirectoryListing.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 recordHeadSize = 15;
// The first byte of every directory record.
constexpr U8 recordType = 5;

// The header before the directory (10 bytes).
struct Header
{
    S16 count; // minus the number of entries
    U32 directorySize;
    U32 reserved;
    template <class IO>
    void Fields(IO& io)
    {
        io(count);
        io(directorySize);
        io(reserved);
    }
};

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
} // namespace

// Names of at most 255 characters (one length byte).
N4DatFile::N4DatFile(const std::string& path, bool forUpdate)
    : DatArchive(path, forUpdate ? Open::Update : Open::Read, Limits{"N4", 255, false})
{
    ReadDirectory();
}

N4DatFile::N4DatFile(const std::string& path) : DatArchive(path, Open::New, Limits{"N4", 255, false})
{
}

N4DatFile::N4DatFile(const Util::CountedPointer<Util::BinaryStream>& stream)
    : DatArchive(stream, Limits{"N4", 255, false})
{
    ReadDirectory();
}

void N4DatFile::ReadDirectory()
{
    Util::BinaryStream& stream = *GetStream();
    stream.Seek(0);
    Util::RecordReader reader(stream);
    Header header;
    Util::ReadFields(reader, header);
    const S16 count = header.count;
    const U32 directorySize = header.directorySize;
    if (header.reserved != 0)
        throw Util::XFileFormat(GetFileName(), "N4 dat file reserved not zero");
    // The directory must be in the file before room is made for it.
    if (directorySize > reader.Remaining())
        throw Util::XFileFormat(GetFileName(), "N4 dat file directory size error");
    std::vector<U8> directory(directorySize);
    reader.ReadBytes(directory.data(), directory.size());

    // Every record takes 16 bytes at least.
    std::vector<Entry> entries;
    entries.reserve(std::min<std::size_t>(count < 0 ? std::size_t(-int(count)) : 0, directorySize / 16));
    Util::RecordReader records(directory, GetFileName());
    while (!records.AtEnd())
    {
        U8 type = records.ReadU8();
        U8 method = records.ReadU8();
        U32 size = records.ReadU32();
        U32 compressedSize = records.ReadU32();
        U32 offset = records.ReadU32();
        U8 length = records.ReadU8();
        if (type != recordType)
            throw Util::XFileFormat(GetFileName(), "N4 dat file subfile type error");
        if (method != stored && method != imploded)
            throw Util::XFileFormat(GetFileName(), "N4 dat file unknown compression method");
        if (method == stored && compressedSize != size)
            throw Util::XFileFormat(GetFileName(), "N4 dat file compressed size error");
        std::string name = records.ReadFixedString(U64(length) + 1);
        entries.push_back(Entry{method, size, compressedSize, offset, std::move(name)});
    }
    if (S64(count) + S64(entries.size()) != 0)
        throw Util::XFileFormat(GetFileName(), "N4 dat file subfile count mismatch");
    SetEntries(std::move(entries));
}

bool N4DatFile::IsArchiveHead(Util::RecordReader& reader)
{
    Header header;
    Util::ReadFields(reader, header);
    const U8 type = reader.ReadU8();
    return header.count < 0 && header.directorySize != 0 && header.reserved == 0 && type == recordType;
}

void N4DatFile::Build(bool report)
{
    // Listed whole before the old list is replaced: a folder that cannot be read changes nothing.
    std::vector<Entry> entries;
    Scan(GetPathName().GetDirectory(), "", entries);
    SetEntries(std::move(entries));
    if (report)
        Report("N4 Dat file created\n");
}

void N4DatFile::Scan(const std::string& folder, const std::string& prefix, std::vector<Entry>& entries) const
{
    Util::DirectoryListing listing{Util::PathName(folder)};
    for (std::size_t i = 0; i < listing.GetCount(); ++i)
    {
        const Util::PathName& entry = listing.GetEntry(i);
        if (listing.IsDirectory(i))
        {
            if (OneOf(Util::ToLower(entry.GetFileName()), scannedFolders) && !IsLink(entry.GetFullPath()))
                Scan(entry.GetPathAsFolder(), prefix + entry.GetFileName() + "\\", entries);
            continue;
        }
        const std::string extension = Util::ToLower(entry.GetExtension());
        if (!OneOf(extension, archivedExtensions) || OneOf(Util::ToLower(entry.GetFileName()), skippedFiles))
            continue;
        U8 method = OneOf(extension, storedExtensions) ? stored : imploded;
        entries.push_back(Entry{method, 0, 0, 0, prefix + entry.GetFileName()});
    }
}

void N4DatFile::WriteDirectory(Util::BinaryStream& output, const std::vector<Entry>& entries) const
{
    U32 directorySize = 0;
    for (const Entry& entry : entries)
        directorySize += recordHeadSize + U32(entry.name.size()) + 1;
    Util::WriteFields(output, Header{S16(-int(entries.size())), directorySize, 0});
    for (const Entry& entry : entries)
    {
        U8 head[recordHeadSize];
        head[0] = recordType;
        head[1] = entry.method;
        Util::EncodeLE<U32>(entry.size, head + 2);
        Util::EncodeLE<U32>(entry.compressedSize, head + 6);
        Util::EncodeLE<U32>(entry.offset, head + 10);
        head[14] = U8(entry.name.size()); // at most 255 characters
        output.Write(recordHeadSize, head);
        output.Write(U32(entry.name.size() + 1), entry.name.c_str());
    }
}
} // namespace Velmo::Papy

#include "Papy/Container/ICR2DatFile.h"

#include <cstring>

#include "Papy/Model/Options.h"
#include "Util/DirectoryListing.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 recordSize = 27;
constexpr U32 nameSize = 13;
// The first byte of every directory record.
constexpr U8 recordSignature = 5;

// The extensions of the game files an archive takes, in the order they are tested.
const char* const archivedExtensions[] = {"3do", "cam", "lyt", "m16", "mip", "pbf", "pmp", "srb", "trk", "win", "wav"};
// The setups: the first two letters of the extension, then 1, 2 or 3.
const char* const setupKinds[] = {"bb", "br", "co", "ea", "fe", "lo", "mu"};

// Why a file of the folder stays out of the archive; null when it goes in.
const char* Exclusion(const std::string& baseName, const std::string& extension)
{
    if (baseName.size() > 8 || extension.size() > 3)
        return "Name not 8.3";
    const std::string lowerExtension = Util::ToLower(extension);
    for (const char* archived : archivedExtensions)
        if (lowerExtension == archived)
            return nullptr;
    if (Util::ToLower(baseName) != "setup")
        return "Unsuitable extension";
    if (lowerExtension.size() == 3 && lowerExtension[2] >= '1' && lowerExtension[2] <= '3')
        for (const char* kind : setupKinds)
            if (lowerExtension.compare(0, 2, kind) == 0)
                return nullptr;
    return "Unknown setup type";
}
} // namespace

// Names of at most 12 characters (8.3) and one entry at least: a count of 0 does not read.
ICR2DatFile::ICR2DatFile(const std::string& path, bool forUpdate)
    : DatArchive(path, forUpdate ? Open::Update : Open::Read, Limits{"ICR2", 12, true})
{
    ReadDirectory();
}

ICR2DatFile::ICR2DatFile(const std::string& path) : DatArchive(path, Open::New, Limits{"ICR2", 12, true})
{
}

ICR2DatFile::ICR2DatFile(const Util::CountedPointer<Util::BinaryStream>& stream)
    : DatArchive(stream, Limits{"ICR2", 12, true})
{
    ReadDirectory();
}

void ICR2DatFile::ReadDirectory()
{
    Util::BinaryStream& stream = *GetStream();
    stream.Seek(0);
    Util::RecordReader reader(stream);
    S16 count = reader.ReadS16();
    if (count <= 0)
        throw Util::XFileFormat(GetFileName(), "ICR2 dat file subfile count error");
    // The directory must be in the file before room is made for it.
    reader.CheckCount(U64(count), recordSize);
    std::vector<U8> directory(std::size_t(count) * recordSize);
    reader.ReadBytes(directory.data(), directory.size());

    const bool strict = Options::Instance()->Strict;
    Util::RecordReader records(directory, GetFileName());
    std::vector<Entry> entries;
    entries.reserve(std::size_t(count));
    for (S16 i = 0; i < count; ++i)
    {
        U8 signature = records.ReadU8();
        U8 method = records.ReadU8();
        U32 size = records.ReadU32();
        U32 sizeAgain = records.ReadU32();
        std::string name = records.ReadFixedString(nameSize);
        U32 offset = records.ReadU32();
        if (signature != recordSignature)
            throw Util::XFileFormat(GetFileName(), "ICR2 dat file signature not 5");
        if (method != stored)
            throw Util::XFileFormat(GetFileName(), "ICR2 dat file unknown compression method");
        if (size != sizeAgain)
            throw Util::XFileFormat(GetFileName(), "ICR2 dat file subfile size mismatch");
        if (strict && name.size() > 12)
            throw Util::XFileFormat(GetFileName(), "ICR2 dat file subfile name not 8.3");
        entries.push_back(Entry{stored, size, size, offset, std::move(name)});
    }
    SetEntries(std::move(entries));
}

bool ICR2DatFile::IsArchiveHead(Util::RecordReader& reader)
{
    const S16 count = reader.ReadS16();
    const U8 signature = reader.ReadU8();
    const U8 method = reader.ReadU8();
    return count > 0 && signature == recordSignature && method == stored;
}

std::string ICR2DatFile::GetEntryFolder(int i) const
{
    EntryAt(i);
    return std::string();
}

void ICR2DatFile::Build(bool report)
{
    Util::DirectoryListing listing(Util::PathName(GetPathName().GetDirectory()));
    std::vector<Entry> entries;
    std::string included, excluded;
    for (std::size_t i = 0; i < listing.GetCount(); ++i)
    {
        if (listing.IsDirectory(i))
            continue;
        const Util::PathName& file = listing.GetEntry(i);
        if (const char* reason = Exclusion(file.GetBaseName(), file.GetExtension()))
            excluded += file.GetFileName() + "\t" + reason + "\n";
        else
        {
            entries.push_back(Entry{stored, 0, 0, 0, file.GetFileName()});
            included += file.GetFileName() + "\n";
        }
    }
    SetEntries(std::move(entries));
    if (report)
        Report("Included files\n\n" + included + "\nExcluded files\n\n" + excluded);
}

void ICR2DatFile::WriteDirectory(Util::BinaryStream& output, const std::vector<Entry>& entries) const
{
    Util::WriteLE<S16>(output, S16(entries.size()));
    for (const Entry& entry : entries)
    {
        U8 record[recordSize] = {};
        record[0] = 5;
        record[1] = stored;
        Util::EncodeLE<U32>(entry.size, record + 2);
        Util::EncodeLE<U32>(entry.size, record + 6);
        std::memcpy(record + 10, entry.name.data(), entry.name.size()); // at most 12 characters and the NUL
        Util::EncodeLE<U32>(entry.offset, record + 23);
        output.Write(recordSize, record);
    }
}
} // namespace Velmo::Papy

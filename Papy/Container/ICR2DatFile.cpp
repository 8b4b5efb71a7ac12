#include "Papy/Container/ICR2DatFile.h"

#include <cstring>

#include "Papy/Container/UncompressedSubFile.h"
#include "Papy/Model/Options.h"
#include "Util/BinaryFile.h"
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

void WriteRecord(Util::BinaryStream& stream, const std::string& name, U32 size, U32 offset)
{
    U8 record[recordSize] = {};
    record[0] = 5;
    record[1] = 0;
    Util::EncodeLE<U32>(size, record + 2);
    Util::EncodeLE<U32>(size, record + 6);
    std::memcpy(record + 10, name.data(), name.size()); // at most 12 characters and the NUL
    Util::EncodeLE<U32>(offset, record + 23);
    stream.Write(recordSize, record);
}
} // namespace

ICR2DatFile::ICR2DatFile(const std::string& path, bool forUpdate)
    : m_archive(path, forUpdate ? DatArchive::Open::Update : DatArchive::Open::Read, "ICR2")
{
    ReadDirectory();
}

ICR2DatFile::ICR2DatFile(const std::string& path) : m_archive(path, DatArchive::Open::New, "ICR2")
{
}

void ICR2DatFile::ReadDirectory()
{
    Util::BinaryStream& stream = *m_archive.GetStream();
    stream.Seek(0);
    Util::RecordReader reader(stream);
    S16 count = reader.ReadS16();
    if (count <= 0)
        throw Util::XFileFormat(m_archive.GetFileName(), "ICR2 dat file subfile count error");
    // The directory must be in the file before room is made for it.
    reader.CheckCount(U64(count), recordSize);
    std::vector<U8> directory(std::size_t(count) * recordSize);
    reader.ReadBytes(directory.data(), directory.size());

    const bool strict = Options::Instance()->Strict;
    Util::RecordReader records(directory, m_archive.GetFileName());
    m_entries.reserve(std::size_t(count));
    for (S16 i = 0; i < count; ++i)
    {
        U8 signature = records.ReadU8();
        U8 method = records.ReadU8();
        U32 size = records.ReadU32();
        U32 sizeAgain = records.ReadU32();
        std::string name = records.ReadFixedString(nameSize);
        U32 offset = records.ReadU32();
        if (signature != 5)
            throw Util::XFileFormat(m_archive.GetFileName(), "ICR2 dat file signature not 5");
        if (method != 0)
            throw Util::XFileFormat(m_archive.GetFileName(), "ICR2 dat file unknown compression method");
        if (size != sizeAgain)
            throw Util::XFileFormat(m_archive.GetFileName(), "ICR2 dat file subfile size mismatch");
        if (strict && name.size() > 12)
            throw Util::XFileFormat(m_archive.GetFileName(), "ICR2 dat file subfile name not 8.3");
        m_entries.push_back(Entry{std::move(name), offset, size});
    }
}

const ICR2DatFile::Entry& ICR2DatFile::EntryAt(int i) const
{
    VELMO_ASSERT(i >= 0 && std::size_t(i) < m_entries.size());
    return m_entries[std::size_t(i)];
}

std::string ICR2DatFile::GetEntryName(int i) const
{
    return DatArchive::BaseNameOf(EntryAt(i).name);
}

std::string ICR2DatFile::GetEntryExtension(int i) const
{
    return DatArchive::ExtensionOf(EntryAt(i).name);
}

std::string ICR2DatFile::GetEntryFolder(int i) const
{
    EntryAt(i);
    return std::string();
}

U32 ICR2DatFile::GetEntrySize(int i) const
{
    return EntryAt(i).size;
}

U32 ICR2DatFile::GetEntryCompressedSize(int i) const
{
    return EntryAt(i).size;
}

Util::CountedPointer<Util::BinaryStream> ICR2DatFile::OpenEntry(int i)
{
    const Entry& entry = EntryAt(i);
    m_archive.CheckInside(entry.offset, entry.size, "ICR2 dat file subfile size error");
    return Util::CountedPointer<Util::BinaryStream>(
        new UncompressedSubFile(m_archive.GetStream(), entry.name, entry.offset, entry.size));
}

Util::CountedPointer<Util::BinaryStream> ICR2DatFile::OpenEntry(const std::string& name)
{
    int i = m_archive.Find(name, GetEntryCount(), [this](int k) -> const std::string& { return m_entries[std::size_t(k)].name; });
    return i < 0 ? Util::CountedPointer<Util::BinaryStream>() : OpenEntry(i);
}

void ICR2DatFile::Build(bool report)
{
    m_entries.clear();
    m_archive.ForgetNames();
    Util::DirectoryListing listing(Util::PathName(m_archive.GetPathName().GetDirectory()));
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
            m_entries.push_back(Entry{file.GetFileName(), 0, 0});
            included += file.GetFileName() + "\n";
        }
    }
    if (report)
        DatArchive::Report("Included files\n\n" + included + "\nExcluded files\n\n" + excluded);
}

void ICR2DatFile::Save()
{
    if (m_entries.empty())
        throw Util::XUsage("ICR2 dat file needs at least one subfile");
    if (m_entries.size() > 32767)
        throw Util::XUsage("ICR2 dat file has too many subfiles");
    std::vector<std::string> sources;
    for (const Entry& entry : m_entries)
    {
        if (entry.name.size() > 12)
            throw Util::XUsage("ICR2 dat file subfile name longer than 12 characters: " + entry.name);
        sources.push_back(m_archive.SourcePath(entry.name));
    }

    std::vector<Entry> written = m_entries;
    m_archive.Replace(
        [&](Util::BinaryStream& output) {
            Util::WriteLE<S16>(output, S16(written.size()));
            for (const Entry& entry : written)
                WriteRecord(output, entry.name, 0, 0);
            std::vector<U8> data;
            for (std::size_t i = 0; i < written.size(); ++i)
            {
                Util::CountedPointer<Util::BinaryFile> source(Util::BinaryFile::OpenRead(sources[i]));
                U64 size = source->Size();
                U64 offset = output.Tell();
                if (size > 0xFFFFFFFFu || offset > 0xFFFFFFFFu)
                    throw Util::XUsage("ICR2 dat file would be larger than 4 GB");
                if (data.size() < size)
                    data.resize(size);
                source->Read(U32(size), data.data());
                output.Write(U32(size), data.data());
                written[i].offset = U32(offset);
                written[i].size = U32(size);
            }
            output.Seek(2);
            for (const Entry& entry : written)
                WriteRecord(output, entry.name, entry.size, entry.offset);
        },
        [&] { m_entries = std::move(written); });
}
} // namespace Velmo::Papy

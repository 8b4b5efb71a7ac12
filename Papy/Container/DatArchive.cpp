#include "Papy/Container/DatArchive.h"

#include <algorithm>
#include <iostream>
#include <sys/stat.h>

#include "Papy/Container/SafeName.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Papy
{
namespace
{
Util::BinaryFile* OpenArchive(const std::string& path, DatArchive::Open open)
{
    switch (open)
    {
    case DatArchive::Open::Read:
        return Util::BinaryFile::OpenRead(path);
    case DatArchive::Open::Update:
        return Util::BinaryFile::OpenUpdate(path);
    case DatArchive::Open::New:
        break;
    }
    return Util::BinaryFile::CreateNew(path);
}
} // namespace

DatArchive::DatArchive(const std::string& path, Open open, std::string format)
    : m_path(path), m_stream(OpenArchive(path, open)), m_format(std::move(format)), m_writable(open != Open::Read)
{
}

const Util::CountedPointer<Util::BinaryStream>& DatArchive::GetStream() const
{
    // Empty only when a save put the new archive in place and it could not be opened again.
    VELMO_ASSERT(m_stream);
    return m_stream;
}

std::string DatArchive::FileNameOf(const std::string& name)
{
    std::size_t separator = name.rfind('\\');
    return separator == std::string::npos ? name : name.substr(separator + 1);
}

std::string DatArchive::FolderOf(const std::string& name)
{
    std::size_t separator = name.rfind('\\');
    return separator == std::string::npos ? std::string() : name.substr(0, separator);
}

std::string DatArchive::BaseNameOf(const std::string& name)
{
    std::string file = FileNameOf(name);
    return file.substr(0, file.rfind('.'));
}

std::string DatArchive::ExtensionOf(const std::string& name)
{
    std::string file = FileNameOf(name);
    std::size_t dot = file.rfind('.');
    return dot == std::string::npos ? std::string() : file.substr(dot + 1);
}

int DatArchive::Find(const std::string& name, int count, const std::function<const std::string&(int)>& nameOf)
{
    if (m_index.empty() && count > 0)
    {
        m_index.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            m_index.emplace(Util::ToLower(nameOf(i)), i); // keeps the first of equal names
    }
    auto found = m_index.find(Util::ToLower(name));
    return found == m_index.end() ? -1 : found->second;
}

void DatArchive::CheckInside(U64 offset, U64 size, const char* message) const
{
    U64 archiveSize = GetStream()->Size();
    if (offset > archiveSize || size > archiveSize - offset)
        throw Util::XFileFormat(GetFileName(), message);
}

std::string DatArchive::SourcePath(const std::string& name) const
{
    if (!IsSafeRelativeName(name))
        throw Util::XUsage(m_format + " dat file subfile name not allowed: " + name);
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::string folder, path;
    if (!Util::ResolvePath(m_path.GetDirectory(), folder) || !Util::ResolvePath(m_path.GetDirectory() + relative, path))
        throw Util::XUsage(m_format + " dat file subfile name not allowed: " + name);
    // Every folder between the archive's and the file must be a folder of its own, not a link
    // that leads elsewhere.
    std::size_t start = folder == "/" ? 1 : folder.size() + 1;
    for (std::size_t separator = path.find('/', start); separator != std::string::npos;
         separator = path.find('/', separator + 1))
    {
        struct stat info;
        if (lstat(path.substr(0, separator).c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            throw Util::XUsage(m_format + " dat file subfile folder is a link: " + name);
    }
    return path;
}

void DatArchive::Replace(const std::function<void(Util::BinaryStream&)>& write, const std::function<void()>& committed)
{
    if (!m_writable)
        throw Util::XFileWrite(GetFileName());
    if (m_stream.GetCount() > 1)
        throw Util::XUsage(m_format + " dat file cannot be saved while its entries are open");
    // The archive's own stream locks the file against the replacement: closed meanwhile.
    m_stream = nullptr;
    try
    {
        Util::CountedPointer<Util::BinaryFile> output(Util::BinaryFile::CreateAlways(GetFileName()));
        write(*output);
        output->Commit();
    }
    catch (...)
    {
        try
        {
            Reopen();
        }
        catch (const Util::Exception&)
        {
        }
        throw;
    }
    committed();
    Reopen();
}

void DatArchive::Reopen()
{
    m_stream = Util::CountedPointer<Util::BinaryStream>(Util::BinaryFile::OpenUpdate(GetFileName()));
}

void DatArchive::Report(const std::string& text)
{
    std::cout << text;
    std::cout.flush();
}
} // namespace Velmo::Papy

#include "Util/BinaryFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "Util/Exception.h"
#include "Util/FileSystem.h"

namespace Velmo::Util
{
namespace
{
// The buffer of a stream that may be written; one only read needs no more than the file's size.
constexpr U64 bufferSize = 128 * 1024;
constexpr U64 maxOffset = U64(std::numeric_limits<off_t>::max());

int OpenFile(const std::string& path, int flags, mode_t permissions = 0)
{
    int fd;
    do
        fd = open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY, permissions);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Takes the advisory lock that emulates the sharing rules; false when another holder's lock
// conflicts. A file system without such locks lets the open go ahead unlocked.
bool LockFile(int fd, bool exclusive)
{
    struct flock lock = {};
    lock.l_type = exclusive ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // the whole file, however long it grows
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return true;
    return errno != EAGAIN && errno != EACCES;
}

// Reads up to count bytes at offset, retrying short and interrupted reads; got tells how many
// arrived before the end of the file. False on an error of the system.
bool ReadFully(int fd, U64 offset, U8* data, U64 count, U64& got)
{
    got = 0;
    while (got < count)
    {
        std::size_t chunk = std::size_t(std::min<U64>(count - got, 1u << 30));
        ssize_t result = pread(fd, data + got, chunk, off_t(offset + got));
        if (result < 0)
        {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (result == 0)
            break;
        got += U64(result);
    }
    return true;
}

// Writes count bytes at offset, retrying short and interrupted writes. 0, or the system's
// error code (a write that moves nothing counts as the device's failure).
int WriteFully(int fd, U64 offset, const U8* data, U64 count)
{
    U64 done = 0;
    while (done < count)
    {
        std::size_t chunk = std::size_t(std::min<U64>(count - done, 1u << 30));
        ssize_t result = pwrite(fd, data + done, chunk, off_t(offset + done));
        if (result < 0)
        {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (result == 0)
            return EIO;
        done += U64(result);
    }
    return 0;
}

[[noreturn]] void ThrowOpen(const std::string& path, int error)
{
    throw XFileOpen(path, SystemErrorText(error));
}

// Refuses anything but a regular file: a folder, a device, a pipe.
void RefuseIrregular(const std::string& path, const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        ThrowOpen(path, EISDIR);
    if (!S_ISREG(info.st_mode))
        ThrowOpen(path, EINVAL);
}

// Refuses an existing entry that is not a regular file before anything opens it: opening a
// device or a pipe may wait or act. A missing entry is left to the open and its error.
void RefuseIrregularBeforeOpening(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) == 0)
        RefuseIrregular(path, info);
}

// Checks again what was opened (the entry may have been replaced meanwhile) and returns its
// size.
U64 CheckRegularFile(int fd, const std::string& path, struct stat& info)
{
    if (fstat(fd, &info) != 0)
        ThrowOpen(path, errno);
    RefuseIrregular(path, info);
    return U64(info.st_size);
}

std::string FolderOf(const std::string& path)
{
    std::size_t separator = path.rfind('/');
    return separator == 0 || separator == std::string::npos ? "/" : path.substr(0, separator);
}
// The file a symbolic link leads to, as a real path: the end of its chain of links when that
// exists; else where the last link of the chain points (relative to that link's folder), in
// its folder made real, so that a save makes the file there and the links stay. A chain that
// loops, or ends in a folder that is missing too, is refused with the system's reason.
std::string LinkTarget(const std::string& link)
{
    char real[PATH_MAX];
    if (realpath(link.c_str(), real))
        return real;
    if (errno != ENOENT)
        ThrowOpen(link, errno);
    std::string current = link;
    struct stat info;
    for (int hops = 0; lstat(current.c_str(), &info) == 0; ++hops)
    {
        if (!S_ISLNK(info.st_mode) || hops == 40)
            ThrowOpen(link, S_ISLNK(info.st_mode) ? ELOOP : ENOENT);
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(current.c_str(), target.data(), target.size());
        if (length < 0 || std::size_t(length) >= target.size())
            ThrowOpen(link, length < 0 ? errno : ENAMETOOLONG);
        target.resize(std::size_t(length));
        current = target[0] == '/' ? target : FolderOf(current) + "/" + target;
    }
    if (errno != ENOENT)
        ThrowOpen(link, errno);
    const std::string name = current.substr(current.rfind('/') + 1);
    if (name.empty() || name == "." || name == "..")
        ThrowOpen(link, ENOENT);
    if (!realpath(FolderOf(current).c_str(), real))
        ThrowOpen(link, errno);
    const std::string folder = real;
    return (folder == "/" ? "" : folder) + "/" + name;
}
} // namespace

struct BinaryFile::Handles
{
    ~Handles()
    {
        if (fd >= 0)
            close(fd);
        if (originalFd >= 0)
            close(originalFd);
        if (!temporaryPath.empty())
            unlink(temporaryPath.c_str());
    }

    Mode mode = Mode::Read;
    int fd = -1;
    // CreateAlways: the file replaced at Commit (held open and locked meanwhile) and the
    // temporary written instead; the temporary path is cleared once it is in place.
    int originalFd = -1;
    std::string targetPath;
    std::string temporaryPath;
};

BinaryFile* BinaryFile::OpenRead(const std::string& name)
{
    return new BinaryFile(name, Mode::Read);
}

BinaryFile* BinaryFile::OpenUpdate(const std::string& name)
{
    return new BinaryFile(name, Mode::Update);
}

BinaryFile* BinaryFile::CreateNew(const std::string& name)
{
    return new BinaryFile(name, Mode::New);
}

BinaryFile* BinaryFile::CreateAlways(const std::string& name)
{
    return new BinaryFile(name, Mode::Replace);
}

BinaryFile::BinaryFile(const std::string& name, Mode mode)
    : m_handles(new Handles)
{
    std::string path;
    if (!ResolvePath(name, path))
        throw XFileOpen(name, "");
    m_capacity = bufferSize;
    m_name = path;
    m_handles->mode = mode;
    m_writable = mode != Mode::Read;
    Handles& handles = *m_handles;
    struct stat info;
    const std::string busy = SystemErrorText(EBUSY);

    switch (mode)
    {
    case Mode::Read:
    case Mode::Update:
        RefuseIrregularBeforeOpening(path);
        // Non-blocking so that a pipe put in its place meanwhile cannot hang the open; it is
        // refused just below.
        handles.fd = OpenFile(path, (mode == Mode::Read ? O_RDONLY : O_RDWR) | O_NONBLOCK);
        if (handles.fd < 0)
            ThrowOpen(path, errno);
        m_size = CheckRegularFile(handles.fd, path, info);
        if (mode == Mode::Read)
            m_capacity = std::max<U64>(std::min(bufferSize, m_size), 1);
        fcntl(handles.fd, F_SETFL, fcntl(handles.fd, F_GETFL) & ~O_NONBLOCK);
        if (!LockFile(handles.fd, mode == Mode::Update))
            throw XFileOpen(path, busy);
        break;

    case Mode::New:
        handles.fd = OpenFile(path, O_RDWR | O_CREAT | O_EXCL, 0666);
        if (handles.fd < 0)
            ThrowOpen(path, errno);
        if (!LockFile(handles.fd, true))
            throw XFileOpen(path, busy);
        break;

    case Mode::Replace:
    {
        // A symbolic link stays a link: the file it names is the one replaced, or made.
        handles.targetPath = path;
        if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            handles.targetPath = LinkTarget(path);
        bool exists = stat(handles.targetPath.c_str(), &info) == 0;
        if (exists)
        {
            RefuseIrregular(path, info);
            handles.originalFd = OpenFile(handles.targetPath, O_RDWR | O_NONBLOCK);
            if (handles.originalFd < 0)
                ThrowOpen(path, errno);
            CheckRegularFile(handles.originalFd, path, info);
            if (!LockFile(handles.originalFd, true))
                throw XFileOpen(path, busy);
        }

        std::string folder = FolderOf(handles.targetPath);
        std::string base = handles.targetPath.substr(handles.targetPath.rfind('/') + 1).substr(0, 200);
        static unsigned counter = 0;
        for (int attempt = 0; handles.fd < 0; ++attempt)
        {
            std::string temporary = (folder == "/" ? "" : folder) + "/." + base + "." +
                                    std::to_string(getpid()) + "." + std::to_string(++counter) +
                                    ".tmp";
            handles.fd = OpenFile(temporary, O_RDWR | O_CREAT | O_EXCL, 0666);
            if (handles.fd >= 0)
                handles.temporaryPath = temporary;
            else if (errno != EEXIST || attempt == 100)
                ThrowOpen(path, errno);
        }
        if (exists)
        {
            // Ownership can only be kept by a privileged process; the permissions always are.
            if (fchown(handles.fd, info.st_uid, info.st_gid) != 0)
            {
            }
            if (fchmod(handles.fd, info.st_mode & 07777) != 0)
                ThrowOpen(path, errno);
        }
        LockFile(handles.fd, true);
        break;
    }
    }
}

BinaryFile::~BinaryFile()
{
    // An uncommitted replacement is dropped (the handles remove the temporary); anything
    // else writes out what is buffered, as closing a file does.
    if (m_handles->mode != Mode::Replace || m_handles->temporaryPath.empty())
    {
        try
        {
            Flush();
        }
        catch (const XFileWrite&)
        {
        }
    }
}

void BinaryFile::ReadSlow(U32 count, void* buffer)
{
    CloseReadWindow();
    // Written bytes go out before anything is read, so that their errors are not lost.
    Flush();
    if (count == 0)
        return;
    if (m_position > m_size || count > m_size - m_position)
        throw XFileRead(m_name);
    // The bytes may be in the buffer already (after a seek or a write within it).
    U64 offset = m_position - m_bufferStart;
    if (m_position >= m_bufferStart && offset <= m_bufferLength && count <= m_bufferLength - offset)
    {
        std::memcpy(buffer, m_buffer.get() + offset, count);
        m_position += count;
        OpenReadWindow();
        return;
    }

    U64 got;
    if (count >= m_capacity)
    {
        if (!ReadFully(m_handles->fd, m_position, static_cast<U8*>(buffer), count, got) || got != count)
            throw XFileRead(m_name);
        m_position += count;
        return;
    }

    m_bufferStart = m_position;
    m_bufferLength = 0;
    if (!m_buffer)
        m_buffer.reset(new U8[m_capacity]);
    if (!ReadFully(m_handles->fd, m_position, m_buffer.get(), m_capacity, got))
        throw XFileRead(m_name);
    // Bytes that someone else appended after the size was taken are not served.
    m_bufferLength = std::min(got, m_size - m_position);
    if (m_bufferLength < count)
        throw XFileRead(m_name);
    std::memcpy(buffer, m_buffer.get(), count);
    m_position += count;
    OpenReadWindow();
}

void BinaryFile::Write(U32 count, const void* data)
{
    CloseReadWindow();
    if (!m_writable)
        throw XFileWrite(m_name);
    if (count == 0)
        return;
    if (m_position > maxOffset || count > maxOffset - m_position)
        throw XFileWrite(m_name);

    U64 offset = m_position - m_bufferStart;
    if (m_buffer && m_position >= m_bufferStart && offset <= m_bufferLength && count <= m_capacity - offset)
    {
        std::memcpy(m_buffer.get() + offset, data, count);
        MarkDirty(offset, offset + count);
        m_bufferLength = std::max(m_bufferLength, offset + count);
    }
    else
    {
        Flush();
        if (count >= m_capacity)
        {
            // The buffer may hold bytes this write replaces.
            m_bufferStart = m_bufferLength = 0;
            if (int error = WriteFully(m_handles->fd, m_position, static_cast<const U8*>(data), count))
            {
                RefreshSize();
                throw XFileWrite(m_name, SystemErrorText(error));
            }
        }
        else
        {
            m_bufferStart = m_position;
            m_bufferLength = count;
            if (!m_buffer)
                m_buffer.reset(new U8[m_capacity]);
            std::memcpy(m_buffer.get(), data, count);
            MarkDirty(0, count);
        }
    }
    m_position += count;
    m_size = std::max(m_size, m_position);
}

void BinaryFile::Seek(U64 position)
{
    CloseReadWindow();
    if (position > maxOffset)
        throw XFileSeek(m_name);
    Flush();
    m_position = position;
}

void BinaryFile::Truncate()
{
    CloseReadWindow();
    if (!m_writable)
        throw XFileWrite(m_name);
    Flush();
    m_bufferStart = m_bufferLength = 0;
    int result;
    do
        result = ftruncate(m_handles->fd, off_t(m_position));
    while (result != 0 && errno == EINTR);
    if (result != 0)
    {
        const int error = errno;
        RefreshSize();
        throw XFileWrite(m_name, SystemErrorText(error));
    }
    m_size = m_position;
}

void BinaryFile::Commit()
{
    Flush();
    if (!m_writable)
        return;
    if (fsync(m_handles->fd) != 0)
        throw XFileWrite(m_name, SystemErrorText(errno));
    Handles& handles = *m_handles;
    if (handles.mode == Mode::Replace && !handles.temporaryPath.empty())
    {
        if (rename(handles.temporaryPath.c_str(), handles.targetPath.c_str()) != 0)
            throw XFileWrite(m_name, SystemErrorText(errno));
        handles.temporaryPath.clear();
        // Make the new name itself durable; a folder that cannot be synced changes nothing.
        int folder = OpenFile(FolderOf(handles.targetPath), O_RDONLY | O_DIRECTORY);
        if (folder >= 0)
        {
            fsync(folder);
            close(folder);
        }
        if (handles.originalFd >= 0)
        {
            close(handles.originalFd);
            handles.originalFd = -1;
        }
    }
}

void BinaryFile::MarkDirty(U64 begin, U64 end)
{
    if (m_dirtyBegin == m_dirtyEnd)
    {
        m_dirtyBegin = begin;
        m_dirtyEnd = end;
    }
    else
    {
        m_dirtyBegin = std::min(m_dirtyBegin, begin);
        m_dirtyEnd = std::max(m_dirtyEnd, end);
    }
}

void BinaryFile::Flush()
{
    CloseReadWindow();
    if (m_dirtyBegin == m_dirtyEnd)
        return;
    U64 begin = m_dirtyBegin, end = m_dirtyEnd;
    m_dirtyBegin = m_dirtyEnd = 0;
    if (int error = WriteFully(m_handles->fd, m_bufferStart + begin, m_buffer.get() + begin, end - begin))
    {
        // The bytes are lost; the buffer and the size go back to what the file holds.
        m_bufferStart = m_bufferLength = 0;
        RefreshSize();
        throw XFileWrite(m_name, SystemErrorText(error));
    }
}

void BinaryFile::RefreshSize() noexcept
{
    struct stat info;
    if (fstat(m_handles->fd, &info) == 0)
        m_size = U64(info.st_size);
}
} // namespace Velmo::Util

#pragma once
// A byte stream over a file on disk, buffered so that a read or write of a few bytes costs no
// system call. Seek, Tell, Size, interleaved reads and writes, Truncate and a write beyond the
// end (which extends the file, the gap reading as zeros) behave as on the bare file.
//
// Sharing: every opener takes an advisory lock on the file that other openers respect, in
// this process and in others. OpenRead takes a shared lock, the others an exclusive one; an
// open that conflicts fails with XFileOpen and the text of EBUSY ("Device or resource busy"),
// the host's nearest word for a sharing violation.
//
// Saving: CreateAlways never writes over the user's file. It writes a temporary file in the
// same folder; Commit() writes out everything, syncs it to disk and renames it over the target
// (an existing target's permissions are kept). A stream destroyed without a successful
// Commit() removes its temporary and leaves the target as it was, so a writer that throws
// half-way, a full disk or a failed sync changes nothing. Savers therefore call Commit() after
// the last write, and only then report success. Saving through a symbolic link replaces the
// file it names and keeps the link; when the file it names is gone, the save makes it where
// the link points (relative to the link's folder). A link into a missing folder, or a chain of
// links that loops, is refused with XFileOpen and the system's text. A write the system
// refuses raises XFileWrite with the system's text ("No space left on device").
//
// Names: '\' reads as '/', the name is made absolute and matched without regard to case
// (for a new file, its folder); the stream's name is that full path. Other writable streams
// write out what is buffered at the latest when destroyed; as a destructor cannot report an
// error, writers call Flush() (or Commit()) after their last write.
#include <cstring>
#include <memory>
#include <string>

#include "Util/BinaryStream.h"

namespace Velmo::Util
{
class BinaryFile : public BinaryStream
{
public:
    // An existing file, for reading; others may read it at the same time.
    static BinaryFile* OpenRead(const std::string& name);
    // An existing file, for reading and writing in place; nobody else may open it.
    static BinaryFile* OpenUpdate(const std::string& name);
    // A new file for reading and writing; fails when the name exists.
    static BinaryFile* CreateNew(const std::string& name);
    // An empty file for reading and writing that replaces name (or makes it) at Commit().
    static BinaryFile* CreateAlways(const std::string& name);

    ~BinaryFile() override;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    void Read(U32 count, void* buffer) override
    {
        // The common case, kept small: the bytes are in the window of buffered bytes that
        // lie ahead of the position. (An empty window refuses every count but 0.)
        if (count <= U64(m_readEnd - m_readNext) && count != 0)
        {
            // Fields of two, four and eight bytes are copied without a call.
            if (count == 4)
                std::memcpy(buffer, m_readNext, 4);
            else if (count == 2)
                std::memcpy(buffer, m_readNext, 2);
            else if (count == 8)
                std::memcpy(buffer, m_readNext, 8);
            else
                std::memcpy(buffer, m_readNext, count);
            m_readNext += count;
            m_position += count;
            return;
        }
        ReadSlow(count, buffer);
    }
    void Write(U32 count, const void* data) override;
    U64 Tell() const override { return m_position; }
    // Any position up to the largest file offset of the host; beyond the end is allowed.
    void Seek(U64 position) override;
    // The size as written so far: buffered bytes are written out first, so a write error
    // surfaces here rather than being lost (XFileWrite).
    U64 Size() const override
    {
        if (m_dirtyBegin != m_dirtyEnd)
            const_cast<BinaryFile*>(this)->Flush(); // streams are never made const objects
        return m_size;
    }
    bool AtEnd() const override { return m_position == m_size; }
    std::string GetName() const override { return m_name; }

    // Ends the file at the position; XFileWrite on failure or on a stream opened for reading.
    virtual void Truncate();

    // Writes out every buffered byte; XFileWrite on failure. Writes are also written out when
    // the buffer fills, before a seek, a size query or a read, so a write error is reported
    // by the next of these calls and never only to the destructor, which cannot report it.
    void Flush() override;

    // Hands every buffered byte to the system and syncs the file to disk; for a stream made by
    // CreateAlways, then puts it in place of the target. XFileWrite on any failure, after
    // which a CreateAlways target is unchanged. The stream stays usable afterwards.
    void Commit();

private:
    enum class Mode { Read, Update, New, Replace };
    struct Handles;

    BinaryFile(const std::string& name, Mode mode);
    void MarkDirty(U64 begin, U64 end);
    void RefreshSize() noexcept;
    void ReadSlow(U32 count, void* buffer);
    void OpenReadWindow()
    {
        m_readNext = m_buffer.get() + (m_position - m_bufferStart);
        m_readEnd = m_buffer.get() + m_bufferLength;
    }
    void CloseReadWindow() { m_readNext = m_readEnd = nullptr; }

    std::string m_name;
    std::unique_ptr<Handles> m_handles;
    // Made on first need, of m_capacity bytes.
    std::unique_ptr<U8[]> m_buffer;
    U64 m_capacity = 0;
    U64 m_position = 0;
    U64 m_size = 0;
    // The buffer holds the file's bytes from m_bufferStart on, m_bufferLength of them;
    // the bytes from m_dirtyBegin to m_dirtyEnd (buffer offsets) are not yet written out.
    U64 m_bufferStart = 0;
    U64 m_bufferLength = 0;
    U64 m_dirtyBegin = 0;
    U64 m_dirtyEnd = 0;
    // The buffered bytes from the position on, for the read fast path; both null when the
    // window must be worked out again (after anything but a read moved the position or
    // changed the buffer).
    const U8* m_readNext = nullptr;
    const U8* m_readEnd = nullptr;
    bool m_writable = false;
};
} // namespace Velmo::Util

#pragma once
// The state of one load or one save of an N4 object archive (.3do and .ptf files).
//
// The archive has no header: it is one object reference, that of the root object, with the
// whole graph nested inside it. Objects and classes are numbered from one counter, in the
// order in which they first occur. A reference is an int32:
//   0                  no object
//   below the counter  an object read earlier (its number)
//   the counter        a new object: the int32 class id follows, for a new class (equal to the
//                      counter again) the class announcement (int32 length, descriptor name
//                      with its NUL), then the object's record
//   above the counter  invalid (unsigned comparison)
// So the first record of a file is object 1 of class 2, and an object referenced twice is
// stored once. All numbers are little-endian: int32, IEEE single and double.
//
// A load reads the archive from memory through a Util::RecordReader; node readers read their
// records through the Read... operations, which check every count against the bytes left
// before anything is allocated. Node writers start with BeginObject and write through the
// Write... operations. The fixed fields that open a record are described once, by the node's
// Head(io), for ReadHead and WriteHead (see N4HeadReader below).
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "Papy/N4/N4ArchivedType.h"
#include "Util/BinaryStream.h"
#include "Util/MemoryStream.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N4TdoFile;
class ThreeDObject;

typedef N4ArchivedType<N4TdoFile> N4ArchivedTdoType;
typedef std::vector<const N4ArchivedTdoType*> N4ArchiverList;

class N4Archiver
{
public:
    // Deeper nesting of records than any real file needs; refused at load, so that every
    // loaded tree can also be walked and written (both recurse as deep).
    static constexpr int MaxDepth = 1000;
    // Longest accepted class announcement, NUL included.
    static constexpr U32 MaxDescriptorLength = 256;
    // Most nodes a walk of the tree may visit, each shared object counted at every reference
    // to it. Objects shared inside shared objects multiply: a small file could otherwise hold a
    // tree whose every walk never ends. Far above what real files hold; refused at load.
    static constexpr U32 MaxExpandedNodes = U32(1) << 24;
    // Longest run of zero bytes accepted (and kept) after the root object.
    static constexpr U32 MaxPadding = 16;

    explicit N4Archiver(const N4ArchiverList& archivers);
    N4Archiver(const N4Archiver&) = delete;
    N4Archiver& operator=(const N4Archiver&) = delete;

    // -- loading ------------------------------------------------------------------------
    // Reads the root reference and everything below it into file; the reader must then be at
    // its end (or hold only a few zero bytes, see GetPadding). Returns the root's object id.
    // base is the position of the reader's first byte in its file (for the file offsets).
    int Load(Util::RecordReader& reader, N4TdoFile& file, U64 base = 0);
    // The same from the stream's position to its end, which is read into memory first.
    int Load(Util::BinaryStream& stream, N4TdoFile& file);
    // Reads one object reference; a new object is created and added to the file before this
    // returns. Returns the object id (0 for no object).
    int ReadObject();
    // The number of zero bytes that followed the root object.
    U32 GetPadding() const { return m_padding; }

    // The stream of a save.
    Util::BinaryStream& GetStream() const { return *m_stream; }
    // The reader of a load.
    Util::RecordReader& GetReader() const { return *m_reader; }
    // The next bytes of the archive, in place, and advances past them; the read error when
    // fewer are left.
    const U8* Take(U64 bytes) { return m_reader->Take(bytes); }
    void ReadBytes(void* buffer, U64 count) { m_reader->ReadBytes(buffer, count); }
    // XFileFormat with the archive's name and message.
    [[noreturn]] void Fail(const std::string& message) const;

    S32 ReadS32() { return m_reader->ReadS32(); }
    U32 ReadU32() { return m_reader->ReadU32(); }
    U8 ReadU8() { return m_reader->ReadU8(); }
    F32 ReadF32() { return m_reader->ReadF32(); }
    F64 ReadF64() { return m_reader->ReadF64(); }
    // Reads an int32 that must equal expected, else fails with message.
    void Expect(S32 expected, const char* message);
    // Throws the read error unless count elements of elementSize bytes remain.
    void Require(U64 count, U64 elementSize) const { m_reader->CheckCount(count, elementSize); }
    // Reads count doubles (count checked against the bytes left first) into out.
    void ReadF64s(U64 count, F64* out);
    std::vector<F64> ReadF64Vector(U64 count);
    std::vector<S32> ReadS32Vector(U64 count);
    // A string: int32 length L including the NUL, L bytes of which the last is 0; L = 0 is the
    // empty string.
    std::string ReadString() { return ReadString(*m_reader); }
    static std::string ReadString(Util::RecordReader& reader);
    static std::string ReadString(Util::BinaryStream& stream);

    // -- saving -------------------------------------------------------------------------
    void BeginSave(Util::BinaryStream& stream);
    // Writes the reference to node and, at its first appearance, its class part; the node's
    // file offset becomes the position of its record. True when the caller must write the
    // record's body next.
    bool BeginObject(const ThreeDObject& node, const N4ArchivedTdoType& type, U64& fileOffset);

    void WriteS32(S32 value);
    void WriteU32(U32 value);
    void WriteU8(U8 value);
    void WriteF32(F32 value);
    // A single float that a node keeps as a double: the bits read from the file (read) while
    // the value is still the one they gave, so that a signalling NaN, which turns quiet in a
    // double, is written back unchanged; else the value rounded to single.
    void WriteF32(F64 value, F32 read);
    void WriteF64(F64 value);
    void WriteF64s(const F64* values, U64 count);
    void WriteS32s(const S32* values, U64 count);
    // count doubles, value i being valueAt(i), encoded straight into the output.
    template <class ValueAtT>
    void WriteF64Array(U64 count, ValueAtT valueAt)
    {
        U8* out = Append(count * sizeof(F64));
        if (out == nullptr)
        {
            for (U64 i = 0; i < count; ++i)
                WriteF64(valueAt(i));
            return;
        }
        for (U64 i = 0; i < count; ++i)
            Util::EncodeLE<F64>(valueAt(i), out + i * sizeof(F64));
    }
    void WriteString(const std::string& text);
    static void WriteString(Util::BinaryStream& stream, const std::string& text);

    // The fixed fields that open a record, as its Head(io) lists them.
    template <class Record>
    void ReadHead(Record& record);
    template <class Record>
    void WriteHead(const Record& record);

private:
    enum class Entry : U8
    {
        Unused,
        Reading, // an object whose record is being read
        Object,
        Class
    };

    void SetEntry(U32 number, Entry entry);
    // Counts a reference to the object (of that expanded size) in the object being read.
    void CountReference(U32 expandedSize);
    // Room for the next bytes at the end of the output when it is a memory block (else null).
    U8* Append(U64 bytes);
    const N4ArchivedTdoType* ReadClassAnnouncement();

    N4ArchiverList m_archivers;
    N4TdoFile* m_file = nullptr;
    Util::BinaryStream* m_stream = nullptr; // the stream of a save
    Util::RecordReader* m_reader = nullptr; // the reader of a load
    Util::MemoryStream* m_output = nullptr; // the stream of a save, when it is a memory block
    U64 m_base = 0; // the stream position at which a load began
    U32 m_counter = 0;
    int m_depth = 0;
    U32 m_padding = 0;
    std::map<U32, const N4ArchivedTdoType*> LoadClassMap;
    std::vector<Entry> m_entries; // what each number of the load stands for
    // Per object number: the nodes a walk from the object visits (see MaxExpandedNodes).
    std::vector<U32> m_expandedSizes;
    // Per object whose record is being read: the expanded size of what it has read so far.
    std::vector<U32> m_expanding;
    std::unordered_map<const N4ArchivedTdoType*, U32> m_saveClasses;
    std::unordered_map<const ThreeDObject*, U32> m_saveObjects;
};

// The visitors of a record's Head(io): io(field) for numbers, arrays and records with Fields
// (Util/RecordFields.h), io.Expect(value, message) for an int32 that must have that value (a
// load refuses another with message), io.Text(text) for a string.
class N4HeadReader
{
public:
    static constexpr bool Reads = true;
    explicit N4HeadReader(N4Archiver& archive) : m_archive(archive), m_fields(archive.GetReader()) {}
    template <class T>
    void operator()(T& value)
    {
        m_fields(value);
    }
    void Expect(S32 value, const char* message) { m_archive.Expect(value, message); }
    void Text(std::string& text) { text = m_archive.ReadString(); }

private:
    N4Archiver& m_archive;
    Util::FieldReader m_fields;
};

class N4HeadWriter
{
public:
    static constexpr bool Reads = false;
    explicit N4HeadWriter(N4Archiver& archive) : m_archive(archive) {}
    // A field (a number, or an array or record of them) goes out with one write.
    template <class T>
    void operator()(T& value)
    {
        Util::FieldSizer sizer;
        sizer(value);
        U8 bytes[256];
        VELMO_ASSERT(sizer.GetSize() <= sizeof bytes);
        Util::FieldEncoder encoder(bytes);
        encoder(value);
        m_archive.GetStream().Write(U32(sizer.GetSize()), bytes);
    }
    void Expect(S32 value, const char*) { m_archive.WriteS32(value); }
    void Text(const std::string& text) { m_archive.WriteString(text); }

private:
    N4Archiver& m_archive;
};

template <class Record>
void N4Archiver::ReadHead(Record& record)
{
    N4HeadReader io(*this);
    record.Head(io);
}

// Head only reads the fields when writing.
template <class Record>
void N4Archiver::WriteHead(const Record& record)
{
    N4HeadWriter io(*this);
    const_cast<Record&>(record).Head(io);
}
} // namespace Velmo::Papy

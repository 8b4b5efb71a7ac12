#include "Papy/N2/N2TdoFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>

#include "Papy/Model/ChunkHeader.h"
#include "Papy/Model/ChunkSections.h"
#include "Papy/Model/N2Length.h"
#include "Papy/Model/ThreeDObjectGraphCheck.h"
#include "Papy/N2/N2InstructionDecoder.h"
#include "Papy/N2/N2Null.h"
#include "Papy/N2/N2Record.h"
#include "Papy/N2/N2Root.h"
#include "Papy/N2/N2TdoFixupVisitor.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 IdFile = MakeChunkId('3', 'D', 'O', '3');
constexpr U32 IdPrep = MakeChunkId('P', 'R', 'E', 'P');
constexpr U32 IdNorm = MakeChunkId('N', 'O', 'R', 'M');
constexpr U32 IdStrn = MakeChunkId('S', 'T', 'R', 'N');
constexpr U32 IdPrim = MakeChunkId('P', 'R', 'I', 'M');

// N2 display-class numbers and the display classes they stand for; 16-25 and 28 have none.
const std::pair<int, int> DisplayClassNumbers[] = {
    {0, 20}, {1, 18},  {2, 25},  {3, 15},  {4, 2},   {5, 13},  {6, 6},   {7, 4},   {8, 22},  {9, 1},
    {10, 21}, {11, 24}, {12, 14}, {13, 23}, {14, 11}, {15, 16}, {26, 10}, {27, 17}, {29, 12}, {30, 9},
};

// An entry of a PREP or NORM section: its index in the section, then three words.
struct IndexedEntry
{
    S32 index;
    S32 words[3];
    template <class IO>
    void Fields(IO& io)
    {
        io(index);
        io(words);
    }
};
constexpr U64 IndexedEntrySize = 16;

// The messages of an indexed table section.
struct TableMessages
{
    const char* size;  // not a whole number of entries
    const char* index; // an entry's index is not its place
};

// Appends the values of an indexed table section to table: make turns an entry's three words
// into a value.
template <class T, class Make>
void ReadIndexedTable(Util::RecordReader& section, const TableMessages& messages, std::vector<T>& table, Make make)
{
    if (section.Size() % IndexedEntrySize != 0)
        throw Util::XFileFormat(section.GetName(), messages.size);
    table.reserve(table.size() + std::size_t(section.Size() / IndexedEntrySize));
    for (S64 index = 0; !section.AtEnd(); ++index)
    {
        IndexedEntry entry;
        Util::ReadFields(section, entry);
        if (S64(entry.index) != index)
            throw Util::XFileFormat(section.GetName(), messages.index);
        table.push_back(make(entry.words));
    }
}

// The sections of a file and their rules.
constexpr ChunkSections::Messages SectionMessages = {
    "N2 3DO file not enough room left for header", "N2 3do file header unsupported version",
    "N2 3DO section extends beyond end of file",
    nullptr, // the frame is the rest of the stream: padding beyond it is a short read
};
} // namespace

N2TdoFile::N2TdoFile(const Util::CountedPointer<Util::BinaryStream>& stream, FileFactory* factory)
    : m_factory(TakeFacets(factory))
{
    for (const auto& [number, value] : DisplayClassNumbers)
        m_displayClasses.emplace(number, value);
    Load(*stream);
}

N2TdoFile::~N2TdoFile() = default;

void N2TdoFile::Load(Util::BinaryStream& stream)
{
    m_fileName = stream.GetName();
    stream.Seek(0);
    m_trackSeen = false;
    m_grooveSeen = false;

    Util::RecordReader file(stream);
    // The header's size must be the rest of the stream (a shorter stream fails reading it).
    const U64 rest = file.Size() - std::min<U64>(file.Size(), ChunkHeader::ByteSize);
    const ChunkHeader header = ChunkHeader::ReadExpected(file, IdFile, "N2 3do file id not 3DO3",
                                                         "N2 3do file unsupported version", "N2 3do file size mismatch", rest);
    ReadSections(file, header.GetSize());
    FinishStrings();

    if (!m_primSeen)
        throw Util::XFileFormat(m_fileName, "N2 3do file has no PRIM section");

    static constexpr ThreeDObjectGraphCheck::Messages messages = {
        "N2 3do file node refers to itself or an ancestor", "N2 3do file nodes nested too deeply",
        "N2 3do file shared nodes expand to too many nodes"};
    ThreeDObjectGraphCheck::Check(m_subObjects, m_fileName, messages);

    N2TdoFixupVisitor fixup(*this, m_trackSeen, m_grooveSeen);
    GetRoot()->Accept(fixup);
}

void N2TdoFile::ReadSections(Util::RecordReader& file, U32 size)
{
    typedef void (N2TdoFile::*ReadSection)(Util::RecordReader&);
    static constexpr std::pair<U32, ReadSection> readers[] = {
        {IdPrep, &N2TdoFile::ReadVertices},
        {IdNorm, &N2TdoFile::ReadNormals},
        {IdStrn, &N2TdoFile::ReadStrings},
        {IdPrim, &N2TdoFile::ReadInstructions},
    };

    // Each section's data is read in one piece, into a buffer kept from section to section
    // (no larger than the stream), and parsed in memory.
    std::unique_ptr<U8[]> buffer;
    U64 capacity = 0;
    ChunkSections sections(file, size, SectionMessages);
    while (sections.Next())
    {
        Util::RecordReader data = sections.Data();
        if (data.Size() > capacity)
        {
            buffer.reset();
            buffer = std::make_unique_for_overwrite<U8[]>(std::size_t(data.Size()));
            capacity = data.Size();
        }
        data.ReadBytes(buffer.get(), data.Size());
        Util::RecordReader section(buffer.get(), data.Size(), m_fileName);

        const U32 id = sections.GetHeader().GetId();
        const auto* reader = std::find_if(std::begin(readers), std::end(readers),
                                          [id](const auto& entry) { return entry.first == id; });
        if (reader == std::end(readers))
            throw Util::XFileFormat(m_fileName, "N2 3do Unrecognized section type");
        (this->*reader->second)(section);
    }
}

void N2TdoFile::ReadVertices(Util::RecordReader& section)
{
    static constexpr TableMessages messages = {"N2 3do PREP size not multiple of 16", "N2 3do PREP index value mismatch"};
    ReadIndexedTable(section, messages, m_vertices, [](const S32 (&w)[3]) {
        return Vertex(N2LengthToMetres(w[0]), N2LengthToMetres(w[1]), N2LengthToMetres(w[2]));
    });
}

void N2TdoFile::ReadNormals(Util::RecordReader& section)
{
    static constexpr TableMessages messages = {"N2 3do NORM size not multiple of 16", "N2 3do NORM index value mismatch"};
    ReadIndexedTable(section, messages, m_normals, [](const S32 (&w)[3]) { return N2NormalFromInts(w[0], w[1], w[2]); });
}

// Strings stand back to back, each ended by a NUL and known by its offset in the data; the
// last byte never begins a string. A string without its NUL ends at the end of the data.
void N2TdoFile::ReadStrings(Util::RecordReader& section)
{
    const std::size_t size = std::size_t(section.Size());
    const U8* data = section.Take(size);
    const std::size_t base = m_stringBytes.size();
    m_stringBytes.insert(m_stringBytes.end(), data, data + size);
    m_stringBytes.push_back('\0');
    std::size_t at = 0;
    while (size != 0 && at < size - 1)
    {
        const U8* begin = data + at;
        const void* end = std::memchr(begin, 0, size - at);
        const std::size_t length = end != nullptr ? std::size_t(static_cast<const U8*>(end) - begin) : size - at;
        static const char groove[] = "groove";
        if (length == 6 && std::equal(begin, begin + length, groove, [](U8 c, char g) {
                return std::tolower(c) == g;
            }))
            m_grooveSeen = true;
        m_stringStarts.emplace_back(U32(at), U32(base + at));
        at += length + 1;
    }
}

void N2TdoFile::FinishStrings()
{
    // Sections were read in file order: among equal offsets the last one read wins.
    std::stable_sort(m_stringStarts.begin(), m_stringStarts.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_stringStarts.size(); ++i)
    {
        if (i + 1 < m_stringStarts.size() && m_stringStarts[i + 1].first == m_stringStarts[i].first)
            continue;
        m_stringStarts[kept++] = m_stringStarts[i];
    }
    m_stringStarts.resize(kept);
    m_stringStarts.shrink_to_fit();
    m_stringBytes.shrink_to_fit();
}

void N2TdoFile::ReadInstructions(Util::RecordReader& records)
{
    // Record offsets are node ids: they must stay below the ids that NewId hands out.
    if (records.Size() > MaxPrimSize)
        throw Util::XFileFormat(m_fileName, "N2 3do PRIM section too large for node ids");
    m_primSeen = true;

    const S32 rootOffset = records.ReadS32();
    auto hint = m_subObjects.end();
    while (!records.AtEnd())
    {
        const U32 at = U32(records.Tell());
        const U8 type = records.ReadU8();
        if (records.ReadU32() != 0)
            throw Util::XFileFormat(m_fileName, "N2 3do PRIM header reserved not zero");
        Util::CountedPointer<ThreeDObject> node = DecodeInstruction(int(at), type, records);
        hint = m_subObjects.insert_or_assign(hint, int(at), node);
        ++hint;
        if (type == 15)
            m_trackSeen = true;
    }

    m_subObjects[NullId] = Util::CountedPointer<ThreeDObject>(new N2Null());
    m_subObjects[RootId] = Util::CountedPointer<ThreeDObject>(new N2Root(*this, RootId, {int(rootOffset)}));
    m_rootId = RootId;
}

Util::CountedPointer<ThreeDObject> N2TdoFile::DecodeInstruction(int id, U8 type, Util::RecordReader& reader)
{
    return N2InstructionDecoder::Decode(*this, id, type, reader);
}

Util::CountedPointer<ThreeDObjectRoot> N2TdoFile::GetRoot() const
{
    Util::CountedPointer<ThreeDObjectRoot> root;
    root = GetSubObject(m_rootId);
    return root;
}

Util::CountedPointer<ThreeDObject> N2TdoFile::GetSubObject(int id) const
{
    // Asserted here rather than in the shared lookup: the failure names this file's unit.
    const auto p = m_subObjects.find(id);
    VELMO_ASSERT_TEXT(p != m_subObjects.end(), "p != SubObjects.end()");
    return p->second;
}

Util::CountedPointer<ThreeDObjectNull> N2TdoFile::GetNull() const
{
    Util::CountedPointer<ThreeDObjectNull> null;
    null = GetSubObject(NullId);
    return null;
}

Util::CountedPointer<ThreeDObjectHandle> N2TdoFile::FindHandle(const std::string&) const
{
    return Util::CountedPointer<ThreeDObjectHandle>();
}

int N2TdoFile::NewId()
{
    // A file whose multi-lines need more segments than there are ids fails here rather than
    // wrapping into the ids of its records.
    VELMO_ASSERT_TEXT(m_nextId <= std::numeric_limits<int>::max() - 5, "next id <= INT_MAX - 5");
    m_nextId += 5;
    return m_nextId;
}

void N2TdoFile::Save(Util::CountedPointer<Util::BinaryStream>&)
{
    throw Util::XUsage("N2 3do file cannot be saved");
}

void N2TdoFile::AddSubObject(const Util::CountedPointer<ThreeDObject>& node)
{
    EnterSubObject(m_subObjects, node);
}

Vertex N2TdoFile::GetVertex(U32 id) const
{
    VELMO_ASSERT_TEXT(id < m_vertices.size(), "id < Vertices.size()");
    return m_vertices[id];
}

Normal N2TdoFile::GetNormal(U32 id) const
{
    VELMO_ASSERT_TEXT(id < m_normals.size(), "id < Normals.size()");
    return m_normals[id];
}

std::string N2TdoFile::GetString(U32 offset) const
{
    auto i = std::lower_bound(m_stringStarts.begin(), m_stringStarts.end(), offset,
                              [](const std::pair<U32, U32>& start, U32 value) { return start.first < value; });
    VELMO_ASSERT_TEXT(i != m_stringStarts.end() && i->first == offset, "i != Strings.end()");
    return std::string(m_stringBytes.data() + i->second);
}

int N2TdoFile::GetDisplayClass(int number) const
{
    auto p = m_displayClasses.find(number);
    VELMO_ASSERT_TEXT(p != m_displayClasses.end(), "p != DisplayClasses.end()");
    return p->second;
}

Plane N2PlaneFromInts(S32 a, S32 b, S32 c, S32 dHigh, S32 dLow)
{
    double m = std::sqrt(double(a) * a + double(b) * b + double(c) * c);
    if (m == 0)
        m = 1;
    const S64 d = S64(U64(U32(dHigh)) << 32 | U64(U32(dLow)));
    double q = double(d) / m;
    q = q < 0 ? std::trunc(q - 0.5) : std::trunc(q + 0.5);
    // Clamped before the conversion: a distance beyond the 32-bit range has no N2 length.
    if (q > 2147483647.0)
        q = 2147483647.0;
    if (q < -2147483648.0)
        q = -2147483648.0;
    return Plane(a / m, b / m, c / m, N2LengthToMetres(S32(q)));
}

Normal N2NormalFromInts(S32 x, S32 y, S32 z)
{
    double m = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (m == 0)
        m = 1;
    return Normal(x / m, y / m, z / m);
}
} // namespace Velmo::Papy

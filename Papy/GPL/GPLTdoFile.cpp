#include "Papy/GPL/GPLTdoFile.h"

#include <array>
#include <cstring>
#include <memory>

#include "Papy/GPL/GPLGraphCheck.h"
#include "Papy/GPL/GPLHandle.h"
#include "Papy/GPL/GPLInstructionDecoder.h"
#include "Papy/GPL/GPLNull.h"
#include "Papy/GPL/GPLRoot.h"
#include "Papy/GPL/GPLTdoFixups.h"
#include "Papy/GPL/GPLTdoPreSave.h"
#include "Papy/GPL/GPLTdoReSave.h"
#include "Papy/GPL/GPLTdoSave.h"
#include "Papy/GPL/GPLTdoSaveCheck.h"
#include "Papy/Model/ChunkHeader.h"
#include "Papy/Model/ChunkSections.h"
#include "Papy/Model/Options.h"
#include "Papy/Model/ThreeDObjectObjectLocator.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 IdFile = MakeChunkId('3', 'D', 'O', '4');
constexpr U32 IdNorm = MakeChunkId('N', 'O', 'R', 'M');
constexpr U32 IdXyzs = MakeChunkId('X', 'Y', 'Z', 'S');
constexpr U32 IdPlan = MakeChunkId('P', 'L', 'A', 'N');
constexpr U32 IdStrn = MakeChunkId('S', 'T', 'R', 'N');
constexpr U32 IdPrim = MakeChunkId('P', 'R', 'I', 'M');
constexpr U32 IdHand = MakeChunkId('H', 'A', 'N', 'D');

constexpr U32 TypeObjectLocator = 15;
constexpr U32 TypeVertexFixer = 23;

// GPL display-class numbers and their classes; numbers 12 and 14 have none.
const std::pair<int, DisplayClass> DisplayClassNumbers[] = {
    {0, DisplayClassTrack},        {1, DisplayClassTerrain},       {2, DisplayClassWall},
    {3, DisplayClassObject},       {4, DisplayClassCarSpecular},   {5, DisplayClassHorizon},
    {6, DisplayClassCrowd},        {7, DisplayClassCloud},         {8, DisplayClassTree},
    {9, DisplayClassBillboard},    {10, DisplayClassTrackMarking}, {11, DisplayClassBevelledTire},
    {13, DisplayClassCar},         {15, DisplayClassPeople},       {16, DisplayClassTire},
    {17, DisplayClassDriverArm},   {18, DisplayClassCockpit},      {19, DisplayClassDriver},
    {20, DisplayClassGroove},      {1140, DisplayClassUnknown},
};

// The rules of the sections, checked against the header's size.
constexpr ChunkSections::Messages SectionMessages = {
    "GPL 3do file not enough room left for header", "GPL 3do file unsupported subsection version",
    "GPL 3do section extends beyond end of file", "GPL 3do section padding extends beyond end of file"};
} // namespace

GPLTdoFile::GPLTdoFile(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    Initialise();
    Load(*stream);
}

GPLTdoFile::GPLTdoFile()
{
    Initialise();
    m_subObjects.Enter(NullId, Util::CountedPointer<ThreeDObject>(new GPLNull(NullId, 0xFFFFFFFF)));
}

GPLTdoFile::~GPLTdoFile() = default;

void GPLTdoFile::Initialise()
{
    for (const auto& [number, value] : DisplayClassNumbers)
        m_displayClasses.emplace(number, value);
}

void GPLTdoFile::Load(Util::BinaryStream& stream)
{
    m_saving = false;
    m_fileName = stream.GetName();
    stream.Seek(0);
    const bool strict = Options::Instance()->Strict;

    ChunkHeader header(stream);
    if (header.GetId() != IdFile)
        throw Util::XFileFormat(m_fileName, "GPL 3do file id not 3DO4");
    if (strict && header.GetVersion() != 1)
        throw Util::XFileFormat(m_fileName, "GPL 3do file unsupported version");
    if (strict && U64(header.GetSize()) + ChunkHeader::ByteSize != stream.Size())
        throw Util::XFileFormat(m_fileName, "GPL 3do file size mismatch");

    // The sections are read in one piece, as far as the header's size and the stream go (the
    // header is not trusted to match the stream: a section that is not all there fails as
    // reading it would), and each is parsed from its own slice.
    {
        const U32 available = U32(std::min<U64>(header.GetSize(), Util::Remaining(stream)));
        std::unique_ptr<U8[]> data = std::make_unique_for_overwrite<U8[]>(available);
        if (available != 0)
            stream.Read(available, data.get());
        Util::RecordReader file(data.get(), available, m_fileName);
        ChunkSections sections(file, header.GetSize(), SectionMessages);
        while (sections.Next())
        {
            const ChunkHeader& section = sections.GetHeader();
            CheckSectionOrder(section.GetId(), section.GetSize());
            Util::RecordReader body = sections.Data();

            switch (section.GetId())
            {
            case IdNorm:
                ReadTable(body, "GPL 3do NORM size not multiple of 16", "GPL 3do NORM first value not zero", m_normals,
                          [](const float* v) { return Normal(v[1], v[2], v[3]); });
                break;
            case IdXyzs:
                ReadTable(body, "GPL 3do XYZS size not multiple of 16",
                          strict ? "GPL 3do XYZS fourth value not zero" : nullptr, m_vertices,
                          [](const float* v) { return Vertex(v[1], v[2], v[3]); });
                break;
            case IdPlan:
                ReadTable(body, "GPL 3do PLAN size not multiple of 16", nullptr, m_planes,
                          [](const float* v) { return Plane(v[0], v[1], v[2], v[3]); });
                break;
            case IdStrn:
                ReadStrings(body);
                break;
            case IdPrim:
                ReadInstructions(body);
                break;
            case IdHand:
                ReadHandles(body);
                break;
            default:
                throw Util::XFileFormat(m_fileName, "GPL 3do Unrecognized section type");
            }
        }
    }

    GPLGraphCheck::Check(*this);
    if (m_trackSeen)
        GPLTdoFixups::RunTrackFixup(*this);
    else if (m_carSeen)
        GPLTdoFixups::RunCarFixup(*this);
    m_loadRoot = nullptr;
}

template <class T, class Make>
void GPLTdoFile::ReadTable(Util::RecordReader& section, const char* sizeMessage, const char* zeroMessage,
                           GPLValueTable<T>& table, Make make)
{
    if (section.Size() % 16 != 0)
        throw Util::XFileFormat(m_fileName, sizeMessage);
    table.Reserve(table.Size() + std::size_t(section.Size() / 16));
    while (!section.AtEnd())
    {
        float v[4];
        section.ReadArray(v, 4);
        if (zeroMessage != nullptr && !(v[0] == 0.0f))
            throw Util::XFileFormat(m_fileName, zeroMessage);
        table.Append(make(v));
    }
}

// Strings stand back to back, each ended by a NUL and known by its offset in the data. The
// last byte of the data (the writer puts 0xFF there) never begins a string. A string without
// its NUL inside the data is refused rather than read past the section.
void GPLTdoFile::ReadStrings(Util::RecordReader& section)
{
    const std::size_t size = std::size_t(section.Size());
    const U8* data = section.Take(size);
    std::size_t at = 0;
    while (size != 0 && at < size - 1)
    {
        const void* end = std::memchr(data + at, 0, size - at);
        if (end == nullptr)
            throw Util::XFileFormat(m_fileName, "GPL 3do STRN string not terminated");
        std::size_t length = static_cast<const U8*>(end) - (data + at);
        m_strings[U32(at)] = std::string(reinterpret_cast<const char*>(data + at), length);
        at += length + 1;
    }
}

// Rules of our own, checked before a section's data is read: one instruction stream per file
// (a second one would give its records the ids of the first); record offsets below the ids
// that NewId hands out; handles only after the instructions, whose root they join.
void GPLTdoFile::CheckSectionOrder(U32 id, U32 size) const
{
    if (id == IdPrim && m_primSeen)
        throw Util::XFileFormat(m_fileName, "GPL 3do file has a second PRIM section");
    if (id == IdPrim && size > MaxPrimSize)
        throw Util::XFileFormat(m_fileName, "GPL 3do PRIM section too large for node ids");
    if (id == IdHand && !m_primSeen)
        throw Util::XFileFormat(m_fileName, "GPL 3do file has a HAND section before its PRIM section");
}

void GPLTdoFile::ReadInstructions(Util::RecordReader& records)
{
    m_primSeen = true;

    const U32 size = U32(records.Size());
    m_rootOffset = records.ReadU32();
    m_subObjects.StartRecords(size);
    U32 at = 4;
    while (at < size)
    {
        U32 typeWord = records.ReadU32();
        m_subObjects.AddRecord(at, DecodeInstruction(int(at), typeWord, records));
        if (typeWord == TypeObjectLocator)
            m_trackSeen = true;
        if (typeWord == TypeVertexFixer)
            m_carSeen = true;
        at = U32(records.Tell());
    }

    m_subObjects.Enter(NullId, Util::CountedPointer<ThreeDObject>(new GPLNull(NullId, 0xFFFFFFFF)));
    m_loadRoot = new GPLRoot(this, RootId);
    m_subObjects.Enter(RootId, Util::CountedPointer<ThreeDObject>(m_loadRoot));
    m_loadRoot->AddChild(int(m_rootOffset));
    m_rootId = RootId;
}

void GPLTdoFile::ReadHandles(Util::RecordReader& records)
{
    while (!records.AtEnd())
    {
        if (m_nextHandleId < LastHandleId)
            throw Util::XFileFormat(m_fileName, "GPL 3do file has too many handles");
        auto handle = new GPLHandle(this, records, m_nextHandleId);
        Util::CountedPointer<ThreeDObjectHandle> held(handle);
        m_subObjects.Enter(m_nextHandleId, held);
        m_loadRoot->AddChild(m_nextHandleId);
        m_handles.push_back(held);
        --m_nextHandleId;
    }
}

Util::CountedPointer<ThreeDObject> GPLTdoFile::DecodeInstruction(int id, U32 typeWord, Util::RecordReader& reader)
{
    return GPLInstructionDecoder::Decode(*this, id, typeWord, reader);
}

Util::CountedPointer<ThreeDObjectRoot> GPLTdoFile::GetRoot() const
{
    Util::CountedPointer<ThreeDObjectRoot> root;
    root = GetSubObject(m_rootId);
    return root;
}

// The look-up itself is inline in the header; its failure keeps the unit and line it has
// always been reported with.
void GPLTdoFile::ThrowNoSubObject()
{
    Util::ThrowAssertion("p != SubObjects.end()", ".\\GPLTdoFile.cpp", 277);
}

Util::CountedPointer<ThreeDObjectNull> GPLTdoFile::GetNull() const
{
    Util::CountedPointer<ThreeDObjectNull> null;
    null = GetSubObject(NullId);
    return null;
}

Util::CountedPointer<ThreeDObjectHandle> GPLTdoFile::FindHandle(const std::string& name) const
{
    for (const auto& handle : m_handles)
        if (handle->GetName() == name)
            return handle;
    return Util::CountedPointer<ThreeDObjectHandle>();
}

int GPLTdoFile::NewId()
{
    m_nextId += 4;
    return m_nextId;
}

unsigned GPLTdoFile::GetVertexCount() const
{
    return unsigned(m_vertices.Size());
}

Vertex GPLTdoFile::GetVertex(unsigned id) const
{
    VELMO_ASSERT(id < GetVertexCount());
    return m_vertices[id];
}

int GPLTdoFile::AddVertex(const Vertex& vertex)
{
    return m_vertices.Add(vertex);
}

Plane GPLTdoFile::GetPlane(unsigned id) const
{
    VELMO_ASSERT_TEXT(id < m_planes.Size(), "id < Planes.size()");
    return m_planes[id];
}

int GPLTdoFile::AddPlane(const Plane& plane)
{
    return m_planes.Add(plane);
}

Normal GPLTdoFile::GetNormal(unsigned id) const
{
    VELMO_ASSERT_TEXT(id < m_normals.Size(), "id < Normals.size()");
    return m_normals[id];
}

int GPLTdoFile::AddNormal(const Normal& normal)
{
    return m_normals.Add(normal);
}

std::string GPLTdoFile::GetString(U32 offset) const
{
    auto i = m_strings.find(offset);
    VELMO_ASSERT_TEXT(i != m_strings.end(), "i != Strings.end()");
    return i->second;
}

U32 GPLTdoFile::AddString(const std::string& text)
{
    std::map<U32, std::string>& table = m_saving ? m_saveStrings : m_strings;
    // A save enters every string of the file anew: its table is searched through the index,
    // so that a file of many distinct strings saves in linear time.
    if (m_saving)
    {
        auto known = m_saveStringIndex.find(text);
        if (known != m_saveStringIndex.end())
            return known->second;
    }
    else
        for (const auto& [offset, s] : table)
            if (s == text)
                return offset;
    U32 offset = 0;
    if (!table.empty())
    {
        auto last = std::prev(table.end());
        offset = last->first + U32(last->second.size()) + 1;
    }
    table.emplace(offset, text);
    if (m_saving)
        m_saveStringIndex.emplace(text, offset);
    return offset;
}

DisplayClass GPLTdoFile::GetDisplayClass(int number) const
{
    auto p = m_displayClasses.find(number);
    if (p != m_displayClasses.end())
        return p->second;
    if (Options::Instance()->Strict)
        throw Util::XFileFormat(m_fileName, "GPL 3do file unknown display class");
    return DisplayClassUnknown;
}

int GPLTdoFile::GetDisplayClassNumber(DisplayClass value) const
{
    auto p = m_displayClasses.begin();
    while (p != m_displayClasses.end() && p->second != value)
        ++p;
    VELMO_ASSERT_TEXT(p != m_displayClasses.end(), "p != DisplayClasses.end()");
    return p->first;
}

void GPLTdoFile::AddSubObject(const Util::CountedPointer<ThreeDObject>& node)
{
    m_subObjects.Enter(node->GetId(), node);
}

// ---- Writing -------------------------------------------------------------------------------

namespace
{
// A table section: a header and 16-byte records of four f32 values, written with one write.
template <class T, class Values>
void WriteTable(Util::BinaryStream& stream, U32 id, const std::vector<T>& table, Values values)
{
    if (table.empty())
        return;
    VELMO_ASSERT(table.size() <= (0xFFFFFFFFu - 2 * ChunkHeader::ByteSize) / 16);
    const U32 size = U32(table.size() * 16);
    std::vector<U8> data(ChunkHeader::ByteSize + std::size_t(size));
    Util::EncodeLE<U32>(id, data.data());
    Util::EncodeLE<U32>(0, data.data() + 4);
    Util::EncodeLE<U32>(size, data.data() + 8);
    U8* at = data.data() + ChunkHeader::ByteSize;
    for (const T& entry : table)
    {
        std::array<double, 4> v = values(entry);
        for (int i = 0; i < 4; ++i)
            Util::EncodeLE<float>(float(v[i]), at + 4 * i);
        at += 16;
    }
    stream.Write(U32(data.size()), data.data());
}

// The strings in key order, each with its NUL, then one byte 0xFF, padded with spaces.
void WriteStrings(Util::BinaryStream& stream, const std::map<U32, std::string>& strings)
{
    if (strings.empty())
        return;
    std::vector<U8> data(ChunkHeader::ByteSize);
    for (const auto& entry : strings)
    {
        data.insert(data.end(), entry.second.begin(), entry.second.end());
        data.push_back(0);
    }
    data.push_back(0xFF);
    VELMO_ASSERT(data.size() - ChunkHeader::ByteSize <= 0xFFFFFFF0u);
    const U32 size = U32(data.size() - ChunkHeader::ByteSize);
    Util::EncodeLE<U32>(IdStrn, data.data());
    Util::EncodeLE<U32>(0, data.data() + 4);
    Util::EncodeLE<U32>(size, data.data() + 8);
    if (size % 4 != 0)
        data.insert(data.end(), 4 - size % 4, 0x20);
    stream.Write(U32(data.size()), data.data());
}

// A section or file size, which the format keeps in 32 bits.
U32 SectionSize(U64 end, U64 start, const std::string& name)
{
    if (end - start > 0xFFFFFFFFu)
        throw Util::XFileWrite(name);
    return U32(end - start);
}
} // namespace

void GPLTdoFile::Save(Util::CountedPointer<Util::BinaryStream>& stream)
{
    VELMO_ASSERT(stream.Get() != nullptr);
    Util::CountedPointer<ThreeDObject> top = GetSubObject(int(m_rootOffset));

    // Everything that could stop the save half-way is found before anything changes.
    GPLTdoSaveCheck check(*this);
    for (const auto& handle : m_handles)
        check.Check(handle->GetObject());
    check.Check(top);
    GPLTdoPreSave pre(*this);
    for (auto& entry : m_subObjects)
        entry.second->Accept(pre);

    // The tables in first-use order. The strings are entered anew into the save table, which
    // then becomes the string table.
    m_saveStrings.clear();
    m_saveStringIndex.clear();
    m_saving = true;
    try
    {
        pre.SetMode(GPLTdoPreSave::Mode::Apply);
        for (auto& entry : m_subObjects)
            entry.second->Accept(pre);
    }
    catch (...)
    {
        m_saving = false;
        m_saveStrings.clear();
        m_saveStringIndex.clear();
        throw;
    }
    m_saving = false;
    m_saveStringIndex.clear();
    std::vector<Vertex> vertices = pre.NewVertices();
    std::vector<Plane> planes = pre.NewPlanes();
    std::vector<Normal> normals = pre.NewNormals();
    m_vertices.Swap(vertices);
    m_planes.Swap(planes);
    m_normals.Swap(normals);
    m_strings.swap(m_saveStrings);
    m_saveStrings.clear();

    Util::BinaryStream& out = *stream;
    const std::string name = out.GetName();
    out.Seek(0);
    ChunkHeader(IdFile, 1, 0).Write(out);
    WriteTable(out, IdNorm, m_normals.Values(), [](const Normal& n) {
        return std::array<double, 4>{0.0, n.GetX(), n.GetY(), n.GetZ()};
    });
    WriteTable(out, IdXyzs, m_vertices.Values(), [](const Vertex& v) {
        return std::array<double, 4>{0.0, v.GetX(), v.GetY(), v.GetZ()};
    });
    WriteTable(out, IdPlan, m_planes.Values(), [](const Plane& p) {
        return std::array<double, 4>{p.GetA(), p.GetB(), p.GetC(), p.GetD()};
    });
    WriteStrings(out, m_strings);

    // PRIM: the records of every node that the handles and the top node reach, children first.
    const U64 p0 = out.Tell();
    const U32 base = SectionSize(p0 + ChunkHeader::ByteSize, 0, name);
    ChunkHeader(IdPrim, 0, 0).Write(out);
    Util::WriteLE<U32>(out, m_rootOffset);
    for (auto& entry : m_subObjects)
        if (!GPLTdoSave::IsFrameNode(*entry.second))
            entry.second->ClearFileOffset();
    GPLTdoSave save(stream, base);
    for (const auto& handle : m_handles)
        handle->GetObject()->Accept(save);
    top->Accept(save);
    // Locators that only another locator's sibling link names get their records too.
    save.WriteUnwrittenSiblings();
    const U64 p1 = out.Tell();
    out.Seek(p0);
    ChunkHeader(IdPrim, 0, SectionSize(p1, p0 + ChunkHeader::ByteSize, name)).Write(out);
    Util::WriteLE<U32>(out, U32(top->GetFileOffset()));

    // Every locator written is written again, now that all the nodes it names have offsets.
    GPLTdoReSave resave(stream, base);
    for (ThreeDObjectObjectLocator* locator : save.GetLocators())
        locator->Accept(resave);
    out.Seek(p1);

    // HAND: the handles from -3 downwards, so that a reloaded file numbers them the same.
    const U64 h0 = p1;
    bool handles = false;
    // (Handles are never records: they are all among the other entries.)
    const auto& others = m_subObjects.Others();
    for (auto p = others.rbegin(); p != others.rend(); ++p)
    {
        U32 id = U32(p->first);
        if (id < U32(LastHandleId) || id > U32(FirstHandleId))
            continue;
        if (!handles)
            ChunkHeader(IdHand, 0, 0).Write(out);
        handles = true;
        p->second->Write(out, 0);
    }
    if (handles)
    {
        const U64 h1 = out.Tell();
        out.Seek(h0);
        ChunkHeader(IdHand, 0, SectionSize(h1, h0 + ChunkHeader::ByteSize, name)).Write(out);
        out.Seek(h1);
    }

    const U64 end = out.Tell();
    out.Seek(0);
    ChunkHeader(IdFile, 1, SectionSize(end, ChunkHeader::ByteSize, name)).Write(out);
    out.Seek(end);
    out.Flush();
}

} // namespace Velmo::Papy

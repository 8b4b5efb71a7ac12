#include "Papy/GPL/GPLTdoFile.h"

#include <array>
#include <cstring>

#include "Papy/GPL/GPLBoundingBox.h"
#include "Papy/GPL/GPLClassMaterial.h"
#include "Papy/GPL/GPLClassTexture.h"
#include "Papy/GPL/GPLClassTextureMaterial.h"
#include "Papy/GPL/GPLDisplayClass.h"
#include "Papy/GPL/GPLDistanceSplitter.h"
#include "Papy/GPL/GPLExtObject.h"
#include "Papy/GPL/GPLGraphCheck.h"
#include "Papy/GPL/GPLHandle.h"
#include "Papy/GPL/GPLInstructionDecoder.h"
#include "Papy/GPL/GPLLine.h"
#include "Papy/GPL/GPLNull.h"
#include "Papy/GPL/GPLNumberList.h"
#include "Papy/GPL/GPLObjectList.h"
#include "Papy/GPL/GPLObjectLocator.h"
#include "Papy/GPL/GPLObjectLocatorList.h"
#include "Papy/GPL/GPLPlaneCullFront.h"
#include "Papy/GPL/GPLPlaneOrder2.h"
#include "Papy/GPL/GPLPlaneOrder2CullFrontBack.h"
#include "Papy/GPL/GPLPlaneOrder3.h"
#include "Papy/GPL/GPLPlaneOrder3CullFront.h"
#include "Papy/GPL/GPLPlaneOrder4CullFrontBack.h"
#include "Papy/GPL/GPLPolygonFamily.h"
#include "Papy/GPL/GPLProxy.h"
#include "Papy/GPL/GPLRecord.h"
#include "Papy/GPL/GPLRoot.h"
#include "Papy/GPL/GPLScaledBitmap.h"
#include "Papy/GPL/GPLTdoFixups.h"
#include "Papy/GPL/GPLTdoPreSave.h"
#include "Papy/GPL/GPLTdoReSave.h"
#include "Papy/GPL/GPLTdoSave.h"
#include "Papy/GPL/GPLTdoSaveCheck.h"
#include "Papy/GPL/GPLTexture.h"
#include "Papy/GPL/GPLTrackDetailSplit.h"
#include "Papy/GPL/GPLTrackDrawingDistances.h"
#include "Papy/GPL/GPLTrackIndex.h"
#include "Papy/GPL/GPLTrackLink.h"
#include "Papy/GPL/GPLTrackRoot.h"
#include "Papy/GPL/GPLTrackSections.h"
#include "Papy/GPL/GPLTransformationFamily.h"
#include "Papy/Model/ChunkHeader.h"
#include "Papy/Model/Options.h"
#include "Util/Angles.h"
#include "Util/RecordReader.h"
#include "Util/Exception.h"
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

ChunkHeader ReadChunkHeader(Util::RecordReader& reader)
{
    U32 words[3];
    reader.ReadArray(words, 3);
    return ChunkHeader(words[0], words[1], words[2]);
}
} // namespace

GPLTdoFile::GPLTdoFile(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    Initialise();
    Load(*stream);
}

GPLTdoFile::GPLTdoFile()
{
    Initialise();
    m_subObjects[NullId] = Util::CountedPointer<ThreeDObject>(new GPLNull(NullId, 0xFFFFFFFF));
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
    U32 remaining = header.GetSize();
    {
        std::vector<U8> data(std::size_t(std::min<U64>(remaining, Util::Remaining(stream))));
        if (!data.empty())
            stream.Read(U32(data.size()), data.data());
        Util::RecordReader file(data, m_fileName);
        while (remaining != 0)
        {
            if (remaining < ChunkHeader::ByteSize)
                throw Util::XFileFormat(m_fileName, "GPL 3do file not enough room left for header");
            ChunkHeader section = ReadChunkHeader(file);
            remaining -= ChunkHeader::ByteSize;
            if (section.GetVersion() != 0)
                throw Util::XFileFormat(m_fileName, "GPL 3do file unsupported subsection version");
            U32 size = section.GetSize();
            if (size > remaining)
                throw Util::XFileFormat(m_fileName, "GPL 3do section extends beyond end of file");
            CheckSectionOrder(section.GetId(), size);
            Util::RecordReader body = file.Slice(size);

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

            remaining -= size;
            if (size % 4 != 0)
            {
                U32 padding = 4 - size % 4;
                if (padding > remaining)
                    throw Util::XFileFormat(m_fileName, "GPL 3do section padding extends beyond end of file");
                file.Skip(padding);
                remaining -= padding;
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
    auto hint = m_subObjects.end();
    m_primIndex.assign((size + 3) / 4, m_subObjects.end());
    U32 at = 4;
    while (at < size)
    {
        U32 typeWord = records.ReadU32();
        Util::CountedPointer<ThreeDObject> node = DecodeInstruction(int(at), typeWord, records);
        hint = m_subObjects.insert_or_assign(hint, int(at), node);
        if (at % 4 == 0)
            m_primIndex[at / 4] = hint;
        ++hint;
        if (typeWord == TypeObjectLocator)
            m_trackSeen = true;
        if (typeWord == TypeVertexFixer)
            m_carSeen = true;
        at = U32(records.Tell());
    }

    m_subObjects[NullId] = Util::CountedPointer<ThreeDObject>(new GPLNull(NullId, 0xFFFFFFFF));
    m_loadRoot = new GPLRoot(this, RootId);
    m_subObjects[RootId] = Util::CountedPointer<ThreeDObject>(m_loadRoot);
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
        m_subObjects[m_nextHandleId] = held;
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

Util::CountedPointer<ThreeDObject> GPLTdoFile::GetSubObject(int id) const
{
    if (id >= 0 && id % 4 == 0 && std::size_t(id / 4) < m_primIndex.size())
    {
        auto p = m_primIndex[id / 4];
        if (p != m_subObjects.end())
            return p->second;
    }
    auto p = m_subObjects.find(id);
    VELMO_ASSERT_TEXT(p != m_subObjects.end(), "p != SubObjects.end()");
    return p->second;
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
    m_subObjects[node->GetId()] = node;
}

// ---- Writing and the node factories -------------------------------------------------------

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
    for (auto p = m_subObjects.rbegin(); p != m_subObjects.rend(); ++p)
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
}

void GPLTdoFile::CheckNewId(int id, bool root)
{
    const U32 u = U32(id);
    if (u >= U32(LastHandleId) && !(root && id == RootId))
        throw Util::XUsage("GPL node id reserved for the null node, the root or a handle");
}

U32 GPLTdoFile::ReferenceTo(const Node& node) const
{
    if (node.Get() == nullptr)
        throw Util::XUsage("GPL node given no child");
    auto p = m_subObjects.find(node->GetId());
    if (p == m_subObjects.end() || p->second.Get() != node.Get())
        throw Util::XUsage("GPL node child not in this file");
    return U32(node->GetId());
}

std::vector<U32> GPLTdoFile::ReferencesTo(const Nodes& nodes) const
{
    std::vector<U32> ids;
    ids.reserve(nodes.size());
    for (const Node& node : nodes)
        ids.push_back(ReferenceTo(node));
    return ids;
}

template <class Kind>
Util::CountedPointer<Kind> GPLTdoFile::Store(Kind* node)
{
    Util::CountedPointer<Kind> held(node);
    Util::CountedPointer<ThreeDObject> entry;
    entry = held;
    m_subObjects[node->GetId()] = entry;
    return held;
}

namespace
{
// A locator tests four planes, each leading to its sibling.
void CheckPlanes(std::size_t planes, std::size_t siblings)
{
    if (planes != 4 || siblings != 4)
        throw Util::XUsage("GPL object locator needs 4 planes and 4 siblings");
}
} // namespace

Util::CountedPointer<ThreeDObjectBoundingBox> GPLTdoFile::CreateBoundingBox(int id,
                                                                            const std::vector<Vertex>& corners,
                                                                            const Node& child)
{
    CheckNewId(id);
    if (corners.size() != 8)
        throw Util::XUsage("GPL bounding box needs 8 corners");
    U32 childId = ReferenceTo(child);
    std::array<U32, 8> ids;
    for (std::size_t i = 0; i < 8; ++i)
        ids[i] = U32(AddVertex(corners[i]));
    return Store(new GPLBoundingBox(*this, id, ids, childId));
}

Util::CountedPointer<ThreeDObjectClassMaterial> GPLTdoFile::CreateClassMaterial(int id, DisplayClass displayClass,
                                                                                double shininess,
                                                                                const Colour& specularShade,
                                                                                const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    U32 number = U32(GetDisplayClassNumber(displayClass));
    return Store(new GPLClassMaterial(*this, id, number, shininess, specularShade.GetRed(), specularShade.GetGreen(),
                                      specularShade.GetBlue(), childId));
}

Util::CountedPointer<ThreeDObjectClassTexture> GPLTdoFile::CreateClassTexture(int id, DisplayClass displayClass,
                                                                              const std::string& textureName,
                                                                              const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    U32 number = U32(GetDisplayClassNumber(displayClass));
    return Store(new GPLClassTexture(*this, id, number, AddString(textureName), childId));
}

Util::CountedPointer<ThreeDObjectClassTextureMaterial> GPLTdoFile::CreateClassTextureMaterial(
    int id, DisplayClass displayClass, const std::string& textureName, double shininess, const Colour& specularShade,
    const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    U32 number = U32(GetDisplayClassNumber(displayClass));
    return Store(new GPLClassTextureMaterial(*this, id, number, AddString(textureName), shininess,
                                             specularShade.GetRed(), specularShade.GetGreen(),
                                             specularShade.GetBlue(), childId));
}

Util::CountedPointer<ThreeDObjectDisplayClass> GPLTdoFile::CreateDisplayClass(int id, DisplayClass displayClass,
                                                                              const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    return Store(new GPLDisplayClass(*this, id, U32(GetDisplayClassNumber(displayClass)), childId));
}

Util::CountedPointer<ThreeDObjectDistanceSplitter> GPLTdoFile::CreateDistanceSplitter(
    int id, const Vertex& centre, const Nodes& children, const std::vector<double>& distances)
{
    CheckNewId(id);
    if (children.size() != distances.size())
        throw Util::XUsage("GPL distance splitter needs one distance per child");
    std::vector<U32> childIds = ReferencesTo(children);
    std::vector<float> split(distances.begin(), distances.end());
    const U32 greaterOrEqual = 2;
    return Store(new GPLDistanceSplitter(*this, id, U32(AddVertex(centre)), greaterOrEqual, childIds, split));
}

Util::CountedPointer<ThreeDObjectExtObject> GPLTdoFile::CreateExtObject(int id, const std::string& objectName)
{
    CheckNewId(id);
    return Store(new GPLExtObject(*this, id, AddString(objectName)));
}

Util::CountedPointer<ThreeDObjectHandle> GPLTdoFile::CreateHandle(const std::string& name, const Node& child)
{
    auto root = m_subObjects.find(m_rootId);
    GPLRoot* gplRoot = root == m_subObjects.end() ? nullptr : dynamic_cast<GPLRoot*>(root->second.Get());
    if (gplRoot == nullptr)
        throw Util::XUsage("GPL handle needs a file with a root");
    if (m_nextHandleId < LastHandleId)
        throw Util::XUsage("GPL file has too many handles");
    U32 childId = ReferenceTo(child);
    const int id = m_nextHandleId;
    Util::CountedPointer<ThreeDObjectHandle> handle = Store(new GPLHandle(this, id, AddString(name), int(childId)));
    gplRoot->AddChild(id);
    m_handles.push_back(handle);
    --m_nextHandleId;
    return handle;
}

Util::CountedPointer<ThreeDObjectLine> GPLTdoFile::CreateLine(int id, const Vertex& from, const Vertex& to,
                                                              const Colour& colour)
{
    CheckNewId(id);
    U32 fromId = U32(AddVertex(from));
    U32 toId = U32(AddVertex(to));
    return Store(new GPLLine(*this, id, fromId, toId, colour));
}

Util::CountedPointer<ThreeDObjectNull> GPLTdoFile::CreateNull(int id)
{
    CheckNewId(id);
    return Store(new GPLNull(id, 0xFFFFFFFF));
}

Util::CountedPointer<ThreeDObjectNumberList> GPLTdoFile::CreateNumberList(int id, const std::vector<int>& numbers)
{
    CheckNewId(id);
    return Store(new GPLNumberList(*this, id, std::vector<U32>(numbers.begin(), numbers.end())));
}

Util::CountedPointer<ThreeDObjectObjectList> GPLTdoFile::CreateObjectList(int id, const Nodes& children)
{
    CheckNewId(id);
    return Store(new GPLObjectList(*this, id, ReferencesTo(children)));
}

Util::CountedPointer<ThreeDObjectObjectLocator> GPLTdoFile::CreateObjectLocator(
    int id, const std::vector<Plane>& planes, const Nodes& siblings, const Node& child, const std::vector<double>& x,
    const std::vector<double>& y, const std::vector<double>& z, const Nodes& objects)
{
    CheckNewId(id);
    CheckPlanes(planes.size(), siblings.size());
    if (x.size() != objects.size() || y.size() != objects.size() || z.size() != objects.size())
        throw Util::XUsage("GPL object locator needs one position per located object");
    std::array<U32, 4> siblingIds;
    for (std::size_t i = 0; i < 4; ++i)
        siblingIds[i] = ReferenceTo(siblings[i]);
    U32 childId = ReferenceTo(child);
    std::vector<U32> objectIds = ReferencesTo(objects);
    std::array<U32, 4> planeIds;
    for (std::size_t i = 0; i < 4; ++i)
        planeIds[i] = U32(AddPlane(planes[i]));
    return Store(new GPLObjectLocator(*this, id, planeIds, siblingIds, childId, std::vector<float>(x.begin(), x.end()),
                                      std::vector<float>(y.begin(), y.end()), std::vector<float>(z.begin(), z.end()),
                                      objectIds));
}

Util::CountedPointer<ThreeDObjectObjectLocatorList> GPLTdoFile::CreateObjectLocatorList(int id, const Nodes& children)
{
    CheckNewId(id);
    // Written as an object list closed by the null node; a list of that null alone is refused
    // when the file is read back.
    if (children.empty())
        throw Util::XUsage("GPL object locator list needs at least one child");
    return Store(new GPLObjectLocatorList(*this, id, ReferencesTo(children)));
}

Util::CountedPointer<ThreeDObjectPlaneCullFront> GPLTdoFile::CreatePlaneCullFront(int id, const Plane& plane,
                                                                                  const Node& child)
{
    CheckNewId(id);
    U32 front = ReferenceTo(child);
    return Store(new GPLPlaneCullFront(*this, id, U32(AddPlane(plane)), front));
}

Util::CountedPointer<ThreeDObjectPlaneOrder2> GPLTdoFile::CreatePlaneOrder2(int id, const Plane& plane,
                                                                            const Node& first, const Node& second)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second);
    return Store(new GPLPlaneOrder2(*this, id, U32(AddPlane(plane)), a, b));
}

Util::CountedPointer<ThreeDObjectPlaneOrder2CullFrontBack> GPLTdoFile::CreatePlaneOrder2CullFrontBack(
    int id, const Plane& plane, const Node& first, const Node& second)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second);
    return Store(new GPLPlaneOrder2CullFrontBack(*this, id, U32(AddPlane(plane)), a, b));
}

Util::CountedPointer<ThreeDObjectPlaneOrder3> GPLTdoFile::CreatePlaneOrder3(int id, const Plane& plane,
                                                                            const Node& first, const Node& second,
                                                                            const Node& third)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second), c = ReferenceTo(third);
    return Store(new GPLPlaneOrder3(*this, id, U32(AddPlane(plane)), a, b, c));
}

Util::CountedPointer<ThreeDObjectPlaneOrder3CullFront> GPLTdoFile::CreatePlaneOrder3CullFront(
    int id, const Plane& plane, const Node& first, const Node& second, const Node& third)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second), c = ReferenceTo(third);
    return Store(new GPLPlaneOrder3CullFront(*this, id, U32(AddPlane(plane)), a, b, c));
}

Util::CountedPointer<ThreeDObjectPlaneOrder4CullFrontBack> GPLTdoFile::CreatePlaneOrder4CullFrontBack(
    int id, const Plane& plane, const Node& first, const Node& second, const Node& third, const Node& fourth)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second), c = ReferenceTo(third), d = ReferenceTo(fourth);
    return Store(new GPLPlaneOrder4CullFrontBack(*this, id, U32(AddPlane(plane)), a, b, c, d));
}

Util::CountedPointer<ThreeDObjectPolygon> GPLTdoFile::CreatePolygon(
    int id, const std::vector<Vertex>& vertices, const Colour& colour, bool hasShades,
    const std::vector<Colour>& shades, bool hasNormals, const std::vector<Normal>& normals, bool hasTextureVertices,
    const std::vector<TextureVertex>& textureVertices)
{
    CheckNewId(id);
    // The record keeps one count for all its per-corner lists.
    if (hasShades && shades.size() != vertices.size())
        throw Util::XUsage("GPL polygon needs one shade per vertex");
    if (hasNormals && normals.size() != vertices.size())
        throw Util::XUsage("GPL polygon needs one normal per vertex");
    if (hasTextureVertices && textureVertices.size() != vertices.size())
        throw Util::XUsage("GPL polygon needs one texture vertex per vertex");
    std::vector<U32> vertexIds;
    vertexIds.reserve(vertices.size());
    for (const Vertex& v : vertices)
        vertexIds.push_back(U32(AddVertex(v)));
    std::vector<U32> normalIds;
    if (hasNormals)
        for (const Normal& n : normals)
            normalIds.push_back(U32(AddNormal(n)));
    const int features = (hasShades ? 1 : 0) + (hasNormals ? 2 : 0) + (hasTextureVertices ? 4 : 0);
    switch (features)
    {
    case 0:
        return Store<ThreeDObjectPolygon>(new GPLPolygon(*this, id, vertexIds, colour));
    case 1:
        return Store<ThreeDObjectPolygon>(new GPLGouraudPolygon(*this, id, vertexIds, colour, shades));
    case 2:
        return Store<ThreeDObjectPolygon>(new GPLPhongPolygon(*this, id, vertexIds, colour, {}, {}, normalIds));
    case 3:
        return Store<ThreeDObjectPolygon>(
            new GPLGouraudPhongPolygon(*this, id, vertexIds, colour, shades, {}, normalIds));
    case 4:
        return Store<ThreeDObjectPolygon>(new GPLTexturedPolygon(*this, id, vertexIds, colour, {}, textureVertices));
    case 5:
        return Store<ThreeDObjectPolygon>(
            new GPLTexturedGouraudPolygon(*this, id, vertexIds, colour, shades, textureVertices));
    case 6:
        return Store<ThreeDObjectPolygon>(
            new GPLTexturedPhongPolygon(*this, id, vertexIds, colour, {}, textureVertices, normalIds));
    default:
        return Store<ThreeDObjectPolygon>(
            new GPLTexturedGouraudPhongPolygon(*this, id, vertexIds, colour, shades, textureVertices, normalIds));
    }
}

Util::CountedPointer<ThreeDObjectProxy> GPLTdoFile::CreateProxy(int id, const Node& target)
{
    CheckNewId(id);
    return Store(new GPLProxy(*this, id, int(ReferenceTo(target))));
}

Util::CountedPointer<ThreeDObjectRoot> GPLTdoFile::CreateRoot(int id, const Nodes& children)
{
    CheckNewId(id, true);
    if (children.empty())
        throw Util::XUsage("GPL root needs at least one child");
    std::vector<U32> childIds = ReferencesTo(children);
    auto root = new GPLRoot(this, id);
    Util::CountedPointer<ThreeDObjectRoot> held = Store<ThreeDObjectRoot>(root);
    for (U32 child : childIds)
        root->AddChild(int(child));
    m_rootId = id;
    m_rootOffset = childIds.front();
    return held;
}

Util::CountedPointer<ThreeDObjectScaledBitmap> GPLTdoFile::CreateScaledBitmap(int id, const Vertex& vertex,
                                                                              bool hasScale, double, double,
                                                                              double height,
                                                                              const std::string& bitmapName)
{
    CheckNewId(id);
    if (hasScale)
        return Util::CountedPointer<ThreeDObjectScaledBitmap>();
    U32 vertexId = U32(AddVertex(vertex));
    return Store(new GPLScaledBitmap(*this, id, vertexId, AddString(bitmapName), float(height), false));
}

Util::CountedPointer<ThreeDObjectTexture> GPLTdoFile::CreateTexture(int id, const std::string& textureName,
                                                                    const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    return Store(new GPLTexture(*this, id, childId, AddString(textureName)));
}

Util::CountedPointer<ThreeDObjectTrackDetailSplit> GPLTdoFile::CreateTrackDetailSplit(int id,
                                                                                      const std::vector<Nodes>& levels,
                                                                                      const Node& child)
{
    CheckNewId(id);
    if (levels.size() != 3 || levels[0].size() != 4 || levels[1].size() != 2 || levels[2].size() != 1)
        throw Util::XUsage("GPL only allows track detail with 4/2/1 split");
    U32 ids[7];
    std::size_t k = 0;
    for (const Nodes& level : levels)
        for (const Node& node : level)
            ids[k++] = ReferenceTo(node);
    U32 links = ReferenceTo(child);
    return Store(new GPLTrackDetailSplit(*this, id, ids, links));
}

Util::CountedPointer<ThreeDObjectTrackDrawingDistances> GPLTdoFile::CreateTrackDrawingDistances(
    int id, const std::vector<std::array<int, 4>>& records)
{
    CheckNewId(id);
    return Store(new GPLTrackDrawingDistances(*this, id, records));
}

Util::CountedPointer<ThreeDObjectTrackIndex> GPLTdoFile::CreateTrackIndex(int id, const std::vector<int>& numbers)
{
    CheckNewId(id);
    return Store(new GPLTrackIndex(*this, id, numbers));
}

Util::CountedPointer<ThreeDObjectTrackLink> GPLTdoFile::CreateTrackLink(int id, const std::vector<int>& numbers)
{
    CheckNewId(id);
    if (numbers.size() != 4)
        throw Util::XUsage("GPL only allows track link with 4 links");
    const int links[4] = {numbers[0], numbers[1], numbers[2], numbers[3]};
    return Store(new GPLTrackLink(*this, id, links));
}

Util::CountedPointer<ThreeDObjectTrackRoot> GPLTdoFile::CreateTrackRoot(int id, const Node& first, const Node& second)
{
    CheckNewId(id);
    U32 a = ReferenceTo(first), b = ReferenceTo(second);
    return Store(new GPLTrackRoot(*this, id, a, b));
}

Util::CountedPointer<ThreeDObjectTrackSections> GPLTdoFile::CreateTrackSections(int id, const Node& first,
                                                                                const Nodes& middle, const Node& last)
{
    CheckNewId(id);
    // Written as an object list of first, middle and last; read back, such a list needs at
    // least three entries.
    if (middle.empty())
        throw Util::XUsage("GPL track sections need at least one section");
    U32 a = ReferenceTo(first);
    std::vector<U32> ids = ReferencesTo(middle);
    U32 b = ReferenceTo(last);
    return Store(new GPLTrackSections(*this, id, a, ids, b));
}

Util::CountedPointer<ThreeDObjectTransformation> GPLTdoFile::CreateTransformation(
    int id, double xTranslation, double yTranslation, double zTranslation, double xRotation, double yRotation,
    double zRotation, double scale, const Node& child)
{
    CheckNewId(id);
    U32 childId = ReferenceTo(child);
    return Store(new GPLTransformation(*this, id, xTranslation, yTranslation, zTranslation,
                                       Util::DegreesToRadians(xRotation), Util::DegreesToRadians(yRotation),
                                       Util::DegreesToRadians(zRotation), scale, childId));
}
// ---- End of writing and the node factories ------------------------------------------------
} // namespace Velmo::Papy

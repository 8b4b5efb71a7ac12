#include "Papy/GPL/GPLTdoFile.h"

#include <cstring>

#include "Papy/GPL/GPLGraphCheck.h"
#include "Papy/GPL/GPLHandle.h"
#include "Papy/GPL/GPLInstructionDecoder.h"
#include "Papy/GPL/GPLNull.h"
#include "Papy/GPL/GPLRecord.h"
#include "Papy/GPL/GPLRoot.h"
#include "Papy/GPL/GPLTdoFixups.h"
#include "Papy/Model/ChunkHeader.h"
#include "Papy/Model/Options.h"
#include "Util/CharBuffer.h"
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

// The four floats of a 16-byte table record.
void DecodeFloats(const U8* record, float values[4])
{
    for (int i = 0; i < 4; ++i)
        values[i] = Util::DecodeLE<float>(record + 4 * i);
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

    U32 remaining = header.GetSize();
    std::vector<U8> data;
    while (remaining != 0)
    {
        if (remaining < ChunkHeader::ByteSize)
            throw Util::XFileFormat(m_fileName, "GPL 3do file not enough room left for header");
        ChunkHeader section(stream);
        remaining -= ChunkHeader::ByteSize;
        if (section.GetVersion() != 0)
            throw Util::XFileFormat(m_fileName, "GPL 3do file unsupported subsection version");
        U32 size = section.GetSize();
        if (size > remaining)
            throw Util::XFileFormat(m_fileName, "GPL 3do section extends beyond end of file");
        CheckSectionOrder(section.GetId(), size);
        // The header's sizes are not trusted to match the stream: nothing is allocated for
        // bytes that are not there (reading them would fail the same way).
        if (size > Util::Remaining(stream))
            throw Util::XFileRead(m_fileName);
        data.resize(size);
        stream.Read(size, data.data());

        switch (section.GetId())
        {
        case IdNorm:
            ReadNormals(stream, data);
            break;
        case IdXyzs:
            ReadVertices(stream, data, strict);
            break;
        case IdPlan:
            ReadPlanes(stream, data);
            break;
        case IdStrn:
            ReadStrings(stream, data);
            break;
        case IdPrim:
            ReadInstructions(stream, data);
            break;
        case IdHand:
            ReadHandles(stream, data);
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
            U8 bytes[4];
            stream.Read(padding, bytes);
            remaining -= padding;
        }
    }
    data.clear();
    data.shrink_to_fit();

    GPLGraphCheck::Check(*this);
    if (m_trackSeen)
        GPLTdoFixups::RunTrackFixup(*this);
    else if (m_carSeen)
        GPLTdoFixups::RunCarFixup(*this);
    m_loadRoot = nullptr;
}

void GPLTdoFile::ReadNormals(Util::BinaryStream&, const std::vector<U8>& data)
{
    if (data.size() % 16 != 0)
        throw Util::XFileFormat(m_fileName, "GPL 3do NORM size not multiple of 16");
    m_normals.reserve(m_normals.size() + data.size() / 16);
    for (std::size_t at = 0; at < data.size(); at += 16)
    {
        float v[4];
        DecodeFloats(data.data() + at, v);
        if (!(v[0] == 0.0f))
            throw Util::XFileFormat(m_fileName, "GPL 3do NORM first value not zero");
        m_normals.emplace_back(v[1], v[2], v[3]);
    }
}

void GPLTdoFile::ReadVertices(Util::BinaryStream&, const std::vector<U8>& data, bool strict)
{
    if (data.size() % 16 != 0)
        throw Util::XFileFormat(m_fileName, "GPL 3do XYZS size not multiple of 16");
    m_vertices.reserve(m_vertices.size() + data.size() / 16);
    for (std::size_t at = 0; at < data.size(); at += 16)
    {
        float v[4];
        DecodeFloats(data.data() + at, v);
        if (strict && !(v[0] == 0.0f))
            throw Util::XFileFormat(m_fileName, "GPL 3do XYZS fourth value not zero");
        m_vertices.emplace_back(v[1], v[2], v[3]);
    }
}

void GPLTdoFile::ReadPlanes(Util::BinaryStream&, const std::vector<U8>& data)
{
    if (data.size() % 16 != 0)
        throw Util::XFileFormat(m_fileName, "GPL 3do PLAN size not multiple of 16");
    m_planes.reserve(m_planes.size() + data.size() / 16);
    for (std::size_t at = 0; at < data.size(); at += 16)
    {
        float v[4];
        DecodeFloats(data.data() + at, v);
        m_planes.emplace_back(v[0], v[1], v[2], v[3]);
    }
}

// Strings stand back to back, each ended by a NUL and known by its offset in the data. The
// last byte of the data (the writer puts 0xFF there) never begins a string. A string without
// its NUL inside the data is refused rather than read past the section.
void GPLTdoFile::ReadStrings(Util::BinaryStream&, const std::vector<U8>& data)
{
    const std::size_t size = data.size();
    std::size_t at = 0;
    while (size != 0 && at < size - 1)
    {
        const void* end = std::memchr(data.data() + at, 0, size - at);
        if (end == nullptr)
            throw Util::XFileFormat(m_fileName, "GPL 3do STRN string not terminated");
        std::size_t length = static_cast<const U8*>(end) - (data.data() + at);
        m_strings[U32(at)] = std::string(reinterpret_cast<const char*>(data.data() + at), length);
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

void GPLTdoFile::ReadInstructions(Util::BinaryStream&, const std::vector<U8>& data)
{
    m_primSeen = true;

    const U32 size = U32(data.size());
    Util::CharBuffer records(m_fileName);
    records.Attach(size, data.data());
    m_rootOffset = GPLRecord::ReadU32(records);
    auto hint = m_subObjects.end();
    U32 at = 4;
    while (at < size)
    {
        U32 typeWord = GPLRecord::ReadU32(records);
        Util::CountedPointer<ThreeDObject> node = DecodeInstruction(int(at), typeWord, records);
        hint = m_subObjects.insert_or_assign(hint, int(at), node);
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

void GPLTdoFile::ReadHandles(Util::BinaryStream&, const std::vector<U8>& data)
{
    Util::CharBuffer records(m_fileName);
    records.Attach(U32(data.size()), data.data());
    while (records.Tell() < data.size())
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

Util::CountedPointer<ThreeDObject> GPLTdoFile::DecodeInstruction(int id, U32 typeWord, Util::BinaryStream& stream)
{
    return GPLInstructionDecoder::Decode(*this, id, typeWord, stream);
}

Util::CountedPointer<ThreeDObjectRoot> GPLTdoFile::GetRoot() const
{
    Util::CountedPointer<ThreeDObjectRoot> root;
    root = GetSubObject(m_rootId);
    return root;
}

Util::CountedPointer<ThreeDObject> GPLTdoFile::GetSubObject(int id) const
{
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

void GPLTdoFile::Save(Util::CountedPointer<Util::BinaryStream>&)
{
    VELMO_ASSERT_TEXT(false, "false");
}

int GPLTdoFile::NewId()
{
    m_nextId += 4;
    return m_nextId;
}

unsigned GPLTdoFile::GetVertexCount() const
{
    return unsigned(m_vertices.size());
}

Vertex GPLTdoFile::GetVertex(unsigned id) const
{
    VELMO_ASSERT(id < GetVertexCount());
    return m_vertices[id];
}

int GPLTdoFile::AddVertex(const Vertex& vertex)
{
    for (std::size_t i = 0; i < m_vertices.size(); ++i)
        if (m_vertices[i] == vertex)
            return int(i);
    m_vertices.push_back(vertex);
    return int(m_vertices.size() - 1);
}

Plane GPLTdoFile::GetPlane(unsigned id) const
{
    VELMO_ASSERT_TEXT(id < m_planes.size(), "id < Planes.size()");
    return m_planes[id];
}

int GPLTdoFile::AddPlane(const Plane& plane)
{
    for (std::size_t i = 0; i < m_planes.size(); ++i)
        if (m_planes[i] == plane)
            return int(i);
    m_planes.push_back(plane);
    return int(m_planes.size() - 1);
}

Normal GPLTdoFile::GetNormal(unsigned id) const
{
    VELMO_ASSERT_TEXT(id < m_normals.size(), "id < Normals.size()");
    return m_normals[id];
}

int GPLTdoFile::AddNormal(const Normal& normal)
{
    for (std::size_t i = 0; i < m_normals.size(); ++i)
        if (m_normals[i] == normal)
            return int(i);
    m_normals.push_back(normal);
    return int(m_normals.size() - 1);
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
} // namespace Velmo::Papy

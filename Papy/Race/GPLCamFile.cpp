#include "Papy/Race/GPLCamFile.h"

#include "Papy/Model/ChunkHeader.h"
#include "Papy/Race/GPLPitlaneCamera.h"
#include "Papy/Race/GPLTrackCamera.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 TcamId = MakeChunkId('T', 'C', 'A', 'M');
constexpr U8 Filler = 0x20;

// A group's count: negative, or more records than the bytes left hold, is a length mismatch.
U32 ReadGroupCount(Util::RecordReader& reader, U64 recordSize)
{
    S32 count = reader.ReadS32();
    if (count < 0)
        throw Util::XFileFormat(reader.GetName(), "GPL cam length mismatch");
    reader.CheckCount(U32(count), recordSize, "GPL cam length mismatch");
    return U32(count);
}
} // namespace

GPLCamFile::GPLCamFile()
{
    Cameras.emplace_back(new GPLPitlaneCamera);
}

GPLCamFile::GPLCamFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    const U32 id = reader.ReadU32();
    m_version = reader.ReadU32();
    const U32 size = reader.ReadU32();
    if (id != TcamId)
        throw Util::XFileFormat(reader.GetName(), "GPL cam file id not TCAM");
    if (m_version != 0 && m_version != 2)
        throw Util::XFileFormat(reader.GetName(), "GPL cam file unsupported version");

    const bool extra = m_version == 2;
    const U64 recordSize = GPLTrackCamera::RecordSize + (extra ? 1 : 0);
    for (int type : {Camera::TV1, Camera::TV2})
    {
        const U32 count = ReadGroupCount(reader, recordSize);
        for (U32 i = 0; i < count; ++i)
        {
            GPLTrackCamera::Record record;
            reader.ReadBytes(record.data(), record.size());
            const U8 extraByte = extra ? reader.ReadU8() : 0;
            Cameras.emplace_back(new GPLTrackCamera(type, record, extraByte));
        }
    }
    if (m_version == 0)
    {
        GPLPitlaneCamera::Record record;
        reader.ReadBytes(record.data(), record.size());
        auto* pitlane = new GPLPitlaneCamera(record);
        Cameras.emplace_back(pitlane);
        static const char* const reserved[] = {
            "GPL Pitlane Camera reserved0 not zero", "GPL Pitlane Camera reserved1 not zero",
            "GPL Pitlane Camera reserved2 not zero", "GPL Pitlane Camera reserved3 not zero"};
        for (unsigned i = 0; i < 4; ++i)
            if (pitlane->GetReserved(i) != 0)
                throw Util::XFileFormat(reader.GetName(), reserved[i]);
    }
    else
    {
        const U32 count = ReadGroupCount(reader, recordSize);
        m_thirdCount = S32(count);
        m_thirdGroup.resize(std::size_t(count * recordSize));
        reader.ReadBytes(m_thirdGroup.data(), m_thirdGroup.size());
        reader.ReadBytes(m_tail.data(), m_tail.size());
    }

    if (reader.Tell() != U64(size) + ChunkHeader::ByteSize)
        throw Util::XFileFormat(reader.GetName(), "GPL cam length mismatch");
    if (m_version == 2 && reader.Remaining() <= 3)
    {
        m_filler.resize(std::size_t(reader.Remaining()));
        reader.ReadBytes(m_filler.data(), m_filler.size());
        for (U8 byte : m_filler)
            if (byte != Filler)
                throw Util::XFileFormat(reader.GetName(), "GPL cam file length mismatch");
    }
    if (!reader.AtEnd())
        throw Util::XFileFormat(reader.GetName(), "GPL cam file length mismatch");
}

void GPLCamFile::InsertCamera(int type, int index)
{
    VELMO_ASSERT_TEXT(type == Camera::TV1 || type == Camera::TV2, "type == Camera::TV1 || type == Camera::TV2");
    VELMO_ASSERT_TEXT(index >= 0 && std::size_t(index) < Cameras.size(), "index < Cameras.size()");
    Cameras.insert(Cameras.begin() + index, Util::CountedPointer<Camera>(new GPLTrackCamera(type)));
}

void GPLCamFile::DeleteCamera(int index)
{
    VELMO_ASSERT_TEXT(index >= 0 && std::size_t(index) < Cameras.size(), "index < Cameras.size()");
    VELMO_ASSERT(Cameras[index]->GetType() != Camera::Pitlane);
    Cameras.erase(Cameras.begin() + index);
}

void GPLCamFile::WriteGroup(Util::BinaryStream& stream, int type) const
{
    const U64 start = stream.Tell();
    Util::WriteLE<S32>(stream, 0);
    S32 count = 0;
    for (const auto& camera : Cameras)
    {
        if (camera->GetType() != type)
            continue;
        camera->Write(stream);
        if (m_version == 2)
        {
            const auto* track = dynamic_cast<const GPLTrackCamera*>(camera.Get());
            VELMO_ASSERT(track != nullptr);
            Util::WriteLE<U8>(stream, track->GetExtra());
        }
        ++count;
    }
    const U64 end = stream.Tell();
    stream.Seek(start);
    Util::WriteLE<S32>(stream, count);
    stream.Seek(end);
}

void GPLCamFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    ChunkHeader(TcamId, m_version, 0).Write(stream);
    WriteGroup(stream, Camera::TV1);
    WriteGroup(stream, Camera::TV2);
    if (m_version == 0)
    {
        int count = 0;
        for (const auto& camera : Cameras)
        {
            if (camera->GetType() != Camera::Pitlane)
                continue;
            camera->Write(stream);
            ++count;
        }
        VELMO_ASSERT_AT(count == 1, "count == 1", ".\\GPLCamFile.cpp", 151);
    }
    else
    {
        Util::WriteLE<S32>(stream, m_thirdCount);
        if (!m_thirdGroup.empty())
            stream.Write(U32(m_thirdGroup.size()), m_thirdGroup.data());
        stream.Write(TailSize, m_tail.data());
    }
    const U64 end = stream.Tell();
    stream.Seek(0);
    ChunkHeader(TcamId, m_version, U32(end - ChunkHeader::ByteSize)).Write(stream);
    stream.Seek(end);
    if (!m_filler.empty())
        stream.Write(U32(m_filler.size()), m_filler.data());
}
} // namespace Velmo::Papy

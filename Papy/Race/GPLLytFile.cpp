#include "Papy/Race/GPLLytFile.h"

#include <algorithm>
#include <cstring>

#include "Util/Clipboard.h"
#include "Util/Exception.h"
#include "Util/RecordReader.h"
#include "Util/StreamIO.h"

namespace Velmo::Papy
{
namespace
{
constexpr S32 Version = 6;

constexpr unsigned Type = 256;
constexpr unsigned X = 260;
constexpr unsigned Y = 264;
constexpr unsigned Width = 268;
constexpr unsigned Height = 272;
constexpr unsigned Extra0 = 276;
constexpr unsigned StringId = 483;
constexpr unsigned Extra1 = 785;
constexpr unsigned GroupId = 789;
constexpr unsigned ParentGroupId = 791;
constexpr unsigned RelativeToControl = 793;
constexpr unsigned RelativeValue = 795;
constexpr unsigned Extra2 = 797;
constexpr unsigned Extra3 = 801;
constexpr unsigned Reserved = 805;
} // namespace

GPLLytFile::GPLLytFile(Util::BinaryStream& stream)
{
    stream.Seek(0);
    Util::RecordReader reader(stream);
    const S32 version = reader.ReadS32();
    const S32 recordSize = reader.ReadS32();
    const S32 reserved0 = reader.ReadS32();
    const S32 reserved1 = reader.ReadS32();
    if (version != Version)
        throw Util::XFileFormat(reader.GetName(), "GPL Lyt file version error");
    if (recordSize != S32(RecordSize))
        throw Util::XFileFormat(reader.GetName(), "GPL Lyt header record size error");
    if (reserved0 != 0)
        throw Util::XFileFormat(reader.GetName(), "GPL Lyt header reserved0 error");
    if (reserved1 != 0)
        throw Util::XFileFormat(reader.GetName(), "GPL Lyt header reserved1 error");
    if (reader.Remaining() % RecordSize != 0)
        throw Util::XFileFormat(reader.GetName(), "GPL Lyt header file size error");

    m_controls.resize(std::size_t(reader.Remaining() / RecordSize));
    for (control& record : m_controls)
    {
        reader.ReadBytes(record.bytes.data(), RecordSize);
        if (Util::DecodeLE<S32>(record.bytes.data() + Reserved) != 0)
            throw Util::XFileFormat(reader.GetName(), "GPL Lyt control reserved error");
    }
}

int GPLLytFile::GetControlCount() const
{
    return int(m_controls.size()) - 1;
}

const GPLLytFile::control& GPLLytFile::Listed(int i) const
{
    VELMO_ASSERT(i >= 0 && i < GetControlCount());
    return m_controls[std::size_t(i)];
}

GPLLytFile::control& GPLLytFile::Listed(int i)
{
    VELMO_ASSERT(i >= 0 && i < GetControlCount());
    return m_controls[std::size_t(i)];
}

S32 GPLLytFile::GetS32(int i, unsigned offset) const
{
    return Util::DecodeLE<S32>(Listed(i).bytes.data() + offset);
}

S16 GPLLytFile::GetS16(int i, unsigned offset) const
{
    return Util::DecodeLE<S16>(Listed(i).bytes.data() + offset);
}

void GPLLytFile::SetS32(int i, unsigned offset, int value)
{
    Util::EncodeLE<S32>(S32(value), Listed(i).bytes.data() + offset);
}

void GPLLytFile::SetS16(int i, unsigned offset, int value)
{
    Util::EncodeLE<S16>(S16(value), Listed(i).bytes.data() + offset);
}

std::string GPLLytFile::GetName(int i) const
{
    const char* field = reinterpret_cast<const char*>(Listed(i).bytes.data());
    const void* end = std::memchr(field, 0, NameSize);
    return std::string(field, end != nullptr ? static_cast<const char*>(end) : field + NameSize);
}

int GPLLytFile::GetTypeClass(int i) const
{
    switch (GetType(i))
    {
    case 0:
        return 0;
    case 1:
        return 1;
    case 2:
        return 2;
    case 5:
        return 3;
    default:
        return 4;
    }
}

int GPLLytFile::GetType(int i) const
{
    return GetS32(i, Type);
}

int GPLLytFile::GetRelativeToControl(int i) const
{
    return GetS16(i, RelativeToControl);
}

int GPLLytFile::GetRelativeValue(int i) const
{
    return GetS16(i, RelativeValue);
}

int GPLLytFile::GetX(int i) const
{
    return GetS32(i, X);
}

int GPLLytFile::GetY(int i) const
{
    return GetS32(i, Y);
}

int GPLLytFile::GetWidth(int i) const
{
    return GetS32(i, Width);
}

int GPLLytFile::GetHeight(int i) const
{
    return GetS32(i, Height);
}

int GPLLytFile::GetGroupId(int i) const
{
    return GetS16(i, GroupId);
}

int GPLLytFile::GetParentGroupId(int i) const
{
    return GetS16(i, ParentGroupId);
}

int GPLLytFile::GetExtra(int i, int k) const
{
    switch (k)
    {
    case 0:
        return GetS32(i, Extra0);
    case 1:
        return GetS32(i, Extra1);
    case 2:
        return GetS32(i, Extra2);
    case 3:
        return GetS32(i, Extra3);
    }
    Util::ThrowAssertion("false", ".\\GPLLytFile.cpp", 185);
}

int GPLLytFile::GetStringId(int i) const
{
    return GetS32(i, StringId);
}

void GPLLytFile::SetName(int i, const std::string& name)
{
    U8* field = Listed(i).bytes.data();
    std::fill(field, field + NameSize, U8(0));
    std::memcpy(field, name.data(), std::min<std::size_t>(name.size(), NameSize - 1));
}

void GPLLytFile::SetRelativeToControl(int i, int value)
{
    SetS16(i, RelativeToControl, value);
}

void GPLLytFile::SetRelativeValue(int i, int value)
{
    SetS16(i, RelativeValue, value);
}

void GPLLytFile::SetX(int i, int value)
{
    SetS32(i, X, value);
}

void GPLLytFile::SetY(int i, int value)
{
    SetS32(i, Y, value);
}

void GPLLytFile::SetWidth(int i, int value)
{
    SetS32(i, Width, value);
}

void GPLLytFile::SetHeight(int i, int value)
{
    SetS32(i, Height, value);
}

void GPLLytFile::SetGroupId(int i, int value)
{
    SetS16(i, GroupId, value);
}

void GPLLytFile::SetParentGroupId(int i, int value)
{
    SetS16(i, ParentGroupId, value);
}

void GPLLytFile::SetStringId(int i, int value)
{
    SetS32(i, StringId, value);
}

void GPLLytFile::CopyControl(int i)
{
    Util::Clipboard::SetData(ClipboardId, Listed(i));
}

bool GPLLytFile::IsClipboardControlAvailable() const
{
    return Util::Clipboard::IsDataPresent(ClipboardId);
}

void GPLLytFile::PasteControl(int insert_before_index)
{
    VELMO_ASSERT_AT(IsClipboardControlAvailable(), "IsClipboardControlAvailable()", ".\\GPLLytFile.cpp", 256);
    VELMO_ASSERT(insert_before_index >= 0);
    VELMO_ASSERT_AT(insert_before_index <= GetControlCount(), "insert_before_index <= GetControlCount()",
                    ".\\GPLLytFile.cpp", 257);
    const control pasted = Util::Clipboard::GetData<control>(ClipboardId);
    m_controls.insert(m_controls.begin() + insert_before_index, pasted);
    for (int i = 0; i < GetControlCount(); ++i)
        if (GetRelativeToControl(i) >= insert_before_index)
            SetRelativeToControl(i, GetRelativeToControl(i) + 1);
}

void GPLLytFile::DeleteControl(int i)
{
    VELMO_ASSERT(i >= 0);
    VELMO_ASSERT(i < GetControlCount());
    m_controls.erase(m_controls.begin() + i);
    // The mirror of paste: references past the deleted control move down by one, and one to the
    // deleted control itself is left relative to nothing.
    for (int k = 0; k < GetControlCount(); ++k)
    {
        const int relative = GetRelativeToControl(k);
        if (relative == i)
            SetRelativeToControl(k, RelativeToNothing);
        else if (relative > i)
            SetRelativeToControl(k, relative - 1);
    }
}

void GPLLytFile::Save(Util::BinaryStream& stream) const
{
    stream.Seek(0);
    for (S32 word : {Version, S32(RecordSize), S32(0), S32(0)})
        Util::WriteLE<S32>(stream, word);
    for (const control& record : m_controls)
        stream.Write(RecordSize, record.bytes.data());
}
} // namespace Velmo::Papy

#include "Papy/Race/GPLRpyItems.h"

#include <cmath>

#include "Util/Exception.h"

namespace Velmo::Papy
{
namespace
{
constexpr U32 PlayerType = 1;
constexpr U32 CarsType = 3;
constexpr U32 ClockType = 13;
constexpr U64 CarSize = 16;
constexpr double AngleUnit = 0.0015347302; // pi / 2047

S32 SignExtend(U32 value, unsigned bits)
{
    const U32 sign = U32(1) << (bits - 1);
    value &= (sign << 1) - 1;
    return S32(value ^ sign) - S32(sign);
}

U32 LowBits(U32 value, unsigned bits)
{
    return value & ((U32(1) << bits) - 1);
}

[[noreturn]] void Fail(const Util::RecordReader& reader, const char* message)
{
    throw Util::XFileFormat(reader.GetName(), message);
}
} // namespace

// By GPLRpyFile::Game.
const GPLRpyItems::Layout GPLRpyItems::Layouts[3] = {
    {28, true, 26, 0x3F, false, 0, 16, 7},
    {36, false, 24, 0x7F, true, 12, 17, 0},
    {36, false, 24, 0x7F, true, 12, 17, 0},
};

GPLRpyItems::Latitude::Latitude(unsigned bits)
{
    const F32 s = F32(std::sqrt(512.0));
    const F32 e = F32(std::acos(double(1.0f / s)));
    const F32 t = F32(std::tan(double(e)));
    const F32 h = F32((U32(1) << (bits - 1)) - 1);
    m_inScale = e / h;
    m_outScale = 300.0f / t;
}

F32 GPLRpyItems::Latitude::Decode(S32 raw) const
{
    return F32(std::tan(double(F32(raw) * m_inScale))) * m_outScale;
}

GPLRpyItems::GPLRpyItems(GPLRpyFile::Game game, U32 rptpVersion, int player, std::size_t driverCount)
    : m_layout(Layouts[game]), m_longitudeUnit((rptpVersion & FineLongitudeBit) != 0 ? 500.0 : 2000.0),
      m_floatPlayer(m_layout.floatPlayer && (rptpVersion & FloatPlayerBit) != 0), m_player(player),
      m_driverCount(driverCount), m_playerLatitude(20), m_carLatitude(m_layout.latitudeBits)
{
}

void GPLRpyItems::Read(Util::RecordReader& items, U32 index, Frame& frame) const
{
    frame.cars.clear();
    frame.hasClock = false;
    frame.clock = 0;
    while (!items.AtEnd())
    {
        if (items.Remaining() < 4)
            Fail(items, "GPL rpy no room for type header");
        const U32 type = items.ReadU16();
        const U32 size = items.ReadU16();
        if (size < 4)
            Fail(items, "GPL rpy type header size error");
        const U32 rounded = (size + 3) & ~U32(3);
        if (rounded - 4 > items.Remaining())
            Fail(items, "GPL rpy type size mismatch");
        Util::RecordReader body = items.Slice(size - 4);
        items.Skip(rounded - size);
        if (type == PlayerType)
            ReadPlayer(body, index, frame);
        else if (type == CarsType)
            ReadCars(body, index, frame);
        else if (type == ClockType)
        {
            if (body.Size() < 4)
                Fail(body, "GPL rpy type header size error");
            frame.clock = body.ReadU32() / 256;
            frame.hasClock = true;
        }
    }
}

void GPLRpyItems::ReadPlayer(Util::RecordReader& body, U32 index, Frame& frame) const
{
    // An item shorter than the record it holds would be read past its end.
    if (body.Size() < m_layout.playerItem)
        Fail(body, "GPL rpy type header size error");
    if (m_floatPlayer)
    {
        body.Skip(16);
        const F32 longitude = body.ReadF32();
        const F32 latitude = body.ReadF32();
        const F32 angle = body.ReadF32();
        frame.cars.push_back({m_player, {index, longitude, latitude, angle}});
        return;
    }
    const U32 w0 = body.ReadU32();
    const U32 w1 = body.ReadU32();
    const U32 w2 = body.ReadU32();
    frame.cars.push_back({m_player,
                          {index, (w0 & 0x3FFFFFF) / m_longitudeUnit, m_playerLatitude.Decode(SignExtend(w1, 20)),
                           SignExtend(w2 >> 10, 12) * AngleUnit}});
}

void GPLRpyItems::ReadCars(Util::RecordReader& body, U32 index, Frame& frame) const
{
    while (body.Remaining() >= CarSize)
    {
        body.Skip(4);
        const U32 w1 = body.ReadU32();
        const U32 w2 = body.ReadU32();
        const U32 w3 = body.ReadU32();
        const U32 raw = LowBits(w1, m_layout.longitudeBits);
        const U32 id = (w1 >> m_layout.longitudeBits) & m_layout.idMask;
        // A car of an id that the driver list does not name is not anybody's sample.
        if (id >= m_driverCount)
            continue;
        const S32 latitude = SignExtend((m_layout.latitudeInWord3 ? w3 : w2) >> m_layout.latitudeShift,
                                        m_layout.latitudeBits);
        const S32 angle = SignExtend(w3 >> m_layout.angleShift, 12);
        frame.cars.push_back(
            {int(id), {index, raw / m_longitudeUnit, m_carLatitude.Decode(latitude), angle * AngleUnit}});
    }
}
} // namespace Velmo::Papy

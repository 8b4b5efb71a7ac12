#pragma once
// The items of a frame of a GPL, N4 or N2003 replay. A frame is a run of items, each a u16 type
// and a u16 size (its four header bytes included) padded to four bytes:
//   type 1   the player's car: three packed words (longitude, latitude, angle), or in GPL
//            replays whose RPTP version has FloatPlayerBit, three floats after 16 bytes
//   type 3   the other cars, 16 bytes each: a word skipped, then the longitude and the id in
//            word 1 and the latitude and angle in words 2 and 3, in bit fields of each game
//   type 13  the race clock, in 1/256 of 10 ms
// Other types are skipped. Longitudes are in units of 2000 per metre, 500 with FineLongitudeBit.
#include <vector>

#include "Papy/Race/GPLRpyFile.h"
#include "Papy/Race/GPLRpySample.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRpyItems
{
public:
    // Bits of the RPTP chunk's version.
    static constexpr U32 FloatPlayerBit = 0x20;
    static constexpr U32 FineLongitudeBit = 0x40;

    // What one frame holds.
    struct Frame
    {
        struct Car
        {
            int driver;
            GPLRpySample sample;
        };
        // In item order; cars of ids that name no driver are left out.
        std::vector<Car> cars;
        bool hasClock = false;
        S64 clock = 0; // in units of 10 ms
    };

    // The items of a game's frames in an RPTP chunk of version rptpVersion; type-1 items are
    // the player's, and ids from driverCount on name nobody.
    GPLRpyItems(GPLRpyFile::Game game, U32 rptpVersion, int player, std::size_t driverCount);

    // Reads the items of frame index; format errors raise XFileFormat with the reader's name.
    void Read(Util::RecordReader& items, U32 index, Frame& frame) const;

private:
    // The bit fields of each game.
    struct Layout
    {
        U32 playerItem;         // the body size of a type-1 item
        bool floatPlayer;       // whether FloatPlayerBit applies
        unsigned longitudeBits; // of word 1 of a car; the id above them
        U32 idMask;
        bool latitudeInWord3;   // else in word 2
        unsigned latitudeShift;
        unsigned latitudeBits;
        unsigned angleShift; // of word 3; 12 bits
    };
    static const Layout Layouts[3];

    // Turns a signed raw latitude of n bits into metres: tan(v * e / h) * g / t, with
    // s = sqrt(512), e = acos(1 / s), t = tan(e), h the largest raw value and g = 300 metres,
    // so the largest values give +-300 m and small values are the finest. Every step is
    // rounded to a 32-bit float, as the games compute it.
    class Latitude
    {
    public:
        explicit Latitude(unsigned bits);
        F32 Decode(S32 raw) const;

    private:
        F32 m_inScale;
        F32 m_outScale;
    };

    void ReadPlayer(Util::RecordReader& body, U32 index, Frame& frame) const;
    void ReadCars(Util::RecordReader& body, U32 index, Frame& frame) const;

    const Layout& m_layout;
    double m_longitudeUnit;
    bool m_floatPlayer;
    int m_player;
    std::size_t m_driverCount;
    Latitude m_playerLatitude;
    Latitude m_carLatitude;
};
} // namespace Velmo::Papy

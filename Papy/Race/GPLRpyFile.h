#pragma once
// The replay format of GPL, N4 and N2003 (.rpy): one RPLY chunk holding RPHD (the header),
// WKNF (the track), DRLS (the drivers, one DRNT chunk each), zero or more LPTB (lap tables of
// LPRO read-outs) and RPTP (the frames). The RPLY version tells the game: 0 to 2 GPL, 3 and 4
// N4, 5 N2003; the games differ in the header layout and in record sizes and bit fields.
//
// Only the samples a frame records are stored (a replay of many frames and drivers stays
// small); every other sample reads as invalid. Nothing is ever written back.
//
// The load is in three parts: the chunks (GPLRpyFile::Reader, GPLRpyReader.h), the items of
// each frame (GPLRpyItems) and the laps followed through the frames (GPLRpyLaps).
#include <array>
#include <map>
#include <string>
#include <vector>

#include "Papy/Race/GPLRpySample.h"
#include "Papy/Race/LapBook.h"
#include "Papy/Race/RpyFile.h"
#include "Util/BinaryStream.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLRpyFile : public RpyFile
{
public:
    enum Game
    {
        GPL,
        N4,
        N2003
    };

    // The time is the race clock in milliseconds at the end of the lap (-1 = open); the status
    // is 0, 1 or 2.
    typedef LapBook::Lap LapEntry;
    typedef std::vector<LapEntry> Laps;

    // Reads the whole stream from position 0; format errors raise XFileFormat.
    explicit GPLRpyFile(Util::BinaryStream& stream);

    std::string GetTrackName() const override { return m_trackName; }
    std::u16string GetWideName() const override { return m_wideName; }
    std::string GetPlayerName() const override { return m_playerFirstName + " " + m_playerLastName; }

    int GetDriverCount() const override { return int(m_drivers.size()); }
    std::string GetDriverName(int d) const override;
    // In decimal; 2000 to 2009 stand for "00" to "09".
    std::string GetCarNumber(int d) const override;

    int GetLapTableCount() const override;
    int GetLapCount(int table, int d) const override;
    double GetLapTime(int table, int d, int lap) const override;
    int GetLapStatus(int table, int d, int lap) const override;
    int GetLapFirstFrame(int table, int d, int lap) const override;
    int GetLapEndFrame(int table, int d, int lap) const override;

    // The header's third integer followed by the further ones.
    int GetHeaderIntegerCount() const override { return int(m_headerIntegers.size()); }
    int GetHeaderInteger(int i) const override;

    int GetFrameCount() const override { return int(m_frameCount); }
    double GetFrameDuration() const override { return 1.0 / 36; }
    bool IsSampleValid(int d, int frame) const override;
    double GetSampleLongitude(int d, int frame) const override;
    double GetSampleLatitude(int d, int frame) const override;
    double GetSampleAngle(int d, int frame) const override;

    int GetHeaderValue2() const override { return m_header[1]; }
    int GetHeaderValue3() const override { return m_header[2]; }

    // The header's first integer: the frame count once read.
    int GetHeaderValue1() const { return m_header[0]; }
    U32 GetVersion() const { return m_version; }
    Game GetGame() const { return m_game; }
    int GetPlayerDriver() const { return m_playerDriver; }
    // The 32 bytes of a driver entry whose meaning is not known.
    const std::array<U8, 32>& GetDriverBlock(int d) const;
    U32 GetCarNumberValue(int d) const;
    // The laps of driver d in a table, entry 0 included.
    Laps GetLaps(int table, int d) const;

private:
    struct Driver
    {
        std::string firstName;
        std::string lastName;
        U32 carNumber = 0;
        std::array<U8, 32> block{};
    };

    // A lap table: the laps of each driver that has a read-out in it; every other driver has
    // only the start entry.
    typedef std::map<int, LapBook> LapTable;

    class Reader;
    friend class Reader;

    const Driver& GetDriver(int d) const;
    const LapEntry& GetLap(int table, int d, int lap) const;
    const GPLRpySample* FindSample(int d, int frame) const;

    U32 m_version = 0;
    Game m_game = GPL;
    std::string m_trackName;
    std::string m_playerFirstName;
    std::string m_playerLastName;
    std::u16string m_wideName;
    std::array<S32, 3> m_header{};
    std::vector<S32> m_headerIntegers;
    std::vector<Driver> m_drivers;
    // Each driver's recorded samples in frame order; the frames between them are invalid.
    std::vector<std::vector<GPLRpySample>> m_samples;
    int m_playerDriver = 0;
    std::vector<LapTable> m_lapTables;
    U32 m_frameCount = 0;
};
} // namespace Velmo::Papy

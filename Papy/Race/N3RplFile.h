#pragma once
// The N3 replay (.rpl): a 16-byte header (block size 4061, frame data size, 0, driver count), a
// 4061-byte block (track name, then per driver a 48-byte name and a car number) and a run of
// frames. A frame lists its cars (11-byte records: driver index, longitude, latitude, angle),
// then four groups of records that are skipped, and ends with its own size. 15 frames a
// second; one lap table. Read only.
//
// Only the samples a frame records are stored; every other sample reads as invalid.
#include <string>
#include <vector>

#include "Papy/Race/LapBook.h"
#include "Papy/Race/RpyFile.h"
#include "Util/BinaryStream.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class N3RplFile : public RpyFile
{
public:
    struct LapEntry
    {
        S32 status; // 0, 1 or 2
        S32 end;    // the last frame of the lap
    };

    // Reads the whole stream from position 0; format errors raise XFileFormat.
    explicit N3RplFile(Util::BinaryStream& stream);

    std::string GetTrackName() const override { return m_trackName; }
    std::u16string GetWideName() const override { return std::u16string(); }
    // The name of driver 1 (empty when there is none).
    std::string GetPlayerName() const override;
    int GetPlayerIndex() const override { return 1; }

    int GetDriverCount() const override { return int(m_drivers.size()); }
    std::string GetDriverName(int d) const override;
    std::string GetCarNumber(int d) const override;

    int GetLapTableCount() const override { return 1; }
    int GetLapCount(int table, int d) const override;
    // Frames between the ends of the lap and of the one before, at 15 a second.
    double GetLapTime(int table, int d, int lap) const override;
    int GetLapStatus(int table, int d, int lap) const override;
    // The lap's frames as [first, end): the first lap from frame 0, any other from the frame
    // after the previous lap's last; end is one past the lap's own last frame.
    int GetLapFirstFrame(int table, int d, int lap) const override;
    int GetLapEndFrame(int table, int d, int lap) const override;

    int GetFrameCount() const override { return int(m_frameCount); }
    double GetFrameDuration() const override { return 1.0 / 15; }
    bool IsSampleValid(int d, int frame) const override;
    // (raw x 256) x 0.0000508 m.
    double GetSampleLongitude(int d, int frame) const override;
    double GetSampleLatitude(int d, int frame) const override;
    // 2 pi x raw / 4096.
    double GetSampleAngle(int d, int frame) const override;

    int GetHeaderValue2() const override { return 0; }
    int GetHeaderValue3() const override { return 0; }

    // The laps of driver d, entry 0 (the start) included.
    std::vector<LapEntry> GetLapEntries(int d) const;

    static constexpr U32 BlockSize = 4061;
    static constexpr U32 MaxDrivers = 79;

private:
    struct Sample
    {
        U32 frame;
        U32 longitude; // 24 bits
        S16 latitude;
        S16 angle;
    };

    struct Driver
    {
        std::string name;
        U8 carNumber = 0;
        // A lap's time is its last frame; a lap's entry is made by its first record.
        LapBook laps;
        std::vector<Sample> samples; // the recorded ones, in frame order
    };

    const Driver& GetDriver(int d) const;
    const LapBook::Lap& GetLap(int table, int d, int lap) const;
    const Sample* FindSample(int d, int frame) const;
    void ReadFrames(Util::RecordReader& data);

    std::string m_trackName;
    std::vector<Driver> m_drivers;
    U32 m_frameCount = 0;
};
} // namespace Velmo::Papy

#pragma once
// A replay of any game, read only: the track, the drivers, their lap tables and, frame by
// frame, where every car was. Drivers are numbered by their id in the file; every driver has
// one sample per frame, invalid where the car was not recorded. Lap g of a table is the
// table's entry g + 1 (entry 0 marks the start).
#include <algorithm>
#include <string>
#include <vector>

namespace Velmo::Papy
{
class RpyFile
{
public:
    virtual ~RpyFile() = default;

    virtual std::string GetTrackName() const = 0;
    // The description that some games store as UTF-16 text; empty when there is none.
    virtual std::u16string GetWideName() const = 0;
    virtual std::string GetPlayerName() const = 0;
    // The driver whose name GetPlayerName gives in formats that number the player (0 here).
    virtual int GetPlayerIndex() const;

    virtual int GetDriverCount() const = 0;
    virtual std::string GetDriverName(int d) const = 0;
    virtual std::string GetCarNumber(int d) const = 0;

    virtual int GetLapTableCount() const = 0;
    // Laps of driver d in a table, or -1 when the driver has no such table.
    virtual int GetLapCount(int table, int d) const = 0;
    // In seconds.
    virtual double GetLapTime(int table, int d, int lap) const = 0;
    // 2 for a lap driven whole, 1 for a lap the car was seen on, 0 otherwise.
    virtual int GetLapStatus(int table, int d, int lap) const = 0;
    // The frames of the lap: [first, end); first is -1 when the lap has none.
    virtual int GetLapFirstFrame(int table, int d, int lap) const = 0;
    virtual int GetLapEndFrame(int table, int d, int lap) const = 0;

    // Header values whose meaning is not known (none by default).
    virtual int GetHeaderIntegerCount() const;
    virtual int GetHeaderInteger(int i) const;

    virtual int GetFrameCount() const = 0;
    // The time between two frames, in seconds.
    virtual double GetFrameDuration() const = 0;
    // False for a frame where the car was not recorded and for frames beyond the replay.
    virtual bool IsSampleValid(int d, int frame) const = 0;
    // Metres along and across the track, and the heading in radians; 0 for invalid samples.
    virtual double GetSampleLongitude(int d, int frame) const = 0;
    virtual double GetSampleLatitude(int d, int frame) const = 0;
    virtual double GetSampleAngle(int d, int frame) const = 0;

    virtual int GetHeaderValue2() const = 0;
    virtual int GetHeaderValue3() const = 0;

protected:
    // The sample of a frame among samples kept in frame order (each with its U32 frame), or
    // null: the frames between them are invalid.
    template <class Sample>
    static const Sample* FindFrame(const std::vector<Sample>& samples, int frame)
    {
        if (frame < 0)
            return nullptr;
        auto found = std::lower_bound(samples.begin(), samples.end(), unsigned(frame),
                                      [](const Sample& sample, unsigned f) { return sample.frame < f; });
        return found != samples.end() && found->frame == unsigned(frame) ? &*found : nullptr;
    }
};
} // namespace Velmo::Papy

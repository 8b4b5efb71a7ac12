#pragma once
// The ICR2 racing-line file (also N2 and N3): a 4-byte record count and 12-byte records of two
// speeds and the latitude as integers. The last record repeats the first, so the line counts
// one record less than the file holds, and setting record 0 sets the last record too.
#include <string>
#include <vector>

#include "Papy/Track/LpFile.h"
#include "Papy/Track/TrkFile.h"

namespace Velmo::Papy
{
class ICR2LpFile : public LpFile
{
public:
    // Reads a whole file; format errors raise XFileFormat.
    explicit ICR2LpFile(Util::BinaryStream& stream);
    // A new line of zeroed records for the track; a spacing of 0 means 3.3292288 m.
    ICR2LpFile(const TrkFile& track, double spacing);

    static constexpr double StandardSpacing = 3.3292288;
    static constexpr double SpeedUnit = 0.000762;

    static int GetTypeCount();
    static std::string GetTypeName(int i);

    int GetRecordCount() const override { return int(m_records.size()) - 1; }
    double GetSpacing() const override { return m_spacing; }
    int GetRecordIndex(double longitude) const override;
    double GetLatitude(int i) const override { return Record(i).Latitude * TrkFile::LengthUnit; }
    double GetSpeed1(int i) const override { return Record(i).Speed1 * SpeedUnit; }
    double GetSpeed2(int i) const override { return Record(i).Speed2 * SpeedUnit; }
    void SetLatitude(int i, double value) override;
    void SetSpeed1(int i, double value) override;
    void SetSpeed2(int i, double value) override;
    void Save(Util::BinaryStream& stream) const override;

private:
    // The file's header: the count of the records it holds.
    struct Header
    {
        S32 Count = 0;

        template <class IO>
        void Fields(IO& io)
        {
            io(Count);
        }
    };

    struct RecordData
    {
        S32 Speed1 = 0;
        S32 Speed2 = 0;
        S32 Latitude = 0;

        template <class IO>
        void Fields(IO& io)
        {
            io(Speed1);
            io(Speed2);
            io(Latitude);
        }
    };

    const RecordData& Record(int i) const { return RecordAt(m_records, i); }
    // Sets one field of record i, and of the last record when i is 0.
    void SetField(int i, S32 RecordData::*field, S32 value);

    double m_spacing = StandardSpacing;
    std::vector<RecordData> m_records;
};
} // namespace Velmo::Papy

#pragma once
// The N4 racing-line file: an 8-byte header (version 0x00010003, record count) and 24-byte
// records: three speeds, the latitude and the record's path length as floats and a flags word.
#include <string>
#include <vector>

#include "Papy/Track/LpFile.h"

namespace Velmo::Papy
{
class N4LpFile : public LpFile
{
public:
    // Reads a whole file; format errors raise XFileFormat.
    explicit N4LpFile(Util::BinaryStream& stream);
    // A new line for a track of the given length: zeroed records of path length 3 m; a spacing
    // of 0 means 3 m.
    N4LpFile(double length, double spacing);

    static constexpr U32 Version = 0x00010003;

    static int GetTypeCount();
    static std::string GetTypeName(int i);

    int GetRecordCount() const override { return int(m_records.size()); }
    double GetSpacing() const override { return m_spacing; }
    bool HasPathLength() const override { return true; }
    bool HasSpeed3() const override { return true; }
    bool HasFlags() const override { return true; }
    int GetRecordIndex(double longitude) const override;
    double GetLatitude(int i) const override { return Record(i).Latitude; }
    double GetPathLength(int i) const override { return Record(i).PathLength; }
    double GetSpeed1(int i) const override { return Record(i).Speed1 * 36.0; }
    double GetSpeed2(int i) const override { return Record(i).Speed2 * 36.0; }
    double GetSpeed3(int i) const override { return Record(i).Speed3 * 36.0; }
    U32 GetFlags(int i) const override { return Record(i).Flags; }
    void SetLatitude(int i, double value) override { RecordRef(i).Latitude = ToSingle(value); }
    void SetPathLength(int i, double value) override { RecordRef(i).PathLength = ToSingle(value); }
    void SetSpeed1(int i, double value) override { RecordRef(i).Speed1 = ToSingle(value / 36.0); }
    void SetSpeed2(int i, double value) override { RecordRef(i).Speed2 = ToSingle(value / 36.0); }
    void SetSpeed3(int i, double value) override { RecordRef(i).Speed3 = ToSingle(value / 36.0); }
    void SetFlags(int i, U32 value) override { RecordRef(i).Flags = value; }
    void Save(Util::BinaryStream& stream) const override;

private:
    struct RecordData
    {
        F32 Speed1 = 0;
        F32 Speed2 = 0;
        F32 Latitude = 0;
        F32 Speed3 = 0;
        F32 PathLength = 0;
        U32 Flags = 0;
    };

    const RecordData& Record(int i) const;
    RecordData& RecordRef(int i) { return const_cast<RecordData&>(Record(i)); }

    double m_spacing = 3.0;
    std::vector<RecordData> m_records;
};
} // namespace Velmo::Papy

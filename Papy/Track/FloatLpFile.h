#pragma once
// The racing-line files of GPL and N4, one mechanism over each game's format: an 8-byte header
// (the game's version word, then the record count) and fixed records of floats and a flags
// word, 3 m apart unless a new line is given another spacing. Speeds are stored in units of 36
// of ours. The two games differ in their version word and in the path length that N4 records
// hold before the flags; the formats below say so, and nothing else does:
//
//          version      record    fields in file order
//   GPL    0x00010002   20 bytes  speed 1, speed 2, latitude, speed 3, flags
//   N4     0x00010003   24 bytes  speed 1, speed 2, latitude, speed 3, path length, flags
//
// GPL's class adds the flag bits and the scaled value in the top byte of the flags, and a
// record count that follows from the track.
#include <vector>

#include "Papy/Track/LpFile.h"

namespace Velmo::Papy
{
struct GPLLpFormat
{
    static constexpr U32 Version = 0x00010002;
    static constexpr const char* VersionError = "GPL Lp file version error";
    static constexpr bool PathLength = false;
};

struct N4LpFormat
{
    static constexpr U32 Version = 0x00010003;
    static constexpr const char* VersionError = "N4 Lp file version error";
    static constexpr bool PathLength = true;
};

// One record of a format, its fields in file order.
template <class Format>
struct FloatLpRecord
{
    F32 Speed1 = 0;
    F32 Speed2 = 0;
    F32 Latitude = 0;
    F32 Speed3 = 0;
    // Only in a format with path lengths.
    F32 PathLength = 0;
    U32 Flags = 0;

    template <class IO>
    void Fields(IO& io)
    {
        io(Speed1);
        io(Speed2);
        io(Latitude);
        io(Speed3);
        if constexpr (Format::PathLength)
            io(PathLength);
        io(Flags);
    }
};

template <class Format>
class FloatLpFile : public LpFile
{
public:
    static constexpr U32 Version = Format::Version;

    int GetRecordCount() const override { return int(m_records.size()); }
    double GetSpacing() const override { return m_spacing; }
    bool HasPathLength() const override { return Format::PathLength; }
    bool HasSpeed3() const override { return true; }
    bool HasFlags() const override { return true; }
    int GetRecordIndex(double longitude) const override { return FindRecord(longitude, int(m_records.size())); }
    double GetLatitude(int i) const override { return At(i).Latitude; }
    double GetPathLength(int i) const override
    {
        if constexpr (Format::PathLength)
            return At(i).PathLength;
        return LpFile::GetPathLength(i);
    }
    double GetSpeed1(int i) const override { return At(i).Speed1 * 36.0; }
    double GetSpeed2(int i) const override { return At(i).Speed2 * 36.0; }
    double GetSpeed3(int i) const override { return At(i).Speed3 * 36.0; }
    U32 GetFlags(int i) const override { return At(i).Flags; }
    void SetLatitude(int i, double value) override { AtRef(i).Latitude = ToSingle(value); }
    void SetPathLength(int i, double value) override
    {
        if constexpr (Format::PathLength)
            AtRef(i).PathLength = ToSingle(value);
        else
            LpFile::SetPathLength(i, value);
    }
    void SetSpeed1(int i, double value) override { AtRef(i).Speed1 = ToSingle(value / 36.0); }
    void SetSpeed2(int i, double value) override { AtRef(i).Speed2 = ToSingle(value / 36.0); }
    void SetSpeed3(int i, double value) override { AtRef(i).Speed3 = ToSingle(value / 36.0); }
    void SetFlags(int i, U32 value) override { AtRef(i).Flags = value; }
    void Save(Util::BinaryStream& stream) const override { SaveLine<Header>(stream, m_records); }

protected:
    typedef FloatLpRecord<Format> Record;

    // The version word, which a file must have, and the record count.
    struct Header
    {
        S32 Count = 0;

        template <class IO>
        void Fields(IO& io)
        {
            io.Expect(Format::Version, Format::VersionError);
            io(Count);
        }
    };

    FloatLpFile() = default;
    // Reads the whole file (see ReadLine).
    template <class CheckCount>
    void Read(Util::BinaryStream& stream, CheckCount checkCount)
    {
        ReadLine<Header>(stream, m_records, checkCount);
    }

    const Record& At(int i) const { return RecordAt(m_records, i); }
    Record& AtRef(int i) { return const_cast<Record&>(RecordAt(m_records, i)); }

    double m_spacing = 3.0;
    std::vector<Record> m_records;
};
} // namespace Velmo::Papy

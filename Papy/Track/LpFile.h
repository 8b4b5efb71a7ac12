#pragma once
// A racing-line file (.lp): one line that the computer drivers follow around a track, as
// records at a fixed spacing along it. Record i lies at longitude (i + 1) x spacing. Values
// cross the interface in metres (latitude, path length), speed units and plain integers
// (flags). The capability flags tell the views which fields a game's records have.
#include <span>
#include <string>
#include <vector>

#include "Util/BinaryStream.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class LpFile
{
public:
    virtual ~LpFile() = default;

    virtual int GetRecordCount() const = 0;
    virtual double GetSpacing() const = 0;
    virtual bool HasPathLength() const { return false; }
    virtual bool HasSpeed3() const { return false; }
    virtual bool HasExtraFlags() const { return false; }
    virtual bool HasScaledValue() const { return false; }
    virtual bool HasFlags() const { return false; }
    virtual bool HasExtraValue() const { return false; }
    virtual bool HasFlagBit0() const { return false; }
    virtual bool HasFlagBit1() const { return false; }
    virtual bool HasFlagBit2() const { return false; }
    virtual bool HasFlagBit3() const { return false; }
    virtual bool HasFlagBit4() const { return false; }
    virtual bool HasFlagBit5() const { return false; }
    virtual bool HasFlagBit6() const { return false; }
    virtual bool HasFlagBit8() const { return false; }
    virtual bool HasFlagBit9() const { return false; }
    virtual bool HasFlagBit10() const { return false; }
    virtual int GetExtraCount1() const { return 0; }
    virtual int GetExtraCount2() const { return 0; }
    // The record just before a longitude, which must lie between the first and the last
    // record's longitudes.
    virtual int GetRecordIndex(double longitude) const;
    virtual double GetRecordLongitude(int i) const;
    virtual double GetLatitude(int i) const;
    virtual double GetPathLength(int i) const;
    virtual double GetSpeed1(int i) const;
    virtual double GetSpeed2(int i) const;
    virtual double GetSpeed3(int i) const;
    virtual double GetScaledValue(int i) const;
    virtual U32 GetFlags(int i) const;
    virtual bool GetExtraFlag1(int i) const;
    virtual bool GetExtraFlag2(int i) const;
    virtual int GetExtraValue(int i) const;
    virtual bool GetFlagBit0(int i) const;
    virtual bool GetFlagBit1(int i) const;
    virtual bool GetFlagBit2(int i) const;
    virtual bool GetFlagBit3(int i) const;
    virtual bool GetFlagBit4(int i) const;
    virtual bool GetFlagBit5(int i) const;
    virtual bool GetFlagBit6(int i) const;
    virtual bool GetFlagBit8(int i) const;
    virtual bool GetFlagBit9(int i) const;
    virtual bool GetFlagBit10(int i) const;
    virtual bool GetFlagBit12(int i) const;
    virtual bool GetFlagBit13(int i) const;
    virtual bool GetFlagBit14(int i) const;
    virtual bool GetFlagBit15(int i) const;
    virtual bool GetFlagBit16(int i) const;
    virtual int GetExtraValue2(int i) const;
    virtual int GetExtraValue3(int i) const;
    virtual void SetLatitude(int i, double value);
    virtual void SetPathLength(int i, double value);
    virtual void SetSpeed1(int i, double value);
    virtual void SetSpeed2(int i, double value);
    virtual void SetSpeed3(int i, double value);
    virtual void SetScaledValue(int i, double value);
    virtual void SetFlags(int i, U32 value);
    virtual void SetExtraFlags(int i, bool flag1, bool flag2);
    virtual void SetExtraValue(int i, int value);
    virtual void SetFlagBit0(int i, bool value);
    virtual void SetFlagBit1(int i, bool value);
    virtual void SetFlagBit2(int i, bool value);
    virtual void SetFlagBit3(int i, bool value);
    virtual void SetFlagBit4(int i, bool value);
    virtual void SetFlagBit5(int i, bool value);
    virtual void SetFlagBit6(int i, bool value);
    virtual void SetFlagBit8(int i, bool value);
    virtual void SetFlagBit9(int i, bool value);
    virtual void SetFlagBit10(int i, bool value);
    virtual void SetFlagBit12(int i, bool value);
    virtual void SetFlagBit13(int i, bool value);
    virtual void SetFlagBit14(int i, bool value);
    virtual void SetFlagBit15(int i, bool value);
    virtual void SetFlagBit16(int i, bool value);
    // Writes the whole file at position 0 of the stream.
    virtual void Save(Util::BinaryStream& stream) const = 0;

protected:
    // The look-up of GetRecordIndex over storedCount records as the file holds them.
    int FindRecord(double longitude, int storedCount) const;
    // A value as a single-precision field: beyond its range it is held at the largest value.
    static F32 ToSingle(double value);
    // The record count of a new line: value truncated, plus one; a count no file could hold
    // raises XUsage.
    static int NewRecordCount(double value);
    // Name i of a game's line types; i beyond them fails the assertion "i < GetTypeCount()".
    static std::string TypeName(std::span<const char* const> names, int i);

    // The records of a line file follow its header; both are field lists (Util/RecordFields.h),
    // each read and written by the same description. The header holds the record Count.

    // Record i; i beyond the records fails an assertion.
    template <class Record>
    static const Record& RecordAt(const std::vector<Record>& records, int i)
    {
        VELMO_ASSERT_TEXT(i >= 0 && i < int(records.size()), "i >= 0 && i < int(m_records.size())");
        return records[std::size_t(i)];
    }
    // Reads the whole file. checkCount(count) throws the game's error for a count it refuses
    // (every game refuses negative counts); a count the bytes left cannot hold then fails as a
    // short read, before anything is allocated.
    template <class Header, class Record, class CheckCount>
    static void ReadLine(Util::BinaryStream& stream, std::vector<Record>& records, CheckCount checkCount)
    {
        stream.Seek(0);
        Util::RecordReader reader(stream);
        Header header;
        Util::ReadFields(reader, header);
        checkCount(header.Count);
        reader.CheckCount(U64(header.Count), Util::FieldsSize(Record()));
        records.resize(std::size_t(header.Count));
        for (Record& record : records)
            Util::ReadFields(reader, record);
    }
    // Writes the whole file at position 0 of the stream.
    template <class Header, class Record>
    static void SaveLine(Util::BinaryStream& stream, const std::vector<Record>& records)
    {
        Header header;
        header.Count = S32(records.size());
        Util::ByteWriter out(Util::FieldsSize(header) + records.size() * Util::FieldsSize(Record()));
        Util::PutFields(out, header);
        for (const Record& record : records)
            Util::PutFields(out, record);
        stream.Seek(0);
        out.WriteTo(stream);
    }
};
} // namespace Velmo::Papy

#pragma once
// What the GPL and ICR2 track files keep alike (see TrkFormat.h): the total length, the
// laterals, the 32-byte trace records (one per section and lateral, section-major) and the
// section records, with their accessors and setters, and the reading and writing of the
// header and the section records in either format.
#include <array>
#include <string>
#include <vector>

#include "Papy/Track/TrkFile.h"
#include "Papy/Track/TrkFormat.h"
#include "Util/ByteWriter.h"
#include "Util/Exception.h"
#include "Util/RecordFields.h"
#include "Util/RecordReader.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class TraceTrkFile : public TrkFile
{
public:
    int GetLength() const override { return m_length; }
    int GetLateralCount() const override { return int(m_laterals.size()); }
    int GetLateral(int l) const override;
    void SetLateral(int l, int value) override;
    int GetSectionCount() const override { return int(m_sections.size()); }
    bool IsCorner(int s) const override { return Section(s).Type == 2; }
    int GetSectionStart(int s) const override { return Section(s).Start; }
    int GetSectionLength(int s) const override { return Section(s).Length; }
    int GetSectionHeading(int s) const override { return Section(s).Heading; }
    int GetCentreX(int s) const override { return Section(s).Values[0]; }
    int GetCentreY(int s) const override { return Section(s).Values[1]; }
    int GetHalfTurn(int s) const override { return Section(s).Values[2]; }
    int GetDirectionX(int s) const override { return Section(s).Values[0]; }
    int GetDirectionY(int s) const override { return Section(s).Values[1]; }
    int GetSectionValue5(int s) const override { return Section(s).Values[4]; }
    int GetSidewaysX(int s) const override { return Section(s).Values[2]; }
    int GetSidewaysY(int s) const override { return Section(s).Values[3]; }
    int GetSectionValue6(int) const override { return 0; }
    int GetSectionValue7(int) const override { return 0; }
    int GetAltitudeConstant(int s, int l) const override { return Trace(s, l)[Constant]; }
    int GetAltitudeLinear(int s, int l) const override { return Trace(s, l)[Linear]; }
    int GetAltitudeSquare(int s, int l) const override { return Trace(s, l)[Square]; }
    int GetAltitudeCube(int s, int l) const override { return Trace(s, l)[Cube]; }
    int GetLinearGrade(int s, int l) const override { return Trace(s, l)[LinearGrade]; }
    int GetSquareGrade(int s, int l) const override { return Trace(s, l)[SquareGrade]; }
    int GetTraceX(int s, int l) const override { return Trace(s, l)[R]; }
    int GetTraceY(int s, int l) const override { return Trace(s, l)[Y]; }
    int GetTraceRadius(int s, int l) const override { return Trace(s, l)[R]; }
    int GetTraceValue3(int, int) const override { return 0; }
    int GetTraceValue4(int, int) const override { return 0; }
    void SetAltitudeConstant(int s, int l, int value) override { TraceRef(s, l)[Constant] = value; }
    void SetAltitudeLinear(int s, int l, int value) override { TraceRef(s, l)[Linear] = value; }
    // Square and cube keep their grades: linear grade = 2 x square, square grade = 3 x cube.
    void SetAltitudeSquare(int s, int l, int value) override;
    void SetAltitudeCube(int s, int l, int value) override;

protected:
    // Field positions of a trace record (8 words, in file order).
    enum TraceField
    {
        Cube,
        Square,
        Linear,
        Constant,
        SquareGrade,
        LinearGrade,
        R,
        Y,
        TraceFields
    };
    typedef std::array<S32, TraceFields> TraceRecord;
    static constexpr U64 TraceSize = 4 * TraceFields;
    static constexpr U64 SectionSize = 52;

    const TrkSection& Section(int s) const
    {
        VELMO_ASSERT(s >= 0 && s < int(m_sections.size()));
        return m_sections[std::size_t(s)];
    }
    // The record of section s and lateral l, at s x lateral count + l (the loaders check every
    // section's first trace index against that).
    const TraceRecord& Trace(int s, int l) const;
    TraceRecord& TraceRef(int s, int l) { return const_cast<TraceRecord&>(Trace(s, l)); }

    // Reads a format's header at the reader's position (a short read unless it is whole, then
    // the id and version checks in that order) and takes the length and the laterals from it;
    // a lateral count of none or beyond the slots raises the format's error.
    template <class Format>
    TrkHeader<Format> ReadHeader(Util::RecordReader& reader, const std::string& name)
    {
        Util::RecordReader bytes = reader.Slice(Format::HeaderSize);
        TrkHeader<Format> header;
        Util::ReadFields(bytes, header);
        m_length = header.Length;
        if (header.LateralCount < 1 || header.LateralCount > Format::MaxLaterals)
            throw Util::XFileFormat(name, Format::LateralCountError);
        m_laterals.assign(header.Laterals.begin(), header.Laterals.begin() + header.LateralCount);
        return header;
    }
    // The header of this file, but for the sizes of the boundaries and the section data.
    template <class Format>
    TrkHeader<Format> MakeHeader() const
    {
        TrkHeader<Format> header;
        header.Length = m_length;
        header.LateralCount = S32(m_laterals.size());
        header.SectionCount = S32(m_sections.size());
        for (std::size_t l = 0; l < header.Laterals.size() && l < m_laterals.size(); ++l)
            header.Laterals[l] = m_laterals[l];
        return header;
    }
    // The count trace records at the reader's position (a short read when they do not fit).
    void ReadTraces(Util::RecordReader& reader, std::size_t count);
    void PutTraces(Util::ByteWriter& out) const;
    template <class Format>
    static void ReadSection(Util::RecordReader& reader, TrkSection& section)
    {
        TrkSectionRecord<Format> record;
        Util::ReadFields(reader, record);
        section = record.Section;
    }
    template <class Format>
    static void PutSection(Util::ByteWriter& out, const TrkSection& section)
    {
        Util::PutFields(out, TrkSectionRecord<Format>{section});
    }

    S32 m_length = 0;
    std::vector<S32> m_laterals;
    std::vector<TraceRecord> m_traces;
    std::vector<TrkSection> m_sections;
};
} // namespace Velmo::Papy

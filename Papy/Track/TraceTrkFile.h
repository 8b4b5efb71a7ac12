#pragma once
// What the GPL and ICR2 track files keep alike: the total length, the laterals and the 32-byte
// trace records (one per section and lateral, section-major), with their accessors and setters.
#include <array>
#include <vector>

#include "Papy/Track/TrkFile.h"
#include "Util/ByteWriter.h"
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

    // The record of section s and lateral l, at s x lateral count + l (the loaders check every
    // section's first trace index against that).
    const TraceRecord& Trace(int s, int l) const;
    TraceRecord& TraceRef(int s, int l) { return const_cast<TraceRecord&>(Trace(s, l)); }
    // The header's lateral slots: the laterals, then 0 up to the slot count.
    template <std::size_t Slots>
    std::array<S32, Slots> LateralSlots() const
    {
        std::array<S32, Slots> slots{};
        for (std::size_t l = 0; l < Slots && l < m_laterals.size(); ++l)
            slots[l] = m_laterals[l];
        return slots;
    }
    // The count trace records at the reader's position (a short read when they do not fit).
    void ReadTraces(Util::RecordReader& reader, std::size_t count);
    void PutTraces(Util::ByteWriter& out) const;

    S32 m_length = 0;
    std::vector<S32> m_laterals;
    std::vector<TraceRecord> m_traces;
};
} // namespace Velmo::Papy

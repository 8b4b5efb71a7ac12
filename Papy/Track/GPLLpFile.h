#pragma once
// The GPL racing-line file (see FloatLpFile.h for its header and 20-byte records): its flags word
// holds flag bits and, in its top byte, a scaled value. Records lie 3 m apart; their count
// follows from the track's 2D length.
#include <string>

#include "Papy/Track/FloatLpFile.h"
#include "Papy/Track/TrkFile.h"

namespace Velmo::Papy
{
class GPLLpFile : public FloatLpFile<GPLLpFormat>
{
public:
    // Reads a line of the given track; format errors raise XFileFormat.
    GPLLpFile(Util::BinaryStream& stream, const TrkFile& track);
    // A new line of zeroed records for the track; a spacing of 0 means 3 m.
    GPLLpFile(const TrkFile& track, double spacing);

    // The number of records a line of the track needs at the standard spacing.
    static int GetRecordCountFor(const TrkFile& track);
    // The line types of a GPL track, in order; i beyond them fails an assertion.
    static int GetTypeCount();
    static std::string GetTypeName(int i);

    bool HasScaledValue() const override { return true; }
    bool HasFlagBit0() const override { return true; }
    bool HasFlagBit1() const override { return true; }
    bool HasFlagBit2() const override { return true; }
    bool HasFlagBit3() const override { return true; }
    bool HasFlagBit4() const override { return true; }
    bool HasFlagBit5() const override { return true; }
    bool HasFlagBit6() const override { return true; }
    bool HasFlagBit8() const override { return true; }
    bool HasFlagBit9() const override { return true; }
    bool HasFlagBit10() const override { return true; }
    double GetScaledValue(int i) const override { return (At(i).Flags >> 24) * 0.005; }
    bool GetFlagBit0(int i) const override { return GetBit(i, 0); }
    bool GetFlagBit1(int i) const override { return GetBit(i, 1); }
    bool GetFlagBit2(int i) const override { return GetBit(i, 2); }
    bool GetFlagBit3(int i) const override { return GetBit(i, 3); }
    bool GetFlagBit4(int i) const override { return GetBit(i, 4); }
    bool GetFlagBit5(int i) const override { return GetBit(i, 5); }
    bool GetFlagBit6(int i) const override { return GetBit(i, 6); }
    bool GetFlagBit8(int i) const override { return GetBit(i, 8); }
    bool GetFlagBit9(int i) const override { return GetBit(i, 9); }
    bool GetFlagBit10(int i) const override { return GetBit(i, 10); }
    bool GetFlagBit12(int i) const override { return GetBit(i, 12); }
    bool GetFlagBit13(int i) const override { return GetBit(i, 13); }
    bool GetFlagBit14(int i) const override { return GetBit(i, 14); }
    bool GetFlagBit15(int i) const override { return GetBit(i, 15); }
    bool GetFlagBit16(int i) const override { return GetBit(i, 16); }
    void SetScaledValue(int i, double value) override;
    void SetFlagBit0(int i, bool value) override { SetBit(i, 0, value); }
    void SetFlagBit1(int i, bool value) override { SetBit(i, 1, value); }
    void SetFlagBit2(int i, bool value) override { SetBit(i, 2, value); }
    void SetFlagBit3(int i, bool value) override { SetBit(i, 3, value); }
    void SetFlagBit4(int i, bool value) override { SetBit(i, 4, value); }
    void SetFlagBit5(int i, bool value) override { SetBit(i, 5, value); }
    void SetFlagBit6(int i, bool value) override { SetBit(i, 6, value); }
    void SetFlagBit8(int i, bool value) override { SetBit(i, 8, value); }
    void SetFlagBit9(int i, bool value) override { SetBit(i, 9, value); }
    void SetFlagBit10(int i, bool value) override { SetBit(i, 10, value); }
    void SetFlagBit12(int i, bool value) override { SetBit(i, 12, value); }
    void SetFlagBit13(int i, bool value) override { SetBit(i, 13, value); }
    void SetFlagBit14(int i, bool value) override { SetBit(i, 14, value); }
    void SetFlagBit15(int i, bool value) override { SetBit(i, 15, value); }
    void SetFlagBit16(int i, bool value) override { SetBit(i, 16, value); }

private:
    bool GetBit(int i, int bit) const { return (At(i).Flags >> bit & 1) != 0; }
    void SetBit(int i, int bit, bool value);
};
} // namespace Velmo::Papy

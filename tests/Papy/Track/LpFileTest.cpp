#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Papy/Track/GPLLpFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2LpFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Papy/Track/N4LpFile.h"
#include "TrackSamples.h"
#include "Util/Exception.h"
#include "tests/Support/ByteBuilder.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;
using Util::CountedPointer;

namespace
{
template <class Line, class... Args>
Line LoadLine(const Bytes& bytes, Args&&... args)
{
    Util::MemoryStream stream(bytes, "line.lp");
    return Line(stream, args...);
}

template <class Line>
Bytes SaveLine(const Line& line)
{
    Util::MemoryStream stream("saved.lp");
    line.Save(stream);
    return stream.GetBytes();
}

std::string AssertionOf(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const Util::XAssertion& e)
    {
        return e.GetExpression();
    }
    return "";
}
} // namespace

TEST(GPLLpFile, TheRecordCountFollowsTheTracksLengthInSinglePrecision)
{
    auto track = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-1668.trk"));
    EXPECT_EQ(track->GetLength2D(), 4999.5f);
    Bytes bytes = ReadTrackSample("gpl-1668.lp");
    GPLLpFile line = LoadLine<GPLLpFile>(bytes, *track);
    EXPECT_EQ(line.GetRecordCount(), 1668);
    EXPECT_EQ(GPLLpFile(*track, 0).GetRecordCount(), 1668);
    EXPECT_EQ(SaveLine(line), bytes);
    // Other spacings round half up.
    EXPECT_EQ(GPLLpFile(*track, 2.0).GetRecordCount(), int(4999.5 / 2.0 + 0.5) + 1);
    EXPECT_EQ(GPLLpFile(*track, 2.0).GetSpacing(), 2.0);
    EXPECT_THROW(GPLLpFile(*track, -1.0), Util::XUsage);
}

TEST(GPLLpFile, RecordFieldsAndSetters)
{
    auto track = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-corners.trk"));
    GPLLpFile line = LoadLine<GPLLpFile>(ReadTrackSample("gpl-corners.lp"), *track);
    // The generator's record 5: speeds 6.5, 2.25 and 3 (x 36), latitude 1.5, flags 185 << 24 | 0x5F7F & 0x1F77F.
    EXPECT_EQ(line.GetSpeed1(5), 6.5 * 36);
    EXPECT_EQ(line.GetSpeed2(5), 2.25 * 36);
    EXPECT_EQ(line.GetSpeed3(5), 3.0 * 36);
    EXPECT_EQ(line.GetLatitude(5), 1.5);
    EXPECT_EQ(line.GetFlags(5), U32(185) << 24 | (5 * 0x1357 & 0x1F77F));
    EXPECT_DOUBLE_EQ(line.GetScaledValue(5), 185 * 0.005);
    EXPECT_EQ(line.GetPathLength(5), 3.0);

    line.SetFlags(5, 0);
    const int bits[] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16};
    typedef void (GPLLpFile::*Setter)(int, bool);
    typedef bool (GPLLpFile::*Getter)(int) const;
    const std::vector<Setter> setters = {
        &GPLLpFile::SetFlagBit0,  &GPLLpFile::SetFlagBit1,  &GPLLpFile::SetFlagBit2,  &GPLLpFile::SetFlagBit3,
        &GPLLpFile::SetFlagBit4,  &GPLLpFile::SetFlagBit5,  &GPLLpFile::SetFlagBit6,  &GPLLpFile::SetFlagBit8,
        &GPLLpFile::SetFlagBit9,  &GPLLpFile::SetFlagBit10, &GPLLpFile::SetFlagBit12, &GPLLpFile::SetFlagBit13,
        &GPLLpFile::SetFlagBit14, &GPLLpFile::SetFlagBit15, &GPLLpFile::SetFlagBit16};
    const std::vector<Getter> getters = {
        &GPLLpFile::GetFlagBit0,  &GPLLpFile::GetFlagBit1,  &GPLLpFile::GetFlagBit2,  &GPLLpFile::GetFlagBit3,
        &GPLLpFile::GetFlagBit4,  &GPLLpFile::GetFlagBit5,  &GPLLpFile::GetFlagBit6,  &GPLLpFile::GetFlagBit8,
        &GPLLpFile::GetFlagBit9,  &GPLLpFile::GetFlagBit10, &GPLLpFile::GetFlagBit12, &GPLLpFile::GetFlagBit13,
        &GPLLpFile::GetFlagBit14, &GPLLpFile::GetFlagBit15, &GPLLpFile::GetFlagBit16};
    for (int k = 0; k < 15; ++k)
    {
        (line.*setters[k])(5, true);
        EXPECT_EQ(line.GetFlags(5), U32(1) << bits[k]) << k;
        EXPECT_TRUE((line.*getters[k])(5));
        (line.*setters[k])(5, false);
        EXPECT_EQ(line.GetFlags(5), 0u);
    }

    // Scaled value: ceil(value / 0.005) into the top byte, held within 0 to 255; the rest kept.
    line.SetFlags(5, 0x00ABCDEF);
    const struct
    {
        double value;
        U32 byte;
    } scaled[] = {{0.0, 0}, {0.0051, 2}, {0.5, 100}, {1.275, 255}, {9.0, 255}, {-1.0, 0}, {NAN, 0}};
    for (const auto& c : scaled)
    {
        line.SetScaledValue(5, c.value);
        EXPECT_EQ(line.GetFlags(5), c.byte << 24 | 0x00ABCDEF) << c.value;
    }
    line.SetSpeed1(5, 90.0);
    EXPECT_EQ(line.GetSpeed1(5), 90.0);
    line.SetLatitude(5, -2.5);
    EXPECT_EQ(line.GetLatitude(5), -2.5);
}

TEST(GPLLpFile, RecordLookUp)
{
    auto track = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-minimal.trk"));
    GPLLpFile line(*track, 0);
    int last = line.GetRecordCount() - 1;
    EXPECT_EQ(line.GetRecordLongitude(0), 3.0);
    EXPECT_EQ(line.GetRecordIndex(3.0), 0);
    EXPECT_EQ(line.GetRecordIndex(7.5), 1);
    EXPECT_EQ(line.GetRecordIndex(line.GetRecordLongitude(last)), last);
    EXPECT_EQ(AssertionOf([&] { line.GetRecordIndex(2.9); }), "longitude >= GetRecordLongitude(0)");
    EXPECT_EQ(AssertionOf([&] { line.GetRecordIndex(line.GetRecordLongitude(last) + 0.1); }),
              "longitude <= GetRecordLongitude(GetRecordCount() - 1)");
    EXPECT_EQ(AssertionOf([&] { line.GetLatitude(last + 1); }), "i >= 0 && i < int(m_records.size())");
}

TEST(GPLLpFile, CapabilitiesAndTypeNames)
{
    auto track = LoadTrk<GPLTrkFile>(ReadTrackSample("gpl-minimal.trk"));
    GPLLpFile gpl(*track, 0);
    ICR2LpFile icr2(*track, 0);
    N4LpFile n4(100, 0);
    const LpFile* lines[] = {&gpl, &icr2, &n4};
    // Per game: path length, speed 3, extra flags, scaled value, flags word, extra value, ten flag bits.
    const char* expected[] = {"0101101111111111", "0000000000000000", "1100100000000000"};
    for (int g = 0; g < 3; ++g)
    {
        const LpFile& l = *lines[g];
        bool flags[] = {l.HasPathLength(), l.HasSpeed3(),   l.HasExtraFlags(), l.HasScaledValue(), l.HasFlags(),
                        l.HasExtraValue(), l.HasFlagBit0(), l.HasFlagBit1(),   l.HasFlagBit2(),    l.HasFlagBit3(),
                        l.HasFlagBit4(),   l.HasFlagBit5(), l.HasFlagBit6(),   l.HasFlagBit8(),    l.HasFlagBit9(),
                        l.HasFlagBit10()};
        std::string text;
        for (bool f : flags)
            text += f ? '1' : '0';
        EXPECT_EQ(text, expected[g]) << g;
        EXPECT_EQ(l.GetExtraCount1() + l.GetExtraCount2(), 0);
    }
    // Defaults: fields a game does not have.
    EXPECT_EQ(icr2.GetScaledValue(0), 1.0);
    EXPECT_EQ(icr2.GetPathLength(0), ICR2LpFile::StandardSpacing);
    EXPECT_FALSE(n4.GetFlagBit3(0));
    EXPECT_FALSE(gpl.GetExtraFlag1(0));
    EXPECT_EQ(AssertionOf([&] { icr2.GetSpeed3(0); }), "false");
    EXPECT_EQ(AssertionOf([&] { n4.SetScaledValue(0, 1); }), "false");
    EXPECT_NO_THROW(gpl.SetPathLength(0, 5));

    EXPECT_EQ(GPLLpFile::GetTypeCount(), 6);
    EXPECT_EQ(GPLLpFile::GetTypeName(5), "pit");
    EXPECT_EQ(ICR2LpFile::GetTypeCount(), 10);
    EXPECT_EQ(ICR2LpFile::GetTypeName(9), "spot1");
    EXPECT_EQ(N4LpFile::GetTypeCount(), 13);
    EXPECT_EQ(N4LpFile::GetTypeName(0), "raceline");
    EXPECT_EQ(N4LpFile::GetTypeName(12), "limp");
    EXPECT_EQ(AssertionOf([] { GPLLpFile::GetTypeName(6); }), "i < GetTypeCount()");
    EXPECT_EQ(AssertionOf([] { N4LpFile::GetTypeName(13); }), "i < GetTypeCount()");
}

TEST(ICR2LpFile, CountsOneRecordLessThanItWrites)
{
    Bytes bytes = ReadTrackSample("icr2.lp");
    ICR2LpFile line = LoadLine<ICR2LpFile>(bytes);
    EXPECT_EQ(line.GetRecordCount(), 39);
    EXPECT_EQ(SaveLine(line), bytes);
    EXPECT_EQ(line.GetSpacing(), 3.3292288);
    EXPECT_DOUBLE_EQ(line.GetSpeed1(3), 100003 * 0.000762);
    EXPECT_DOUBLE_EQ(line.GetLatitude(3), -1000 * 0.0000508);
    EXPECT_EQ(line.GetRecordIndex(line.GetRecordLongitude(38)), 38);
    EXPECT_EQ(AssertionOf([&] { line.GetRecordIndex(line.GetRecordLongitude(39)); }),
              "longitude <= GetRecordLongitude(GetRecordCount() - 1)");
    ByteBuilder one;
    one.S32(1).S32(5).S32(6).S32(7);
    EXPECT_EQ(LoadLine<ICR2LpFile>(one.Get()).GetRecordCount(), 0);
    ByteBuilder shortFile;
    shortFile.S32(3).S32(5).S32(6).S32(7);
    EXPECT_THROW(LoadLine<ICR2LpFile>(shortFile.Get()), Util::XFileRead);
}

TEST(ICR2LpFile, SettersRoundAndMirrorRecordZero)
{
    ICR2LpFile line = LoadLine<ICR2LpFile>(ReadTrackSample("icr2.lp"));
    const double unit = ICR2LpFile::SpeedUnit;
    // Speed 1 adds a half and truncates; speed 2 rounds half away from zero; latitude truncates.
    const struct
    {
        double units;
        S32 speed1, speed2;
    } speeds[] = {{10.5, 11, 11}, {10.4, 10, 10}, {-10.5, -10, -11}, {-10.6, -10, -11}};
    for (const auto& c : speeds)
    {
        line.SetSpeed1(4, c.units * unit);
        line.SetSpeed2(4, c.units * unit);
        EXPECT_DOUBLE_EQ(line.GetSpeed1(4), c.speed1 * unit) << c.units;
        EXPECT_DOUBLE_EQ(line.GetSpeed2(4), c.speed2 * unit) << c.units;
    }
    line.SetLatitude(4, -7.9 * 0.0000508);
    EXPECT_DOUBLE_EQ(line.GetLatitude(4), -7 * 0.0000508);

    line.SetLatitude(0, 1.0);
    line.SetSpeed1(0, 50.0);
    line.SetSpeed2(0, 60.0);
    int last = line.GetRecordCount();
    EXPECT_EQ(line.GetLatitude(last), line.GetLatitude(0));
    EXPECT_EQ(line.GetSpeed1(last), line.GetSpeed1(0));
    EXPECT_EQ(line.GetSpeed2(last), line.GetSpeed2(0));
    line.SetLatitude(1, 2.0);
    EXPECT_EQ(line.GetLatitude(last), line.GetLatitude(0));
}

TEST(ICR2LpFile, NewLineFromATrack)
{
    auto track = LoadTrk<ICR2TrkFile>(ReadTrackSample("icr2-corners.trk"));
    double length = track->GetLength() * TrkFile::LengthUnit;
    ICR2LpFile line(*track, 0);
    EXPECT_EQ(line.GetRecordCount() + 1, int(std::ceil(length / 3.3292288) + 0.5) + 1);
    EXPECT_EQ(ICR2LpFile(*track, 5.0).GetRecordCount() + 1, int(std::ceil(length / 5.0) + 0.5) + 1);
}

TEST(N4LpFile, LoadsSavesAndMakesNewLines)
{
    Bytes bytes = ReadTrackSample("n4.lp");
    N4LpFile line = LoadLine<N4LpFile>(bytes);
    EXPECT_EQ(line.GetRecordCount(), 30);
    EXPECT_EQ(SaveLine(line), bytes);
    EXPECT_EQ(line.GetSpeed3(2), 3.5 * 36);
    EXPECT_EQ(line.GetPathLength(2), 3.0);
    EXPECT_EQ(line.GetFlags(7), 21u);
    line.SetSpeed2(2, 72);
    EXPECT_EQ(line.GetSpeed2(2), 72);
    line.SetPathLength(2, 2.5);
    EXPECT_EQ(line.GetPathLength(2), 2.5);

    N4LpFile fresh(100.0, 0);
    EXPECT_EQ(fresh.GetRecordCount(), int(100.0 / 3.0) + 1);
    EXPECT_EQ(fresh.GetPathLength(10), 3.0);
    EXPECT_EQ(fresh.GetSpeed1(10), 0);
    EXPECT_EQ(N4LpFile(100.0, 4.0).GetRecordCount(), 26);
    ByteBuilder shortFile;
    shortFile.U32(N4LpFile::Version).S32(0x10000000);
    EXPECT_THROW(LoadLine<N4LpFile>(shortFile.Get()), Util::XFileRead);
}

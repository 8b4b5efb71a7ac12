// The assertions that users know by their text (message boxes show it): each names the same
// source unit and line wherever the code that raises it sits. Every such text of the track,
// camera, layout, container and factory families is listed once here, with a way to reach it.
// (The factory program links every family.)
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FacetSetsTestSupport.h"
#include "Papy/Container/N4DatFile.h"
#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Model/Options.h"
#include "Papy/Race/Camera.h"
#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/GPLLytFile.h"
#include "Papy/Track/GPLTrkFile.h"
#include "Papy/Track/ICR2TrkFile.h"
#include "Support/TempFolder.h"
#include "Util/Clipboard.h"
#include "Util/MemoryStream.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace FacetSetsTest;
using Util::CountedPointer;

namespace
{
typedef std::vector<U8> Data;

Data Sample(const std::string& text)
{
    return Data(text.begin(), text.end());
}

S32 Word(const Data& bytes, std::size_t at)
{
    return S32(U32(bytes[at]) | U32(bytes[at + 1]) << 8 | U32(bytes[at + 2]) << 16 | U32(bytes[at + 3]) << 24);
}

void Patch(Data& bytes, std::size_t at, S32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = U8(U32(value) >> (8 * i));
}

template <class File>
CountedPointer<File> Load(const Data& bytes)
{
    Util::MemoryStream stream(bytes, "sample.trk");
    return CountedPointer<File>(new File(stream));
}

// The offsets of the kind words of a GPL track's boundaries (header, section offsets, traces,
// then the 32-byte boundaries).
std::vector<std::size_t> GPLBoundaryKinds(const Data& bytes)
{
    const std::size_t laterals = std::size_t(Word(bytes, 12)), sections = std::size_t(Word(bytes, 16));
    const std::size_t first = 92 + 4 * sections + 32 * sections * laterals;
    std::vector<std::size_t> kinds;
    for (std::size_t at = first; at < first + std::size_t(Word(bytes, 20)); at += 32)
        kinds.push_back(at + 8);
    return kinds;
}

// The offset of the first wall record of an ICR2 track (its code; From and To follow): after the
// header, section offsets, traces, boundaries and the first section's record.
std::size_t ICR2FirstWall(const Data& bytes)
{
    const std::size_t sections = std::size_t(Word(bytes, 16)), laterals = std::size_t(Word(bytes, 12));
    return 68 + 4 * sections + 32 * sections * laterals + std::size_t(Word(bytes, 20)) + 52;
}

// gpl-corners with its first wall given another wall code.
Data CornersWithWallCode(S32 code)
{
    Data bytes = Sample(TrackSample("gpl-corners.trk"));
    for (std::size_t at : GPLBoundaryKinds(bytes))
        if (Word(bytes, at) & 0x800)
        {
            Patch(bytes, at, 0x800 | code);
            break;
        }
    return bytes;
}

// gpl-minimal with the first floor of an unknown code.
Data MinimalWithUnknownFloor()
{
    Data bytes = Sample(TrackSample("gpl-minimal.trk"));
    Patch(bytes, GPLBoundaryKinds(bytes).front(), 12);
    return bytes;
}

// Converts a track file to GPL (a GPL source too, which copying would not convert).
void Convert(const TrkFile& source)
{
    GPLTrkFile converted(source);
}

// Asks every wall of every section for its type.
void AskWallTypes(const TrkFile& file)
{
    for (int s = 0; s < file.GetSectionCount(); ++s)
        for (int w = 0; w < file.GetWallCount(s); ++w)
            file.GetWallType(s, w);
}

struct StrictScope
{
    StrictScope() { Options::Instance()->Strict = true; }
    ~StrictScope() { Options::Instance()->Strict = false; }
};

// A GPL track whose sections the loader never saw: moved along the lap, the last one cut
// short, or none at all; the longitude maps are built again from them.
class ReshapedTrack : public GPLTrkFile
{
public:
    enum Shape { Moved, LastCut, Empty };
    ReshapedTrack(Util::BinaryStream& stream, Shape shape) : GPLTrkFile(stream), m_shape(shape) { Build2DData(); }
    int GetSectionCount() const override { return m_shape == Empty ? 0 : GPLTrkFile::GetSectionCount(); }
    int GetSectionStart(int s) const override { return GPLTrkFile::GetSectionStart(s) + (m_shape == Moved ? 1000 : 0); }
    int GetSectionLength(int s) const override
    {
        const bool last = s == GPLTrkFile::GetSectionCount() - 1;
        return GPLTrkFile::GetSectionLength(s) - (m_shape == LastCut && last ? 1000 : 0);
    }

private:
    Shape m_shape;
};

CountedPointer<ReshapedTrack> Reshaped(ReshapedTrack::Shape shape)
{
    Util::MemoryStream stream(Sample(TrackSample("gpl-minimal.trk")), "sample.trk");
    return CountedPointer<ReshapedTrack>(new ReshapedTrack(stream, shape));
}

// A camera file that lost its pit-lane camera (no editing operation can do that).
class NoPitlane : public GPLCamFile
{
public:
    NoPitlane() { Cameras.clear(); }
};

// An N4 archive holding an entry of a method its reader would refuse.
class UnknownMethodDat : public N4DatFile
{
public:
    explicit UnknownMethodDat(const std::string& path) : N4DatFile(path) { SetEntries({Entry{1, 0, 0, 0, "a.mip"}}); }
};

// Refuses every folder and is not the default.
class Refuser : public FileFactoryRecognizer
{
public:
    explicit Refuser(FileFactoryRegistry& registry) : FileFactoryRecognizer(false, registry) {}
    CountedPointer<FileFactory> MakeDirectoryFactory(const PapyDirectory&, bool) override { return {}; }
    CountedPointer<FileFactory> MakeDatFactory(const std::string&, bool) override { return {}; }
    bool RecognizeDatHeader(const std::string&) override { return false; }
    bool RecognizeDatContent(const std::string&) override { return false; }
    bool RecognizeDirectory(const PapyDirectory&) override { return false; }
};

struct Case
{
    const char* expression;
    const char* unit;
    int line;
    std::function<void()> reach;
};
} // namespace

TEST(FixedAssertion, EachTextNamesItsUnitAndLine)
{
    VelmoTest::TempFolder temp;
    const Data icr2Minimal = Sample(TrackSample("icr2-minimal.trk"));
    const std::size_t icr2Floor = 68 + 8 + 64 + 8;
    const std::vector<Case> cases = {
        {"false", ".\\GPLTrkFile.cpp", 919,
         [] {
             auto file = Load<GPLTrkFile>(MinimalWithUnknownFloor());
             StrictScope strict;
             file->GetFloorType(0, 0);
         }},
        {"false", ".\\GPLTrkFile.cpp", 1029,
         [] {
             auto file = Load<GPLTrkFile>(CornersWithWallCode(12));
             StrictScope strict;
             AskWallTypes(*file);
         }},
        // The conversion to GPL meets a floor type and a wall type GPL has no code for.
        {"false", ".\\GPLTrkFile.cpp", 171, [] { Convert(*Load<GPLTrkFile>(MinimalWithUnknownFloor())); }},
        {"false", ".\\GPLTrkFile.cpp", 234, [] { Convert(*Load<GPLTrkFile>(CornersWithWallCode(10))); }},
        // The ICR2 sample's first wall moved right of every boundary, or across one.
        {"i > 0", ".\\GPLTrkFile.cpp", 252, [] {
             Data bytes = Sample(TrackSample("icr2-corners.trk"));
             const std::size_t wall = ICR2FirstWall(bytes);
             Patch(bytes, wall + 4, -500000);
             Patch(bytes, wall + 8, -500000);
             Convert(*Load<ICR2TrkFile>(bytes));
         }},
        {"Surfaces[i].From >= sur.From && Surfaces[i].To >= sur.To", ".\\GPLTrkFile.cpp", 253, [] {
             Data bytes = Sample(TrackSample("icr2-corners.trk"));
             const std::size_t wall = ICR2FirstWall(bytes);
             Patch(bytes, wall + 4, 300000);
             Patch(bytes, wall + 8, 200000);
             Convert(*Load<ICR2TrkFile>(bytes));
         }},
        {"it != Section3DLongitudeMap.end()", ".\\TrkFile.cpp", 53,
         [] { Reshaped(ReshapedTrack::Moved)->ComputePosition(0, 0); }},
        {"it != Section2DLongitudeMap.end()", ".\\TrkFile.cpp", 324,
         [] { Reshaped(ReshapedTrack::Empty)->Convert2DTo3D(5.0); }},
        {"it != Section2DLongitudeMap.end()", ".\\TrkFile.cpp", 342, [] {
             double offset;
             Reshaped(ReshapedTrack::Empty)->Find2DSection(5.0, offset);
         }},
        {"dividend <= divisor", ".\\TrkFile.cpp", 383, [] {
             auto track = Reshaped(ReshapedTrack::LastCut);
             track->ComputePosition(track->GetLength() - 1, 0);
         }},
        {"false", ".\\ICR2TrkFile.cpp", 869, [&] {
             Data bytes = icr2Minimal;
             Patch(bytes, icr2Floor, 55);
             Load<ICR2TrkFile>(bytes)->GetFloorType(0, 0);
         }},
        {"false", ".\\ICR2TrkFile.cpp", 895, [&] {
             Data bytes = icr2Minimal;
             Patch(bytes, icr2Floor, 55);
             Load<ICR2TrkFile>(bytes)->GetFloorGrip(0, 0);
         }},
        {"false", ".\\ICR2TrkFile.cpp", 951, [] {
             Data bytes = Sample(TrackSample("icr2-corners.trk"));
             const std::size_t wall = ICR2FirstWall(bytes);
             Patch(bytes, wall, 1);
             Load<ICR2TrkFile>(bytes)->GetWallType(0, 0);
         }},
        {"false", ".\\Camera.cpp", 200, [] { Camera::GetTypeName(3); }},
        {"count == 1", ".\\GPLCamFile.cpp", 151, [] {
             NoPitlane cameras;
             Util::MemoryStream out("out.cam");
             cameras.Save(out);
         }},
        {"false", ".\\GPLLytFile.cpp", 185, [] {
             Util::MemoryStream stream(Sample(RaceSample("screen.lyt")), "screen.lyt");
             GPLLytFile(stream).GetExtra(0, 4);
         }},
        // Nothing copied yet in this program.
        {"IsClipboardControlAvailable()", ".\\GPLLytFile.cpp", 256, [] {
             Util::MemoryStream stream(Sample(RaceSample("screen.lyt")), "screen.lyt");
             GPLLytFile(stream).PasteControl(0);
         }},
        {"insert_before_index <= GetControlCount()", ".\\GPLLytFile.cpp", 257, [] {
             Util::MemoryStream stream(Sample(RaceSample("screen.lyt")), "screen.lyt");
             GPLLytFile layout(stream);
             layout.CopyControl(0);
             layout.PasteControl(layout.GetControlCount() + 1);
         }},
        {"false", ".\\N4DatFile.cpp", 156, [&] { UnknownMethodDat(temp.Path("n4.dat")).OpenEntry(0); }},
        {"false", ".\\FileFactoryRegistry.cpp", 178, [&] {
             FileFactoryRegistry registry;
             Refuser a(registry), b(registry);
             registry.GetFactory(temp.MakeFolder("nobody"), false);
         }},
        {"HasFacet<FacetT>()", ".\\Papy\\FileFactory.cpp", 89, [] { FileFactory().GetFacet<MakeTdo>(); }},
    };
    ASSERT_FALSE(Util::Clipboard::IsDataPresent("GPLLytFile")) << "a layout control was copied before";
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.unit) + " " + std::to_string(c.line));
        try
        {
            c.reach();
            ADD_FAILURE() << "no assertion";
        }
        catch (const Util::XAssertion& e)
        {
            EXPECT_STREQ(e.GetExpression(), c.expression);
            EXPECT_STREQ(e.GetFile(), c.unit);
            EXPECT_EQ(e.GetLine(), c.line);
        }
    }
}

// The N4 MIP file: levels read on first use, the header values and the extras of each version,
// built chains read back by the independent checker, and a file cut short within its levels.
#include <gtest/gtest.h>

#include <memory>

#include "BitmapTestSupport.h"
#include "Papy/Bitmap/BitmapOperations.h"
#include "Papy/Bitmap/BitmapSimple.h"
#include "Util/MemoryBound.h"

using namespace VelmoTest;
using namespace Velmo;
using namespace Velmo::Papy;
using Util::CountedPointer;

TEST(N4MipFile, LevelsAreReadOnFirstUse)
{
    // Opening reads the header only: a damaged level fails when a level is first asked for.
    Bytes bytes = ReadFileBytes(SampleFolder() + "/bad/n4-last-level.mip");
    Util::MemoryStream stream(bytes, "damaged.mip");
    std::unique_ptr<N4MipFile> file;
    ASSERT_NO_THROW(file = std::make_unique<N4MipFile>(stream));
    EXPECT_TRUE(file->HasUndecodedLevels());
    EXPECT_EQ(file->GetBitmapCount(), 2u);
    for (U32 m = 0; m < 2; ++m)
    {
        try
        {
            file->GetBitmap(m);
            ADD_FAILURE() << "level " << m << " read";
        }
        catch (const Util::XFileFormat& e)
        {
            EXPECT_EQ(e.GetMessage(), "GPL bitmap id not BMAP");
            EXPECT_NE(e.GetText().find("damaged.mip"), std::string::npos) << e.GetText();
        }
    }

    Util::MemoryStream wide(ReadFileBytes(SampleFolder() + "/n4-256x64.mip"), "wide.mip");
    N4MipFile chain(wide);
    ASSERT_EQ(chain.GetBitmapCount(), 9u);
    EXPECT_EQ(chain.GetBitmap(7)->GetWidth(), 2u);
    EXPECT_EQ(chain.GetBitmap(7)->GetHeight(), 1u);
    EXPECT_EQ(chain.GetBitmap(8)->GetWidth(), 1u);
    EXPECT_EQ(chain.GetBitmap(8)->GetHeight(), 1u);
    EXPECT_FALSE(chain.HasUndecodedLevels());
    EXPECT_FALSE(chain.RepeatsHorizontally());
    EXPECT_TRUE(chain.RepeatsVertically());
}

TEST(N4MipFile, HeaderValuesAndExtras)
{
    Util::MemoryStream v4(ReadFileBytes(SampleFolder() + "/n4-v4-f11.mip"), "v4.mip");
    N4MipFile file(v4);
    ASSERT_EQ(file.GetUnknownFloatCount(), 1u);
    EXPECT_EQ(file.GetUnknownFloat(0), 0.5f);
    ASSERT_EQ(file.GetUnknownIntCount(), 1u);
    EXPECT_EQ(file.GetUnknownInt(0), 9u);
    EXPECT_EQ(file.GetCompression(), 1);
    EXPECT_EQ(file.GetAlphaBits(), 4);
    // Colour bytes blue 1, green 2, red 3, alpha 4.
    EXPECT_TRUE(Same(file.GetHeaderColour(), Colour(3 / 255.0f, 2 / 255.0f, 1 / 255.0f, 4 / 255.0f)));

    Util::MemoryStream v1(ReadFileBytes(SampleFolder() + "/n4-v1-f7.mip"), "v1.mip");
    N4MipFile first(v1);
    EXPECT_EQ(first.GetUnknownIntCount(), 5u);
    EXPECT_EQ(first.GetUnknownInt(4), 5u);
    EXPECT_EQ(first.GetCompression(), 0);
    EXPECT_EQ(first.GetUnknownFloatCount(), 0u);

    Util::MemoryStream v2(ReadFileBytes(SampleFolder() + "/n4-v2-f3.mip"), "v2.mip");
    N4MipFile second(v2);
    EXPECT_TRUE(second.IsSelfObscuring());
    EXPECT_FALSE(second.RepeatsHorizontally() || second.RepeatsVertically());
    EXPECT_EQ(second.GetBitmap(4)->GetWidth(), 1u);

    // An alpha byte of 0 reads as the empty colour.
    Util::MemoryStream clear(ReadFileBytes(SampleFolder() + "/n4-v4-f10.mip"), "v4b.mip");
    EXPECT_TRUE(Same(N4MipFile(clear).GetHeaderColour(), Colour(0, 0, 0, 0)));

    // No levels: a level query asserts its index.
    Util::MemoryStream none(ReadFileBytes(SampleFolder() + "/n4-none.mip"), "none.mip");
    N4MipFile empty(none);
    EXPECT_EQ(ExceptionText([&] { empty.GetBitmap(0); }), "level < m_levels.size()");
}

TEST(N4MipFile, BuiltChainsImplodeLargeLevelsAndWriteTheSmallestPixel)
{
    N4MipFile file(64, 64, 8, 8, 8, 8, 2, true, false, true, 4, 3, 9, 4);
    EXPECT_EQ(file.GetFormat(), 7);
    ASSERT_EQ(file.GetBitmapCount(), 4u);
    const U8 methods[] = {1, 1, 0, 0};
    for (U32 m = 0; m < 4; ++m)
        EXPECT_EQ(file.GetLevel(m)->GetMethod(), methods[m]) << m;
    EXPECT_EQ(file.GetUnknownFloatCount(), 1u);
    EXPECT_EQ(file.GetUnknownIntCount(), 1u);

    // A 4 x 4 chain down to 1 x 1: the header colour is the 1 x 1 level's pixel.
    N4MipFile small(4, 4, 8, 8, 8, 8, 2, true, true, false, 3, 7, 1, 2);
    for (U32 m = 0; m < 3; ++m)
    {
        BitmapSimple source;
        source.Resize(4 >> m, 4 >> m);
        for (U32 r = 0; r < (4u >> m); ++r)
            for (U32 c = 0; c < (4u >> m); ++c)
                source.SetPixel(r, c, Colour(0.2f * m, 0.1f * c, 0.25f * r, m == 2 ? 0.6f : 1.0f));
        CopyBitmap(source, *small.GetBitmap(m));
    }
    Bytes bytes = Saved([&](Util::BinaryStream& out) { small.Save(out); });
    ASSERT_GT(bytes.size(), 16u);
    EXPECT_EQ(bytes[12], 0);                 // blue
    EXPECT_EQ(bytes[13], 0);                 // green
    EXPECT_EQ(bytes[14], U8(0.4 * 255 + 0.5)); // red
    EXPECT_EQ(bytes[15], U8(0.6 * 255 + 0.5)); // alpha
    ExpectCheckerAgrees([&](Util::BinaryStream& out) { small.Save(out); }, Levels(small), "n4mip", "built.mip");
    Util::MemoryStream in(bytes, "built.mip");
    N4MipFile back(in);
    EXPECT_EQ(Saved([&](Util::BinaryStream& out) { back.Save(out); }), bytes);
    CountedPointer<MipFile> clone = back.Clone();
    EXPECT_EQ(Saved([&](Util::BinaryStream& out) { clone->Save(out); }), bytes);

    // Nothing to choose from: format 255, whose queries assert; no level, colour (0, 0, 0, 0).
    N4MipFile none(2, 2, 8, 8, 8, 8, 0, true, true, false, 0, 3, 0, 1);
    EXPECT_EQ(none.GetFormat(), 255);
    EXPECT_EQ(ExceptionText([&] { none.GetRedBits(); }), "false");
    Bytes empty = Saved([&](Util::BinaryStream& out) { none.Save(out); });
    ASSERT_EQ(empty.size(), 24u + 20u);
    EXPECT_EQ(empty[12] | empty[13] | empty[14] | empty[15], 0);

    EXPECT_EQ(ExceptionText([] { N4MipFile(4, 3, 8, 8, 8, 0, 0, true, true, false, 1, 3, 9, 1); }),
              "Bitmap dimension not a power of 2");
    EXPECT_EQ(ExceptionText([] { N4MipFile(4, 4, 8, 8, 8, 0, 0, true, true, false, 1, 3, 9, 3); }), "false");
}


TEST(N4MipFile, ALevelCutShortFailsAsAShortReadOfTheFile)
{
    // The file opens on its header and values; its levels, read on first use, end early
    // wherever the cut falls: the read fails as the file's short read, not an assertion, and
    // the levels stay unread. A version-1 file: 24 bytes of header, five values, four levels.
    Bytes whole = ReadFileBytes(SampleFolder() + "/n4-v1-f7.mip");
    const std::size_t levelsStart = N4MipFile::HeaderSize + 5 * 4;
    ASSERT_GT(whole.size(), levelsStart);
    for (std::size_t length = levelsStart; length < whole.size(); ++length)
    {
        SCOPED_TRACE(length);
        Util::MemoryStream stream(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(length)), "cut.mip");
        N4MipFile file(stream);
        ASSERT_EQ(file.GetBitmapCount(), 4u);
        try
        {
            file.GetBitmap(0);
            ADD_FAILURE() << "the levels read";
        }
        catch (const Util::XFileRead& e)
        {
            EXPECT_NE(e.GetText().find("cut.mip"), std::string::npos) << e.GetText();
        }
        EXPECT_TRUE(file.HasUndecodedLevels());
    }
}

namespace
{
// A stream whose bytes are made as they are read, as an imploded entry's.
class MadeOnRead : public Util::MemoryStream
{
public:
    using MemoryStream::MemoryStream;
    bool MakesBytesOnRead() const override { return true; }
};
} // namespace

// A file that claims far more than its levels (an entry of a container whose directory size
// runs on past them) keeps its levels' bytes only, reserved from the memory bound, whichever
// way it is opened; saved, it is the levels' file. A short tail after them is kept.
TEST(N4MipFile, KeepsOnlyItsLevelsBytes)
{
    const Bytes sample = ReadFileBytes(SampleFolder() + "/n4-256x64.mip");
    Util::MemoryStream alone(sample, "alone.mip");
    const U64 levelBytes = N4MipFile(alone).GetHeldBytes();
    ASSERT_GT(levelBytes, 0u);
    ASSERT_LT(levelBytes, sample.size());
    struct Case
    {
        const char* what;
        std::size_t tail;
        U64 held;
    };
    const std::vector<Case> cases = {
        {"a megabyte of zeros after the levels", 1 << 20, levelBytes},
        {"a tail past the limit by one", N4MipFile::TrailerLimit + 1, levelBytes},
        {"a tail at the limit", N4MipFile::TrailerLimit, levelBytes + N4MipFile::TrailerLimit},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        Bytes bytes = sample;
        bytes.resize(sample.size() + c.tail, 0);
        Bytes kept = c.held == levelBytes ? sample : bytes;
        const U64 taken = Util::MemoryBound::GetTaken();
        {
            Util::MemoryStream stream(bytes, "lying.mip");
            N4MipFile byReference(stream);
            EXPECT_EQ(byReference.GetHeldBytes(), c.held);
            EXPECT_EQ(Util::MemoryBound::GetTaken() - taken, c.held);
            EXPECT_EQ(byReference.GetBitmap(0)->GetWidth(), 256u);
            EXPECT_EQ(byReference.GetHeldBytes(), c.held);
            Util::MemoryStream saved;
            byReference.Save(saved);
            EXPECT_EQ(saved.GetBytes(), kept);

            CountedPointer<Util::BinaryStream> file(new Util::MemoryStream(bytes, "lying.mip"));
            EXPECT_EQ(N4MipFile(file).GetHeldBytes(), c.held) << "a stream that holds its bytes is copied from";

            CountedPointer<Util::BinaryStream> shared(new MadeOnRead(bytes, "lying.mip"));
            N4MipFile byPointer(shared);
            EXPECT_EQ(byPointer.GetHeldBytes(), 0u);
            EXPECT_EQ(byPointer.GetLevelWidth(0), 256u);
            EXPECT_EQ(byPointer.GetLevelHeight(8), 1u);
            EXPECT_TRUE(byPointer.HasUndecodedLevels());
            EXPECT_EQ(byPointer.GetBitmap(8)->GetWidth(), 1u);
            EXPECT_EQ(byPointer.GetHeldBytes(), c.held);
            shared = nullptr;
            Util::MemoryStream resaved;
            byPointer.Save(resaved);
            EXPECT_EQ(resaved.GetBytes(), kept);
        }
        EXPECT_EQ(Util::MemoryBound::GetTaken(), taken);
    }
}

// Imploded pixels are reserved from the memory bound before they are unpacked and given back
// with them: past the bound the level refuses, naming its size, and holds nothing.
TEST(N4MipFile, UnpackedPixelsAreWithinTheMemoryBound)
{
    N4MipFile built(64, 64, 8, 8, 8, 8, 2, true, true, false, 1, 7, 1, 2);
    BitmapSimple source;
    source.Resize(64, 64);
    CopyBitmap(source, *built.GetBitmap(0));
    Util::MemoryStream in(Saved([&](Util::BinaryStream& out) { built.Save(out); }), "built.mip");
    N4MipFile file(in);
    CountedPointer<Bitmap> level = file.GetBitmap(0);
    const U64 taken = Util::MemoryBound::GetTaken();
    {
        const Util::MemoryBound::Scope bound(taken + 100);
        EXPECT_EQ(ExceptionText([&] { level->GetPixel(0, 0); }),
                  "64 x 64 bitmap level needs 16385 bytes, more than the 100 bytes left of the memory bound\n");
        EXPECT_EQ(Util::MemoryBound::GetTaken(), taken);
    }
    level->GetPixel(0, 0);
    EXPECT_EQ(Util::MemoryBound::GetTaken(), taken + 16385);
    level->ReleaseDecoded();
    EXPECT_EQ(Util::MemoryBound::GetTaken(), taken);
}

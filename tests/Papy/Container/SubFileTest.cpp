#include <gtest/gtest.h>

#include <sys/resource.h>

#include <string>
#include <vector>

#include "Papy/Container/CompressedSubFile.h"
#include "Papy/Container/UncompressedSubFile.h"
#include "Support/ByteBuilder.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/MemoryBound.h"
#include "Util/PkCompression.h"

using namespace Velmo;
using namespace Velmo::Papy;
using Velmo::Util::CharBuffer;
using Velmo::Util::CountedPointer;

namespace
{
typedef std::vector<U8> Bytes;
typedef CountedPointer<Util::BinaryStream> Stream;

// The text of the error a call throws, or "" when it succeeds.
template <class Call>
std::string ErrorOf(Call call)
{
    try
    {
        call();
    }
    catch (const Util::Exception& e)
    {
        return e.GetText();
    }
    return "";
}

// A container image: "HEAD", entry a "alpha-data" at 4, entry b "bravo" at 14, then "TAIL".
struct Container
{
    Bytes bytes = VelmoTest::ByteBuilder().Text("HEADalpha-databravoTAIL").Get();
    Stream stream{new CharBuffer("game.dat", U32(bytes.size()), bytes.data())};
};

std::string ReadText(Util::BinaryStream& s, U32 n)
{
    std::string text(n, '\0');
    s.Read(n, text.data());
    return text;
}

Bytes Pack(const std::string& text)
{
    Bytes out(Util::PkCompression::MaxCompressedSize(U32(text.size())));
    out.resize(Util::PkCompression::Compress(text.data(), U32(text.size()), out.data(), U32(out.size())));
    return out;
}

std::string Damaged(const std::string& what)
{
    return "A possible error was found in file game.dat\nentry is damaged: " + what + "\n";
}
} // namespace

TEST(UncompressedSubFile, EntriesSharingOneParentReadTheirOwnBytes)
{
    Container c;
    UncompressedSubFile a(c.stream, "alpha", 4, 10);
    UncompressedSubFile b(c.stream, "bravo", 14, 5);
    EXPECT_EQ(c.stream.GetCount(), 3);
    EXPECT_EQ(ReadText(a, 3), "alp");
    EXPECT_EQ(ReadText(b, 2), "br");
    c.stream->Seek(0); // the container itself moves the parent too
    EXPECT_EQ(ReadText(a, 3), "ha-");
    EXPECT_EQ(ReadText(b, 3), "avo");
    EXPECT_TRUE(b.AtEnd());
    EXPECT_EQ(a.Tell(), 6u);
    EXPECT_EQ(a.Size(), 10u);
    EXPECT_EQ(a.GetName(), "alpha");
}

TEST(UncompressedSubFile, LimitsReportTheEntryName)
{
    Container c;
    UncompressedSubFile a(c.stream, "alpha", 4, 10);
    char buffer[16];

    a.Seek(10);
    EXPECT_TRUE(a.AtEnd());
    a.Read(0, buffer);
    EXPECT_EQ(ErrorOf([&] { a.Seek(11); }), "Couldn't seek in alpha\n");
    EXPECT_EQ(a.Tell(), 10u);

    // The container has more bytes after the entry; the entry still ends.
    a.Seek(7);
    EXPECT_EQ(ErrorOf([&] { a.Read(4, buffer); }), "Couldn't read from alpha\n");
    EXPECT_EQ(a.Tell(), 7u);
    EXPECT_EQ(ErrorOf([&] { a.Read(0xFFFFFFFFu, buffer); }), "Couldn't read from alpha\n");
    EXPECT_EQ(ErrorOf([&] { a.Write(4, "xxxx"); }), "Couldn't write to alpha\n");
    EXPECT_EQ(ReadText(a, 3), "ata");
}

TEST(UncompressedSubFile, ParentFailuresBecomeTheEntrysErrors)
{
    Container c;
    char buffer[8];
    // An entry that lies partly beyond the container: the parent's short read.
    UncompressedSubFile partly(c.stream, "partly", 20, 8);
    EXPECT_EQ(ErrorOf([&] { partly.Read(6, buffer); }), "Couldn't read from partly\n");
    EXPECT_EQ(partly.Tell(), 0u);
    // An entry wholly beyond it: re-positioning the parent fails.
    UncompressedSubFile beyond(c.stream, "beyond", 100, 8);
    EXPECT_EQ(ErrorOf([&] { beyond.Read(1, buffer); }), "Couldn't seek in beyond\n");
    EXPECT_EQ(ErrorOf([&] { beyond.Seek(2); }), "Couldn't seek in beyond\n");
    // A base so large that base + position would wrap around.
    UncompressedSubFile wrapping(c.stream, "wrapping", ~U64(0) - 3, 10);
    EXPECT_EQ(ErrorOf([&] { wrapping.Seek(8); }), "Couldn't seek in wrapping\n");
    // A read-only parent refuses writes.
    Stream readOnly(new CharBuffer("ro.dat"));
    static_cast<CharBuffer*>(readOnly.Get())->Attach(U32(c.bytes.size()), c.bytes.data());
    UncompressedSubFile fixed(readOnly, "fixed", 4, 10);
    EXPECT_EQ(ErrorOf([&] { fixed.Write(2, "zz"); }), "Couldn't write to fixed\n");
}

TEST(UncompressedSubFile, WritesInPlaceAndKeepsTheParentAlive)
{
    Bytes bytes = VelmoTest::ByteBuilder().Text("HEADalpha-databravoTAIL").Get();
    UncompressedSubFile* b;
    {
        Stream parent(new CharBuffer("game.dat", U32(bytes.size()), bytes.data()));
        b = new UncompressedSubFile(parent, "bravo", 14, 5);
    }
    CountedPointer<Util::BinaryStream> entry(b);
    entry->Seek(1);
    entry->Write(3, "RAV");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "HEADalpha-databRAVoTAIL");
    EXPECT_EQ(entry->Tell(), 4u);
    entry->Seek(0);
    EXPECT_EQ(ReadText(*entry, 5), "bRAVo");
}

TEST(CompressedSubFile, UnpacksOnceAndServesReadOnly)
{
    const std::string text = "the track, the track, the whole track and nothing but the track";
    Bytes packed = Pack(text);
    VelmoTest::ByteBuilder image;
    image.Text("HEAD").Bytes(packed).Text("TAIL");
    Stream parent(new CharBuffer("game.dat", U32(image.Size()), image.Get().data()));

    CompressedSubFile entry(parent, "track.3do", 4, U32(packed.size()), U32(text.size()));
    EXPECT_EQ(parent.GetCount(), 1); // not kept
    image.Get().assign(image.Size(), 0); // the parent's bytes are no longer needed
    EXPECT_EQ(entry.Size(), text.size());
    EXPECT_EQ(entry.GetName(), "track.3do");
    EXPECT_EQ(ReadText(entry, U32(text.size())), text);
    EXPECT_TRUE(entry.AtEnd());
    entry.Seek(4);
    EXPECT_EQ(ReadText(entry, 5), "track");
    EXPECT_EQ(ErrorOf([&] { entry.Write(0, ""); }), "Couldn't write to track.3do\n");
    EXPECT_EQ(ErrorOf([&] { entry.Seek(text.size() + 1); }), "Couldn't seek in track.3do\n");
    EXPECT_EQ(ErrorOf([&] { entry.Read(U32(text.size()), nullptr); }), "Couldn't read from track.3do\n");
}

TEST(CompressedSubFile, EmptyEntry)
{
    Bytes packed = Pack("");
    Stream parent(new CharBuffer("game.dat", U32(packed.size()), packed.data()));
    CompressedSubFile entry(parent, "empty", 0, U32(packed.size()), 0);
    EXPECT_EQ(entry.Size(), 0u);
    EXPECT_TRUE(entry.AtEnd());
}

// Directory sizes that do not fit the entry's data fail at opening, before anything of
// the claimed size is allocated.
TEST(CompressedSubFile, RefusesEntriesThatDoNotMatchTheirDirectory)
{
    const std::string text(300, 'x');
    Bytes packed = Pack(text);
    Bytes damaged = packed;
    damaged[1] = 9;
    Stream parent(new CharBuffer("game.dat", U32(packed.size()), packed.data()));
    Stream damagedParent(new CharBuffer("bad.dat", U32(damaged.size()), damaged.data()));
    const U32 n = U32(packed.size());
    struct Case
    {
        const char* what;
        Stream parent;
        U64 offset;
        U32 packedSize;
        U32 unpackedSize;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"unpacks to fewer bytes", parent, 0, n, 301,
         Damaged("it unpacks to 300 bytes, not the 301 its directory gives")},
        {"unpacks to more bytes", parent, 0, n, 299,
         Damaged("it unpacks to more than the 299 bytes its directory gives")},
        {"more than any stream of that size gives", parent, 0, n, 0xFFFFFFF0u,
         Damaged("its directory gives 4294967280 bytes, more than any stream of " + std::to_string(n) +
                 " bytes unpacks to")},
        {"packed bytes beyond the container", parent, 1, n, 300, "Couldn't read from game.dat\n"},
        {"huge packed size", parent, 0, 0xFFFFFFFFu, 300, "Couldn't read from game.dat\n"},
        {"offset beyond the container", parent, n + 1, 1, 300, "Couldn't seek in game.dat\n"},
        {"damaged stream", damagedParent, 0, n, 300,
         "Assertion failure at .\\PkCompression.cpp: 99\nresult == CMP_NO_ERROR && dp.InBytesRemaining == 0\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf([&] { CompressedSubFile(c.parent, "entry", c.offset, c.packedSize, c.unpackedSize); }),
                  c.error)
            << c.what;
    EXPECT_EQ(ErrorOf([&] { CompressedSubFile(parent, "entry", 0, n, 300); }), "");
}

// A directory size within the format's largest expansion of the packed size, but far beyond
// what the stream gives, must not cost memory of that size: 1 MiB of packed bytes may claim
// about 190 MiB, while the stream (nothing but zero-byte literals, no end code) unpacks to
// under 1 MiB before it is refused.
TEST(CompressedSubFile, UnfulfilledDirectorySizeCostsNoMemoryOfThatSize)
{
    Bytes packed(1 << 20, 0);
    packed[1] = 4; // binary literals, 1024-byte dictionary
    const U32 claimed = U32(Util::PkCompression::MaxDecompressedSize(U32(packed.size())));
    ASSERT_GT(claimed, 150u << 20);
    Stream parent(new CharBuffer("game.dat", U32(packed.size()), packed.data()));

    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    EXPECT_EQ(ErrorOf([&] { CompressedSubFile(parent, "entry", 0, U32(packed.size()), claimed); }),
              "Assertion failure at .\\PkCompression.cpp: 99\nresult == CMP_NO_ERROR && dp.InBytesRemaining == 0\n");
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64L << 10) << "KiB of peak memory";
}

// An entry larger than the prefix is checked whole at opening but kept only as far as it is
// read: a reader of its header holds the prefix, and the whole entry is unpacked (once, and
// reserved from the memory bound) only when a read goes past the prefix.
TEST(CompressedSubFile, ALargeEntryIsKeptOnlyAsFarAsItIsRead)
{
    std::string text(CompressedSubFile::PrefixSize * 4, '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = char('a' + (i * 7 + i / 1000) % 26);
    Bytes packed = Pack(text);
    Stream parent(new CharBuffer("game.dat", U32(packed.size()), packed.data()));
    const U64 taken = Util::MemoryBound::GetTaken();
    const U64 unpacks = CompressedSubFile::GetWholeUnpackCount();
    {
        CompressedSubFile entry(parent, "big.mip", 0, U32(packed.size()), U32(text.size()));
        EXPECT_EQ(entry.Size(), text.size());
        EXPECT_EQ(Util::MemoryBound::GetTaken() - taken, packed.size());
        EXPECT_EQ(ReadText(entry, 24), text.substr(0, 24));
        entry.Seek(CompressedSubFile::PrefixSize - 4);
        EXPECT_EQ(ReadText(entry, 4), text.substr(CompressedSubFile::PrefixSize - 4, 4));
        EXPECT_EQ(CompressedSubFile::GetWholeUnpackCount(), unpacks);
        EXPECT_EQ(Util::MemoryBound::GetTaken() - taken, packed.size() + CompressedSubFile::PrefixSize);

        EXPECT_EQ(ReadText(entry, 1), text.substr(CompressedSubFile::PrefixSize, 1));
        EXPECT_EQ(CompressedSubFile::GetWholeUnpackCount(), unpacks + 1);
        EXPECT_EQ(Util::MemoryBound::GetTaken() - taken, text.size() + 1); // the packed bytes are let go
        entry.Seek(0);
        EXPECT_EQ(ReadText(entry, U32(text.size())), text);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry.GetBlock()), text.size()), text);
        EXPECT_EQ(CompressedSubFile::GetWholeUnpackCount(), unpacks + 1);
        EXPECT_THROW(ReadText(entry, 1), Util::XFileRead);
    }
    EXPECT_EQ(Util::MemoryBound::GetTaken(), taken);
}

// A large entry that unpacks to another size than its directory's fails at opening as a
// small one does; one past the memory bound is refused when it would be unpacked, with the
// bound's message, and nothing is held of it.
TEST(CompressedSubFile, LargeEntriesAreCheckedAtOpeningAndBoundWhenRead)
{
    const std::string text(CompressedSubFile::PrefixSize * 2, 'z');
    Bytes packed = Pack(text);
    Stream parent(new CharBuffer("game.dat", U32(packed.size()), packed.data()));
    const U32 n = U32(packed.size()), size = U32(text.size());
    EXPECT_EQ(ErrorOf([&] { CompressedSubFile(parent, "entry", 0, n, size + 1); }),
              Damaged("it unpacks to 131072 bytes, not the 131073 its directory gives"));
    EXPECT_EQ(ErrorOf([&] { CompressedSubFile(parent, "entry", 0, n, size - 1); }),
              Damaged("it unpacks to more than the 131071 bytes its directory gives"));

    const U64 taken = Util::MemoryBound::GetTaken();
    const Util::MemoryBound::Scope bound(taken + n + CompressedSubFile::PrefixSize + 100);
    CompressedSubFile entry(parent, "entry", 0, n, size);
    EXPECT_EQ(ReadText(entry, 8), "zzzzzzzz");
    entry.Seek(size - 1);
    EXPECT_EQ(ErrorOf([&] { ReadText(entry, 1); }),
              "entry needs 131073 bytes, more than the 65636 bytes left of the memory bound\n");
    EXPECT_EQ(Util::MemoryBound::GetTaken() - taken, n);
    EXPECT_EQ(entry.Tell(), size - 1);
}

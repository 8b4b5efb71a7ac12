#include <gtest/gtest.h>

#include "N4TestSupport.h"
#include "Papy/Model/ThreeDObjectGroup.h"
#include "Papy/Model/ThreeDObjectRoot.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Papy/N4/N4Archiver.h"

using namespace Velmo;
using namespace Velmo::Papy;
using namespace VelmoTest;

namespace
{
// The body of a group up to its child references: 1, name, 1, 1, box, 1, count, count x 4.
void GroupHead(N4Builder& b, int childCount, const std::string& name = "")
{
    b.S32(1).Str(name).Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).Words({1, childCount, childCount * 4});
}

void EmptyObject(N4Builder& b)
{
    b.New("EmptyDescriptor");
    b.Words({1, 0});
}

Util::CountedPointer<ThreeDObjectGroup> TopGroup(N4TdoFile& file)
{
    Util::CountedPointer<ThreeDObjectGroup> group;
    group = file.GetRoot()->GetChild(0);
    return group;
}
} // namespace

TEST(N4Archiver, NumbersObjectsAndClassesFromOneCounter)
{
    // Group (object 1, class 2) with two empties (object 3 of class 4, then object 5 of class
    // 4: only the number and the class id) and a second reference to object 3.
    N4Builder b;
    b.New("GroupDescriptor");
    GroupHead(b, 3);
    EmptyObject(b);
    size_t second = b.Size();
    EmptyObject(b);
    b.S32(3);
    EXPECT_EQ(Bytes(b.Get().begin() + second, b.Get().end()), (Bytes{5, 0, 0, 0, 4, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                                                       3, 0, 0, 0}));

    auto file = Load(b.Get());
    auto group = TopGroup(*file);
    ASSERT_EQ(group->GetChildCount(), 3);
    EXPECT_EQ(group->GetChild(0)->GetId(), 3);
    EXPECT_EQ(group->GetChild(1)->GetId(), 5);
    // A second reference is the same node, not a copy.
    EXPECT_EQ(group->GetChild(2).Get(), group->GetChild(0).Get());
    // The offset of a node is that of its id word.
    EXPECT_EQ(group->GetFileOffset(), 0u);
    EXPECT_EQ(group->GetChild(1)->GetFileOffset(), second);
    EXPECT_EQ(Save(*file), b.Get());
}

TEST(N4Archiver, RefusesBadReferencesWithTheirMessages)
{
    struct Case
    {
        const char* what;
        Bytes bytes;
        const char* message;
    };
    auto groupWithChild = [](std::int32_t child) {
        N4Builder b;
        b.New("GroupDescriptor");
        GroupHead(b, 1);
        b.S32(child);
        return b.Get();
    };
    auto nestedGroupReferring = [](std::int32_t child) {
        N4Builder b;
        b.New("GroupDescriptor");
        GroupHead(b, 1);
        b.New("GroupDescriptor");
        GroupHead(b, 1);
        b.S32(child);
        return b.Get();
    };
    N4Builder unknown;
    unknown.New("SegmentDescriptor");
    N4Builder longName;
    longName.S32(1).S32(2).U32(300).Zeros(300);
    N4Builder hugeName;
    hugeName.S32(1).S32(2).U32(0xFFFFFFFFu);
    N4Builder unterminated;
    unterminated.S32(1).S32(2).U32(5).Text("Group");
    N4Builder emptyName;
    emptyName.S32(1).S32(2).U32(0);
    const Case cases[] = {
        {"first id 2", Bytes{2, 0, 0, 0}, "N4 archive object id error"},
        {"first id -1", Bytes{0xFF, 0xFF, 0xFF, 0xFF}, "N4 archive object id error"},
        {"class id above the counter", Bytes{1, 0, 0, 0, 3, 0, 0, 0}, "N4 archive object class id error"},
        {"unknown class", unknown.Get(), "N4 archive unknown descriptor SegmentDescriptor"},
        {"descriptor length 300", longName.Get(), "N4 archive descriptor name too long"},
        {"descriptor length 2^32 - 1", hugeName.Get(), "N4 archive descriptor name too long"},
        {"descriptor without NUL", unterminated.Get(), "N4 archive descriptor name not terminated"},
        {"descriptor length 0", emptyName.Get(), "N4 archive descriptor name not terminated"},
        {"reference to a class number", groupWithChild(2), "N4 archive object id error"},
        {"reference to itself", groupWithChild(1), "N4 archive object refers to itself or to an object that contains it"},
        {"reference to a parent", nestedGroupReferring(1),
         "N4 archive object refers to itself or to an object that contains it"},
        {"reference to the next number but one", groupWithChild(4), "N4 archive object id error"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatError(c.bytes), c.message) << c.what;
}

TEST(N4Archiver, ObjectNumberUsedAsClassAsserts)
{
    // Object 3 claims class 1, which is the group object, not a class.
    N4Builder b;
    b.New("GroupDescriptor");
    GroupHead(b, 1);
    b.Words({3, 1});
    EXPECT_EQ(AssertionError(b.Get()), "p != LoadClassMap.end()");
}

TEST(N4Archiver, WhatFollowsTheRootObject)
{
    N4Builder empty;
    EmptyObject(empty);
    const Bytes archive = empty.Get();
    auto with = [&](Bytes tail) {
        Bytes bytes = archive;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };

    EXPECT_EQ(FormatError(with({1})), "N4 archive size mismatch");
    EXPECT_EQ(FormatError(with({0, 0, 7})), "N4 archive size mismatch");
    EXPECT_EQ(FormatError(with(Bytes(N4Archiver::MaxPadding + 1, 0))), "N4 archive size mismatch");
    // A few zero bytes of padding, as shipped files have, are kept and written back.
    for (size_t padding : {size_t(1), size_t(N4Archiver::MaxPadding)})
    {
        auto file = Load(with(Bytes(padding, 0)));
        EXPECT_EQ(file->GetPadding(), padding);
        EXPECT_EQ(Save(*file), with(Bytes(padding, 0)));
    }

    // Only the null reference: the file refuses root 0; bytes behind it are a mismatch first.
    EXPECT_EQ(AssertionError(Bytes{0, 0, 0, 0}), "root_id == 1");
    EXPECT_EQ(FormatError(Bytes{0, 0, 0, 0, 9}), "N4 archive size mismatch");
    // A short stream is the stream's read error.
    EXPECT_THROW(Load(Bytes(archive.begin(), archive.end() - 1)), Util::XFileRead);
    EXPECT_THROW(Load(Bytes{}), Util::XFileRead);
}

TEST(N4Archiver, NestingLimit)
{
    auto chain = [](int depth) {
        N4Builder b;
        for (int i = 0; i < depth; ++i)
        {
            b.New("GroupDescriptor");
            GroupHead(b, i + 1 < depth ? 1 : 0);
        }
        return b.Get();
    };
    // The deepest accepted file also writes back (the writer recurses as deep as the reader).
    // and can be walked.
    Bytes deepest = chain(N4Archiver::MaxDepth);
    auto file = Load(deepest);
    EXPECT_EQ(Save(*file), deepest);
    ThreeDObjectVisitor visitor;
    EXPECT_NO_THROW(file->GetRoot()->Accept(visitor));
    EXPECT_EQ(FormatError(chain(N4Archiver::MaxDepth + 1)), "N4 archive objects nested too deeply");
}

TEST(N4Archiver, Strings)
{
    auto named = [](const Bytes& name) {
        N4Builder b;
        b.New("GroupDescriptor");
        b.S32(1).Bytes(name).Words({1, 1}).Doubles({0, 0, 0, 0, 0, 0}).Words({1, 0, 0});
        return b.Get();
    };
    auto nameOf = [&](const Bytes& name) { return TopGroup(*Load(named(name)))->GetName(); };

    EXPECT_EQ(nameOf({0, 0, 0, 0}), "");
    EXPECT_EQ(nameOf({1, 0, 0, 0, 0}), "");
    EXPECT_EQ(nameOf({4, 0, 0, 0, 'a', 0, 'b', 0}), std::string("a\0b", 3));
    EXPECT_EQ(AssertionError(named({3, 0, 0, 0, 'a', 'b', 'c'})), "buffer[length - 1] == 0");
    EXPECT_EQ(AssertionError(named({1, 0, 0x10, 0})), "length <= 1024L * 1024L");
    EXPECT_THROW(Load(named({0, 1, 0, 0, 'a', 0})), Util::XFileRead);

    // The writer always uses length 0 for the empty string.
    auto file = Load(named({1, 0, 0, 0, 0}));
    EXPECT_EQ(Save(*file), named({0, 0, 0, 0}));

    Util::MemoryStream out("s");
    N4Archiver::WriteString(out, "ab");
    N4Archiver::WriteString(out, "");
    EXPECT_EQ(out.GetBytes(), (Bytes{3, 0, 0, 0, 'a', 'b', 0, 0, 0, 0, 0}));
    out.Seek(0);
    EXPECT_EQ(N4Archiver::ReadString(out), "ab");
    EXPECT_EQ(N4Archiver::ReadString(out), "");
}

TEST(N4Archiver, LoadsFromAnyStreamAtItsPosition)
{
    // Behind three bytes of something else, in a stream that is not a memory block: the
    // positions of the objects are those in the stream.
    N4Builder b;
    b.New("GroupDescriptor");
    GroupHead(b, 1);
    size_t emptyAt = b.Size();
    EmptyObject(b);
    Util::MemoryStream stream("stream");
    stream.Write(3, "abc");
    stream.Write(U32(b.Size()), b.Get().data());
    stream.Seek(3);

    N4TdoFile file(GetN4TdoArchivers(), nullptr);
    N4Archiver archive(GetN4TdoArchivers());
    EXPECT_EQ(archive.Load(stream, file), 1);
    EXPECT_TRUE(stream.AtEnd());
    EXPECT_EQ(file.GetSubObject(1)->GetFileOffset(), 3u);
    EXPECT_EQ(file.GetSubObject(3)->GetFileOffset(), 3u + emptyAt);
}

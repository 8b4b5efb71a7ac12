// libFuzzer harness of the GPL .3do reader. Each input is loaded from memory, plain and with the
// strict checks on. A file that loads is used as an editor would: the whole tree is walked and
// every node's values are asked, every node is written, the file is saved and the saved file
// must load back holding the same tree. Our own exceptions are the answers a bad file may give;
// anything else (a crash, a sanitizer report, another exception, a saved file that does not
// load back or loads as another tree) is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Papy/GPL/GPLSaveSupport.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/Model/Options.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

using namespace Velmo;

namespace
{
[[noreturn]] void Finding(const char* what, const std::string& detail = "")
{
    std::fprintf(stderr, "GPLTdoFuzz: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// Asks the node everything its generic value lists hold, and writes it to a scratch block.
void AskNode(Papy::ThreeDObject& node, Util::BinaryStream& scratch)
{
    try
    {
        node.GetId();
        node.GetFileOffset();
        node.GetType();
        for (int i = 0; i < node.GetIntegerCount(); ++i)
            node.GetInteger(i);
        for (int i = 0; i < node.GetFloatCount(); ++i)
            node.GetFloat(i);
        for (int i = 0; i < node.GetStringCount(); ++i)
            node.GetString(i);
        for (int i = 0; i < node.GetBooleanCount(); ++i)
            node.GetBoolean(i);
    }
    catch (const Util::Exception&)
    {
        // A dangling reference behind a value: the assertion of the look-up.
    }
    try
    {
        node.GetName();
    }
    catch (const Util::Exception&)
    {
    }
    try
    {
        scratch.Seek(0);
        node.Write(scratch, 0);
    }
    catch (const Util::Exception&)
    {
    }
}

void Exercise(const std::uint8_t* data, std::size_t size)
{
    Util::CountedPointer<Papy::GPLTdoFile> file;
    try
    {
        auto* buffer = new Util::CharBuffer("fuzz.3do");
        buffer->Attach(U32(size), data);
        file.Reset(new Papy::GPLTdoFile(Util::CountedPointer<Util::BinaryStream>(buffer)));
    }
    catch (const Util::Exception&)
    {
        return;
    }

    // The walk: every kind's own values, each node once, from the root.
    std::string before;
    bool walked = false;
    try
    {
        before = VelmoTest::Dump(*file);
        walked = true;
    }
    catch (const Util::Exception&)
    {
    }
    for (const auto& handle : file->GetHandles())
    {
        try
        {
            VelmoTest::DumpVisitor dump;
            handle->Accept(dump);
        }
        catch (const Util::Exception&)
        {
        }
    }

    Util::MemoryStream scratch(VelmoTest::Bytes(size * 2 + 256), "scratch");
    for (const auto& [id, node] : file->GetSubObjects())
        AskNode(*node, scratch);

    VelmoTest::Bytes saved;
    try
    {
        saved = VelmoTest::SaveToBytes(*file);
    }
    catch (const Util::Exception&)
    {
        return;
    }
    Util::CountedPointer<Papy::GPLTdoFile> again;
    try
    {
        again = VelmoTest::Load(saved, "saved.3do");
    }
    catch (const Util::Exception& e)
    {
        Finding("the saved file does not load back", e.GetText());
    }
    // The saved file saves again, and saving reaches its fixed point one generation later
    // (the first save may still reorder the tables: they follow the order of the node ids,
    // which the reload renumbers).
    VelmoTest::Bytes second, third;
    try
    {
        second = VelmoTest::SaveToBytes(*again);
        third = VelmoTest::SaveToBytes(*VelmoTest::Load(second, "second.3do"));
    }
    catch (const Util::Exception& e)
    {
        Finding("the saved file does not save and load again", e.GetText());
    }
    if (third != second)
        Finding("saving is not at its fixed point after two generations");
    if (walked)
    {
        std::string after;
        try
        {
            after = VelmoTest::Dump(*again);
        }
        catch (const Util::Exception& e)
        {
            Finding("the saved file's tree cannot be walked", e.GetText());
        }
        if (after != before)
            Finding("the saved file holds another tree", "before:\n" + before + "after:\n" + after);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0x100000)
        return 0;
    for (bool strict : {false, true})
    {
        VelmoTest::StrictGuard guard(strict);
        Exercise(data, size);
    }
    return 0;
}

// libFuzzer harness of the GPL layout reader. A file that loads is asked every field of every
// control and must save as it was read; then a control is copied, pasted and deleted as the
// layout views do, and the result must load back with the count it had. Our own exceptions are
// the answers a bad file may give; anything else is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Papy/Race/GPLLytFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;

namespace
{
[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "LytFileFuzz: %s\n", what);
    std::abort();
}

std::vector<U8> Save(const Papy::GPLLytFile& file)
{
    Util::MemoryStream out("saved.lyt");
    file.Save(out);
    return out.GetBytes();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<U8> bytes(data, data + size);
    try
    {
        Util::MemoryStream stream(bytes, "fuzz.lyt");
        Papy::GPLLytFile file(stream);
        for (int i = 0; i < file.GetControlCount(); ++i)
        {
            file.GetName(i);
            file.GetTypeClass(i);
            file.GetRelativeToControl(i);
            for (int k = 0; k < file.GetExtraCount(); ++k)
                file.GetExtra(i, k);
        }
        if (Save(file) != bytes)
            Finding("an unedited layout saves as other bytes");
        const int count = file.GetControlCount();
        if (count > 0)
        {
            file.SetName(0, std::string(300, 'n'));
            file.CopyControl(count - 1);
            file.PasteControl(count);
            file.DeleteControl(0);
            Util::MemoryStream saved(Save(file), "saved.lyt");
            if (Papy::GPLLytFile(saved).GetControlCount() != count)
                Finding("copy, paste and delete changed the count");
        }
    }
    catch (const Util::Exception&)
    {
    }
    return 0;
}

// libFuzzer harness of the camera readers. The first byte chooses the reader (even: GPL, odd:
// N2); the rest is the file. A GPL file that loads is asked every value, saved, loaded back
// and saved again: the two saves must be equal, and an unedited file must save as it was read.
// Our own exceptions are the answers a bad file may give; anything else is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Papy/Race/GPLCamFile.h"
#include "Papy/Race/N2CamFile.h"
#include "Util/Exception.h"
#include "Util/MemoryStream.h"

using namespace Velmo;

namespace
{
[[noreturn]] void Finding(const char* what)
{
    std::fprintf(stderr, "CamFileFuzz: %s\n", what);
    std::abort();
}

void AskAll(const Papy::CamFile& file)
{
    for (int i = 0; i < file.GetCameraCount(); ++i)
    {
        auto camera = file.GetCamera(i);
        Papy::Camera::GetTypeName(camera->GetType());
        if (camera->HasTrackPosition())
            camera->GetSwitchOffset();
        if (camera->HasPosition())
            camera->GetZ();
        if (camera->IsFixed())
            camera->GetFieldOfVision3();
        if (camera->IsZoomed())
            camera->GetEndZoom();
        for (int k = 0; k < camera->GetRealCount(); ++k)
            camera->GetReal(k);
    }
}

std::vector<U8> Save(const Papy::GPLCamFile& file)
{
    Util::MemoryStream out("saved.cam");
    file.Save(out);
    return out.GetBytes();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::vector<U8> bytes(data + 1, data + size);
    try
    {
        Util::MemoryStream stream(bytes, "fuzz.cam");
        if (data[0] % 2 != 0)
        {
            Papy::N2CamFile file(stream);
            AskAll(file);
            return 0;
        }
        Papy::GPLCamFile file(stream);
        AskAll(file);
        const std::vector<U8> saved = Save(file);
        if (saved != bytes)
            Finding("an unedited file saves as other bytes");
        Util::MemoryStream again(saved, "saved.cam");
        if (Save(Papy::GPLCamFile(again)) != saved)
            Finding("a saved file does not save back the same");
    }
    catch (const Util::Exception&)
    {
    }
    return 0;
}

#include "Papy/Race/CamFile.h"

#include "Util/Exception.h"

namespace Velmo::Papy
{
int CamFile::GetCameraCount() const
{
    return int(Cameras.size());
}

Util::CountedPointer<Camera> CamFile::GetCamera(int i) const
{
    VELMO_ASSERT(i >= 0 && size_t(i) < Cameras.size());
    return Cameras[i];
}

Util::CountedPointer<Camera> CamFile::GetCamera(int i)
{
    return static_cast<const CamFile&>(*this).GetCamera(i);
}
} // namespace Velmo::Papy

#include "Papy/FacetSets/GPLCreateCam.h"

#include "Papy/Race/GPLCamFile.h"

namespace Velmo::Papy
{
void GPLCreateCam::Create(Util::CountedPointer<CamFile>& object)
{
    object = Util::CountedPointer<CamFile>(new GPLCamFile());
}
} // namespace Velmo::Papy

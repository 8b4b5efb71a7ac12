#include "Papy/GPL/GPLTdoFixups.h"

#include "Papy/GPL/GPLTdoFile.h"

namespace Velmo::Papy
{
// The typed track and car nodes do not exist yet: both objects keep their generic lists.
void GPLTdoFixups::RunTrackFixup(GPLTdoFile&)
{
}

void GPLTdoFixups::RunCarFixup(GPLTdoFile&)
{
}
} // namespace Velmo::Papy

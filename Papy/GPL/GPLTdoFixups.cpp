#include "Papy/GPL/GPLTdoFixups.h"

#include "Papy/GPL/GPLCarTdoFixupVisitor.h"
#include "Papy/GPL/GPLTdoFile.h"
#include "Papy/GPL/GPLTrackTdoFixupVisitor.h"
#include "Papy/Model/ThreeDObjectRoot.h"

namespace Velmo::Papy
{
void GPLTdoFixups::RunTrackFixup(GPLTdoFile& file)
{
    GPLTrackTdoFixupVisitor visitor(file);
    file.GetRoot()->Accept(visitor);
}

void GPLTdoFixups::RunCarFixup(GPLTdoFile& file)
{
    GPLCarTdoFixupVisitor visitor(file);
    file.GetRoot()->Accept(visitor);
}
} // namespace Velmo::Papy

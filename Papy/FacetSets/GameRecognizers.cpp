#include "Papy/FacetSets/GameRecognizers.h"

#include "Papy/Factory/FileFactoryRegistry.h"

namespace Velmo::Papy
{
namespace
{
void RegisterWithProcessRegistry(FileFactoryRegistry& registry)
{
    // Made once, on the process registry's first use; they live until the process ends.
    static GameRecognizers recognizers(registry);
}
} // namespace

GameRecognizers::GameRecognizers(FileFactoryRegistry& registry)
    : GPL(true, registry), N2(false, registry), N4(false, registry), Sub(false, registry)
{
}

void RegisterGameRecognizers()
{
    FileFactoryRegistry::SetRegistration(&RegisterWithProcessRegistry);
    FileFactoryRegistry::Instance();
}
} // namespace Velmo::Papy

// The anchor the library's link option names (-u), so that this unit, and with it the
// registration below, is in every program that links the library, even one that names nothing
// of it. Set before main; runs on the registry's first use.
extern "C" const int VelmoFacetSetsRegistration =
    (Velmo::Papy::FileFactoryRegistry::SetRegistration(&Velmo::Papy::RegisterWithProcessRegistry), 1);

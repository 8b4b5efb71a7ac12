#pragma once
// The four game recognizers of a registry, registered in their order: GPL (the default), N2,
// N4, Sub. The process's registry gets its four on its first use (FileFactoryRegistry::
// Instance()), whatever the program's static initialisation or link order: this library's
// registration unit is always linked into a program that links the library, and it sets the
// registry's registration function before main. RegisterGameRecognizers() does the same
// explicitly.
#include "Papy/FacetSets/GPLFileFactoryRecognizer.h"
#include "Papy/FacetSets/N2FileFactoryRecognizer.h"
#include "Papy/FacetSets/N4FileFactoryRecognizer.h"
#include "Papy/FacetSets/SubFileFactoryRecognizer.h"

namespace Velmo::Papy
{
class GameRecognizers
{
public:
    // Registers the four with registry; they must outlive its use.
    explicit GameRecognizers(FileFactoryRegistry& registry);

    GPLFileFactoryRecognizer GPL;
    N2FileFactoryRecognizer N2;
    N4FileFactoryRecognizer N4;
    SubFileFactoryRecognizer Sub;
};

// Makes sure the process's registry has its game recognizers (they are made on the registry's
// next use if it has not been used yet).
void RegisterGameRecognizers();
} // namespace Velmo::Papy

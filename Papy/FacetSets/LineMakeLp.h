#pragma once
// The MakeLp facets: the racing-line Make mechanism over a loose-file source (default
// extension "lp"), answering the type list of the game's line class.
#include <string>

#include "Papy/Factory/LooseMakeSource.h"
#include "Papy/Factory/MakeFacet.h"
#include "Papy/Track/LpFile.h"

namespace Velmo::Papy
{
template <class Line, typename LooseMakeSource<LpFile>::Loader Load>
class LineMakeLp : public MakeFacet<MakeLp, LooseMakeSource<LpFile>, Load>
{
public:
    explicit LineMakeLp(const PapyDirectory& directory)
        : MakeFacet<MakeLp, LooseMakeSource<LpFile>, Load>(LooseMakeSource<LpFile>(directory, "lp"))
    {
    }

    int GetTypeCount() override { return Line::GetTypeCount(); }
    std::string GetTypeName(int i) override { return Line::GetTypeName(i); }
};
} // namespace Velmo::Papy

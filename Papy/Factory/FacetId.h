#pragma once
// The identity of a facet kind. A factory keeps its facets keyed by these ids, so a facet is
// found by the kind it was added as (MakeMip), never by its concrete class (a game's own Make
// facet for MIP files).
//
// The library's 25 kinds have fixed ids, 1 to 25, given in the table below whatever order the
// program's parts are linked or initialised in. A program that adds a kind of its own gives it
// a FacetId made by the default constructor, which takes the next free id (26, 27, ...).
// Ids mean something only inside one run; they are never stored.

namespace Velmo::Papy
{
class FacetId
{
public:
    // The number of kinds the library defines.
    static constexpr int libraryKindCount = 25;

    // A kind of the library, with its fixed id.
    constexpr explicit FacetId(int id) : m_id(id) {}
    // A further kind: the id after every id given out so far in this run.
    FacetId();

    constexpr int Get() const { return m_id; }

private:
    int m_id;
};

class MakeTdo;
class MakePtf;
class MakeCam;
class GetDirectory;
class GetDat;
class MakeTrack;
class CreatePbf;
class MakeUnknown;
class MakeMip;
class CreateTdo;
class MakeRpy;
class CreateDat;
class CreateMip;
class CreateLp;
class MakeSrb;
class MakeLyt;
class CreateSrb;
class CreateTrk;
class MakeTrk;
class CreateCam;
class MakeLp;
class MakePbf;
class PurgeFactory;
class PaletteServer;
class MakePcx;

// FacetKind<Kind>::Id is the id of a kind. A class without a specialisation here is no facet
// kind: adding or asking for it does not compile.
template <class Kind>
struct FacetKind;

#define VELMO_FACET_KIND(Kind, id)                                                                 \
    template <>                                                                                    \
    struct FacetKind<Kind>                                                                         \
    {                                                                                              \
        static constexpr FacetId Id{id};                                                           \
    }

VELMO_FACET_KIND(MakeTdo, 1);
VELMO_FACET_KIND(MakePtf, 2);
VELMO_FACET_KIND(MakeCam, 3);
VELMO_FACET_KIND(GetDirectory, 4);
VELMO_FACET_KIND(GetDat, 5);
VELMO_FACET_KIND(MakeTrack, 6);
VELMO_FACET_KIND(CreatePbf, 7);
VELMO_FACET_KIND(MakeUnknown, 8);
VELMO_FACET_KIND(MakeMip, 9);
VELMO_FACET_KIND(CreateTdo, 10);
VELMO_FACET_KIND(MakeRpy, 11);
VELMO_FACET_KIND(CreateDat, 12);
VELMO_FACET_KIND(CreateMip, 13);
VELMO_FACET_KIND(CreateLp, 14);
VELMO_FACET_KIND(MakeSrb, 15);
VELMO_FACET_KIND(MakeLyt, 16);
VELMO_FACET_KIND(CreateSrb, 17);
VELMO_FACET_KIND(CreateTrk, 18);
VELMO_FACET_KIND(MakeTrk, 19);
VELMO_FACET_KIND(CreateCam, 20);
VELMO_FACET_KIND(MakeLp, 21);
VELMO_FACET_KIND(MakePbf, 22);
VELMO_FACET_KIND(PurgeFactory, 23);
VELMO_FACET_KIND(PaletteServer, 24);
VELMO_FACET_KIND(MakePcx, 25);

#undef VELMO_FACET_KIND
} // namespace Velmo::Papy

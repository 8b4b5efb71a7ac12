#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "Papy/Factory/CreateFacets.h"
#include "Papy/Factory/FacetId.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/GetDat.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/PaletteServer.h"
#include "Papy/Factory/PurgeFactory.h"
#include "Util/Exception.h"

using namespace Velmo::Papy;
using Velmo::Util::CountedPointer;
using Velmo::Util::XAssertion;

namespace
{
// A further kind of a program of its own, and a concrete facet of it.
class ExtraKind : public FileFactory::Facet
{
};
} // namespace

namespace Velmo::Papy
{
template <>
struct FacetKind<ExtraKind>
{
    static const FacetId Id;
};
const FacetId FacetKind<ExtraKind>::Id;
} // namespace Velmo::Papy

namespace
{
// A Make facet that only counts how many of its kind are alive.
class CountingMakeMip : public MakeMip
{
public:
    explicit CountingMakeMip(int& alive) : m_alive(alive) { ++m_alive; }
    ~CountingMakeMip() override { --m_alive; }
    void Make(CountedPointer<MipFile>&, const std::string&, const std::string&, bool) override {}
    void Adopt(const CountedPointer<MipFile>&, const std::string&, const std::string&) override {}
    void PurgeCache() override {}

private:
    int& m_alive;
};

template <class Kind>
std::pair<std::string, int> IdOf(const char* name)
{
    return {name, FacetKind<Kind>::Id.Get()};
}
} // namespace

TEST(FileFactory, KindIdsFollowTheTable)
{
    const std::vector<std::pair<std::string, int>> ids = {
        IdOf<MakeTdo>("MakeTdo"),         IdOf<MakePtf>("MakePtf"),     IdOf<MakeCam>("MakeCam"),
        IdOf<GetDirectory>("GetDirectory"), IdOf<GetDat>("GetDat"),     IdOf<MakeTrack>("MakeTrack"),
        IdOf<CreatePbf>("CreatePbf"),     IdOf<MakeUnknown>("MakeUnknown"), IdOf<MakeMip>("MakeMip"),
        IdOf<CreateTdo>("CreateTdo"),     IdOf<MakeRpy>("MakeRpy"),     IdOf<CreateDat>("CreateDat"),
        IdOf<CreateMip>("CreateMip"),     IdOf<CreateLp>("CreateLp"),   IdOf<MakeSrb>("MakeSrb"),
        IdOf<MakeLyt>("MakeLyt"),         IdOf<CreateSrb>("CreateSrb"), IdOf<CreateTrk>("CreateTrk"),
        IdOf<MakeTrk>("MakeTrk"),         IdOf<CreateCam>("CreateCam"), IdOf<MakeLp>("MakeLp"),
        IdOf<MakePbf>("MakePbf"),         IdOf<PurgeFactory>("PurgeFactory"),
        IdOf<PaletteServer>("PaletteServer"), IdOf<MakePcx>("MakePcx"),
    };
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(ids[i].second, int(i) + 1) << ids[i].first;
    // A kind of the program's own comes after the library's.
    EXPECT_EQ(FacetKind<ExtraKind>::Id.Get(), 26);
}

TEST(FileFactory, AddHasGet)
{
    int alive = 0;
    {
        FileFactory factory;
        EXPECT_FALSE(factory.HasFacet<MakeMip>());
        factory.AddFacet<MakeMip>(new CountingMakeMip(alive));
        factory.AddFacet<ExtraKind>(new ExtraKind);
        EXPECT_TRUE(factory.HasFacet<MakeMip>());
        EXPECT_TRUE(factory.HasFacet<ExtraKind>());
        // Found by its kind only, never by another kind.
        EXPECT_FALSE(factory.HasFacet<MakeTdo>());
        EXPECT_FALSE(factory.HasFacet<MakeSrb>());

        CountedPointer<MakeMip> first = factory.GetFacet<MakeMip>();
        ASSERT_TRUE(first);
        EXPECT_NE(dynamic_cast<CountingMakeMip*>(first.Get()), nullptr);
        EXPECT_EQ(first.GetCount(), 2); // the factory's reference and ours

        // Added again: the second one is the factory's, the first lives on where held.
        factory.AddFacet<MakeMip>(new CountingMakeMip(alive));
        EXPECT_EQ(alive, 2);
        EXPECT_EQ(first.GetCount(), 1);
        CountedPointer<MakeMip> second = factory.GetFacet<MakeMip>();
        EXPECT_NE(second.Get(), first.Get());
        first = nullptr;
        EXPECT_EQ(alive, 1);

        // The same facet handed over twice is kept once, not wrapped twice.
        CountingMakeMip* raw = new CountingMakeMip(alive);
        factory.AddFacet<MakeMip>(raw);
        factory.AddFacet<MakeMip>(raw);
        second = nullptr;
        EXPECT_EQ(factory.GetFacet<MakeMip>().Get(), raw);
        EXPECT_EQ(alive, 1);

        // A null facet still counts as the kind; getting it gives an empty pointer.
        factory.AddFacet<MakeTdo>(nullptr);
        EXPECT_TRUE(factory.HasFacet<MakeTdo>());
        EXPECT_FALSE(factory.GetFacet<MakeTdo>());
    }
    // The facets die with the factory.
    EXPECT_EQ(alive, 0);
}

TEST(FileFactory, MissingKindFailsTheAssertion)
{
    FileFactory factory;
    factory.AddFacet<GetDirectory>(new GetDirectory(PapyDirectory("/")));
    EXPECT_EQ(factory.GetFacet<GetDirectory>()->Directory.GetPath(), "/");
    try
    {
        factory.GetFacet<MakePtf>();
        FAIL() << "no assertion";
    }
    catch (const XAssertion& e)
    {
        EXPECT_STREQ(e.GetExpression(), "HasFacet<FacetT>()");
        EXPECT_STREQ(e.GetFile(), ".\\Papy\\FileFactory.cpp");
        EXPECT_EQ(e.GetLine(), 89);
    }
}

#pragma once
// The capabilities of one game folder (and of its DAT container, when it has one): a bag of
// facets keyed by facet kind. A recognizer's facet-set builder makes the factory empty, fills
// it with AddFacet and from then on it is only read. Callers never name a game: they ask
// whether the factory carries a kind (HasFacet<MakeMip>()), take it (GetFacet<MakeMip>()) and
// call its operations, so one request loads a GPL, N2 or N4 file according to the folder.
//
// Factories are shared through CountedPointer<FileFactory>: the registry's cache holds one
// reference, every open document of that folder another. A facet may keep a plain pointer back
// to its factory: the factory outlives its facets.
#include <map>
#include <type_traits>
#include <vector>

#include "Papy/Factory/FacetId.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

namespace Velmo::Papy
{
class FileFactory
{
public:
    // The base of every facet kind; a kind is an abstract class derived from it, each game
    // supplies concrete classes derived from the kinds.
    class Facet
    {
    public:
        Facet() = default;
        virtual ~Facet() = default;
        Facet(const Facet&) = delete;
        Facet& operator=(const Facet&) = delete;

        // Forgets the cached objects that are that object, or were made from it, whoever else
        // holds them: the next request of their files reads the files again, and the holders keep
        // what they hold. A facet without a cache forgets nothing.
        virtual void Forget(const void* object) { (void)object; }
        // Forgets every cached object that nobody else holds, and keeps the others only for
        // their holders: each is handed out while another holder keeps it, and forgotten once only
        // the cache does (MakeCache::ForgetUnheld).
        virtual void ForgetUnheld() {}
        // Drops the cached objects that nobody else holds beyond the cache's small share
        // (MakeCache::TrimUnheld). A facet without a cache drops nothing.
        virtual void TrimUnheld() {}
    };

    FileFactory() = default;
    FileFactory(const FileFactory&) = delete;
    FileFactory& operator=(const FileFactory&) = delete;

    // Takes ownership of a newly made facet and keeps it as the factory's facet of kind
    // FacetT, which is named explicitly (AddFacet<MakeMip>(new SomeMakeMip(...))). A facet of
    // that kind already present is replaced: the factory releases it, and it lives on only
    // where another facet still holds it. A null pointer is kept as an empty facet of the kind.
    template <class FacetT>
    void AddFacet(std::type_identity_t<FacetT>* facet)
    {
        static_assert(std::is_base_of_v<Facet, FacetT>, "a facet kind derives from FileFactory::Facet");
        Facet* given = facet;
        const int id = FacetKind<FacetT>::Id.Get();
        auto held = m_facets.find(id);
        if (given != nullptr && held != m_facets.end() && held->second.Get() == given)
            return; // already held: wrapping it again would give it two counts
        // Wrapped before the map changes: when wrapping fails, the facet is freed and the
        // factory stays as it was.
        Util::CountedPointer<Facet> wrapped(given);
        m_facets[id] = std::move(wrapped);
    }

    template <class FacetT>
    bool HasFacet() const
    {
        return m_facets.find(FacetKind<FacetT>::Id.Get()) != m_facets.end();
    }

    // The facet of kind FacetT, sharing the factory's count. A kind the factory does not carry
    // fails the assertion "HasFacet<FacetT>()" (MissingFacet); callers that may meet such a
    // factory ask HasFacet first.
    template <class FacetT>
    Util::CountedPointer<FacetT> GetFacet() const
    {
        if (!HasFacet<FacetT>())
            MissingFacet();
        Util::CountedPointer<FacetT> facet;
        // A down-cast that tests the dynamic type; the builders store each facet under a kind
        // it derives from, so it does not come out empty.
        facet = m_facets.find(FacetKind<FacetT>::Id.Get())->second;
        return facet;
    }

    // Every facet forgets the object and what was made from it (Facet::Forget): an object edited
    // in place and never saved is not handed out again.
    void Forget(const void* object)
    {
        for (const Util::CountedPointer<Facet>& facet : Facets())
            facet->Forget(object);
    }
    // Every facet forgets every object it caches that nobody else holds (Facet::ForgetUnheld).
    void ForgetUnheld()
    {
        for (const Util::CountedPointer<Facet>& facet : Facets())
            facet->ForgetUnheld();
    }

    // Every facet drops the objects that nobody else holds beyond its share (Facet::TrimUnheld).
    void TrimUnheld()
    {
        for (const Util::CountedPointer<Facet>& facet : Facets())
            facet->TrimUnheld();
    }

    // The assertion of a facet kind asked of a factory that does not carry it, in the unit and
    // at the line users know it by.
    [[noreturn]] static void MissingFacet()
    {
        Util::ThrowAssertion("HasFacet<FacetT>()", ".\\Papy\\FileFactory.cpp", 89);
    }

private:
    // The facets, taken before a walk: what a facet forgets may be the last hold on an object
    // whose destructor must not find the map in the middle of the walk.
    std::vector<Util::CountedPointer<Facet>> Facets() const
    {
        std::vector<Util::CountedPointer<Facet>> facets;
        for (const auto& entry : m_facets)
            if (entry.second)
                facets.push_back(entry.second);
        return facets;
    }

    std::map<int, Util::CountedPointer<Facet>> m_facets;
};
} // namespace Velmo::Papy

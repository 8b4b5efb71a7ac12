#pragma once
// The test object of the factory's suites and its two kinds: one found loose or in the DAT
// and adoptable, one of the form of the racing-line and replay kinds (loose files only).
#include <string>
#include <utility>

#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/CountedPointer.h"

namespace VelmoTest
{
// A loaded test object: the file's bytes as text, where the loader keeps them.
struct Thing
{
    Thing(std::string given = "") : text(std::move(given)) { ++alive; }
    Thing(const Thing& other) : text(other.text) { ++alive; }
    Thing& operator=(const Thing&) = default;
    ~Thing() { --alive; }

    std::string text;
    // The things alive, so that a test sees what a cache gives back.
    static inline int alive = 0;
};

class MakeThing : public Velmo::Papy::AdoptingMakeKind<Thing>
{
};

class MakeLooseThing : public Velmo::Papy::FileFactory::Facet
{
public:
    typedef Thing ObjectType;
    virtual void Make(Velmo::Util::CountedPointer<Thing>& object, const std::string& name, const std::string& extension) = 0;
    virtual void PurgeCache() = 0;
};
} // namespace VelmoTest

#pragma once
// The one Make-facet mechanism: a facet kind, a Make source and the function that makes the
// file object from an opened stream. Every game's concrete Make facet is an instance:
//
//     Util::CountedPointer<CamFile> LoadGPLCam(const Util::CountedPointer<Util::BinaryStream>& stream)
//     {
//         return MakeFromStream<CamFile, GPLCamFile>(stream);
//     }
//     typedef MakeFacet<MakeCam, StandardMakeSource<CamFile>, &LoadGPLCam> GPLMakeCam;
//     factory.AddFacet<MakeCam>(new GPLMakeCam({directory, dat, "cam"}));
//
// The facet offers every Make-facet operation; those its kind declares (Make with or without
// datOnly, Adopt, Replace, PurgeCache) are the ones the kind's users reach. Which purge a kind
// gets is fixed here: the racing-line, replay and track kinds empty their whole cache, every
// other kind releases only the objects that nobody but the cache holds. ForgetUnheld follows the
// same split: the first kinds forget everything, the others keep what is held for its holders.
#include <string>
#include <type_traits>
#include <utility>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/MakeFacets.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
// Whether PurgeCache of a kind forgets every cached object.
template <class Kind>
constexpr bool PurgesWholeCache =
    std::is_base_of_v<MakeLp, Kind> || std::is_base_of_v<MakeRpy, Kind> || std::is_base_of_v<MakeTrack, Kind>;

// The file object of class Concrete read from the stream, held as an Object.
template <class Object, class Concrete>
Util::CountedPointer<Object> MakeFromStream(const Util::CountedPointer<Util::BinaryStream>& stream)
{
    if constexpr (std::is_constructible_v<Concrete, const Util::CountedPointer<Util::BinaryStream>&>)
        return Util::CountedPointer<Object>(new Concrete(stream));
    else
        return Util::CountedPointer<Object>(new Concrete(*stream));
}

template <class Kind, class Source, typename Source::Loader Load>
class MakeFacet : public Kind
{
public:
    typedef typename Kind::ObjectType Object;

    explicit MakeFacet(Source source) : m_source(std::move(source)) {}

    // The kinds whose sources consult the folder's DAT.
    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
              bool datOnly)
    {
        m_source.Make(object, name, extension, datOnly, Load);
    }

    // The racing-line and replay kinds, whose sources look for loose files only.
    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension)
    {
        m_source.Make(object, name, extension, Load);
    }

    void Adopt(const Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension)
    {
        m_source.Adopt(object, name, extension);
    }

    void PurgeCache()
    {
        if constexpr (PurgesWholeCache<Kind>)
            m_source.GetCache().Clear();
        else
            m_source.GetCache().ReleaseUnheld();
    }

    void Forget(const void* object) override { m_source.GetCache().Forget(object); }
    // The kinds whose purge empties the whole cache forget every object.
    void ForgetUnheld() override
    {
        if constexpr (PurgesWholeCache<Kind>)
            m_source.GetCache().Clear();
        else
            m_source.GetCache().ForgetUnheld();
    }

    void TrimUnheld() override { m_source.GetCache().TrimUnheld(); }

    // The kinds whose objects documents edit and save.
    Util::CountedPointer<Object> Replace(const Util::CountedPointer<Object>& object, const std::string& name,
                                         const std::string& extension)
    {
        return m_source.Replace(object, name, extension);
    }

    Source& GetSource() { return m_source; }
    const Source& GetSource() const { return m_source; }

private:
    Source m_source;
};
} // namespace Velmo::Papy

#pragma once
// A Make facet over a standard source whose loader needs more than the opened stream: the
// resolved file name (N2 MIPs are read by their extension), the folder, or the folder's factory
// from the registry (3D objects that look up their textures and palette). Name resolution,
// key, cache, purge and errors are those of the standard source.
#include <string>

#include "Papy/Factory/MakeFacets.h"
#include "Papy/Factory/StandardMakeSource.h"
#include "Papy/FacetSets/SourceMake.h"

namespace Velmo::Papy
{
class FileFactoryRegistry;

template <class Kind>
class FolderMakeFacet : public Kind
{
public:
    typedef typename Kind::ObjectType Object;
    // Makes the object from the stream of file (the resolved "base.ext"), found for directory.
    typedef Util::CountedPointer<Object> (*Loader)(const Util::CountedPointer<Util::BinaryStream>& stream,
                                                   const std::string& file, const PapyDirectory& directory,
                                                   FileFactoryRegistry& registry);

    FolderMakeFacet(StandardMakeSource<Object> source, FileFactoryRegistry& registry, Loader load)
        : m_source(std::move(source)), m_registry(&registry), m_load(load)
    {
    }

    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
              bool datOnly)
    {
        MakeThrough(m_source, object, name, extension, datOnly,
                    [this](const Util::CountedPointer<Util::BinaryStream>& stream, const std::string& file) {
                        return m_load(stream, file, m_source.GetDirectory(), *m_registry);
                    });
    }

    void Adopt(const Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension)
    {
        m_source.Adopt(object, name, extension);
    }

    void PurgeCache() { m_source.GetCache().ReleaseUnheld(); }
    void Forget(const void* object) override { m_source.GetCache().Forget(object); }
    void ForgetUnheld() override { m_source.GetCache().ForgetUnheld(); }
    void TrimUnheld() override { m_source.GetCache().TrimUnheld(); }

    // The kinds whose objects documents edit and save.
    Util::CountedPointer<Object> Replace(const Util::CountedPointer<Object>& object, const std::string& name,
                                         const std::string& extension)
    {
        return m_source.Replace(object, name, extension);
    }

    StandardMakeSource<Object>& GetSource() { return m_source; }

private:
    StandardMakeSource<Object> m_source;
    FileFactoryRegistry* m_registry;
    Loader m_load;
};
} // namespace Velmo::Papy

#pragma once
// The N4 MIP and 3D-object Make facets: two standard sources, the folder's own (folder and
// its DAT) and the shared folder's (the sibling "shared" folder and its DAT), each with its own
// cache. A name is looked for locally, then, when the folder has a shared folder, there; a name
// found nowhere raises the local look-up's XFileOpen (the local folder's path). Adopt and Replace
// file into the local cache; a purge releases what only either cache holds.
#include <string>
#include <utility>

#include "Papy/FacetSets/FolderMakeFacet.h"
#include "Papy/FacetSets/SourceMake.h"

namespace Velmo::Papy
{
template <class Kind>
class SharedMakeFacet : public Kind
{
public:
    typedef typename Kind::ObjectType Object;
    typedef typename FolderMakeFacet<Kind>::Loader Loader;

    // Without a shared folder, shared is not consulted.
    SharedMakeFacet(bool hasShared, StandardMakeSource<Object> local, StandardMakeSource<Object> shared,
                    FileFactoryRegistry& registry, Loader load)
        : m_hasShared(hasShared), m_local(std::move(local)), m_shared(std::move(shared)), m_registry(&registry),
          m_load(load)
    {
    }

    void Make(Util::CountedPointer<Object>& object, const std::string& name, const std::string& extension,
              bool datOnly) override
    {
        // Objects of either source are made for the local folder (its factory gives textures).
        auto load = [this](const Util::CountedPointer<Util::BinaryStream>& stream, const std::string& file) {
            return m_load(stream, file, m_local.GetDirectory(), *m_registry);
        };
        Util::CountedPointer<Object> found = TryMakeThrough(m_local, name, extension, datOnly, load);
        if (!found && m_hasShared)
            found = TryMakeThrough(m_shared, name, extension, datOnly, load);
        if (!found)
            MakeThrough(m_local, found, name, extension, datOnly, load);
        object = found;
    }

    void Adopt(const Util::CountedPointer<Object>& object, const std::string& name,
               const std::string& extension) override
    {
        m_local.Adopt(object, name, extension);
    }

    void PurgeCache() override
    {
        m_local.GetCache().ReleaseUnheld();
        if (m_hasShared)
            m_shared.GetCache().ReleaseUnheld();
    }

    void Forget(const void* object) override
    {
        m_local.GetCache().Forget(object);
        m_shared.GetCache().Forget(object);
    }

    void ForgetUnheld() override
    {
        m_local.GetCache().ForgetUnheld();
        m_shared.GetCache().ForgetUnheld();
    }

    // The kinds whose objects documents edit and save: a saved file is the local folder's.
    Util::CountedPointer<Object> Replace(const Util::CountedPointer<Object>& object, const std::string& name,
                                         const std::string& extension)
    {
        return m_local.Replace(object, name, extension);
    }

    bool HasShared() const { return m_hasShared; }
    const StandardMakeSource<Object>& GetLocal() const { return m_local; }
    const StandardMakeSource<Object>& GetShared() const { return m_shared; }

private:
    bool m_hasShared;
    StandardMakeSource<Object> m_local;
    StandardMakeSource<Object> m_shared;
    FileFactoryRegistry* m_registry;
    Loader m_load;
};
} // namespace Velmo::Papy

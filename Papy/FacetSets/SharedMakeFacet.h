#pragma once
// The N4 MIP and 3D-object Make facets: the folder's own standard source (folder and its DAT)
// and the shared folder's (the sibling "shared" folder and its DAT). A name is looked for
// locally, then, when the folder has a shared folder, there; a name found nowhere raises the
// local look-up's XFileOpen (the local folder's path). Adopt and Replace file into the local
// cache; a purge releases what only either cache holds.
//
// A shared file is one object for every sibling: the shared folder's look-ups go through the
// shared folder's own factory (from the registry) and its facet of the kind, so that its one
// cache serves them all, and an object of the shared folder is made for the shared folder (its
// textures are the shared folder's). Only when that factory has no facet of this class (the
// shared folder taken for another game's) does the facet keep a cache of its own for them.
#include <string>
#include <utility>

#include "Papy/FacetSets/FolderMakeFacet.h"
#include "Papy/FacetSets/SourceMake.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/LookupPass.h"

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
        Util::LookupPass pass;
        Util::CountedPointer<Object> found = TryMakeLocal(name, extension, datOnly);
        if (!found && m_hasShared)
        {
            if (SharedMakeFacet* shared = SharedFacet())
                found = shared->TryMakeLocal(name, extension, datOnly);
            else
                found = TryMakeThrough(m_shared, name, extension, datOnly, Loading());
        }
        if (!found)
            MakeThrough(m_local, found, name, extension, datOnly, Loading());
        object = found;
    }

    // The object of the name from the folder itself (its loose files and its DAT); empty when
    // it has no such file.
    Util::CountedPointer<Object> TryMakeLocal(const std::string& name, const std::string& extension, bool datOnly)
    {
        return TryMakeThrough(m_local, name, extension, datOnly, Loading());
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
        {
            m_shared.GetCache().ReleaseUnheld();
            if (SharedMakeFacet* shared = SharedFacet())
                shared->GetLocalCache().ReleaseUnheld();
        }
    }

    void Forget(const void* object) override
    {
        m_local.GetCache().Forget(object);
        m_shared.GetCache().Forget(object);
        if (m_sharedFacet)
            m_sharedFacet->Forget(object);
    }

    void ForgetUnheld() override
    {
        m_local.GetCache().ForgetUnheld();
        m_shared.GetCache().ForgetUnheld();
    }

    void TrimUnheld() override
    {
        m_local.GetCache().TrimUnheld();
        m_shared.GetCache().TrimUnheld();
    }

    // The kinds whose objects documents edit and save: a saved file is the local folder's.
    Util::CountedPointer<Object> Replace(const Util::CountedPointer<Object>& object, const std::string& name,
                                         const std::string& extension)
    {
        return m_local.Replace(object, name, extension);
    }

    bool HasShared() const { return m_hasShared; }
    const StandardMakeSource<Object>& GetLocal() const { return m_local; }
    // The source whose cache holds the shared folder's objects: the shared folder's own facet's
    // when it has one.
    const StandardMakeSource<Object>& GetShared()
    {
        SharedMakeFacet* shared = m_hasShared ? SharedFacet() : nullptr;
        return shared ? shared->GetLocal() : m_shared;
    }

private:
    MakeCache<Object>& GetLocalCache() { return m_local.GetCache(); }

    // The load of either source: objects are made for the folder of this facet.
    auto Loading()
    {
        return [this](const Util::CountedPointer<Util::BinaryStream>& stream, const std::string& file) {
            return m_load(stream, file, m_local.GetDirectory(), *m_registry);
        };
    }

    // The shared folder's facet of this class, taken from its factory on first use and kept
    // (with the factory); null when that factory has none.
    SharedMakeFacet* SharedFacet()
    {
        if (!m_sharedLooked)
        {
            m_sharedLooked = true;
            Util::CountedPointer<FileFactory> factory = m_registry->GetFactory(m_shared.GetDirectory(), false);
            if (factory && factory->template HasFacet<Kind>())
            {
                Util::CountedPointer<Kind> facet = factory->template GetFacet<Kind>();
                if (auto* same = dynamic_cast<SharedMakeFacet*>(facet.Get()); same != nullptr && same != this)
                {
                    m_sharedFactory = factory;
                    m_sharedFacet = same;
                }
            }
        }
        return m_sharedFacet;
    }

    bool m_hasShared;
    StandardMakeSource<Object> m_local;
    StandardMakeSource<Object> m_shared;
    FileFactoryRegistry* m_registry;
    Loader m_load;
    bool m_sharedLooked = false;
    Util::CountedPointer<FileFactory> m_sharedFactory;
    SharedMakeFacet* m_sharedFacet = nullptr;
};
} // namespace Velmo::Papy

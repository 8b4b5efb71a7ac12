#pragma once
// How every document gets its file object: the factory of the file's folder from the registry,
// the factory's Make facet of the document's kind, and the object that Make returns. A factory
// without that facet fails the assertion "HasFacet<FacetT>()". The object is handed over only
// when complete; the factory is returned for the documents that keep it.
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"
#include "Util/PathName.h"

class CDocumentPattern
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory;

    template <class FacetT, class Object>
    static Factory Make(const std::string& path, const std::string& extension, Velmo::Util::CountedPointer<Object>& object)
    {
        const Velmo::Papy::PapyDirectory folder(path);
        Factory factory = Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
        VELMO_ASSERT(factory.Get() != nullptr);
        const Velmo::Util::PathName name(path);
        Velmo::Util::CountedPointer<FacetT> facet = factory->template GetFacet<FacetT>();
        Velmo::Util::CountedPointer<Object> made;
        facet->Make(made, name.GetBaseName(), extension, false);
        object = made;
        return factory;
    }

    // Whether the game folders' recognizers are registered, so that files open through their
    // factories; until then a hexadecimal dump opens its file directly.
    static bool UsesRegistry();
    static void SetUsesRegistry(bool uses);
};

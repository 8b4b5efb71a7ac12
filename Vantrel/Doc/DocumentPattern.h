#pragma once
// How every document gets its file object: the factory of the file's folder from the registry,
// the factory's Make facet of the document's kind, and the object that Make returns for a name
// and an extension. A factory without that facet fails the assertion "HasFacet<FacetT>()". The
// object is handed over only when complete; the factory is returned for the documents that
// keep it.
//
// The name: the standard Make sources split the name at its last '.', so a document gives its
// whole file name ("a.b.3do", with or without the extension argument) to find exactly the file
// opened; the base name "a.b" would look for "a.3do". Sources that append the extension
// themselves (racing lines, replays) take the base name.
//
// A path that names a folder is refused with the system's reason, XFileOpen(path, "Is a
// directory"), before any factory looks inside it for a file of the folder's name.
#include <string>

#include "Papy/Container/PapyDirectory.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/CountedPointer.h"
#include "Util/Exception.h"

class CDocumentPattern
{
public:
    typedef Velmo::Util::CountedPointer<Velmo::Papy::FileFactory> Factory;

    template <class FacetT, class Object>
    static Factory Make(const std::string& path, const std::string& name, const std::string& extension,
                        Velmo::Util::CountedPointer<Object>& object)
    {
        RefuseFolder(path);
        const Velmo::Papy::PapyDirectory folder(path);
        Factory factory = Velmo::Papy::FileFactoryRegistry::Instance()->GetFactory(folder, false);
        VELMO_ASSERT(factory.Get() != nullptr);
        Velmo::Util::CountedPointer<FacetT> facet = factory->template GetFacet<FacetT>();
        Velmo::Util::CountedPointer<Object> made;
        facet->Make(made, name, extension, false);
        object = made;
        return factory;
    }

    // Raises XFileOpen(path, the system's text for a folder) when the path names a folder.
    static void RefuseFolder(const std::string& path);

    // Whether the game folders' recognizers are registered, so that files open through their
    // factories; until then a hexadecimal dump opens its file directly.
    static bool UsesRegistry();
    static void SetUsesRegistry(bool uses);
};

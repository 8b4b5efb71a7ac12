#pragma once
// How every document gets its file object: the factory of the file's folder from the registry,
// the factory's Make facet of the document's kind, and the object that Make returns for a name
// and an extension. The object is handed over only when complete; the factory is returned for
// the documents that keep it.
//
// What a user can name is refused in plain words, never by an assertion: a path that goes on
// below a file is XFileOpen(path, "Not a directory"), as the system says of it; a file of a
// kind its folder's game does not read (a .ptf among GPL files) is "<path> can't be opened: its
// folder holds no files of that kind".
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
        const Factory factory = FolderFactory(path);
        Velmo::Util::CountedPointer<FacetT> facet = FacetOf<FacetT>(factory, path);
        Velmo::Util::CountedPointer<Object> made;
        facet->Make(made, name, extension, false);
        object = made;
        return factory;
    }

    // Raises XFileOpen(path, the system's text) when the path names a folder, or goes on below
    // a file.
    static void RefuseFolder(const std::string& path);

    // The factory of the folder of the file at path (its PapyDirectory, resolved here or given).
    static Factory FolderFactory(const std::string& path);
    static Factory FolderFactory(const Velmo::Papy::PapyDirectory& folder, const std::string& path);
    // The factory's Make facet of the kind; XUsage when its game reads no files of the kind.
    template <class FacetT>
    static Velmo::Util::CountedPointer<FacetT> FacetOf(const Factory& factory, const std::string& path)
    {
        if (!factory->template HasFacet<FacetT>())
            RefuseKind(path);
        return factory->template GetFacet<FacetT>();
    }

    // Whether the game folders' recognizers are registered, so that files open through their
    // factories; until then a hexadecimal dump opens its file directly.
    static bool UsesRegistry();
    static void SetUsesRegistry(bool uses);

private:
    [[noreturn]] static void RefuseKind(const std::string& path);
};

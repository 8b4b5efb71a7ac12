#pragma once
// How look-ups of names in folders share what they learn. Every look-up asks for the index of
// a folder (FolderIndex) here instead of listing it:
//
// - An index is kept for later look-ups while the folder stays as it was when listed: each use
//   compares the folder's device, inode, modification and change times with the ones taken
//   before the listing, and a folder that changed is listed again. A folder changed so
//   recently that a further change could still carry the same times (within the file
//   system's clock step of the listing) is not trusted beyond the pass it was listed in.
// - A pass is the span of one look-up of a file by a Make facet, with the look-ups it makes on
//   the way (the name loose in the folder, in the shared folder, and once more for the error of
//   a missing file): while one is open, an index made in it is used whatever the times say,
//   and a path found missing is not resolved again. Passes nest (each of those steps opens its
//   own); the outermost one ends the pass, and what it remembered of missing paths is dropped.
//   Look-ups in separate passes share only the indexes of settled folders.
//
// One thread only, as the program is: the store is the process's own.
#include <memory>
#include <string>

#include "Util/FolderIndex.h"

namespace Velmo::Util
{
class LookupPass
{
public:
    LookupPass();
    ~LookupPass();
    LookupPass(const LookupPass&) = delete;
    LookupPass& operator=(const LookupPass&) = delete;

    // The index of an absolute folder path, made by one listing when none is kept for the
    // folder as it is now.
    static std::shared_ptr<const FolderIndex> IndexOf(const std::string& folder);

    // Within a pass: what ResolveCase made of a path that it could not resolve to an existing
    // entry (and the error of the listing that stopped it), when this pass resolved it
    // already. False outside a pass.
    static bool FindMissing(const std::string& path, std::string& resolved, int& error);
    // Remembers such a path for the rest of the pass; nothing outside a pass.
    static void RememberMissing(const std::string& path, const std::string& resolved, int error);

    // Drops every kept index (tests; after the program changed folders behind the times).
    static void Forget();
};
} // namespace Velmo::Util

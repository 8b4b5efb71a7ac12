#pragma once
// The names of one folder as one listing gave them, in the fixed order of NameLess, indexed
// by their case-folded form (A to Z only, as CompareNoCase folds): whether a name is there as
// written, which entry equals it without regard to case, and whether it has a twin that
// differs only in case, each answered without listing the folder again.
//
// An index is a snapshot; LookupPass decides how long one may be used.
#include <string>
#include <unordered_map>
#include <vector>

#include "Util/Types.h"

namespace Velmo::Util
{
class FolderIndex
{
public:
    // Lists folder once ("." and ".." included). A folder that cannot be opened or read gives
    // an index of no names and the system's error code.
    explicit FolderIndex(const std::string& folder);

    // 0, or the system's error code of the listing.
    int GetError() const { return m_error; }
    // Every name, in NameLess order.
    const std::vector<std::string>& GetNames() const { return m_names; }

    // The entry that equals name without regard to case, the first in NameLess order when
    // several do; null when none does.
    const std::string* Match(const std::string& name) const;
    // True when the folder holds, besides name itself, an entry that equals it without regard
    // to case.
    bool HasTwin(const std::string& name) const;

private:
    struct Run
    {
        U32 first; // the first of the names of one folded form, in m_names
        U32 count;
    };

    std::vector<std::string> m_names;
    std::unordered_map<std::string, Run> m_runs;
    int m_error = 0;
};
} // namespace Velmo::Util

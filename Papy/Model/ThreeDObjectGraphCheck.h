#pragma once
// Refuses a loaded 3D-object file whose nodes name themselves or one of their ancestors.
//
// Records refer to each other by id, so a file can hold a cycle through any kind of node,
// and every walk of such a tree would recurse forever. The check follows the references
// that walks follow (the child graph; an object locator's four sibling links, which walks
// do not follow, are left out) once per node, without recursion, so its time is in
// proportion to the number of references. An id that names no node is not followed here:
// it loads, and fails when a walk reaches it. A file whose nodes are nested deeper than a
// walk may descend is refused as well, so that it fails at load rather than at every walk;
// so, when the caller asks, is a file whose shared nodes would make one walk visit more
// than MaxExpandedNodes nodes (a shared node counts at every reference to it).
//
// A node that implements ThreeDObjectChildReferences gives its child ids itself; any other
// node is asked through its kind's getters.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObject.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class ThreeDObjectGraphCheck
{
public:
    // Far above what real files hold.
    static constexpr U64 MaxExpandedNodes = U64(1) << 24;

    struct Messages
    {
        const char* Cycle;
        const char* Depth;
        // nullptr: shared nodes are not counted.
        const char* Expansion;
    };

    struct Entry
    {
        U32 Id;
        ThreeDObject* Node;
    };

    // Throws XFileFormat(fileName, the message of the first rule broken).
    template <class Table>
    static void Check(const Table& table, const std::string& fileName, const Messages& messages)
    {
        std::vector<Entry> nodes;
        nodes.reserve(table.size());
        for (const auto& entry : table)
            nodes.push_back({U32(entry.first), entry.second.Get()});
        Check(std::move(nodes), fileName, messages);
    }

    static void Check(std::vector<Entry> nodes, const std::string& fileName, const Messages& messages);
};
} // namespace Velmo::Papy

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
#include <cstddef>
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

    // The nodes of a file as the check sees them: numbered from 0 (the order in which the
    // search starts from them), each found by its id.
    class Nodes
    {
    public:
        virtual ~Nodes() = default;
        virtual std::size_t Size() const = 0;
        virtual ThreeDObject& At(std::size_t i) const = 0;
        // The number of the node with that id, or Size() when there is none.
        virtual std::size_t Find(U32 id) const = 0;
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

    // The nodes in the order of their ids taken as unsigned.
    static void Check(std::vector<Entry> nodes, const std::string& fileName, const Messages& messages);
    // The nodes in their own order.
    static void CheckNodes(const Nodes& nodes, const std::string& fileName, const Messages& messages);
};
} // namespace Velmo::Papy

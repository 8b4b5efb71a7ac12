#pragma once
// Refuses a loaded GPL .3do file whose nodes name themselves or one of their ancestors.
//
// Records refer to each other by id, so a file can hold a cycle through any kind of node,
// and every walk of such a tree would recurse forever. The check follows the references
// that walks follow (the child graph; an object locator's four sibling links, which walks
// do not follow, are left out) once per node, without recursion, so its time is in
// proportion to the number of references. An id that names no node is not followed here:
// it loads, and fails when a walk reaches it. A file whose nodes are nested deeper than a
// walk may descend is refused as well, so that it fails at load rather than at every walk.
namespace Velmo::Papy
{
class GPLTdoFile;

class GPLGraphCheck
{
public:
    // Throws XFileFormat(the file's name, "GPL 3do file node refers to itself or an ancestor"),
    // or "GPL 3do file nodes nested too deeply".
    static void Check(GPLTdoFile& file);
};
} // namespace Velmo::Papy

#pragma once
// The second pass of a GPL .3do save: writes every node that a walk reaches, once, in the
// order in which the walk completes it, so that a node's children are written before the node
// that names them. Each node writes its own record at the stream's position and keeps its
// offset from the start of the PRIM data (base) as its new file offset; a node whose offset
// is not 0 has been written in this save already and is passed over, together with its
// subtree (all of which was written with it). The null node, the root and the handles are
// never written as records.
//
// An object locator's four sibling links are not walked: they are references across the
// tree, written as whatever offset the sibling has at that moment and put right by the
// third pass (GPLTdoReSave). The locators written, in order, are kept for that pass, and
// WriteUnwrittenSiblings writes the siblings that no walk reached.
#include <vector>

#include "Papy/Model/ThreeDObject.h"
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoSave : public ThreeDObjectVisitor
{
public:
    GPLTdoSave(const Util::CountedPointer<Util::BinaryStream>& stream, U32 base);

    // Whether the node is one of the file's frame nodes (null, root, handles), which have no
    // PRIM record: their ids, taken as unsigned, are 0xF0000000 and above.
    static bool IsFrameNode(const ThreeDObject& node) { return U32(node.GetId()) >= 0xF0000000u; }

    // Walks the siblings of the written locators that are still unwritten, until every
    // sibling of every written locator has a record.
    void WriteUnwrittenSiblings();

    const std::vector<ThreeDObjectObjectLocator*>& GetLocators() const { return m_locators; }

    bool Enter(ThreeDObject& node) override;
    void Leave(ThreeDObject& node) override;
    void Visit(ThreeDObject& node) override;
    bool BeforeObjectLocatorSibling(ThreeDObjectObjectLocator& node, int i) override;
    void LeaveObjectLocator(ThreeDObjectObjectLocator& node) override;

private:
    // Writes the node unless it is a frame node or written already; true when it wrote.
    bool WriteNode(ThreeDObject& node);

    Util::CountedPointer<Util::BinaryStream> m_stream;
    U32 m_base;
    std::vector<ThreeDObjectObjectLocator*> m_locators;
};
} // namespace Velmo::Papy

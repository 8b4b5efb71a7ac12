#pragma once
// The third pass of a GPL .3do save: rewrites an object locator's record in place once every
// node has its new offset, so that its sibling links, written when the siblings might not have
// had a record yet, now hold their offsets. The pass is given the locators that the second
// pass wrote (each is visited without descending into its children); rewriting a record gives
// the same bytes whatever the order.
#include "Papy/Model/ThreeDObjectVisitor.h"
#include "Util/BinaryStream.h"
#include "Util/CountedPointer.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLTdoReSave : public ThreeDObjectVisitor
{
public:
    GPLTdoReSave(const Util::CountedPointer<Util::BinaryStream>& stream, U32 base);

    bool Enter(ThreeDObject& node) override;
    void LeaveObjectLocator(ThreeDObjectObjectLocator& node) override;

private:
    Util::CountedPointer<Util::BinaryStream> m_stream;
    U32 m_base;
};
} // namespace Velmo::Papy

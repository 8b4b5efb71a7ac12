#pragma once
// The external objects a walk is inside, innermost last, with a cap on their nesting. An
// object that names itself, directly or round a cycle, would be walked without end, and a
// chain of external objects can nest without limit: before a walk descends into an external
// object it asks Enter, which refuses an object already on the stack or one nesting deeper
// than MaxDepth and says why. Objects are known by their file object, as ExternalObjectChain
// knows them. No OpenGL; the drawing and clip-test walks use it. The bounds and check walks
// keep an ExternalObjectChain instead, without a cap.
#include <cstddef>
#include <string>

#include "Vantrel/Drawing/ExternalObjectChain.h"

class ExternalObjectStack
{
public:
    static constexpr std::size_t MaxDepth = 16;

    // Pushes the object and returns the empty text; or pushes nothing and returns the message
    // why not: "External object cycle: a -> b -> a" or "External objects nested deeper than
    // 16 levels".
    std::string Enter(const std::string& name, const void* object);
    // Pops what the matching successful Enter pushed.
    void Leave() { m_chain.Leave(); }
    void Clear() { m_chain.Clear(); }
    std::size_t GetDepth() const { return m_chain.GetDepth(); }

private:
    ExternalObjectChain m_chain;
};

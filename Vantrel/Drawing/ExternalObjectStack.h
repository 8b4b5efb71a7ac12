#pragma once
// The external objects a walk is inside, innermost last. An object that names itself,
// directly or round a cycle, would be walked without end, and a chain of external objects can
// nest without limit: before a walk descends into an external object it asks Enter, which
// refuses an object already on the stack or one nesting deeper than MaxDepth and says why.
// Objects are known by their file object (so that two spellings of one file are one object)
// and shown by the names they were asked for, as ExternalObjectChain shows its cycles. No
// OpenGL; the clip-test walk uses it as the drawing walk does. The bounds and check walks keep
// an ExternalObjectChain instead: they know objects by name before opening them, and set no
// depth limit.
#include <cstddef>
#include <string>
#include <vector>

class ExternalObjectStack
{
public:
    static constexpr std::size_t MaxDepth = 16;

    // Pushes the object and returns the empty text; or pushes nothing and returns the message
    // why not: "External object cycle: a -> b -> a" or "External objects nested deeper than
    // 16 levels".
    std::string Enter(const std::string& name, const void* object);
    // Pops what the matching successful Enter pushed.
    void Leave();
    void Clear();
    std::size_t GetDepth() const { return m_objects.size(); }

private:
    // Side by side, outermost first: the names asked for and the objects they opened.
    std::vector<std::string> m_names;
    std::vector<const void*> m_objects;
};

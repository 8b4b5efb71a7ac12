#pragma once
// The external objects a walk is inside, outermost first. A file's external object may name
// itself, directly or round a cycle of files; a walk that follows the names makes each file
// first and asks here before it walks it, and passes over a file already on the way.
//
// Objects are known by the file object the factory made for their name, and shown by the
// names the walk asked for. So names compare as the factory resolves them: a name that exists
// as written is that file, another is matched without regard to case; two spellings of one
// file are one object, and two files whose names differ only in case are two.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

class ExternalObjectChain
{
public:
    // Whether the object is already being walked.
    bool Contains(const void* object) const;
    // The chain that entering the object under name would close: "a -> b -> a", from the
    // object's first occurrence on, names as the walk asked for them.
    std::string Describe(const void* object, const std::string& name) const;
    // The names in order, each followed by " -> ", then the name: how every walk shows a cycle.
    static std::string DescribeCycle(std::span<const std::string> names, const std::string& name);
    void Enter(const std::string& name, const void* object);
    // Pops the last Enter (nothing when empty).
    void Leave();
    void Clear();
    std::size_t GetDepth() const { return m_objects.size(); }
    bool IsEmpty() const { return m_objects.empty(); }

private:
    // Side by side, outermost first: the names asked for and the objects they gave.
    std::vector<std::string> m_names;
    std::vector<const void*> m_objects;
};

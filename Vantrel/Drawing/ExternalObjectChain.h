#pragma once
// The external objects a walk is inside, outermost first. A file's external object may name
// itself, directly or round a cycle of files; a walk that follows the names asks here before it
// enters one, and passes over a name already on the way. Names are compared as the factory
// looks files up: without regard to case (A to Z).
#include <span>
#include <string>
#include <vector>

class ExternalObjectChain
{
public:
    // Whether the name is already being walked.
    bool Contains(const std::string& name) const;
    // The chain that entering the name would close: "a -> b -> a", from the name's first
    // occurrence on, names as the files give them.
    std::string Describe(const std::string& name) const;
    // The names in order, each followed by " -> ", then the name: how this chain and the
    // drawing walk's ExternalObjectStack show a cycle.
    static std::string DescribeCycle(std::span<const std::string> names, const std::string& name);
    void Enter(const std::string& name);
    void Leave();
    bool IsEmpty() const { return m_names.empty(); }

private:
    std::vector<std::string> m_names;
    std::vector<std::string> m_keys;
};

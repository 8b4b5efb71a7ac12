#pragma once
// The modelview pushes of one walk. The OpenGL stack is shallow (32 matrices on Mesa), and a
// file can nest transforms deeper than that: Push looks at the depth first and, when the
// stack is full, pushes nothing and answers false, so that the walk leaves the deeper part out
// instead of raising a stack overflow. Every Push or Skip is matched by one Pop, which pops
// only what was pushed; Unwind pops whatever an interrupted walk left behind.
#include <string>
#include <vector>

class ModelviewStack
{
public:
    // glPushMatrix when the modelview stack has room (true); else nothing (false).
    bool Push();
    // Records a level that pushes nothing (a transform left out), for its Pop.
    void Skip() { m_pushed.push_back(false); }
    // Undoes the matching Push or Skip.
    void Pop();
    // Pops every matrix still pushed, without error checks (for the end of a walk that an
    // exception cut short); the levels are forgotten.
    void Unwind() noexcept;
    std::size_t GetLevels() const { return m_pushed.size(); }

    // The current depth of the modelview stack (1 when nothing is pushed).
    static int GetDepth();
    // The message of a full stack: "Transformations nested deeper than the modelview stack (32
    // levels): the deeper ones are not drawn".
    static std::string FullMessage();

private:
    std::vector<bool> m_pushed;
};

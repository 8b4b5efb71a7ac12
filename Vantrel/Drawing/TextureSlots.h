#pragma once
// The texture slots of the drawing visitor: a stack per slot of {OpenGL texture name, the MIP
// file it came from}. Slot 0 is the current texture; slots 1..n hold the textures of the
// innermost multiple-textures node. An entry with name 0 is empty (no texture): nodes that
// have nothing to push push an empty entry, so that every push has its pop.
#include <cstddef>
#include <vector>

#include "Util/CountedPointer.h"

namespace Velmo::Papy
{
class MipFile;
}

class TextureSlots
{
public:
    struct Entry
    {
        unsigned Name = 0;
        Velmo::Util::CountedPointer<Velmo::Papy::MipFile> File;
    };

    // Grows the slots to slot + 1 stacks first.
    void Push(std::size_t slot, const Entry& entry);
    // Pops the top of the slot; nothing when it is empty.
    void Pop(std::size_t slot);
    // True when the slot is beyond the slots, its stack is empty or its top is empty.
    bool NoMip(std::size_t slot) const;
    // The top entry's name and file; the assertion "!NoMip(slot)" when NoMip.
    unsigned GetName(std::size_t slot) const;
    const Velmo::Util::CountedPointer<Velmo::Papy::MipFile>& GetFile(std::size_t slot) const;
    // No slots, then slot 0 with nothing in it.
    void Reset();
    std::size_t GetSlotCount() const { return m_slots.size(); }
    std::size_t GetDepth(std::size_t slot) const { return slot < m_slots.size() ? m_slots[slot].size() : 0; }

private:
    std::vector<std::vector<Entry>> m_slots;
};

#include "Vantrel/Drawing/TextureSlots.h"

#include "Papy/Bitmap/MipFile.h"
#include "Util/Exception.h"

void TextureSlots::Push(std::size_t slot, const Entry& entry)
{
    if (m_slots.size() <= slot)
        m_slots.resize(slot + 1);
    m_slots[slot].push_back(entry);
}

void TextureSlots::Pop(std::size_t slot)
{
    if (slot < m_slots.size() && !m_slots[slot].empty())
        m_slots[slot].pop_back();
}

bool TextureSlots::NoMip(std::size_t slot) const
{
    return slot >= m_slots.size() || m_slots[slot].empty() || m_slots[slot].back().Name == 0;
}

unsigned TextureSlots::GetName(std::size_t slot) const
{
    VELMO_ASSERT_AT(!NoMip(slot), "!NoMip(slot)", ".\\ThreeDObject3DVisitor.cpp", 2194);
    return m_slots[slot].back().Name;
}

const Velmo::Util::CountedPointer<Velmo::Papy::MipFile>& TextureSlots::GetFile(std::size_t slot) const
{
    VELMO_ASSERT_AT(!NoMip(slot), "!NoMip(slot)", ".\\ThreeDObject3DVisitor.cpp", 2200);
    return m_slots[slot].back().File;
}

void TextureSlots::Reset()
{
    m_slots.clear();
    m_slots.resize(1);
}

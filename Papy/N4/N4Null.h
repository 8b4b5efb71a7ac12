#pragma once
// The null node of an N4 file: every null reference of the archive points to it, and it is
// written as the reference 0. It belongs to no file and has no record.
#include "Papy/Model/ThreeDObjectNull.h"

namespace Velmo::Papy
{
class N4Null : public ThreeDObjectNull
{
public:
    explicit N4Null(int id) : m_id(id) {}

    int GetId() const override { return m_id; }
    // A null node has no record: all bits set.
    U64 GetFileOffset() const override { return ~U64(0); }
    std::string GetType() const override { return ""; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    int m_id;
};
} // namespace Velmo::Papy

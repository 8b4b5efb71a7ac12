#pragma once
// The node that stands for no object wherever a reference needs a node. The file's own null
// node has id -1 and file offset 0xFFFFFFFF, which is what a reference to it is written as.
#include <string>

#include "Papy/Model/ThreeDObjectNull.h"
#include "Util/Types.h"

namespace Velmo::Papy
{
class GPLNull : public ThreeDObjectNull
{
public:
    GPLNull(int id, U32 fileOffset) : m_id(id), m_fileOffset(fileOffset) {}

    int GetId() const override { return m_id; }
    U64 GetFileOffset() const override { return m_fileOffset; }
    std::string GetType() const override { return std::string(); }
    // Never written: a reference to the null node is its file offset.
    void Write(Util::BinaryStream&, U32) override {}

private:
    int m_id;
    U32 m_fileOffset;
};
} // namespace Velmo::Papy

#pragma once
// The node that stands for no object wherever a reference needs a node: id -1, file offset
// 0xFFFFFFFF, which is what a reference to it is written as. Never written itself.
#include <string>

#include "Papy/Model/ThreeDObjectNull.h"

namespace Velmo::Papy
{
class N2Null : public ThreeDObjectNull
{
public:
    int GetId() const override { return -1; }
    U64 GetFileOffset() const override { return 0xFFFFFFFF; }
    std::string GetType() const override { return std::string(); }
    void Write(Util::BinaryStream&, U32) override {}
};
} // namespace Velmo::Papy

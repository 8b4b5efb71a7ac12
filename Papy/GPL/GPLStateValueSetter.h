#pragma once
// Sets one state variable (type word 20, 12 bytes): type, state index, state value.
#include <string>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectStateValueSetter.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLStateValueSetter : public GPLNode<ThreeDObjectStateValueSetter>
{
public:
    static constexpr U32 TypeWord = 20;

    GPLStateValueSetter(GPLTdoFile& file, int id, Util::RecordReader& reader);

    U32 GetStateIndex() const override { return m_stateIndex; }
    U32 GetStateValue() const override { return m_stateValue; }

    std::string GetType() const override { return "20"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    U32 m_stateIndex;
    U32 m_stateValue;
};
} // namespace Velmo::Papy

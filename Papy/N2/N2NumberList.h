#pragma once
// Type 16: a count and that many int32 numbers.
#include <string>
#include <vector>

#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class N2NumberList : public N2Node<ThreeDObjectNumberList>
{
public:
    static constexpr U8 Type = 16;

    N2NumberList(N2TdoFile& file, Util::RecordReader& reader, int id);

    int GetNumberCount() const override { return int(m_numbers.size()); }
    // Fails the assertion "false": the count cannot be changed.
    void SetNumberCount(int count) override;
    U32 GetNumber(int i) const override { return U32(m_numbers[At(m_numbers, i)]); }
    void SetNumber(int i, U32 value) override { m_numbers[At(m_numbers, i)] = S32(value); }

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

    const std::vector<S32>& GetNumbers() const { return m_numbers; }

    // The record of a type-16 list of these numbers, as the track nodes built from number
    // lists write it.
    static void WriteList(const std::vector<S32>& numbers, Util::BinaryStream& stream);

private:
    std::vector<S32> m_numbers;
};
} // namespace Velmo::Papy

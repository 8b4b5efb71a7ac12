#pragma once
// A list of unsigned numbers (type word 16): a count and that many u32. The track and car
// fix-ups read number lists as parts of their trees.
#include <string>
#include <vector>

#include "Papy/GPL/GPLNode.h"
#include "Papy/Model/ThreeDObjectNumberList.h"
#include "Util/RecordReader.h"

namespace Velmo::Papy
{
class GPLNumberList : public GPLNode<ThreeDObjectNumberList>
{
public:
    static constexpr U32 TypeWord = 16;

    // Reads the record behind the type word.
    GPLNumberList(GPLTdoFile& file, int id, Util::RecordReader& reader);
    GPLNumberList(GPLTdoFile& file, int id, std::vector<U32> numbers);

    int GetNumberCount() const override { return int(m_numbers.size()); }
    // New numbers are 0; surplus numbers are dropped from the end.
    void SetNumberCount(int count) override;
    U32 GetNumber(int i) const override;
    void SetNumber(int i, U32 value) override;

    std::string GetType() const override { return "16"; }
    void Write(Util::BinaryStream& stream, U32 offset) override;

private:
    std::vector<U32> m_numbers;
};
} // namespace Velmo::Papy

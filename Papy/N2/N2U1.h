#pragma once
// Type 15: four words kept as read; a file that holds one is a track object.
#include <string>

#include "Papy/Model/ThreeDObjectU1.h"
#include "Papy/N2/N2Node.h"
#include "Util/RecordReader.h"
#include "Papy/N2/N2Record.h"

namespace Velmo::Papy
{
class N2U1 : public N2Node<ThreeDObjectU1>
{
public:
    static constexpr U8 Type = 15;

    N2U1(N2TdoFile& file, Util::RecordReader& reader, int id) : N2Node(file, id, U32(id))
    {
        reader.ReadArray(m_words, 4);
    }

    int GetFirst() const override { return m_words[0]; }
    int GetSecond() const override { return m_words[1]; }
    int GetThird() const override { return m_words[2]; }
    int GetFourth() const override { return m_words[3]; }

    std::string GetType() const override { return "15"; }
    void Write(Util::BinaryStream& stream, U32 offset) override
    {
        SetFileOffset(offset);
        N2Record::Writer record(Type, 24);
        for (S32 word : m_words)
            record.Word(word);
        record.WriteTo(stream);
    }

private:
    S32 m_words[4];
};
} // namespace Velmo::Papy

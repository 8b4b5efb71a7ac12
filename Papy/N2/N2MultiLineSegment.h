#pragma once
// One segment of a multi-line (type 21 with other than two points), made while the
// multi-line is read; it has no record and no place in the file of its own.
#include <string>

#include "Papy/Model/ThreeDObjectLine.h"

namespace Velmo::Papy
{
class N2TdoFile;

class N2MultiLineSegment : public ThreeDObjectLine
{
public:
    N2MultiLineSegment(N2TdoFile& file, int id, S32 colourIndex, S32 from, S32 to)
        : m_file(&file), m_id(id), m_colourIndex(colourIndex), m_from(from), m_to(to)
    {
    }

    Vertex GetFromVertex() const override;
    int GetFromVertexId() const override { return m_from; }
    void SetFromVertexId(int id) override { m_from = id; }
    Vertex GetToVertex() const override;
    int GetToVertexId() const override { return m_to; }
    void SetToVertexId(int id) override { m_to = id; }
    Colour GetColour() const override;

    int GetId() const override { return m_id; }
    // Fails the assertion "false": a segment has no place in the file.
    U64 GetFileOffset() const override;
    std::string GetType() const override { return "21/2"; }
    // Written as part of its multi-line's record.
    void Write(Util::BinaryStream&, U32) override {}

private:
    N2TdoFile* m_file;
    int m_id;
    S32 m_colourIndex;
    S32 m_from;
    S32 m_to;
};
} // namespace Velmo::Papy
